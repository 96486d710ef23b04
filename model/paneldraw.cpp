// Drawing of wall panels (with the door and opening symbols) and of floor
// panels with their cut lines.

#include <algorithm>

#include "chamber.h"
#include "drawhelpers.h"
#include "modellimits.h"
#include "planrenderer.h"

using draw_helpers::MapPoint;
using draw_helpers::MapRect;
using draw_helpers::Number;
using model_limits::SaturateInt32;

namespace {

constexpr int32_t kInsetPixels = 2;          // panel boxes stand clear of the run's outline
constexpr int64_t kBarEndShift = 20;         // door bars: shorter on horizontal runs, longer on vertical
constexpr int64_t kContainerSwing = 100;     // the container door's leaf line reaches this far out
constexpr int64_t kSlideLineOut = 50;        // the sliding door's rail beyond the bar
constexpr int64_t kSlideLineInset = 50;      // the rail stops short of the bar's ends
constexpr int64_t kArrowStroke = 25;         // arrow head strokes, back and aside
constexpr int32_t kFloorLabelRight = 200;    // pixels; the label box needs no real extent
constexpr int32_t kFloorLabelBottom = 100;
const DrawBrush kOpeningBrush = DrawBrush::DiagonalCross(Rgb(100, 100, 100));

// A wall panel's place, with `along` the axis of its run and `across` the
// other: the panel covers [lo, hi] along and [face, face + t] across.
struct PanelPlace {
  bool vertical;
  bool forward;  // the run's length is >= 0
  int64_t lo;
  int64_t hi;
  int64_t face;
  int64_t t;

  // Model point from (along, across).
  int64_t X(int64_t along, int64_t across) const { return vertical ? across : along; }
  int64_t Y(int64_t along, int64_t across) const { return vertical ? along : across; }
  // Doors stand outside the outline: above a run going right, right of one
  // going down, below one going left, left of one going up.
  int64_t Outward() const { return vertical == forward ? 1 : -1; }
  int64_t OuterFace() const { return Outward() > 0 ? face + t : face; }
};

void Line(CDrawContext& dc, const CPixelMapping& m, const PanelPlace& p, int64_t along1, int64_t across1,
          int64_t along2, int64_t across2) {
  dc.Line(MapPoint(m, p.X(along1, across1), p.Y(along1, across1)),
          MapPoint(m, p.X(along2, across2), p.Y(along2, across2)));
}

void DrawDoorSymbol(CDrawContext& dc, const CPixelMapping& m, const PanelPlace& p, int32_t kind) {
  if (kind == kOpening) {
    const DrawBrush previous = dc.SelectBrush(kOpeningBrush);
    dc.Rectangle(MapRect(m, p.X(p.lo, p.face), p.Y(p.lo, p.face), p.X(p.hi, p.face + p.t), p.Y(p.hi, p.face + p.t)));
    dc.SelectBrush(previous);
    return;
  }
  // The bar: half a thickness deep against the outer face.
  const int64_t out = p.Outward();
  const int64_t face = p.OuterFace();
  const int64_t barOuter = face + out * (p.t / 2);
  int64_t barLo = p.lo;
  int64_t barHi = p.hi;
  if (kind != kSwingDoorBlock) {
    const int64_t shift = p.vertical ? -kBarEndShift : kBarEndShift;
    barLo += shift;
    barHi -= shift;
  }
  dc.Rectangle(MapRect(m, p.X(barLo, face), p.Y(barLo, face), p.X(barHi, barOuter), p.Y(barHi, barOuter)));

  // The ends of the bar where the run starts and where it ends, in its
  // direction of travel.
  const int64_t startEnd = p.forward ? barLo : barHi;
  const int64_t finishEnd = p.forward ? barHi : barLo;
  switch (kind) {
    case kContainerDoorLeft:
      Line(dc, m, p, finishEnd, barOuter, startEnd, barOuter + out * kContainerSwing);
      break;
    case kContainerDoorRight:
      Line(dc, m, p, startEnd, barOuter, finishEnd, barOuter + out * kContainerSwing);
      break;
    case kSlidingDoorLeft:
    case kSlidingDoorRight: {
      const int64_t rail = barOuter + out * kSlideLineOut;
      const int64_t railLo = barLo + kSlideLineInset;
      const int64_t railHi = barHi - kSlideLineInset;
      Line(dc, m, p, railLo, rail, railHi, rail);
      // The arrow points along the run for a left-hand door, against it for
      // a right-hand one.
      const bool tipAtHi = (kind == kSlidingDoorLeft) == p.forward;
      const int64_t tip = tipAtHi ? railHi : railLo;
      const int64_t back = tipAtHi ? tip - kArrowStroke : tip + kArrowStroke;
      Line(dc, m, p, tip, rail, back, rail - kArrowStroke);
      Line(dc, m, p, tip, rail, back, rail + kArrowStroke);
      break;
    }
    default:
      break;
  }
}

}  // namespace

void CWallPanel::Draw(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, int32_t x,
                      int32_t y) const {
  const CWallCollection* run = Owner();
  if (!run) return;
  const DrawResources& res = renderer.Resources();
  const CPixelMapping& m = renderer.Mapping();
  const bool standard = IsStandardWidth();
  dc.Select(standard ? res.panelBrush : res.oddPanelBrush);
  dc.Select(standard ? res.panelPen : res.oddPanelPen);

  PanelPlace p{};
  p.vertical = run->IsVertical();
  p.forward = run->Length() >= 0;
  const int64_t along = p.vertical ? y : x;
  p.lo = p.forward ? along : along - Width();
  p.hi = p.forward ? along + Width() : along;
  p.face = p.vertical ? x : y;
  p.t = run->Thickness();

  // The width label stands the label offset off the run: outside the
  // outline for outline segments.
  const int64_t middle = (p.lo + p.hi) / 2;
  const int64_t offset = camera.LabelOffset();
  PixelPoint label;
  if (p.vertical) {
    label = MapPoint(m, p.forward ? p.face + offset : p.face - offset, middle);
    dc.Select(res.labelFontVertical);
  } else {
    label = MapPoint(m, middle, p.forward ? p.face - offset : p.face + offset);
    dc.Select(res.labelFontHorizontal);
  }

  if (IsDoor()) {
    DrawDoorSymbol(dc, m, p, Kind());
    return;
  }
  const PixelRect box =
      MapRect(m, p.X(p.lo, p.face), p.Y(p.lo, p.face), p.X(p.hi, p.face + p.t), p.Y(p.hi, p.face + p.t));
  // A panel far off the screen maps to the ends of the pixel range: the
  // inset is worked out in 64 bits and saturates there.
  dc.Rectangle({SaturateInt32(int64_t{box.left} + kInsetPixels), SaturateInt32(int64_t{box.top} + kInsetPixels),
                SaturateInt32(int64_t{box.right} - kInsetPixels), SaturateInt32(int64_t{box.bottom} - kInsetPixels)});
  const std::string width = Number(Width());
  const int64_t room = p.vertical ? int64_t{box.bottom} - box.top : int64_t{box.right} - box.left;
  if (draw_helpers::TextFits(p.vertical ? res.labelFontVertical : res.labelFontHorizontal, width, room))
    dc.Text(label, width);
}

void CFloorPanel::Draw(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, int32_t x,
                       int32_t y) const {
  const CFloorStrip* strip = Owner();
  if (!strip) return;
  const DrawResources& res = renderer.Resources();
  const CPixelMapping& m = renderer.Mapping();
  dc.Select(res.floorPanelBrush);
  dc.Select(res.floorPanelPen);
  dc.Select(res.floorLabelFont);

  const bool alongX = strip->Direction() == CFloorStrip::kAlongX;
  const int64_t right = int64_t{x} + (alongX ? Width() : strip->W());
  const int64_t bottom = int64_t{y} + (alongX ? strip->H() : Width());
  // One box per cut, from the panel's top edge down to the cut: the longest
  // first, so that each shorter one leaves its lower edge as a cut line.
  PixelRect last{};
  bool drawn = false;
  for (int32_t cut : strip->Cuts()) {
    last = MapRect(m, x, y, right, int64_t{y} + std::min(cut, strip->H()));
    dc.Rectangle(last);
    drawn = true;
  }
  if (drawn) dc.Rectangle(last);

  // Pixel sums in 64 bits, as for the wall panels' boxes.
  const int64_t left = m.ToPixelX(x);
  const int64_t middleX = (left + m.ToPixelX(right)) / 2;
  const int64_t middleY = (int64_t{m.ToPixelY(y)} + m.ToPixelY(bottom)) / 2;
  dc.TextInRect({SaturateInt32(left + m.ToPixelLength(camera.Thickness())), SaturateInt32(middleY),
                 SaturateInt32(middleX + kFloorLabelRight), SaturateInt32(middleY + kFloorLabelBottom)},
                Number(Width()));
}
