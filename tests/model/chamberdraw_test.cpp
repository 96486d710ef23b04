// The camera's drawing as primitives: where the window sees each segment,
// panel, label, door, post, strip and header, and how a printout draws.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "insidedimensions.h"
#include "modeltesthelpers.h"
#include "planrenderer.h"
#include "recordingdrawcontext.h"

namespace {

using Kind = DrawCall::Kind;
using Texts = std::vector<std::string>;

const DrawingHeader kHeader{"Габаритные размеры камеры:", "Высота", "Ширина", "Длина"};
// The window's renderer of a new camera: default origin and scale, 96 dpi.
const CPlanRenderer kScreen;

const DrawCall* TextAt(const CRecordingDrawContext& dc, const std::string& text, PixelPoint at) {
  for (const DrawCall& call : dc.Calls())
    if (call.kind == Kind::kText && call.text == text && call.from == at) return &call;
  return nullptr;
}

bool HasLine(const CRecordingDrawContext& dc, PixelPoint from, PixelPoint to) {
  return std::any_of(dc.Calls().begin(), dc.Calls().end(), [&](const DrawCall& c) {
    return c.kind == Kind::kLine && c.from == from && c.to == to;
  });
}

// The numbers of the dimension chains, in drawing order.
Texts DimensionTexts(const CRecordingDrawContext& dc, const DrawResources& res) {
  Texts texts;
  for (const DrawCall& call : dc.OfKind(Kind::kText))
    if (call.font == *res.dimensionFontHorizontal || call.font == *res.dimensionFontVertical)
      texts.push_back(call.text);
  // The header lines come last, in the horizontal dimension font.
  texts.resize(texts.size() - 4);
  return texts;
}


}  // namespace

TEST(ChamberDrawTest, NewCameraStandsWhereTheWindowShowsIt) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  const DrawResources& res = kScreen.Resources();
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);

  const DrawCall* top = dc.FindRectangle({110, 90, 710, 110});
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->brush, *res.segmentBrush);
  const DrawCall* firstPanel = dc.FindRectangle({112, 92, 348, 108});
  ASSERT_NE(firstPanel, nullptr);
  EXPECT_EQ(firstPanel->brush, *res.panelBrush);
  const DrawCall* label = TextAt(dc, "1200", {230, 70});
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->font, *res.labelFontHorizontal);
  // The top's post, centred on its far reference point (3000, 0).
  const DrawCall* post = dc.FindRectangle({690, 90, 710, 110});
  ASSERT_NE(post, nullptr);
  EXPECT_EQ(post->brush, *res.cornerBrush);
  // The left run goes up from its start: its first panel is the lowest, its
  // label left of it in the upright font.
  ASSERT_NE(dc.FindRectangle({92, 252, 108, 488}), nullptr);
  const DrawCall* leftLabel = TextAt(dc, "1200", {70, 370});
  ASSERT_NE(leftLabel, nullptr);
  EXPECT_EQ(leftLabel->font, *res.labelFontVertical);
}

TEST(ChamberDrawTest, PanelBrushFollowsTheWidthNotTheKind) {
  auto camera = MakeCamera(3000, 2000, 100);
  Divide(*camera->WallAt(0), {1200, 500, 600, 600});
  const DrawResources& res = kScreen.Resources();
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);
  const DrawCall* odd = dc.FindRectangle({352, 92, 448, 108});
  const DrawCall* six = dc.FindRectangle({452, 92, 568, 108});
  ASSERT_NE(odd, nullptr);
  ASSERT_NE(six, nullptr);
  EXPECT_EQ(odd->brush, *res.oddPanelBrush);
  EXPECT_EQ(six->brush, *res.panelBrush);
  EXPECT_EQ(camera->WallAt(0)->PanelAt(2)->Kind(), kPanelOtherWidth);
}

TEST(ChamberDrawTest, DoorsStandOutsideTheRunWithoutBoxOrLabel) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  // The door commands keep side doors off end panels; the drawing does not
  // care, so the kind is set directly.
  camera->WallAt(0)->PanelAt(0)->SetKind(kContainerDoorLeft);
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kSlidingDoorLeft, 0, 0));
  ASSERT_TRUE(camera->SetPanelDoor(3, 0, kSwingDoorBlock, 1, 0));
  const DrawResources& res = kScreen.Resources();
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);

  // Container door on the top: the bar 20 mm short at each end, from the
  // outer face 50 mm out; its leaf line from the far end to the near end,
  // 100 mm further out.
  const DrawCall* bar = dc.FindRectangle({114, 80, 346, 90});
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->brush, *res.panelBrush);
  EXPECT_TRUE(HasLine(dc, {346, 80}, {114, 60}));
  EXPECT_EQ(dc.FindRectangle({112, 92, 348, 108}), nullptr);
  EXPECT_EQ(TextAt(dc, "1200", {230, 70}), nullptr);

  // Sliding door on the next panel: rail 50 mm beyond the bar, arrow head at
  // the end the run travels to.
  ASSERT_NE(dc.FindRectangle({354, 80, 586, 90}), nullptr);
  EXPECT_TRUE(HasLine(dc, {364, 70}, {576, 70}));
  EXPECT_TRUE(HasLine(dc, {576, 70}, {571, 65}));
  EXPECT_TRUE(HasLine(dc, {576, 70}, {571, 75}));

  // Swing door block on the left run (going up): left of it, exactly the
  // panel's length.
  ASSERT_NE(dc.FindRectangle({80, 250, 90, 490}), nullptr);
}

TEST(ChamberDrawTest, OpeningIsHatchedOverTheWholePanel) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kOpening, 0, 1850));
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);
  const DrawCall* opening = dc.FindRectangle({350, 90, 590, 110});
  ASSERT_NE(opening, nullptr);
  EXPECT_EQ(opening->brush, DrawBrush::DiagonalCross(Rgb(100, 100, 100)));
  EXPECT_NE(TextAt(dc, "1200", {230, 70}), nullptr);
  EXPECT_EQ(TextAt(dc, "1200", {470, 70}), nullptr);
}

TEST(ChamberDrawTest, PlanIsDrawnFloorFirstThenWallsChainsPartitionsAndHeader) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  auto partition = std::make_unique<CPartition>();
  ASSERT_TRUE(partition->SetStart(1000, 500));
  ASSERT_TRUE(partition->Init(1000, 100, camera.get(), Orientation::kVertical));
  Divide(*partition, {1000});
  ASSERT_NE(camera->AddPartition(std::move(partition)), nullptr);
  const DrawResources& res = kScreen.Resources();
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);
  const std::vector<DrawCall>& calls = dc.Calls();
  ASSERT_GT(calls.size(), 4u);

  EXPECT_EQ(calls.front().brush, *res.stripBrush);
  const auto firstOf = [&](auto pred) {
    return std::find_if(calls.begin(), calls.end(), pred) - calls.begin();
  };
  const auto firstSegment = firstOf([&](const DrawCall& c) { return c.brush == *res.segmentBrush; });
  const auto lastFloor = calls.rend() - std::find_if(calls.rbegin(), calls.rend(), [&](const DrawCall& c) {
    return c.brush == *res.floorPanelBrush && c.kind == Kind::kRectangle;
  });
  const auto firstDot = firstOf([](const DrawCall& c) { return c.kind == Kind::kEllipse; });
  const auto partitionBody = firstOf([](const DrawCall& c) { return c.rect == PixelRect{290, 210, 310, 410}; });
  EXPECT_LT(lastFloor, firstSegment);
  EXPECT_LT(firstSegment, firstDot);
  EXPECT_LT(firstDot, partitionBody);
  // The partition's panel from its own start, labelled to its right.
  ASSERT_NE(dc.FindRectangle({292, 212, 308, 408}), nullptr);
  ASSERT_NE(TextAt(dc, "1000", {310, 310}), nullptr);

  // The header: the outer and the clear sizes, in the chains' horizontal
  // font.
  const std::vector<DrawCall> header(calls.end() - 4, calls.end());
  const Texts texts{"Габаритные размеры камеры:", "Высота: 2400 мм. (в свету 2200 мм.)",
                    "Ширина: 2100 мм. (в свету 1900 мм.)", "Длина: 3100 мм. (в свету 2900 мм.)"};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(header[i].text, texts[i]);
    EXPECT_EQ(header[i].from, (PixelPoint{10, static_cast<int32_t>(10 + 20 * i)}));
    EXPECT_EQ(header[i].font, *res.dimensionFontHorizontal);
  }
}

TEST(ChamberDrawTest, FloorPanelsShowTheirCutsAndWidths) {
  auto camera = MakeCamera(3000, 2000, 100);
  CFloorStrip& strip = *camera->FloorStripAt(0);
  ASSERT_TRUE(strip.SetCuts(std::vector<int32_t>{1000, 1100}));
  ASSERT_EQ(strip.Cuts().size(), 2u);
  const DrawResources& res = kScreen.Resources();
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);
  std::vector<DrawCall> boxes;
  for (const DrawCall& call : dc.OfKind(Kind::kRectangle))
    if (call.brush == *res.floorPanelBrush) boxes.push_back(call);
  ASSERT_EQ(boxes.size(), 3u * static_cast<size_t>(strip.PanelCount()));
  // The first panel: to the full length, then to the first piece's end twice.
  const int32_t top = kScreen.Mapping().ToPixelY(strip.Y());
  EXPECT_EQ(boxes[0].rect.top, top);
  EXPECT_EQ(boxes[0].rect.bottom, kScreen.Mapping().ToPixelY(strip.Y() + strip.Cuts()[0]));
  EXPECT_EQ(boxes[1].rect.bottom, kScreen.Mapping().ToPixelY(strip.Y() + 1000));
  EXPECT_EQ(boxes[2].rect, boxes[1].rect);
  EXPECT_EQ(boxes[0].pen, *res.floorPanelPen);
  // Its width, in a box from one thickness right of its left edge at the
  // panel's middle height.
  const std::vector<DrawCall> labels = dc.OfKind(Kind::kTextInRect);
  ASSERT_EQ(labels.size(), static_cast<size_t>(strip.PanelCount()));
  EXPECT_EQ(labels[0].text, std::to_string(strip.PanelAt(0)->Width()));
  EXPECT_EQ(labels[0].rect.left, boxes[0].rect.left + 20);
  EXPECT_EQ(labels[0].rect.top, (boxes[0].rect.top + boxes[0].rect.bottom) / 2);
}

TEST(ChamberDrawTest, ChainsOfARectangleShowItsOuterSizes) {
  auto camera = MakeCamera(3000, 2000, 100);
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);
  // Left, right with the floor cuts, bottom, top.
  EXPECT_EQ(DimensionTexts(dc, kScreen.Resources()), (Texts{"2100", "2100", "2100", "3100", "3100"}));
  const DrawCall* top = TextAt(dc, "3100", {400, -78});
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->font, *kScreen.Resources().dimensionFontHorizontal);
  // The top's dimension line and its dots, 790 mm above the outer face.
  EXPECT_TRUE(HasLine(dc, {90, -68}, {710, -68}));
  ASSERT_EQ(dc.OfKind(Kind::kEllipse).size(), 10u);
  EXPECT_EQ(dc.OfKind(Kind::kEllipse)[0].brush, DrawBrush::Solid(Rgb(0, 0, 128)));
}

TEST(ChamberDrawTest, ChainsOfAnLShapedCameraFollowItsSteps) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(1, false, 900));
  ASSERT_TRUE(camera->MoveWall(2, 500));
  CRecordingDrawContext dc;
  kScreen.Draw(*camera, dc, kHeader);
  // Left 2100; right 900 and 1200 down the two steps, floor cuts at the
  // notch (1000) and the far wall (1100 more); bottom 2600; top 3100.
  EXPECT_EQ(DimensionTexts(dc, kScreen.Resources()),
            (Texts{"2100", "900", "1200", "1000", "1100", "2600", "3100"}));
}

TEST(ChamberDrawTest, InsideDimensionsMeasureBetweenTheInnerFaces) {
  CPlanRenderer inside = kScreen;
  inside.SetInsideDimensions(true);
  struct Case {
    const char* name;
    bool lShaped;
    Texts values;  // left, right, floor cuts, bottom, top
  };
  const Case cases[] = {
      {"rectangle", false, {"1900", "1900", "2100", "2900", "2900"}},
      // Down the right: from the top's inner face (y 50) to the step's
      // (850), on to the bottom's (1950); the floor cuts stay as they are.
      {"L-shape", true, {"1900", "800", "1100", "1000", "1100", "2400", "2900"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto camera = MakeCamera(3000, 2000, 100);
    if (c.lShaped) {
      ASSERT_TRUE(camera->SplitWall(1, false, 900));
      ASSERT_TRUE(camera->MoveWall(2, 500));
    }
    CRecordingDrawContext dc;
    inside.Draw(*camera, dc, kHeader);
    EXPECT_EQ(DimensionTexts(dc, inside.Resources()), c.values);
    // Each wall's clear length is what its chain shows.
    EXPECT_EQ(InsideLength(*camera, 0), 2900);
    EXPECT_EQ(ChamberDimensions::Values(camera->Left().MeasureInside()), (std::vector<int32_t>{1900}));
  }
  // The top chain's line ends where the inner faces meet the top wall.
  auto camera = MakeCamera(3000, 2000, 100);
  const std::vector<DimensionRecord> top = camera->Top().MeasureInside();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].dimensionLine.from.x, 50);
  EXPECT_EQ(top[0].dimensionLine.to.x, 2950);
  EXPECT_EQ(top[0].extension1.from.y, 50);
}

TEST(ChamberDrawTest, PartitionShowsItsClearDistanceFromTheWallBesideIt) {
  struct Case {
    const char* name;
    ModelPoint start;
    Orientation orientation;
    std::string distance;  // from the nearest parallel wall's inner face
  };
  const Case cases[] = {
      {"vertical, nearer the left wall", {1000, 500}, Orientation::kVertical, "900"},
      {"vertical, nearer the right wall", {2500, 500}, Orientation::kVertical, "400"},
      {"horizontal, below the top wall", {500, 700}, Orientation::kHorizontal, "600"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto camera = MakeCamera(3000, 2000, 100);
    auto partition = std::make_unique<CPartition>();
    ASSERT_TRUE(partition->SetStart(c.start.x, c.start.y));
    ASSERT_TRUE(partition->Init(1000, 100, camera.get(), c.orientation));
    ASSERT_NE(camera->AddPartition(std::move(partition)), nullptr);
    CRecordingDrawContext dc;
    kScreen.Draw(*camera, dc, kHeader);
    // After the four chains' numbers.
    const Texts texts = DimensionTexts(dc, kScreen.Resources());
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts.back(), c.distance);
  }
}

TEST(ChamberDrawTest, EmptyCameraDrawsOnlyItsHeader) {
  CChamber camera;
  CRecordingDrawContext dc;
  kScreen.Draw(camera, dc, kHeader);
  EXPECT_EQ(dc.Texts(), (Texts{"Габаритные размеры камеры:", "Высота: 0 мм. (в свету 0 мм.)", "Ширина: 0 мм. (в свету 0 мм.)",
                                 "Длина: 0 мм. (в свету 0 мм.)"}));
  EXPECT_EQ(dc.Calls().size(), 4u);
}

TEST(ChamberDrawTest, NumbersWithoutRoomAreHiddenUntilZoomedIn) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  const auto texts = [&](double scale) {
    CPixelMapping mapping;
    EXPECT_TRUE(mapping.SetScale(scale));
    CRecordingDrawContext dc;
    CPlanRenderer(mapping).Draw(*camera, dc, kHeader);
    const auto drawn = dc.Calls();
    return std::count_if(drawn.begin(), drawn.end(), [](const DrawCall& c) { return c.kind == Kind::kText; });
  };
  const auto atDefault = texts(CPixelMapping().Scale());
  const auto zoomedOut = texts(CPixelMapping::kMinScale);
  const auto zoomedIn = texts(CPixelMapping::kMaxScale);
  EXPECT_LT(zoomedOut, atDefault);   // panel widths and sizes would run together
  EXPECT_GE(zoomedOut, 4);           // the header lines stay
  EXPECT_GE(zoomedIn, atDefault);    // every number is back
}

TEST(ChamberDrawTest, PlanAtTheEndsOfThePixelRangeSaturatesInsteadOfWrapping) {
  // Zooming can push the origin to the ends of the pixel range; every box,
  // label and door symbol must then stay on the origin's side, not wrap.
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kSlidingDoorLeft, 0, 0));
  ASSERT_TRUE(camera->SetPanelDoor(2, 1, kOpening, 0, 2000));
  auto partition = std::make_unique<CPartition>();
  ASSERT_TRUE(partition->SetStart(1000, 500));
  ASSERT_TRUE(partition->Init(1000, 100, camera.get(), Orientation::kVertical));
  Divide(*partition, {1000});
  ASSERT_NE(camera->AddPartition(std::move(partition)), nullptr);
  CRecordingDrawContext plain;
  kScreen.Draw(*camera, plain, kHeader);

  for (const int32_t origin : {kMax, kMin}) {
    for (const double scale : {CPixelMapping::kMinScale, CPixelMapping::kMaxScale}) {
      CPixelMapping mapping;
      mapping.SetOrigin(origin, origin);
      ASSERT_TRUE(mapping.SetScale(scale));
      CRecordingDrawContext dc;
      CPlanRenderer(mapping).Draw(*camera, dc, kHeader);
      // Numbers with no room are left out at such a scale; nothing else is.
      const auto drawn = [](const CRecordingDrawContext& context) {
        return std::count_if(context.Calls().begin(), context.Calls().end(),
                             [](const DrawCall& c) { return c.kind != Kind::kText; });
      };
      ASSERT_EQ(drawn(dc), drawn(plain));
      // The four header lines stand at fixed pixels.
      const std::vector<DrawCall> plan(dc.Calls().begin(), dc.Calls().end() - 4);
      const auto onOriginSide = [origin](int32_t v) { return origin > 0 ? v > 0 : v < 0; };
      for (const DrawCall& c : plan) {
        std::vector<int32_t> values{c.from.x, c.from.y};
        if (c.kind == Kind::kLine) values.insert(values.end(), {c.to.x, c.to.y});
        if (c.kind != Kind::kLine && c.kind != Kind::kText)
          values = {c.rect.left, c.rect.top, c.rect.right, c.rect.bottom};
        for (int32_t v : values)
          ASSERT_TRUE(onOriginSide(v)) << "origin " << origin << " scale " << scale << ", call "
                                       << (&c - plan.data()) << ": " << v;
      }
    }
  }
}

TEST(PrintDrawTest, PrintoutDrawsWithARendererOfItsOwn) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  camera->SetOriginX(-40);
  ASSERT_TRUE(camera->SetScale(0.5));
  const CPixelMapping stored = camera->StoredView();
  CRecordingDrawContext printer(3300, 300);
  const std::optional<CPlanRenderer> print = CPlanRenderer::ForPrint(*camera, printer, 1.0, 12.0);
  ASSERT_TRUE(print.has_value());
  printer.ObservePrinting([&print] { return print->Printing(); });
  print->Draw(*camera, printer, kHeader);
  // Printing is not the camera's business: its stored origin and scale,
  // and the offsets of its labels and chains, are what they were.
  EXPECT_EQ(camera->StoredView(), stored);
  EXPECT_EQ(camera->DimensionOffset(), 800);
  EXPECT_EQ(camera->LabelOffset(), 100);

  const std::vector<DrawCall>& calls = printer.Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_TRUE(std::all_of(calls.begin(), calls.end(), [](const DrawCall& c) { return c.printing; }));
  EXPECT_EQ(printer.FindText("Длина: 3100 мм."), nullptr);
  // Scale 3300 / 3000 * 0.7 = 0.77 about the origin (500, 1000): the top
  // segment from x = 50 to 3050 mm, outlined five pixels wide, white.
  const DrawCall* top = printer.FindRectangle({538, 962, 2848, 1038});
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->brush, DrawBrush::Solid(Rgb(255, 255, 255)));
  EXPECT_EQ(top->pen, (DrawPen{5, Rgb(0, 0, 0)}));
  for (const DrawCall& c : calls)
    if (c.kind == Kind::kRectangle) {
      EXPECT_EQ(c.brush, DrawBrush::Solid(Rgb(255, 255, 255)));
    }
  // Every text in the 12 pt font of the printer.
  for (const DrawCall& c : calls)
    if (c.kind == Kind::kText || c.kind == Kind::kTextInRect) {
      EXPECT_EQ(c.font.height, -50) << c.text;
    }
}

TEST(PrintDrawTest, UnusableSettingsMakeNoPrintRenderer) {
  auto camera = MakeCamera(3000, 2000, 100);
  CRecordingDrawContext printer(3300, 300);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(CPlanRenderer::ForPrint(*camera, printer, 0.0, 12.0));  // "abc" typed as the zoom
  EXPECT_FALSE(CPlanRenderer::ForPrint(*camera, printer, -1.0, 12.0));
  EXPECT_FALSE(CPlanRenderer::ForPrint(*camera, printer, nan, 12.0));
  EXPECT_FALSE(CPlanRenderer::ForPrint(*camera, printer, 1.0, 0.0));
  EXPECT_FALSE(CPlanRenderer::ForPrint(*camera, printer, 1.0, 1e12));
  EXPECT_FALSE(CPlanRenderer::ForPrint(*camera, printer, 1e9, 12.0));  // beyond the mapping's scales
  CChamber empty;
  EXPECT_FALSE(CPlanRenderer::ForPrint(empty, printer, 1.0, 12.0));
  EXPECT_TRUE(CPlanRenderer::ForPrint(*camera, printer, 0.5, 1.0));
}

TEST(DrawResourcesTest, LabelFontsAreFivePointsOnTheScreen) {
  EXPECT_EQ(MulDiv(5, 96, 72), 7);
  EXPECT_EQ(MulDiv(-5, 96, 72), -7);
  EXPECT_EQ(MulDiv(12, 300, 72), 50);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  const DrawResources screen = DrawResources::Screen(96);
  EXPECT_EQ(screen.labelFontHorizontal->height, -7);
  EXPECT_EQ(screen.labelFontVertical->escapement, 900);
  EXPECT_EQ(screen.dimensionFontVertical->height, 10);
  EXPECT_FALSE(screen.segmentPen.has_value());
  CPlanRenderer window;
  window.SetScreenResolution(120);
  EXPECT_EQ(window.Resources().labelFontHorizontal->height, -8);
}
