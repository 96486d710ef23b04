#pragma once

#include <cstdint>
#include <optional>

#include "drawresources.h"
#include "pixelmapping.h"

class CChamber;
class CDrawContext;

// How a camera is put on a surface: the mapping from millimetres to the
// surface's pixels, the brushes, pens and fonts, and whether the surface is
// a printed page. The camera is only read. The window keeps one renderer
// (its zoom and pan change the renderer's mapping, never the camera); a
// picture export or a printout makes its own, so nothing is swapped into
// the camera while a page is drawn.
class CPlanRenderer {
 public:
  // The screen resolution the label fonts are made for until the window
  // says otherwise, pixels per inch.
  static constexpr int32_t kScreenLogPixelsY = 96;
  // Where a printed plan stands on the page (device pixels) and the share of
  // the page's width its reference width takes at zoom 1.
  static constexpr PixelPoint kPrintOrigin{500, 1000};
  static constexpr double kPrintWidthShare = 0.7;
  // The font sizes a printout may have, points.
  static constexpr double kMinPrintFontPoints = 1.0, kMaxPrintFontPoints = 1000.0;

  // A screen renderer: `mapping` and the screen's drawing set for a screen
  // of `logPixelsY` pixels per inch (a value below 1 gives the default).
  explicit CPlanRenderer(const CPixelMapping& mapping = {}, int32_t logPixelsY = kScreenLogPixelsY);

  // The print renderer for a printer `horzRes` pixels wide with `logPixelsY`
  // pixels per inch: origin (500, 1000), scale horzRes / width * 0.7 * zoom,
  // the print resources (DrawResources::Print). None when the camera has no
  // width, the zoom or the font size is not a number within reach, or the
  // scale would leave the mapping's range.
  static std::optional<CPlanRenderer> ForPrint(const CChamber& camera, int32_t horzRes, int32_t logPixelsY,
                                               double zoom, double fontPoints);
  // The same for the printer behind `dc` (its width and resolution).
  static std::optional<CPlanRenderer> ForPrint(const CChamber& camera, const CDrawContext& dc, double zoom,
                                               double fontPoints);

  const CPixelMapping& Mapping() const { return mapping_; }
  void SetMapping(const CPixelMapping& mapping) { mapping_ = mapping; }
  const DrawResources& Resources() const { return resources_; }
  // Remakes the screen resources for a screen of `logPixelsY` pixels per
  // inch; a value below 1, and a print renderer, are left alone.
  void SetScreenResolution(int32_t logPixelsY);
  bool Printing() const { return printing_; }
  // Whether the dimension chains show the clear sizes between the inner
  // faces instead of the outer ones; the header shows both either way.
  bool InsideDimensions() const { return insideDimensions_; }
  void SetInsideDimensions(bool inside) { insideDimensions_ = inside; }

  // Draws the plan: the floor strips, the outline segments with their
  // panels, doors and posts, the dimension chains (left, right, bottom,
  // top), the partitions, and - unless printing - the four header lines at
  // pixels (10, 10) to (10, 70) in the chains' horizontal font.
  void Draw(const CChamber& camera, CDrawContext& dc, const DrawingHeader& header = {}) const;

 private:
  CPixelMapping mapping_;
  DrawResources resources_;
  bool printing_ = false;
  bool insideDimensions_ = false;
};
