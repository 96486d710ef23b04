// The floor/ceiling plan of a camera: the strips that cover the floor
// (FloorRects) and the chain of cut positions drawn on the right.

#include <set>

#include "chamber.h"
#include "modellimits.h"

namespace {

bool SameSign(int64_t a, int64_t b) { return (a >= 0) == (b >= 0); }

size_t Wrap(int64_t index, size_t count) {
  const int64_t n = static_cast<int64_t>(count);
  return static_cast<size_t>(((index % n) + n) % n);
}

}  // namespace

bool CChamber::Turns(int index, bool forward) const {
  if (index < 0 || index >= WallCount()) return false;
  const size_t n = walls_.size();
  const size_t i = static_cast<size_t>(index);
  const CWallCollection& first = *walls_[forward ? i : Wrap(int64_t{index} - 1, n)];
  const CWallCollection& second = *walls_[forward ? Wrap(int64_t{index} + 1, n) : i];
  const bool same = SameSign(first.ExtendedLength(), second.ExtendedLength());
  return first.IsVertical() ? !same : same;
}

void CChamber::RebuildFloor() {
  floorStrips_.clear();
  for (const ModelRect& r : FloorRects(WallStarts(), thickness_)) {
    auto strip = std::make_unique<CFloorStrip>(this, floorDirection_);
    const int64_t w = int64_t{r.Right()} - r.Left();
    const int64_t h = int64_t{r.Bottom()} - r.Top();
    if (!strip->SetRect(r.Left(), r.Top(), model_limits::SaturateInt32(w), model_limits::SaturateInt32(h))) continue;
    strip->AutoDivide();
    floorStrips_.push_back(std::move(strip));
  }
  RebuildCutChain();
}

void CChamber::RebuildCutChain() {
  std::set<int64_t> positions;
  for (const auto& strip : floorStrips_)
    for (int32_t cut : strip->Cuts()) positions.insert(int64_t{cut} + strip->Y() + thickness_ / 2);
  floorCutChain_.clear();
  floorCutChain_.reserve(positions.size());
  int64_t previous = 0;  // the first value stays measured from y = 0
  for (int64_t p : positions) {
    floorCutChain_.push_back(model_limits::SaturateInt32(p - previous));
    previous = p;
  }
}
