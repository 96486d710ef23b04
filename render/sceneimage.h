#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>
#include <string>

#include "atomicfile.h"
#include "scene3d.h"
#include "sceneview.h"

class CChamber;
class QPainter;

// The camera in 3-D as a picture: on the window, on a page, in a file.

// How a picture is seen and how its ceiling is shown.
struct ScenePictureSettings {
  SceneViewpoint view = SceneViewpoint::Preset(1);
  LidMode lid = LidMode::kTransparent;
};

// Draws the scene into `area` of an active painter, on whatever lies there.
void PaintScene3d(QPainter& painter, const QRect& area, const CScene3d& scene, const SceneViewpoint& view);

// The camera from its first corner, see-through, fitted into a box of a
// drawing surface: the picture of the printed page's title block. The
// scene is built at once; the camera need not live on.
std::function<void(CDrawContext&, const PixelRect&)> ScenePictureOf(const CChamber& camera);

// The camera on a white 32-bit image of `size`; a null image, with a reason,
// for a size CanvasSizeAllowed refuses or an image that could not be had.
QImage RenderSceneImage(const CChamber& camera, const ScenePictureSettings& settings, QSize size,
                        std::string* problem);

// The camera's picture for a detailed estimate, written as a PNG into
// `folder`: its path, or empty when it could not be written (the estimate
// then goes without it).
std::string WriteEstimatePicture(const CChamber& camera, const std::string& folder);

// Writes the picture; the extension chooses the kind: .png or .svg of `size`
// pixels, or .pdf, a landscape A4 page with the picture fitted to it.
// Written through a temporary file.
FileError ExportSceneImage(const CChamber& camera, const ScenePictureSettings& settings, const std::string& path,
                           QSize size);
