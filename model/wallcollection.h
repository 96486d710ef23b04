#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "corner.h"
#include "editrefusal.h"
#include "geometry.h"
#include "wallpanel.h"

class CChamber;

// One straight run of wall panels: an outline segment of the camera (this
// class) or an internal wall (CPartition). Panels are laid end to end from
// the run's start in the direction of its signed length (positive = towards
// +x or +y). For an outline segment the length is the panel run between the
// corner posts; the extended length (length +/- thickness) is the distance
// between the segment's reference points.
//
// The camera owns its runs on the heap, so a run's address is stable for the
// camera's lifetime. Panels are held by value: a CWallPanel pointer is valid
// only until the run's panel list changes.
class CWallCollection {
 public:
  // How a manual division completes a run that the given widths leave short.
  enum class Completion {
    kFillToEnd,  // AutoFillStep until fully divided (the division dialog)
    kOneStep,    // one AutoFillStep (the replay of a recorded division)
  };

  CWallCollection() = default;
  virtual ~CWallCollection() = default;
  CWallCollection(const CWallCollection&) = delete;
  CWallCollection& operator=(const CWallCollection&) = delete;

  // Sets length (mm, signed), thickness (mm), camera and orientation. A null
  // camera leaves the old reference. False, changing nothing, when |length|
  // or the thickness lies beyond model_limits::kMaxLength or the thickness is
  // negative.
  bool Init(int32_t length, int32_t thickness, CChamber* camera, Orientation orientation);
  // Init, then a corner post of side = thickness at the far end (outline
  // segments only); replaces any earlier post.
  bool InitWithCorner(int32_t length, int32_t thickness, CChamber* camera, Orientation orientation);

  virtual bool IsPartition() const { return false; }

  Orientation GetOrientation() const { return orientation_; }
  bool IsVertical() const { return orientation_ == Orientation::kVertical; }
  int32_t Thickness() const { return thickness_; }
  int32_t Length() const { return length_; }
  // length + thickness when length >= 0, else length - thickness.
  int32_t ExtendedLength() const;
  CChamber* Camera() const { return camera_; }
  const CCorner* Corner() const { return corner_.get(); }

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  // The panel at `index`, or null outside the run.
  CWallPanel* PanelAt(int index);
  const CWallPanel* PanelAt(int index) const;
  // Index of a panel of this run, or -1.
  int IndexOfPanel(const CWallPanel* panel) const;
  std::span<const CWallPanel> Panels() const { return panels_; }
  void ClearPanels() { panels_.clear(); }

  // The signed width of panel index - 1 (negative on a run of negative
  // length); 0 for index 0 and for an index past the panel count. Adding
  // PanelStep(0), PanelStep(1), ... to the run's start gives each panel's
  // start.
  int32_t PanelStep(int index) const;
  // Sum of |width| over the panels, mm.
  int64_t DividedLength() const;
  // The panels add up exactly to |length|.
  bool IsFullyDivided() const;

  // Appends a panel of `width` (kPanelStandard for 1200, else
  // kPanelOtherWidth) at offset = the divided length so far. The run's length
  // is not checked: a manual list may overfill a run, which then never counts
  // as fully divided. False for a
  // width <= 0, a run already holding model_limits::kMaxPanelsPerRun panels,
  // or a divided length that would pass model_limits::kMaxLength.
  // Takes time in the panel count (it sums the run); see DivideManually.
  bool AppendPanel(int32_t width, EditRefusal* why = nullptr);
  // Appends min(remaining, 1200) when remaining = |length| - divided length
  // is positive; false when nothing was appended.
  bool AutoFillStep();
  // Clears the run and fills it with 1200 panels and one remainder panel.
  // Ends on any run, including a length of 0.
  void AutoFill();
  // Clears the run, appends `widths` in order, then completes the run as
  // asked. The whole list is checked first (each width as AppendPanel does,
  // at most model_limits::kMaxPanelsPerRun of them): a list with a bad width
  // changes nothing and returns false. A door or opening whose panel comes
  // back at the same offset with the same width stays on it (kind, variant
  // and opening height); every other panel is new.
  bool DivideManually(std::span<const int32_t> widths, Completion completion, EditRefusal* why = nullptr);

  // The index of the panel under `point` (model mm), running along the run
  // from `runStart`: before panel k is examined the running position moves
  // by PanelStep(k), and the first panel whose start lies less than its
  // width behind the point (in the run's direction) is taken; a point past
  // the last panel (its far edge, the corner post) takes the last one. -1
  // when the run is not fully divided or has no panel. Only the coordinate
  // along the run counts; the caller has already found the point inside the
  // run.
  int PanelIndexAt(ModelPoint runStart, ModelPoint point) const;

 protected:
  friend class CChamber;
  // Outline editing changes lengths only through the camera, which keeps the
  // chain closed; the caller has checked the bounds.
  void SetLength(int32_t length) { length_ = length; }
  std::vector<CWallPanel>& MutablePanels() { return panels_; }

 private:
  bool CheckAppend(int64_t divided, int count, int32_t width, EditRefusal* why) const;
  // Up to maxSteps AutoFill steps on a run whose panels sum to `divided`;
  // returns the number of panels appended.
  int FillFrom(int64_t divided, int maxSteps);
  void AppendUnchecked(int32_t width, int64_t offset);
  // Puts the doors of `old` back on the panels that have their place and
  // width in the run as it is now.
  void KeepDoors(std::span<const CWallPanel> old);

  Orientation orientation_ = Orientation::kVertical;
  int32_t thickness_ = 0;
  int32_t length_ = 0;
  std::vector<CWallPanel> panels_;
  CChamber* camera_ = nullptr;
  std::unique_ptr<CCorner> corner_;
};
