// The floor/ceiling plan of a camera: strips between neighbouring vertical
// outline segments and the chain of cut positions drawn on the right.

#include <algorithm>
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

// The rectangle of the strip between the i-th and (i+1)-th vertical segment
// by start x. The cases follow the shape of the outline around the pair:
// both running up (A, B), both running down (C), one each way (D: the pair
// spans the whole depth), and the rest by the way the chain turns at them.
ModelRect CChamber::StripRect(const std::vector<int>& sortedVerticals, size_t i,
                              const std::vector<ModelPoint>& starts) const {
  const int ia = sortedVerticals[i];
  const int ib = sortedVerticals[i + 1];
  const int64_t xa = starts[static_cast<size_t>(ia)].x;
  const int64_t ya = starts[static_cast<size_t>(ia)].y;
  const int64_t xb = starts[static_cast<size_t>(ib)].x;
  const int64_t yb = starts[static_cast<size_t>(ib)].y;
  const int64_t ea = walls_[static_cast<size_t>(ia)]->ExtendedLength();
  const int64_t eb = walls_[static_cast<size_t>(ib)]->ExtendedLength();
  const int64_t h = thickness_ / 2;
  int64_t x1, y1, x2, y2;
  if (ea < 0 && eb < 0 && ya > yb) {
    x1 = xa - h, y1 = ya + h, x2 = xb - h, y2 = yb - h;
  } else if (ea < 0 && eb < 0 && ya < yb) {
    x1 = xa - h, y1 = yb + eb + h, x2 = xb - h, y2 = ya + ea - h;
  } else if (ea > 0 && eb > 0 && ya > yb) {
    x1 = xa + h, x2 = xb + h;
    const size_t n = walls_.size();
    const size_t p = Wrap(int64_t{ia} - 1, n);
    if (walls_[p]->ExtendedLength() >= 0) {
      y1 = yb - h, y2 = ya + h;
    } else {
      y1 = starts[Wrap(static_cast<int64_t>(p) - 2, n)].y - h;
      y2 = starts[p].y + h;
    }
  } else if (!SameSign(ea, eb)) {
    x1 = xa - h, y1 = int64_t{depth_} + h, x2 = xb + h, y2 = -h;
  } else {
    const bool turnsA = Turns(ia, ea >= 0);
    const bool turnsB = Turns(ib, eb < 0);
    x1 = turnsA ? xa - h : xa + h;
    y1 = yb - h;
    x2 = turnsB ? xb + h : xb - h;
    y2 = yb + eb + h;
  }
  using model_limits::SaturateInt32;
  return {SaturateInt32(x1), SaturateInt32(y1), SaturateInt32(x2), SaturateInt32(y2)};
}

void CChamber::RebuildFloor() {
  floorStrips_.clear();
  const std::vector<ModelPoint> starts = WallStarts();
  std::vector<int> verticals;
  for (int i = 0; i < WallCount(); ++i)
    if (walls_[static_cast<size_t>(i)]->GetOrientation() == OrientationFromByte(floorDirection_))
      verticals.push_back(i);
  std::stable_sort(verticals.begin(), verticals.end(), [&starts](int a, int b) {
    return starts[static_cast<size_t>(a)].x < starts[static_cast<size_t>(b)].x;
  });
  for (size_t i = 0; i + 1 < verticals.size(); ++i) {
    // Collinear pieces of a split wall stand on the same x: a strip between
    // them would be one thickness wide, never divisible, and would make every
    // price calculation refuse the camera.
    if (starts[static_cast<size_t>(verticals[i])].x == starts[static_cast<size_t>(verticals[i + 1])].x) continue;
    const ModelRect r = StripRect(verticals, i, starts);
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
