#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "drawcontext.h"

// The brushes, pens and fonts a camera is drawn with, one slot per use.
// An empty slot selects nothing, so the drawing goes on with whatever the
// context has selected at that point.
struct DrawResources {
  std::optional<DrawBrush> segmentBrush;  // outline segments and partitions
  std::optional<DrawPen> segmentPen;
  std::optional<DrawBrush> panelBrush;  // wall panels of a standard width
  std::optional<DrawPen> panelPen;
  std::optional<DrawBrush> oddPanelBrush;  // wall panels of any other width
  std::optional<DrawPen> oddPanelPen;
  std::optional<DrawFont> labelFontVertical;  // panel widths on vertical runs
  std::optional<DrawFont> labelFontHorizontal;
  std::optional<DrawBrush> stripBrush;  // floor strips
  std::optional<DrawPen> stripPen;
  std::optional<DrawBrush> floorPanelBrush;
  std::optional<DrawPen> floorPanelPen;
  std::optional<DrawFont> floorLabelFont;
  std::optional<DrawBrush> cornerBrush;
  std::optional<DrawPen> cornerPen;
  std::optional<DrawPen> dimensionPen;
  std::optional<DrawFont> dimensionFontVertical;  // left and right chains
  std::optional<DrawFont> dimensionFontHorizontal;

  // The window's set; the label fonts are 5 points high at the screen's
  // resolution (pixels per inch).
  static DrawResources Screen(int32_t screenLogPixelsY);
  // The printer's set made from `active`: white brushes, black outlines five
  // pixels wide, every font `fontPoints` (whole points) high at the
  // printer's resolution in the face's own proportions. The floor panel pen
  // and the dimension pen stay as they are.
  static DrawResources Print(const DrawResources& active, int32_t printerLogPixelsY, double fontPoints);

  friend bool operator==(const DrawResources&, const DrawResources&) = default;
};

// The texts of the four header lines over the plan: the title line, then the
// words written before the outer height, depth and width.
struct DrawingHeader {
  std::string title;
  std::string heightLabel;
  std::string widthLabel;   // before the outer depth
  std::string lengthLabel;  // before the outer width
};
