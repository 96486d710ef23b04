#include "divisiondraft.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "floorstrip.h"
#include "wallcollection.h"
#include "zamo_abi.h"

void CLengthList::Reset(int64_t total, std::vector<int32_t> values) {
  total_ = total;
  values_ = std::move(values);
  sum_ = std::accumulate(values_.begin(), values_.end(), int64_t{0});
}

void CLengthList::Insert(int index, int32_t value) {
  const auto at = static_cast<size_t>(std::clamp(index, 0, Count()));
  values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(at), value);
  sum_ += value;
}

bool CLengthList::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return false;
  sum_ -= values_[static_cast<size_t>(index)];
  values_.erase(values_.begin() + index);
  return true;
}

void CDivisionDraft::SetObject(CWallCollection* run) {
  run_ = run;
  strip_ = nullptr;
  StartFromObject();
}

void CDivisionDraft::SetObject(CFloorStrip* strip) {
  run_ = nullptr;
  strip_ = strip;
  StartFromObject();
}

void CDivisionDraft::StartFromObject() { widths_.Reset(ObjectLength(), ObjectWidths()); }

void CDivisionDraft::SetHeight(int32_t height) { heights_.Reset(height); }

int64_t CDivisionDraft::ObjectLength() const {
  if (run_) return std::abs(int64_t{run_->Length()});
  if (strip_) return strip_->DivisionLength();
  return 0;
}

std::vector<int32_t> CDivisionDraft::ObjectWidths() const {
  std::vector<int32_t> widths;
  if (run_) {
    for (const CWallPanel& panel : run_->Panels()) widths.push_back(std::abs(panel.Width()));
  } else if (strip_) {
    for (const CFloorPanel& panel : strip_->Panels()) widths.push_back(std::abs(panel.Width()));
  }
  return widths;
}

std::vector<int32_t> CDivisionDraft::AutomaticWidths() const {
  std::vector<int32_t> widths;
  if (run_) {
    CWallCollection scratch;
    if (!scratch.Init(run_->Length(), run_->Thickness(), nullptr, run_->GetOrientation())) return widths;
    scratch.AutoFill();
    for (const CWallPanel& panel : scratch.Panels()) widths.push_back(std::abs(panel.Width()));
  } else if (strip_) {
    CFloorStrip scratch(strip_->Camera(), strip_->Direction());
    if (!scratch.SetRect(strip_->X(), strip_->Y(), strip_->W(), strip_->H())) return widths;
    // A strip too short for its edge panels still gets filled, the way
    // Apply would complete it.
    if (!scratch.AutoDivide()) scratch.DivideManually({});
    for (const CFloorPanel& panel : scratch.Panels()) widths.push_back(panel.Width());
  }
  return widths;
}

std::vector<int32_t> CDivisionDraft::OfferedSizes() const {
  std::vector<int32_t> sizes;
  for (int k = 1; k <= kOfferCount && int64_t{k} * kPanelWidthStep <= widths_.Unallocated(); ++k)
    sizes.push_back(k * kPanelWidthStep);
  return sizes;
}

int CDivisionDraft::OfferIndexAfter(int32_t previous) const {
  const int count = static_cast<int>(OfferedSizes().size());
  if (count == 0) return -1;
  return std::max(std::min(count, previous / kPanelWidthStep) - 1, 0);
}

bool CDivisionDraft::ExactSizeFits(std::optional<int64_t> size) const {
  return size && *size >= 1 && *size <= widths_.Unallocated();
}

CDivisionDraft::SizeCheck CDivisionDraft::CheckHeight(std::optional<int64_t> height) const {
  if (!height) return SizeCheck::kNoNumber;
  // A piece of no length would be priced as a panel of its own.
  if (*height < 1) return SizeCheck::kNotPositive;
  if (*height > heights_.Total()) return SizeCheck::kAboveTotal;
  if (*height > heights_.Unallocated()) return SizeCheck::kAboveRemaining;
  return SizeCheck::kOk;
}

CDivisionDraft::Completion CDivisionDraft::State() const {
  if (widths_.Unallocated() < 0) return Completion::kOverfull;
  return widths_.Unallocated() > 0 ? Completion::kShort : Completion::kComplete;
}

bool CDivisionDraft::Apply(std::vector<int32_t>* applied) const {
  const std::span<const int32_t> widths = widths_.Values();
  if (run_ && !run_->DivideManually(widths, CWallCollection::Completion::kFillToEnd)) return false;
  if (strip_ && !strip_->DivideManually(widths)) return false;
  if (applied) *applied = ObjectWidths();
  return true;
}

std::vector<int32_t> CDivisionDraft::CutPieces() const {
  const std::span<const int32_t> heights = heights_.Values();
  std::vector<int32_t> pieces(heights.rbegin(), heights.rend());
  if (heights_.Unallocated() != 0) pieces.insert(pieces.begin(), static_cast<int32_t>(heights_.Unallocated()));
  return pieces;
}
