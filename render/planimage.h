#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <optional>
#include <string>

#include "atomicfile.h"
#include "drawresources.h"
#include "pixelmapping.h"

class CChamber;
class QPainter;
class QByteArray;
class CPlanRenderer;

// The camera drawn by a screen renderer (the window's own, or one made from
// the camera's stored origin and scale), with the header lines, on a white
// canvas: the bitmap export, and the pictures of zamo-cli render.

// The largest canvas drawn on: a side, and the pixels in all (32 bits each).
inline constexpr int kMaxCanvasSide = 16384;
inline constexpr qint64 kMaxCanvasPixels = qint64{64} * 1024 * 1024;
// The canvas of the bitmap export when nothing else is given: the screen.
inline constexpr QSize kDefaultCanvas{1920, 1080};

// The texts of the header lines from this module's language table.
DrawingHeader DrawingHeaderTexts();

// The extension of a file name in lower case, without its dot; empty when
// the name has none.
std::string LowerCaseExtension(const std::string& path);

// Whether a canvas of `size` may be drawn on; a reason when not.
bool CanvasSizeAllowed(QSize size, std::string* problem);

// The plan on a white 32-bit image of `size` at the screen's resolution; a
// null image, with a reason, for a size CanvasSizeAllowed refuses or an
// image that could not be had.
QImage RenderPlanImage(const CPlanRenderer& renderer, const CChamber& camera, const DrawingHeader& header, QSize size,
                       std::string* problem);

// The canvas and mapping that show the whole plan at `scale` (pixels per
// mm) with the screen's margins around it, whatever part of it a window
// shows: the picture export and zamo-cli's fitted pictures. A plan too large
// for kMaxCanvasSide and kMaxCanvasPixels at that scale is drawn smaller.
// None for a camera with nothing to draw.
struct PlanCanvas {
  CPixelMapping mapping;
  QSize size;
};
std::optional<PlanCanvas> PlanExtentCanvas(const CChamber& camera, double scale);

// Writes what `paint` draws on an SVG canvas of `size` (at the screen's
// resolution) to `path`, through a temporary file; refuses a size
// CanvasSizeAllowed refuses.
FileError WriteSvgPicture(const std::string& path, QSize size, const std::function<void(QPainter&)>& paint);

// Writes bytes of a picture to `path` through a temporary file.
FileError WritePictureBytes(const std::string& path, const QByteArray& bytes);

// Writes the plan as a picture of `size`; the file's extension chooses the
// kind: .png, .bmp (WriteBitmapFile) or .svg. Written through a temporary
// file.
FileError ExportPlanImage(const CPlanRenderer& renderer, const CChamber& camera, const DrawingHeader& header,
                          const std::string& path, QSize size);
