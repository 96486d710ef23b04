#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "modeltesthelpers.h"
#include "paneltally.h"

namespace {

// How a set of rectangles covers a camera's floor: the region inside the
// reference chain together with every wall's body (panel run and post), which
// is the chain grown by half a thickness to the walls' outer faces. Measured
// on the grid of every edge involved, so the areas are exact.
struct Coverage {
  int64_t floor = 0;          // mm^2 of floor
  int64_t missing = 0;        // floor no rectangle covers
  int64_t extra = 0;          // rectangles outside the floor
  int64_t overlap = 0;        // covered more than once
  bool wallsOverlap = false;  // the walls themselves run into each other
  bool Exact() const { return missing == 0 && extra == 0 && overlap == 0; }
};

std::ostream& operator<<(std::ostream& os, const Coverage& c) {
  return os << "floor " << c.floor << " missing " << c.missing << " extra " << c.extra << " overlap " << c.overlap;
}

Coverage MeasureCoverage(const std::vector<ModelPoint>& chain, int32_t thickness, const std::vector<ModelRect>& rects) {
  struct Edge {
    int64_t left, right, y;
  };
  std::vector<ModelRect> bodies;
  std::vector<Edge> horizontals;
  std::vector<int64_t> xs, ys;
  for (size_t i = 0; i < chain.size(); ++i) {
    const ModelPoint a = chain[i];
    const ModelPoint b = chain[(i + 1) % chain.size()];
    if (a == b) continue;
    const bool vertical = a.x == b.x;
    const int32_t extent = vertical ? b.y - a.y : b.x - a.x;
    bodies.push_back(SegmentRect(a, extent, thickness, vertical ? Orientation::kVertical : Orientation::kHorizontal));
    if (!vertical) horizontals.push_back({std::min(a.x, b.x), std::max(a.x, b.x), a.y});
    xs.push_back(a.x);
    ys.push_back(a.y);
  }
  for (const std::vector<ModelRect>* list : {static_cast<const std::vector<ModelRect>*>(&bodies), &rects})
    for (const ModelRect& r : *list) {
      xs.insert(xs.end(), {r.Left(), r.Right()});
      ys.insert(ys.end(), {r.Top(), r.Bottom()});
    }
  for (auto* v : {&xs, &ys}) {
    std::sort(v->begin(), v->end());
    v->erase(std::unique(v->begin(), v->end()), v->end());
  }
  const size_t nx = xs.size();
  const size_t ny = ys.size();
  // How many of `list` cover each grid cell, by 2-D running sums.
  const auto paint = [&](const std::vector<ModelRect>& list) {
    std::vector<int> grid((nx + 1) * (ny + 1), 0);
    const auto at = [&](size_t i, size_t j) -> int& { return grid[i * (ny + 1) + j]; };
    const auto index = [](const std::vector<int64_t>& v, int64_t c) {
      return static_cast<size_t>(std::lower_bound(v.begin(), v.end(), c) - v.begin());
    };
    for (const ModelRect& r : list) {
      const size_t i0 = index(xs, r.Left()), i1 = index(xs, r.Right());
      const size_t j0 = index(ys, r.Top()), j1 = index(ys, r.Bottom());
      ++at(i0, j0), --at(i1, j0), --at(i0, j1), ++at(i1, j1);
    }
    for (size_t i = 0; i <= nx; ++i)
      for (size_t j = 1; j <= ny; ++j) at(i, j) += at(i, j - 1);
    for (size_t i = 1; i <= nx; ++i)
      for (size_t j = 0; j <= ny; ++j) at(i, j) += at(i - 1, j);
    return grid;
  };
  const std::vector<int> wallCount = paint(bodies);
  const std::vector<int> rectCount = paint(rects);
  Coverage c;
  for (size_t i = 0; i + 1 < nx; ++i) {
    // Inside the chain: an odd number of its horizontal lines above the cell.
    const int64_t middle2 = xs[i] + xs[i + 1];
    std::vector<int64_t> crossings;
    for (const Edge& e : horizontals)
      if (2 * e.left < middle2 && middle2 < 2 * e.right) crossings.push_back(e.y);
    std::sort(crossings.begin(), crossings.end());
    size_t above = 0;
    for (size_t j = 0; j + 1 < ny; ++j) {
      while (above < crossings.size() && 2 * crossings[above] < ys[j] + ys[j + 1]) ++above;
      const int walls = wallCount[i * (ny + 1) + j];
      const int count = rectCount[i * (ny + 1) + j];
      const int64_t area = (xs[i + 1] - xs[i]) * (ys[j + 1] - ys[j]);
      const bool floor = above % 2 == 1 || walls > 0;
      c.wallsOverlap = c.wallsOverlap || walls > 1;
      if (floor) c.floor += area;
      if (floor && count == 0) c.missing += area;
      if (!floor && count > 0) c.extra += area;
      if (count > 1) c.overlap += area;
    }
  }
  return c;
}

std::vector<ModelRect> StripRects(const CChamber& camera) {
  std::vector<ModelRect> rects;
  for (int i = 0; i < camera.FloorStripCount(); ++i) {
    const CFloorStrip& s = *camera.FloorStripAt(i);
    rects.push_back({s.X(), s.Y(), s.X() + s.W(), s.Y() + s.H()});
  }
  return rects;
}

// Rectangles as (left, top, right, bottom), for comparing and printing.
using Corners = std::array<int32_t, 4>;
std::vector<Corners> CornersOf(const std::vector<ModelRect>& rects) {
  std::vector<Corners> corners;
  for (const ModelRect& r : rects) corners.push_back({r.Left(), r.Top(), r.Right(), r.Bottom()});
  return corners;
}

Coverage MeasureCoverage(const CChamber& camera) {
  return MeasureCoverage(camera.WallStarts(), camera.Thickness(), StripRects(camera));
}

// Panel area the floor tally prices, mm^2.
int64_t TalliedArea(const CChamber& camera) {
  std::vector<FloorPanelTally> out;
  EXPECT_TRUE(TallyFloorPanels(camera, out));
  int64_t area = 0;
  for (const FloorPanelTally& r : out) area += int64_t{r.count} * r.width * r.length;
  return area;
}

struct FloorCase {
  const char* name;
  std::vector<ModelPoint> chain;
  std::vector<Corners> rects;
};

class FloorRectsTest : public ::testing::TestWithParam<FloorCase> {};

TEST_P(FloorRectsTest, StripsCoverTheFloorToTheOuterFacesOnce) {
  const FloorCase& c = GetParam();
  const std::vector<ModelRect> rects = FloorRects(c.chain, 100);
  EXPECT_EQ(CornersOf(rects), c.rects);
  const Coverage coverage = MeasureCoverage(c.chain, 100, rects);
  EXPECT_TRUE(coverage.Exact()) << coverage;
  // Traced the other way round, the same floor.
  std::vector<ModelPoint> reversed(c.chain.rbegin(), c.chain.rend());
  EXPECT_EQ(CornersOf(FloorRects(reversed, 100)), c.rects);
}

INSTANTIATE_TEST_SUITE_P(
    Outlines, FloorRectsTest,
    ::testing::Values(
        FloorCase{"rectangle", {{0, 0}, {3000, 0}, {3000, 2000}, {0, 2000}}, {{-50, -50, 3050, 2050}}},
        // The pieces of a split wall meet on one line: no strip between them.
        FloorCase{
            "split_right_wall", {{0, 0}, {3000, 0}, {3000, 900}, {3000, 2000}, {0, 2000}}, {{-50, -50, 3050, 2050}}},
        FloorCase{"l_shape",
                  {{0, 0}, {3000, 0}, {3000, 900}, {2500, 900}, {2500, 2000}, {0, 2000}},
                  {{-50, -50, 2550, 2050}, {2550, -50, 3050, 950}}},
        // Steps down the right side, as the corner and move commands make
        // them: every column reaches the top wall.
        FloorCase{"staircase",
                  {{0, 0}, {6000, 0}, {6000, 1000}, {5000, 1000}, {5000, 2000}, {4000, 2000}, {4000, 3000}, {0, 3000}},
                  {{-50, -50, 4050, 3050}, {4050, -50, 5050, 2050}, {5050, -50, 6050, 1050}}},
        // And up the left side.
        FloorCase{"staircase_on_the_left",
                  {{2000, 0}, {4000, 0}, {4000, 3000}, {0, 3000}, {0, 2000}, {1000, 2000}, {1000, 1000}, {2000, 1000}},
                  {{-50, 1950, 950, 3050}, {950, 950, 1950, 3050}, {1950, -50, 4050, 3050}}},
        FloorCase{"u_open_at_the_top",
                  {{0, 0}, {1000, 0}, {1000, 800}, {2000, 800}, {2000, 0}, {3000, 0}, {3000, 2000}, {0, 2000}},
                  {{-50, -50, 1050, 2050}, {1050, 750, 1950, 2050}, {1950, -50, 3050, 2050}}},
        // The column beside the notch crosses the floor twice: a strip each.
        FloorCase{"notch_in_the_right_wall",
                  {{0, 0}, {3000, 0}, {3000, 600}, {2000, 600}, {2000, 1400}, {3000, 1400}, {3000, 2000}, {0, 2000}},
                  {{-50, -50, 2050, 2050}, {2050, -50, 3050, 650}, {2050, 1350, 3050, 2050}}},
        FloorCase{"notches_on_every_side",
                  {{0, 0},       {1000, 0},    {1000, 500},  {2000, 500},  {2000, 0},    {3000, 0},    {3000, 1000},
                   {2500, 1000}, {2500, 2000}, {3000, 2000}, {3000, 3000}, {2000, 3000}, {2000, 2500}, {1000, 2500},
                   {1000, 3000}, {0, 3000},    {0, 2000},    {500, 2000},  {500, 1000},  {0, 1000}},
                  {{-50, -50, 450, 1050},
                   {-50, 1950, 450, 3050},
                   {450, -50, 1050, 3050},
                   {1050, 450, 1950, 2550},
                   {1950, -50, 2550, 3050},
                   {2550, -50, 3050, 1050},
                   {2550, 1950, 3050, 3050}}},
        // Two walls back to back on x = 4000 (a Z): the thickness between
        // their outer faces goes to the strips beside it.
        FloorCase{"walls_back_to_back",
                  {{0, 0}, {4000, 0}, {4000, 1000}, {6000, 1000}, {6000, 4000}, {4000, 4000}, {4000, 3000}, {0, 3000}},
                  {{-50, -50, 4050, 3050}, {4050, 950, 6050, 3050}, {3950, 3050, 6050, 4050}}},
        // Nearly back to back, 20 mm apart: the same, with the overlap of
        // their faces.
        FloorCase{"walls_nearly_back_to_back",
                  {{0, 0}, {4000, 0}, {4000, 1000}, {6000, 1000}, {6000, 4000}, {4020, 4000}, {4020, 3000}, {0, 3000}},
                  {{-50, -50, 4050, 3050}, {4050, 950, 6050, 3050}, {3970, 3050, 6050, 4050}}}),
    [](const ::testing::TestParamInfo<FloorCase>& test) { return std::string(test.param.name); });

TEST(FloorRectsTest, OutlinesThatAreNoClosedOrthogonalChainGiveNoStrips) {
  EXPECT_TRUE(FloorRects({}, 100).empty());
  const std::vector<ModelPoint> point{{5, 5}};
  EXPECT_TRUE(FloorRects(point, 100).empty());
  const std::vector<ModelPoint> diagonal{{0, 0}, {3000, 0}, {2000, 2000}, {0, 2000}};
  EXPECT_TRUE(FloorRects(diagonal, 100).empty());
  // A repeated point is no wall.
  const std::vector<ModelPoint> repeated{{0, 0}, {3000, 0}, {3000, 0}, {3000, 2000}, {0, 2000}, {0, 0}};
  EXPECT_EQ(CornersOf(FloorRects(repeated, 100)), (std::vector<Corners>{{-50, -50, 3050, 2050}}));
}

TEST(FloorRectsTest, WithoutAThicknessTheFloorEndsAtTheReferenceLine) {
  const std::vector<ModelPoint> rectangle{{0, 0}, {3000, 0}, {3000, 2000}, {0, 2000}};
  for (int32_t thickness : {0, 1, -100})
    EXPECT_EQ(CornersOf(FloorRects(rectangle, thickness)), (std::vector<Corners>{{0, 0, 3000, 2000}})) << thickness;
}

TEST(FloorRectsTest, OutlineAtTheEndsOfTheRangeSaturates) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const std::vector<ModelPoint> huge{{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}};
  EXPECT_EQ(CornersOf(FloorRects(huge, kMax)), (std::vector<Corners>{{kMin, kMin, kMax, kMax}}));
}

TEST(FloorRectsTest, OverlappingWallsNeverGiveOverlappingStrips) {
  // The bottom wall runs back over the top one: the chain crosses itself.
  const std::vector<ModelPoint> crossed{{0, 0},        {3000, 0},     {3000, 2000}, {1000, 2000},
                                        {1000, -1000}, {2000, -1000}, {2000, 1000}, {0, 1000}};
  const std::vector<ModelRect> rects = FloorRects(crossed, 100);
  EXPECT_FALSE(rects.empty());
  EXPECT_EQ(MeasureCoverage(crossed, 100, rects).overlap, 0);
}

// Random outlines that run monotonously across x: a row of columns, each
// overlapping the next, on a 300 mm grid so that no two walls touch. The
// steps of the top and bottom often stand on one line, back to back.
// Transposed, the same outlines have notches in their side walls and columns
// that cross the floor several times, and run the other way round.
std::vector<ModelPoint> RandomOutline(std::mt19937& random, bool transpose) {
  const auto grid = [&random](int from, int to) { return 300 * (from + static_cast<int>(random() % (to - from + 1))); };
  const int columns = 1 + static_cast<int>(random() % 6);
  std::vector<int32_t> x{0}, top, bottom;
  for (int k = 0; k < columns; ++k) {
    x.push_back(x.back() + grid(1, 8));
    int32_t t = grid(0, 8);
    int32_t b = t + grid(1, 8);
    if (k > 0) {  // overlap the previous column by at least one grid step
      t = std::min(t, bottom.back() - 300);
      b = std::max(b, top.back() + 300);
    }
    top.push_back(t);
    bottom.push_back(b);
  }
  std::vector<ModelPoint> chain;
  for (int k = 0; k < columns; ++k) {
    chain.push_back({x[k], top[k]});
    chain.push_back({x[k + 1], top[k]});
  }
  for (int k = columns - 1; k >= 0; --k) {
    chain.push_back({x[k + 1], bottom[k]});
    chain.push_back({x[k], bottom[k]});
  }
  if (transpose)
    for (ModelPoint& p : chain) std::swap(p.x, p.y);
  return chain;
}

// Whether walls of both directions stand on one vertical reference line.
bool HasWallsBackToBack(const std::vector<ModelPoint>& chain) {
  std::map<int32_t, int> directions;
  for (size_t i = 0; i < chain.size(); ++i) {
    const ModelPoint a = chain[i];
    const ModelPoint b = chain[(i + 1) % chain.size()];
    if (a.x == b.x && a.y != b.y) directions[a.x] |= b.y > a.y ? 1 : 2;
  }
  return std::any_of(directions.begin(), directions.end(), [](const auto& d) { return d.second == 3; });
}

}  // namespace

TEST(FloorRectsTest, RandomOutlinesAreCoveredExactlyOnce) {
  std::mt19937 random(4242);
  int backToBack = 0;
  for (int round = 0; round < 400; ++round) {
    const std::vector<ModelPoint> chain = RandomOutline(random, round % 2 == 1);
    const int32_t thickness = round % 3 == 0 ? 81 : 100;
    const std::vector<ModelRect> rects = FloorRects(chain, thickness);
    const Coverage c = MeasureCoverage(chain, thickness, rects);
    ASSERT_FALSE(c.wallsOverlap) << "round " << round;
    ASSERT_TRUE(c.Exact()) << "round " << round << ": " << c;
    // No strip is left one thickness wide: each column is wider than that,
    // or shared out.
    for (const ModelRect& r : rects) ASSERT_GT(r.Right() - r.Left(), thickness) << "round " << round;
    backToBack += HasWallsBackToBack(chain);
  }
  EXPECT_GT(backToBack, 20);  // the sharing was exercised
}

TEST(FloorPlanTest, StaircaseStripsAllReachTheTopWall) {
  // A 10 m camera with three 1 m steps down its right side, made as the
  // corner and move commands make them.
  auto camera = MakeCamera(10000, 8000, 100);
  for (int piece = 1; piece <= 5; piece += 2) {
    ASSERT_TRUE(camera->SplitWall(piece, true, 1800));
    ASSERT_TRUE(camera->MoveWall(piece + 1, 1000));
  }
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{9900, 1900, -900, 1900, -900, 1900, -900, 1900, -6900, -7900}));
  EXPECT_EQ(CornersOf(StripRects(*camera)),
            (std::vector<Corners>{
                {-50, -50, 7050, 8050}, {7050, -50, 8050, 6050}, {8050, -50, 9050, 4050}, {9050, -50, 10050, 2050}}));
  const Coverage c = MeasureCoverage(*camera);
  EXPECT_TRUE(c.Exact()) << c;
  EXPECT_EQ(c.floor, 7100LL * 8100 + 1000LL * (6100 + 4100 + 2100));
  EXPECT_EQ(std::vector<int32_t>(camera->FloorCutChain().begin(), camera->FloorCutChain().end()),
            (std::vector<int32_t>{2100, 2000, 2000, 2000}));

  // The steps are too narrow for the automatic division; divided by hand,
  // the tally prices the whole floor.
  EXPECT_TRUE(camera->FloorStripAt(0)->IsFullyDivided());
  for (int i = 1; i < camera->FloorStripCount(); ++i) {
    CFloorStrip& step = *camera->FloorStripAt(i);
    EXPECT_FALSE(step.IsFullyDivided());
    const std::vector<int32_t> whole{step.W()};
    ASSERT_TRUE(step.DivideManually(whole));
  }
  EXPECT_EQ(TalliedArea(*camera), c.floor);
}

namespace {

// Shapes the corner and move commands make from a 3000 x 2000 camera, with
// the strips they had before stepped outlines were mended.
struct EditedShape {
  const char* name;
  int splitIndex;
  bool before;
  int32_t distance;
  int moveIndex;
  int32_t move;
  std::vector<Corners> strips;
};

class EditedShapeTest : public ::testing::TestWithParam<EditedShape> {};

TEST_P(EditedShapeTest, OneStepKeepsItsStrips) {
  const EditedShape& s = GetParam();
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(s.splitIndex, s.before, s.distance));
  ASSERT_TRUE(camera->MoveWall(s.moveIndex, s.move));
  EXPECT_EQ(CornersOf(StripRects(*camera)), s.strips);
  const Coverage c = MeasureCoverage(*camera);
  EXPECT_TRUE(c.Exact()) << c;
}

INSTANTIATE_TEST_SUITE_P(
    Corners, EditedShapeTest,
    ::testing::Values(
        EditedShape{"notch_top_right", 0, false, 1000, 1, 600, {{-50, -50, 1850, 2050}, {1850, 550, 3050, 2050}}},
        EditedShape{"notch_right_top", 1, true, 700, 1, 500, {{-50, -50, 2550, 2050}, {2550, 850, 3050, 2050}}},
        EditedShape{"notch_bottom_right", 1, false, 900, 2, 500, {{-50, -50, 2550, 2050}, {2550, -50, 3050, 950}}},
        EditedShape{"notch_left_bottom", 3, true, 700, 3, 1000, {{-50, -50, 950, 1150}, {950, -50, 3050, 2050}}},
        // The moved last wall takes the origin along: the lower piece now
        // stands at x = -1000.
        EditedShape{"notch_left_top", 3, false, 700, 4, 1000, {{-1050, 850, -50, 2050}, {-50, -50, 2050, 2050}}},
        EditedShape{"notch_bottom_left", 2, false, 1000, 3, 600, {{-50, -50, 1150, 1450}, {1150, -50, 3050, 2050}}}),
    [](const ::testing::TestParamInfo<EditedShape>& test) { return std::string(test.param.name); });

}  // namespace

TEST(FloorPlanTest, WallsBackToBackShareTheirColumnAndTheFloorIsPriced) {
  // Top right and bottom left notches whose inner walls meet on x = 4000.
  auto camera = MakeCamera(6000, 4000, 100);
  ASSERT_TRUE(camera->SplitWall(1, true, 700));
  ASSERT_TRUE(camera->MoveWall(1, 2000));
  const int last = camera->WallCount() - 1;
  ASSERT_TRUE(camera->SplitWall(last, true, 700));
  ASSERT_TRUE(camera->MoveWall(last, 4000));
  EXPECT_EQ(CornersOf(StripRects(*camera)),
            (std::vector<Corners>{{-50, -50, 4050, 3150}, {4050, 850, 6050, 3150}, {3950, 3150, 6050, 4050}}));
  const Coverage c = MeasureCoverage(*camera);
  EXPECT_TRUE(c.Exact()) << c;
  EXPECT_EQ(TalliedArea(*camera), c.floor);
}

TEST(FloorPlanTest, RandomEditsKeepTheFloorCoveredOnceAndPriced) {
  std::mt19937 random(1312);
  int checked = 0;
  int priced = 0;
  for (int round = 0; round < 150; ++round) {
    auto camera = MakeCamera(8000, 6000, round % 4 == 0 ? 80 : 100);
    for (int step = 0; step < 20; ++step) {
      const int index = static_cast<int>(random() % static_cast<unsigned>(camera->WallCount()));
      // Distances on a coarse grid, so that walls often end up on one line.
      const int32_t distance =
          250 * static_cast<int32_t>(random() % 12) - 450 + 50 * static_cast<int32_t>(random() % 3);
      bool done = false;
      switch (random() % 5) {
        case 0:
          done = camera->SplitWall(index, random() % 2 == 0, distance);
          break;
        case 1:
          done = camera->ResizeAcross(index, distance / 5);
          break;
        default:
          done = camera->MoveWall(index, distance);
          break;
      }
      if (!done) continue;
      camera->RebuildFloor();  // a split leaves the floor for the next move
      const Coverage c = MeasureCoverage(*camera);
      ASSERT_EQ(c.overlap, 0) << "round " << round << " step " << step;
      if (c.wallsOverlap) continue;  // no room; nothing to be exact about
      ++checked;
      ASSERT_TRUE(c.Exact()) << "round " << round << " step " << step << ": " << c;
      bool divided = true;
      for (int i = 0; i < camera->FloorStripCount(); ++i)
        divided = divided && camera->FloorStripAt(i)->IsFullyDivided();
      if (divided) {
        ++priced;
        ASSERT_EQ(TalliedArea(*camera), c.floor) << "round " << round << " step " << step;
      }
    }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_GT(priced, 100);
}
