#include "floorstrip.h"

#include <algorithm>

#include "chamber.h"
#include "listaccess.h"
#include "modellimits.h"
#include "zamo_abi.h"

using model_limits::kMaxLength;
using model_limits::kMaxPanelsPerRun;

namespace {

constexpr int32_t kEdgeLong = 900;    // edge panel beyond the thickness
constexpr int32_t kEdgeShort = 600;
constexpr int32_t kMiddleSteps = 4;   // middle panels: kPanelWidthStep times 1 to 4
constexpr int32_t kCompletionWidths[] = {1200, 900, 600};

}  // namespace

CFloorStrip::CFloorStrip(CChamber* camera, uint8_t direction)
    : direction_(direction == kAlongY ? kAlongY : kAlongX), camera_(camera) {}

bool CFloorStrip::SetRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  const auto inside = [](int64_t v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
  if (w < 0 || h < 0 || !inside(x) || !inside(y) || !inside(int64_t{x} + w) || !inside(int64_t{y} + h))
    return false;
  x_ = x;
  y_ = y;
  w_ = w;
  h_ = h;
  cuts_.assign(1, PanelLength());
  return true;
}

const CFloorPanel* CFloorStrip::PanelAt(int index) const { return list_access::At(panels_, index); }

int CFloorStrip::IndexOfPanel(const CFloorPanel* panel) const { return list_access::IndexOf(panels_, panel); }

int32_t CFloorStrip::PanelStep(int index) const {
  if (index <= 0 || index > PanelCount()) return 0;
  return panels_[static_cast<size_t>(index - 1)].Width();
}

void CFloorStrip::AppendUnchecked(int32_t width) {
  CFloorPanel panel(width, this);
  panel.SetOffset(model_limits::SaturateInt32(divided_));
  panels_.push_back(panel);
  divided_ += width;
}

bool CFloorStrip::AutoDivide() {
  ClearPanels();
  const int64_t t = camera_ ? camera_->Thickness() : 0;
  int64_t rest = DivisionLength();
  int64_t first = 0;
  int64_t last = 0;
  if (rest >= 2 * t + 2 * kEdgeLong) {
    first = last = t + kEdgeLong;
  } else if (rest >= 2 * t + kEdgeLong + kEdgeShort) {
    first = t + kEdgeLong;
    last = t + kEdgeShort;
  } else if (rest >= 2 * t + 2 * kEdgeShort) {
    first = last = t + kEdgeShort;
  } else {
    return false;
  }
  rest -= first + last;
  AppendUnchecked(static_cast<int32_t>(first));
  if (rest >= 1) {
    for (int32_t k = kMiddleSteps; k >= 1; --k) {
      const int32_t width = k * kPanelWidthStep;
      while (rest >= width) {
        AppendUnchecked(width);
        rest -= width;
      }
    }
    if (rest > 0) {
      // A rest below 300 never stands alone: it joins the last panel, or,
      // when that is a full 1200, the two share it as 900 + (rest + 300).
      CFloorPanel& previous = panels_.back();
      if (previous.Width() == kStandardPanelWidth) {
        previous.SetWidth(kStandardPanelWidth - kPanelWidthStep);
        divided_ -= kPanelWidthStep;
        AppendUnchecked(static_cast<int32_t>(rest + kPanelWidthStep));
      } else {
        previous.SetWidth(static_cast<int32_t>(previous.Width() + rest));
        divided_ += rest;
      }
    }
  }
  AppendUnchecked(static_cast<int32_t>(last));
  return true;
}

bool CFloorStrip::AppendFloorPanel(int32_t width) {
  if (IsFullyDivided() || width < 0 || PanelCount() >= kMaxPanelsPerRun) return false;
  const int64_t divided = DividedLength();
  const int64_t length = DivisionLength();
  const int64_t taken = width == 0 ? length - divided : width;
  if (taken <= 0 || divided + taken > length) return false;
  AppendUnchecked(static_cast<int32_t>(taken));
  return true;
}

bool CFloorStrip::FloorCompletionStep() {
  if (IsFullyDivided()) return false;
  for (int32_t width : kCompletionWidths)
    if (AppendFloorPanel(width)) return true;
  return AppendFloorPanel(0);
}

bool CFloorStrip::DivideManually(std::span<const int32_t> widths) {
  if (widths.size() > static_cast<size_t>(kMaxPanelsPerRun)) return false;
  ClearPanels();
  for (int32_t w : widths) AppendFloorPanel(w);
  while (!IsFullyDivided() && FloorCompletionStep()) {
  }
  return true;
}

bool CFloorStrip::SetCuts(std::span<const int32_t> pieces) {
  if (pieces.empty() || pieces.size() > static_cast<size_t>(model_limits::kMaxCutPieces)) return false;
  std::vector<int32_t> cuts;
  cuts.reserve(pieces.size());
  int64_t sum = 0;
  for (int32_t p : pieces) {
    if (p < 0) return false;
    sum += p;
    if (sum > kMaxLength) return false;
    cuts.push_back(static_cast<int32_t>(sum));
  }
  std::reverse(cuts.begin(), cuts.end());
  cuts_ = std::move(cuts);
  return true;
}

std::vector<int32_t> CFloorStrip::PieceLengths() const {
  std::vector<int32_t> pieces;
  pieces.reserve(cuts_.size());
  int64_t previous = 0;
  for (auto it = cuts_.rbegin(); it != cuts_.rend(); ++it) {
    pieces.push_back(model_limits::SaturateInt32(*it - previous));
    previous = *it;
  }
  return pieces;
}
