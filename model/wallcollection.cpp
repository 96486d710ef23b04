#include "wallcollection.h"

#include <algorithm>
#include <cstdlib>

#include "listaccess.h"
#include "modellimits.h"

using model_limits::kMaxLength;
using model_limits::kMaxPanelsPerRun;
using model_limits::WithinLength;

bool CWallCollection::Init(int32_t length, int32_t thickness, CChamber* camera, Orientation orientation) {
  if (!WithinLength(length) || thickness < 0 || thickness > kMaxLength) return false;
  length_ = length;
  thickness_ = thickness;
  if (camera) camera_ = camera;
  orientation_ = orientation;
  return true;
}

bool CWallCollection::InitWithCorner(int32_t length, int32_t thickness, CChamber* camera,
                                     Orientation orientation) {
  if (!Init(length, thickness, camera, orientation)) return false;
  corner_ = std::make_unique<CCorner>(thickness);
  return true;
}

int32_t CWallCollection::ExtendedLength() const {
  return length_ >= 0 ? length_ + thickness_ : length_ - thickness_;
}

CWallPanel* CWallCollection::PanelAt(int index) { return list_access::At(panels_, index); }

const CWallPanel* CWallCollection::PanelAt(int index) const { return list_access::At(panels_, index); }

int CWallCollection::IndexOfPanel(const CWallPanel* panel) const { return list_access::IndexOf(panels_, panel); }

int32_t CWallCollection::PanelStep(int index) const {
  if (index <= 0 || index > PanelCount()) return 0;
  const int32_t width = panels_[static_cast<size_t>(index - 1)].Width();
  return length_ < 0 ? -width : width;
}

int64_t CWallCollection::DividedLength() const {
  int64_t sum = 0;
  for (const CWallPanel& p : panels_) sum += std::abs(static_cast<int64_t>(p.Width()));
  return sum;
}

bool CWallCollection::IsFullyDivided() const {
  return DividedLength() == std::abs(static_cast<int64_t>(length_));
}

bool CWallCollection::CheckAppend(int64_t divided, int count, int32_t width, EditRefusal* why) const {
  if (width <= 0) return Refuse(why, EditRefusal::kBadArgument);
  if (count >= kMaxPanelsPerRun || divided + width > kMaxLength) return Refuse(why, EditRefusal::kBeyondLimits);
  return true;
}

void CWallCollection::AppendUnchecked(int32_t width, int64_t offset) {
  CWallPanel panel(width, this);
  panel.SetOffset(static_cast<int32_t>(offset));
  panels_.push_back(panel);
}

bool CWallCollection::AppendPanel(int32_t width, EditRefusal* why) {
  const int64_t divided = DividedLength();
  if (!CheckAppend(divided, PanelCount(), width, why)) return false;
  AppendUnchecked(width, divided);
  return true;
}

bool CWallCollection::AutoFillStep() { return FillFrom(DividedLength(), 1) > 0; }

int CWallCollection::FillFrom(int64_t divided, int maxSteps) {
  // Every step appends min(remaining, 1200), at least 1 mm, and never passes
  // |length|; a step the limits refuse ends the loop: this ends on any run.
  const int64_t length = std::abs(static_cast<int64_t>(length_));
  int steps = 0;
  while (steps < maxSteps && divided < length) {
    const int32_t width = static_cast<int32_t>(std::min<int64_t>(length - divided, kStandardPanelWidth));
    if (!CheckAppend(divided, PanelCount(), width, nullptr)) break;
    AppendUnchecked(width, divided);
    divided += width;
    ++steps;
  }
  return steps;
}

void CWallCollection::AutoFill() {
  ClearPanels();
  FillFrom(0, kMaxPanelsPerRun);
}

bool CWallCollection::DivideManually(std::span<const int32_t> widths, Completion completion, EditRefusal* why) {
  if (widths.size() > static_cast<size_t>(kMaxPanelsPerRun)) return Refuse(why, EditRefusal::kBeyondLimits);
  int64_t divided = 0;
  int count = 0;
  for (int32_t w : widths) {
    if (!CheckAppend(divided, count, w, why)) return false;
    divided += w;
    ++count;
  }
  std::vector<CWallPanel> old;
  old.swap(panels_);
  panels_.reserve(widths.size());
  divided = 0;
  for (int32_t w : widths) {
    AppendUnchecked(w, divided);
    divided += w;
  }
  FillFrom(divided, completion == Completion::kOneStep ? 1 : kMaxPanelsPerRun);
  KeepDoors(old);
  return true;
}

void CWallCollection::KeepDoors(std::span<const CWallPanel> old) {
  // A door stands on its place in the run, not on the list that divided
  // it: re-dividing with the same panel at the same place must not take the
  // door away. Both runs are in offset order, so one walk pairs them.
  size_t k = 0;
  int64_t oldStart = 0;
  int64_t start = 0;
  for (const CWallPanel& was : old) {
    const int64_t wasStart = oldStart;
    oldStart += std::abs(int64_t{was.Width()});
    if (!was.IsDoor()) continue;
    while (k < panels_.size() && start < wasStart) start += std::abs(int64_t{panels_[k++].Width()});
    if (k == panels_.size() || start != wasStart || panels_[k].Width() != was.Width()) continue;
    CWallPanel& now = panels_[k];
    now.SetKind(was.Kind());
    now.SetDoorVariant(was.DoorVariant());
    now.SetOpeningHeight(was.OpeningHeight());
  }
}

int CWallCollection::PanelIndexAt(ModelPoint runStart, ModelPoint point) const {
  if (!IsFullyDivided()) return -1;
  const bool horizontal = orientation_ == Orientation::kHorizontal;
  const int64_t along = horizontal ? point.x : point.y;
  int64_t pos = horizontal ? runStart.x : runStart.y;
  for (int k = 0; k < PanelCount(); ++k) {
    pos += PanelStep(k);
    const int64_t width = panels_[static_cast<size_t>(k)].Width();
    const int64_t ahead = length_ >= 0 ? along - pos : pos - along;
    if (ahead < width) return k;
  }
  // Past the last panel lies only its far edge and the corner post at the
  // run's end: a click there means the last panel, not the bare wall.
  return PanelCount() - 1;
}
