#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editrefusal.h"
#include "floorpanel.h"

class CChamber;

// One rectangle of the floor/ceiling plan (model mm; x, y its top-left
// corner, w and h its extents), cut into floor panels laid side by side.
// direction 1: panels follow one another along x and each spans h (the only
// kind the floor plan builds); direction 0: along y, each spanning w.
// The division length L is w for direction 1, h for direction 0; the panel
// length (across the panels) is the other extent.
//
// cuts: the cumulative end positions (mm, from the strip's top edge) of the
// pieces into which every panel is cut, in descending order: the first value
// is the full panel length, the last the end of the first piece.
//
// The camera owns its strips on the heap; panels are held by value.
class CFloorStrip {
 public:
  static constexpr uint8_t kAlongX = 1;
  static constexpr uint8_t kAlongY = 0;

  explicit CFloorStrip(CChamber* camera = nullptr, uint8_t direction = kAlongX);
  CFloorStrip(const CFloorStrip&) = delete;
  CFloorStrip& operator=(const CFloorStrip&) = delete;

  int32_t X() const { return x_; }
  int32_t Y() const { return y_; }
  int32_t W() const { return w_; }
  int32_t H() const { return h_; }
  uint8_t Direction() const { return direction_; }
  CChamber* Camera() const { return camera_; }
  // Sets the rectangle and resets the cuts to the single value of the panel
  // length. False (no change) for a negative extent or an edge beyond
  // kMaxCoordinate.
  bool SetRect(int32_t x, int32_t y, int32_t w, int32_t h);
  static constexpr int32_t kMaxCoordinate = 4'000'000;

  int32_t DivisionLength() const { return direction_ == kAlongX ? w_ : h_; }
  int32_t PanelLength() const { return direction_ == kAlongX ? h_ : w_; }

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  // Panels are read-only from outside: the strip keeps their sum.
  const CFloorPanel* PanelAt(int index) const;
  int IndexOfPanel(const CFloorPanel* panel) const;
  std::span<const CFloorPanel> Panels() const { return panels_; }
  void ClearPanels() {
    panels_.clear();
    divided_ = 0;
  }
  // Width of panel index - 1; 0 for index 0 and past the panel count.
  int32_t PanelStep(int index) const;
  int64_t DividedLength() const { return divided_; }
  bool IsFullyDivided() const { return DividedLength() == DivisionLength(); }

  // The automatic division: edge panels that include the wall thickness
  // (the floor runs under the walls), 1200 panels, at most one each of 900,
  // 600 and 300, and no rest below 300 standing alone. False, with the strip
  // left empty, when L < 2t + 1200 (t = the camera's thickness).
  bool AutoDivide();
  // Appends a panel of `width`; 0 stands for the rest of the strip. False
  // when the strip is full, the width is negative, the panel would pass L, or
  // the strip holds model_limits::kMaxPanelsPerRun panels.
  bool AppendFloorPanel(int32_t width);
  // Appends the first of 1200, 900, 600 that fits, else the rest. False when
  // nothing was appended (the strip is full).
  bool FloorCompletionStep();
  // ClearPanels, AppendFloorPanel for each width (widths that do not fit are
  // left out), then FloorCompletionStep until full. False, changing nothing,
  // for more than model_limits::kMaxPanelsPerRun widths.
  bool DivideManually(std::span<const int32_t> widths);

  std::span<const int32_t> Cuts() const { return cuts_; }
  // Cuts from piece lengths p1..pn (in the order the division dialog hands
  // them): the running sums, last one first. False (no change) for an empty
  // list, a negative piece, more than model_limits::kMaxCutPieces pieces or a
  // sum beyond model_limits::kMaxLength: an empty cut list would make every
  // panel of the strip vanish from the tally.
  bool SetCuts(std::span<const int32_t> pieces);
  // The pieces of every panel, first piece first.
  std::vector<int32_t> PieceLengths() const;

 private:
  void AppendUnchecked(int32_t width);

  int32_t x_ = 0;
  int32_t y_ = 0;
  int32_t w_ = 0;
  int32_t h_ = 0;
  uint8_t direction_ = kAlongX;
  std::vector<CFloorPanel> panels_;
  int64_t divided_ = 0;  // sum of the panel widths
  CChamber* camera_ = nullptr;
  std::vector<int32_t> cuts_;
};
