// The dimension chains around the plan, computed as records in model mm so
// that drawing only maps and draws them.

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "chamber.h"
#include "insidedimensions.h"
#include "modellimits.h"
#include "sizes.h"

namespace {

using model_limits::SaturateInt32;

constexpr int64_t kDotHalf = 20;     // dots are 40 mm across
constexpr int64_t kLineInset = 10;   // dimension line inside the extension end
constexpr int64_t kTextBack = 40;    // text starts this far before its line
constexpr int64_t kRightStart = -999999;
constexpr int64_t kReferenceStart = 1000000;

// How one of the top, bottom and left chains is laid out. along is the axis
// the side runs on, across the other one; outward is -1 for a chain above or
// left of the plan, +1 below it.
struct SideRule {
  bool alongX;
  int64_t outward;
  bool referenceByVerticalSum;  // else by the horizontal sum
  bool referenceIsLargest;      // else the smallest sum
  int64_t adjustSign;           // the thickness adjustment is adjustSign * t
  bool adjustMax;               // which end the adjustment moves
};

constexpr SideRule kTopRule{true, -1, true, false, -1, false};
constexpr SideRule kBottomRule{true, +1, true, true, +1, true};
constexpr SideRule kLeftRule{false, -1, false, false, +1, true};

ModelPoint At(bool alongX, int64_t along, int64_t across) {
  return alongX ? ModelPoint{SaturateInt32(along), SaturateInt32(across)}
                : ModelPoint{SaturateInt32(across), SaturateInt32(along)};
}

ModelRect Box(bool alongX, int64_t along1, int64_t across1, int64_t along2, int64_t across2) {
  const ModelPoint a = At(alongX, along1, across1);
  const ModelPoint b = At(alongX, along2, across2);
  return {a.x, a.y, b.x, b.y};
}

}  // namespace

void SetDimensionLine(DimensionRecord& r, bool alongX, int64_t a, int64_t b, int64_t linePos) {
  r.dimensionLine = {At(alongX, a, linePos), At(alongX, b, linePos)};
  r.dot1 = Box(alongX, a - kDotHalf, linePos - kDotHalf, a + kDotHalf, linePos + kDotHalf);
  r.dot2 = Box(alongX, b - kDotHalf, linePos - kDotHalf, b + kDotHalf, linePos + kDotHalf);
  r.value = SaturateInt32(std::abs(b - a));
}

namespace {

ModelRect BodyOf(const CChamber& camera, const CWallCollection& wall) {
  ModelPoint start;
  camera.GetWallStartOf(&wall, &start.x, &start.y);
  return SegmentRect(start, wall.ExtendedLength(), wall.Thickness(), wall.GetOrientation());
}

std::vector<DimensionRecord> MeasureSide(const CSizes& side, const SideRule& rule) {
  const CChamber* camera = side.Camera();
  const auto walls = side.Walls();
  if (!camera || walls.empty()) return {};
  const int64_t t = camera->Thickness();
  const int64_t offset = camera->DimensionOffset();
  const auto sum = [&](const CWallCollection* w) {
    return rule.referenceByVerticalSum ? camera->SumVerticalUpTo(w) : camera->SumHorizontalUpTo(w);
  };

  // The reference segment: the first with the smallest (largest) sum.
  const CWallCollection* reference = walls.front();
  int64_t referenceSum = sum(reference);
  for (const CWallCollection* w : walls.subspan(1)) {
    const int64_t s = sum(w);
    if (rule.referenceIsLargest ? s > referenceSum : s < referenceSum) {
      reference = w;
      referenceSum = s;
    }
  }

  struct Span {
    int64_t across;
    int64_t max;
    int64_t min;
  };
  std::vector<Span> spans;
  spans.reserve(walls.size());
  int64_t line = rule.outward < 0 ? kReferenceStart : -kReferenceStart;
  const int64_t adjust = rule.adjustSign * t;
  for (size_t k = 0; k < walls.size(); ++k) {
    const CWallCollection* w = walls[k];
    const ModelRect body = BodyOf(*camera, *w);
    const int64_t across = rule.alongX ? (rule.outward < 0 ? body.Top() : body.Bottom())
                                       : (rule.outward < 0 ? body.Left() : body.Right());
    line = rule.outward < 0 ? std::min(line, across) : std::max(line, across);
    int64_t min = rule.alongX ? body.Left() : body.Top();
    int64_t max = rule.alongX ? body.Right() : body.Bottom();
    // The chain measures outer faces: the thickness of the posts at the
    // side's ends is added where the segment bodies stop short of them.
    if (walls.size() == 1) {
      if (w->ExtendedLength() < 1)
        max += t;
      else
        min -= t;
    } else if (k == 0 && w != reference) {
      min += adjust;
      max += adjust;
    } else if (w == reference) {
      (rule.adjustMax ? max : min) += adjust;
    }
    spans.push_back({across, max, min});
  }

  const int64_t extensionEnd = line + rule.outward * offset;
  const int64_t linePos = line + rule.outward * (offset - kLineInset);
  const int64_t textAcross = extensionEnd - kTextBack;
  std::vector<DimensionRecord> records;
  records.reserve(spans.size());
  for (const Span& s : spans) {
    DimensionRecord r;
    r.extension1 = {At(rule.alongX, s.max, s.across), At(rule.alongX, s.max, extensionEnd)};
    r.extension2 = {At(rule.alongX, s.min, s.across), At(rule.alongX, s.min, extensionEnd)};
    SetDimensionLine(r, rule.alongX, s.min, s.max, linePos);
    const int64_t length = std::abs(s.max - s.min);
    r.textAt = At(rule.alongX, s.max - length / 2, textAcross);
    r.verticalText = !rule.alongX;
    records.push_back(r);
  }
  return records;
}

// One vertical dimension of the right-hand chains: from `top` to `bottom`
// at x = lineX, with extension lines from `fromX`.
DimensionRecord VerticalRecord(int64_t fromX, int64_t extensionX, int64_t top, int64_t bottom, int64_t textY) {
  const int64_t lineX = extensionX + kLineInset;
  DimensionRecord r;
  r.extension1 = {At(true, fromX, bottom), At(true, extensionX, bottom)};
  r.extension2 = {At(true, fromX, top), At(true, extensionX, top)};
  SetDimensionLine(r, false, top, bottom, lineX);
  r.textAt = At(true, extensionX - kTextBack, textY);
  r.verticalText = true;
  return r;
}

// Right edge of all the side's bodies and start points: the chains stand
// beyond it.
int64_t RightEdge(const CChamber& camera, std::span<CWallCollection* const> walls) {
  int64_t right = kRightStart;
  for (const CWallCollection* w : walls) {
    ModelPoint start;
    camera.GetWallStartOf(w, &start.x, &start.y);
    right = std::max({right, int64_t{start.x}, int64_t{BodyOf(camera, *w).Right()}});
  }
  return right;
}

// `outer` redrawn between `a` and `b` along its chain, with extension lines
// from `face` (across) out to where the outer ones end.
DimensionRecord BetweenFaces(const DimensionRecord& outer, bool alongX, int64_t a, int64_t b, int64_t face) {
  const auto across = [alongX](ModelPoint p) { return int64_t{alongX ? p.y : p.x}; };
  const int64_t extensionEnd = across(outer.extension1.to);
  const int64_t linePos = across(outer.dimensionLine.from);
  const int64_t high = std::max(a, b);
  const int64_t low = std::min(a, b);
  DimensionRecord r = outer;
  r.extension1 = {At(alongX, high, face), At(alongX, high, extensionEnd)};
  r.extension2 = {At(alongX, low, face), At(alongX, low, extensionEnd)};
  SetDimensionLine(r, alongX, low, high, linePos);
  r.textAt = At(alongX, high - (high - low) / 2, across(outer.textAt));
  return r;
}

}  // namespace

std::vector<DimensionRecord> CSizes::MeasureInside() const {
  std::vector<DimensionRecord> records = Measure();
  const CChamber* camera = Camera();
  if (!camera || records.size() != walls_.size()) return records;
  const std::vector<ModelPoint> corners = InnerCorners(*camera);
  const size_t count = corners.size();
  for (size_t k = 0; k < records.size(); ++k) {
    const int index = camera->IndexOfWall(walls_[k]);
    if (index < 0) continue;
    const ModelPoint a = corners[static_cast<size_t>(index)];
    const ModelPoint b = corners[(static_cast<size_t>(index) + 1) % count];
    const bool alongX = !records[k].verticalText;
    records[k] = BetweenFaces(records[k], alongX, alongX ? a.x : a.y, alongX ? b.x : b.y, alongX ? a.y : a.x);
  }
  return records;
}

std::vector<DimensionRecord> CTopSizes::Measure() const { return MeasureSide(*this, kTopRule); }
std::vector<DimensionRecord> CBottomSizes::Measure() const { return MeasureSide(*this, kBottomRule); }
std::vector<DimensionRecord> CLeftSizes::Measure() const { return MeasureSide(*this, kLeftRule); }

std::vector<DimensionRecord> CRightSizes::Measure() const {
  const CChamber* camera = Camera();
  const auto walls = Walls();
  if (!camera || walls.empty()) return {};
  const int64_t t = camera->Thickness();
  const int64_t extensionX = RightEdge(*camera, walls) + camera->DimensionOffset() / 2;
  std::vector<DimensionRecord> records;
  records.reserve(walls.size());
  for (size_t k = 0; k < walls.size(); ++k) {
    const ModelRect body = BodyOf(*camera, *walls[k]);
    const int64_t top = int64_t{body.Top()} - t;
    const int64_t bottom = int64_t{body.Bottom()} - (k + 1 == walls.size() ? 0 : t);
    records.push_back(VerticalRecord(body.Right(), extensionX, top, bottom, bottom - std::abs(top - bottom) / 2));
  }
  return records;
}

std::vector<DimensionRecord> CRightSizes::MeasureFloorCuts() const {
  const CChamber* camera = Camera();
  const auto walls = Walls();
  if (!camera || walls.empty()) return {};
  const int64_t extensionX = RightEdge(*camera, walls) + camera->DimensionOffset();
  const int64_t fromX = BodyOf(*camera, *walls.back()).Right();
  std::vector<DimensionRecord> records;
  records.reserve(camera->FloorCutChain().size());
  int64_t y = -(camera->Thickness() / 2);
  for (int32_t cut : camera->FloorCutChain()) {
    // Drawn from the cut end up to the previous one.
    records.push_back(VerticalRecord(fromX, extensionX, y + cut, y, y + cut / 2));
    y += cut;
  }
  return records;
}

namespace {

const CSizes* SideListing(const CChamber& camera, const CWallCollection* wall, int* position) {
  for (const CSizes* side : {static_cast<const CSizes*>(&camera.Top()), static_cast<const CSizes*>(&camera.Right()),
                             static_cast<const CSizes*>(&camera.Bottom()),
                             static_cast<const CSizes*>(&camera.Left())}) {
    const int at = side->IndexOf(wall);
    if (at >= 0) {
      *position = at;
      return side;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<WallChainSpan> MeasureWallInChain(const CChamber& camera, int wall) {
  const CWallCollection* run = camera.WallAt(wall);
  if (!run) return std::nullopt;
  const Orientation o = run->GetOrientation();
  const bool forward = run->ExtendedLength() >= 0;
  int position = -1;
  if (const CSizes* side = SideListing(camera, run, &position)) {
    const std::vector<DimensionRecord> records = side->Measure();
    if (position < static_cast<int>(records.size())) {
      const DimensionRecord& r = records[static_cast<size_t>(position)];
      const int64_t a = AlongOf(r.dimensionLine.from, o);
      const int64_t b = AlongOf(r.dimensionLine.to, o);
      const int64_t low = std::min(a, b);
      const int64_t high = std::max(a, b);
      return WallChainSpan{forward ? low : high, forward ? high : low, r.value};
    }
  }
  // No chain lists it: its body and the post it starts from.
  const ModelRect body = camera.WallRect(wall);
  const int64_t t = camera.Thickness();
  const int64_t low = LowAlong(body, o) - (forward ? t : 0);
  const int64_t high = HighAlong(body, o) + (forward ? 0 : t);
  return WallChainSpan{forward ? low : high, forward ? high : low, model_limits::SaturateInt32(high - low)};
}
