#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "modellimits.h"
#include "modeltesthelpers.h"

namespace {

// Everything an outline edit may touch, to check that a refusal changed
// nothing.
struct Snapshot {
  std::vector<int32_t> lengths;
  std::vector<std::vector<int32_t>> panels;
  int32_t originX, width, depth;
  int strips;
  std::vector<int> top, right, bottom, left;

  explicit Snapshot(const CChamber& c)
      : lengths(Lengths(c)), originX(c.OriginX()), width(c.Width()), depth(c.Depth()),
        strips(c.FloorStripCount()), top(c.Top().WallIndices()), right(c.Right().WallIndices()),
        bottom(c.Bottom().WallIndices()), left(c.Left().WallIndices()) {
    for (int i = 0; i < c.WallCount(); ++i) panels.push_back(Widths(*c.WallAt(i)));
  }
  bool operator==(const Snapshot&) const = default;
};

// The invariants every outline edit keeps.
void ExpectSoundOutline(const CChamber& camera) {
  ASSERT_GE(camera.WallCount(), 4);
  EXPECT_TRUE(camera.IsChainClosed());
  const CWallCollection& first = *camera.WallAt(0);
  EXPECT_EQ(first.GetOrientation(), Orientation::kHorizontal);
  EXPECT_GT(first.Length(), 0);
  EXPECT_TRUE(camera.WallAt(camera.WallCount() - 1)->IsVertical());
  for (int i = 0; i < camera.WallCount(); ++i) EXPECT_NE(camera.WallAt(i)->Length(), 0) << i;
  for (const ModelPoint& p : camera.WallStarts()) {
    EXPECT_TRUE(model_limits::WithinLength(p.x));
    EXPECT_TRUE(model_limits::WithinLength(p.y));
  }
  EXPECT_TRUE(IsSimpleOutline(camera.WallStarts()));
  for (const auto& indices : {camera.Top().WallIndices(), camera.Right().WallIndices(),
                              camera.Bottom().WallIndices(), camera.Left().WallIndices()})
    for (int index : indices) EXPECT_GE(index, 0);
}

}  // namespace

TEST(MoveWallTest, MovingTheRightWallInShortensTopAndBottom) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->MoveWall(1, 500));
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{2400, 1900, -2400, -1900}));
  EXPECT_EQ(camera->OriginX(), 100);
  EXPECT_EQ(camera->Width(), 2500);
  ASSERT_EQ(camera->FloorStripCount(), 1);
  EXPECT_EQ(camera->FloorStripAt(0)->W(), 2600);
  ExpectSoundOutline(*camera);
}

TEST(MoveWallTest, MovingTheLastWallShiftsTheOriginSoTheRestStaysPut) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->MoveWall(3, 500));
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{2400, 1900, -2400, -1900}));
  EXPECT_EQ(camera->OriginX(), 200);
  EXPECT_EQ(Starts(*camera), (std::vector<ModelPoint>{{0, 0}, {2500, 0}, {2500, 2000}, {0, 2000}}));
  // The right wall is drawn where it was.
  EXPECT_EQ(camera->StoredView().ToPixelX(2500), 700);
}

TEST(MoveWallTest, FirstSegmentIsRefused) {
  auto camera = MakeCamera();
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->MoveWall(0, 300, &why));
  EXPECT_EQ(why, EditRefusal::kFirstSegment);
  EXPECT_FALSE(camera->MoveWall(camera->WallAt(0), 300, &why));
  EXPECT_EQ(why, EditRefusal::kFirstSegment);
  EXPECT_EQ(Snapshot(*camera), before);
}

TEST(MoveWallTest, MovedBottomBringsDepthAndFloorAlong) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->MoveWall(2, 500));
  EXPECT_EQ(camera->Depth(), 1500);
  ASSERT_EQ(camera->FloorStripCount(), 1);
  EXPECT_EQ(camera->FloorStripAt(0)->H(), 1600);
  EXPECT_EQ(ChamberDimensions::Values(camera->Right().Measure()), (std::vector<int32_t>{1600}));
  EXPECT_EQ(std::vector<int32_t>(camera->FloorCutChain().begin(), camera->FloorCutChain().end()),
            (std::vector<int32_t>{1600}));
}

TEST(MoveWallTest, NeighboursWhoseLengthChangedLoseTheirPanelsTheOthersKeepThem) {
  // Panels that no longer fit their run would be drawn beyond its post and
  // priced: the shortened neighbours come back undivided.
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  ASSERT_TRUE(camera->MoveWall(1, 500));
  EXPECT_TRUE(Widths(*camera->WallAt(0)).empty());
  EXPECT_TRUE(Widths(*camera->WallAt(2)).empty());
  EXPECT_TRUE(camera->WallAt(1)->IsFullyDivided());
  EXPECT_TRUE(camera->WallAt(3)->IsFullyDivided());
}

namespace {

struct BadMove {
  const char* name;
  int index;
  int32_t distance;
  EditRefusal reason;
};

class MoveRefusalTest : public ::testing::TestWithParam<BadMove> {};

TEST_P(MoveRefusalTest, ImpossibleRoomsAreRefusedAndChangeNothing) {
  const BadMove& c = GetParam();
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->MoveWall(c.index, c.distance, &why));
  EXPECT_EQ(why, c.reason);
  EXPECT_EQ(Snapshot(*camera), before);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveRefusalTest,
    ::testing::Values(BadMove{"top_run_would_vanish", 1, 2900, EditRefusal::kRunWouldVanish},
                      BadMove{"top_would_reverse", 1, 3500, EditRefusal::kRunWouldVanish},
                      BadMove{"side_walls_would_vanish", 2, 1900, EditRefusal::kRunWouldVanish},
                      BadMove{"no_such_wall", 4, 100, EditRefusal::kNoSuchWall},
                      BadMove{"negative_index", -1, 100, EditRefusal::kNoSuchWall},
                      BadMove{"distance_beyond_limits", 1, model_limits::kMaxLength + 1, EditRefusal::kBeyondLimits},
                      BadMove{"outward_beyond_limits", 1, -model_limits::kMaxLength, EditRefusal::kBeyondLimits}),
    [](const ::testing::TestParamInfo<BadMove>& test) { return std::string(test.param.name); });

}  // namespace

TEST(SplitWallTest, SplitKeepsTheChainClosedAndJoinsTheSideList) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  CWallCollection* top = camera->WallAt(0);
  ASSERT_TRUE(camera->SplitWall(0, false, 1000));
  ASSERT_EQ(camera->WallCount(), 5);
  EXPECT_EQ(camera->WallAt(0), top);
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{1700, 1100, 1900, -2900, -1900}));
  EXPECT_EQ(camera->WallAt(0)->ExtendedLength() + camera->WallAt(1)->ExtendedLength(), 3000);
  ASSERT_NE(camera->WallAt(1)->Corner(), nullptr);
  EXPECT_EQ(camera->WallAt(1)->PanelCount(), 0);
  // The split wall's panels no longer fit it: they go, as the corner command
  // takes them anyway.
  EXPECT_EQ(top->PanelCount(), 0);
  EXPECT_EQ(camera->Top().WallIndices(), (std::vector<int>{0, 1}));
  EXPECT_EQ(camera->Right().WallIndices(), (std::vector<int>{2}));
  ExpectSoundOutline(*camera);
}

TEST(SplitWallTest, SplittingANegativeSegmentCarriesItsDirection) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(2, true, 1000));
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{2900, 1900, -1100, -1700, -1900}));
  EXPECT_EQ(camera->Bottom().WallIndices(), (std::vector<int>{2, 3}));
  ExpectSoundOutline(*camera);
}

TEST(SplitWallTest, CornerCloserToTheEndThanThePostsAllowIsRefused) {
  auto camera = MakeCamera(3000, 2000, 100);
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  // The corner command passes typed distance - 3t: under 2t the new piece
  // would get a run of 0 mm or less.
  for (int32_t typed : {0, 150, 200}) {
    EXPECT_FALSE(camera->SplitWall(0, false, typed - 300, &why)) << typed;
    EXPECT_EQ(why, EditRefusal::kRunWouldVanish);
  }
  // Too close to the other end: the old segment would vanish.
  EXPECT_FALSE(camera->SplitWall(0, false, 2700, &why));
  EXPECT_EQ(why, EditRefusal::kRunWouldVanish);
  EXPECT_FALSE(camera->SplitWall(3, false, 1800, &why));
  EXPECT_FALSE(camera->SplitWall(9, false, 500, &why));
  EXPECT_EQ(why, EditRefusal::kNoSuchWall);
  EXPECT_FALSE(camera->SplitWall(0, false, std::numeric_limits<int32_t>::min(), &why));
  EXPECT_EQ(why, EditRefusal::kBeyondLimits);
  EXPECT_EQ(Snapshot(*camera), before);
  EXPECT_TRUE(camera->SplitWall(0, false, 2699));
}

TEST(SplitWallTest, OutlineStopsGrowingAtItsLimit) {
  auto camera = MakeCamera(model_limits::kMaxLength, model_limits::kMaxLength, 1);
  while (camera->WallCount() < model_limits::kMaxOutlineWalls) ASSERT_TRUE(camera->SplitWall(1, false, 1));
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->SplitWall(1, false, 1, &why));
  EXPECT_EQ(why, EditRefusal::kBeyondLimits);
  EXPECT_EQ(camera->WallCount(), model_limits::kMaxOutlineWalls);
  EXPECT_TRUE(camera->IsChainClosed());
}

TEST(OutlineEditTest, SplitThenMoveInsertsAConnectingSegment) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(0, false, 1000));
  ASSERT_TRUE(camera->MoveWall(1, 300));
  // right: 1900 -> 1600; between the top and the moved piece a link of
  // 300 - 100 = 200 with its own post.
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{1700, 200, 1100, 1600, -2900, -1900}));
  EXPECT_TRUE(camera->WallAt(1)->IsVertical());
  ASSERT_NE(camera->WallAt(1)->Corner(), nullptr);
  // Connecting segments join no side.
  EXPECT_EQ(camera->Top().WallIndices(), (std::vector<int>{0, 2}));
  ExpectSoundOutline(*camera);
}

TEST(OutlineEditTest, LShapeGetsOneStripPerPairOfNeighbouringWalls) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(1, false, 900));
  ASSERT_TRUE(camera->MoveWall(2, 500));
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{2900, 800, -400, 1000, -2400, -1900}));
  ExpectSoundOutline(*camera);
  EXPECT_EQ(camera->Depth(), 2000);
  EXPECT_EQ(camera->Width(), 3000);
  // Vertical walls stand at x = 0, 2500 and 3000: two strips.
  ASSERT_EQ(camera->FloorStripCount(), 2);
  const CFloorStrip& wide = *camera->FloorStripAt(0);
  const CFloorStrip& notch = *camera->FloorStripAt(1);
  EXPECT_EQ(std::make_tuple(wide.X(), wide.Y(), wide.W(), wide.H()), std::make_tuple(-50, -50, 2600, 2100));
  EXPECT_EQ(std::make_tuple(notch.X(), notch.Y(), notch.W(), notch.H()), std::make_tuple(2550, -50, 500, 1000));
}

TEST(OutlineEditTest, CollinearPiecesOfASplitWallGetNoStripBetweenThem) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(1, false, 900));
  ASSERT_TRUE(camera->MoveWall(3, 0));  // rebuilds the floor, moves nothing
  ASSERT_EQ(camera->FloorStripCount(), 1);
  EXPECT_EQ(camera->FloorStripAt(0)->W(), 3100);
  EXPECT_TRUE(camera->FloorStripAt(0)->IsFullyDivided());
}

TEST(OutlineEditTest, MoveNeedingALinkOfNoMoreThanTheThicknessIsRefused) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(0, false, 1000));
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  for (int32_t d : {100, 50, 0, -300}) {
    EXPECT_FALSE(camera->MoveWall(1, d, &why)) << d;
    EXPECT_EQ(why, EditRefusal::kRunWouldVanish);
  }
  EXPECT_EQ(Snapshot(*camera), before);
  EXPECT_TRUE(camera->MoveWall(1, 101));
  ExpectSoundOutline(*camera);
}

TEST(OutlineEditTest, StepWhoseNeighboursRunTheSameWayCannotMove) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(1, false, 900));
  ASSERT_TRUE(camera->MoveWall(2, 500));
  // Segment 2 is the step between two downward pieces: shrinking both would
  // open the chain.
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->MoveWall(2, 200, &why));
  EXPECT_EQ(why, EditRefusal::kOpenChain);
  EXPECT_EQ(Snapshot(*camera), before);
}

TEST(OutlineEditTest, SegmentBetweenTwoCollinearPiecesHasNothingToBend) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(0, false, 1000));
  ASSERT_TRUE(camera->SplitWall(1, false, 300));
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->MoveWall(1, 200, &why));
  EXPECT_EQ(why, EditRefusal::kNothingToBend);
}

namespace {

// An L-shaped camera, 3000 x 3000 with the lower left 2000 x 2000 cut away,
// and a corner at x = 1000 in its top wall:
//   (0,0) (1000,0) (3000,0) (3000,3000) (2000,3000) (2000,1000) (0,1000).
// With `stepDown`, the top's right piece is moved that far down, which puts
// a connecting wall at x = 1000 between the top's pieces.
std::unique_ptr<CChamber> MakeLWithACornerOnTop(int32_t stepDown = 0) {
  auto camera = MakeCamera(3000, 3000, 100);
  EXPECT_TRUE(camera->SplitWall(2, false, 1800));
  EXPECT_TRUE(camera->MoveWall(3, 2000));
  EXPECT_TRUE(camera->SplitWall(0, false, 1800));
  if (stepDown > 0) {
    EXPECT_TRUE(camera->MoveWall(1, stepDown));
  }
  return camera;
}

struct CrossingCase {
  const char* name;
  int32_t stepDown;
  bool resize;  // else a move
  int index;
  int32_t distance;
  bool refused;
};

class CrossingWallsTest : public ::testing::TestWithParam<CrossingCase> {};

TEST_P(CrossingWallsTest, WallsThatWouldCrossOrTouchAreRefusedAndChangeNothing) {
  const CrossingCase& c = GetParam();
  auto camera = MakeLWithACornerOnTop(c.stepDown);
  ASSERT_EQ(Starts(*camera).size(), c.stepDown > 0 ? 8u : 7u);
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  const bool done = c.resize ? camera->ResizeAcross(c.index, c.distance, &why)
                             : camera->MoveWall(c.index, c.distance, &why);
  if (!c.refused) {
    EXPECT_TRUE(done) << EditRefusalName(why);
    ExpectSoundOutline(*camera);
    return;
  }
  EXPECT_FALSE(done);
  EXPECT_EQ(why, EditRefusal::kWallsWouldCross);
  EXPECT_EQ(Snapshot(*camera), before);
}

INSTANTIATE_TEST_SUITE_P(
    LShapes, CrossingWallsTest,
    ::testing::Values(
        // The top's right piece moved down past the other arm's top at y = 1000.
        CrossingCase{"MoveThroughTheOtherArm", 0, false, 1, 1500, true},
        CrossingCase{"MoveOntoTheOtherArm", 0, false, 1, 1000, true},
        CrossingCase{"MoveThatStopsShortOfTheOtherArm", 0, false, 1, 900, false},
        // The connecting wall behind the corner grown down, with the walls
        // after it, by the resize of a panel on it.
        CrossingCase{"CornersWallResizedThroughTheOtherArm", 500, true, 1, 800, true},
        CrossingCase{"CornersWallResizedOntoTheOtherArm", 500, true, 1, 500, true},
        CrossingCase{"CornersWallResizedShortOfTheOtherArm", 500, true, 1, 400, false}),
    [](const ::testing::TestParamInfo<CrossingCase>& test) { return std::string(test.param.name); });

}  // namespace

TEST(OutlineGeometryTest, SimpleOutlineAllowsStraightRowsAndRefusesFoldsAndPinches) {
  using Chain = std::vector<ModelPoint>;
  // A rectangle with a corner on its top: neighbours in a straight row.
  EXPECT_TRUE(IsSimpleOutline(Chain{{0, 0}, {1000, 0}, {3000, 0}, {3000, 2000}, {0, 2000}}));
  // A wall that runs back over its neighbour.
  EXPECT_FALSE(IsSimpleOutline(Chain{{0, 0}, {3000, 0}, {2000, 0}, {2000, 2000}, {0, 2000}}));
  // Two squares meeting at one corner: the outline passes (1000, 1000) twice.
  EXPECT_FALSE(IsSimpleOutline(
      Chain{{0, 0}, {1000, 0}, {1000, 1000}, {2000, 1000}, {2000, 2000}, {1000, 2000}, {1000, 1000}, {0, 1000}}));
  EXPECT_FALSE(IsSimpleOutline(Chain{{0, 0}, {1000, 0}, {1000, 1000}}));
}

TEST(ResizeAcrossTest, GrowsTheSegmentAndItsOppositeAndRedividesTheOpposite) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  ASSERT_TRUE(camera->ResizeAcross(0, 100));
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{3000, 1900, -3000, -1900}));
  EXPECT_EQ(Widths(*camera->WallAt(2)), (std::vector<int32_t>{1200, 1200, 600}));
  EXPECT_EQ(camera->Width(), 3100);
  EXPECT_EQ(camera->FloorStripAt(0)->W(), 3200);
  ExpectSoundOutline(*camera);
}

TEST(ResizeAcrossTest, FixingANonStandardPanelKeepsTheWallFullyDivided) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  ASSERT_TRUE(camera->ResizePanelAcross(0, 2, 600));
  EXPECT_EQ(Widths(*camera->WallAt(0)), (std::vector<int32_t>{1200, 1200, 600}));
  EXPECT_TRUE(camera->WallAt(0)->IsFullyDivided());
  EXPECT_TRUE(camera->WallAt(2)->IsFullyDivided());
  EXPECT_EQ(camera->Depth(), 2000);
  // Narrowing works the same way.
  ASSERT_TRUE(camera->ResizePanelAcross(0, 2, 300));
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{2700, 1900, -2700, -1900}));
}

TEST(ResizeAcrossTest, DoorsOnTheOppositeWallStayInPlace) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  ASSERT_TRUE(camera->SetPanelDoor(2, 1, kContainerDoorLeft, 0, 0));
  ASSERT_TRUE(camera->ResizePanelAcross(0, 2, 600));
  EXPECT_EQ(Kinds(*camera->WallAt(2)), (std::vector<int32_t>{1, 6, 2}));

  // An opening on the remainder panel has no panel of its width left.
  ASSERT_TRUE(camera->SetPanelDoor(2, 2, kOpening, 0, 2000));
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->ResizePanelAcross(0, 2, 900, &why));
  EXPECT_EQ(why, EditRefusal::kWouldLoseDoor);
  EXPECT_EQ(Snapshot(*camera), before);
  EXPECT_EQ(Kinds(*camera->WallAt(2)), (std::vector<int32_t>{1, 6, 11}));
  EXPECT_EQ(camera->WallAt(2)->PanelAt(2)->OpeningHeight(), 2000);
}

TEST(ResizeAcrossTest, ImpossibleResizesAreRefused) {
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  const Snapshot before(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->ResizeAcross(0, 3000, &why));  // no opposite longer than the change
  EXPECT_EQ(why, EditRefusal::kNoOppositeWall);
  EXPECT_FALSE(camera->ResizeAcross(0, -2900, &why));
  EXPECT_EQ(why, EditRefusal::kRunWouldVanish);
  EXPECT_FALSE(camera->ResizePanelAcross(0, 2, 0, &why));
  EXPECT_EQ(why, EditRefusal::kBadArgument);
  EXPECT_FALSE(camera->ResizePanelAcross(0, 7, 600, &why));
  EXPECT_EQ(why, EditRefusal::kNoSuchPanel);
  EXPECT_FALSE(camera->ResizePanelAcross(0, 2, 3500, &why));
  EXPECT_EQ(why, EditRefusal::kNoOppositeWall);
  EXPECT_EQ(Snapshot(*camera), before);

  auto wide = MakeCamera(model_limits::kMaxLength - 1000, 2000, 100);
  EXPECT_FALSE(wide->ResizeAcross(0, 2000, &why));
  EXPECT_EQ(why, EditRefusal::kBeyondLimits);
  EXPECT_EQ(wide->WallAt(0)->Length(), model_limits::kMaxLength - 1100);
}

TEST(OutlineEditTest, RandomEditsNeverBreakTheOutline) {
  std::mt19937 random(7);
  auto camera = MakeCamera(8000, 6000, 100);
  int applied = 0;
  for (int step = 0; step < 2000; ++step) {
    const int count = camera->WallCount();
    const int index = static_cast<int>(random() % static_cast<unsigned>(count + 1)) - (step % 7 == 0 ? 1 : 0);
    const int32_t distance = static_cast<int32_t>(random() % 9001) - 3000;
    const Snapshot before(*camera);
    EditRefusal why = EditRefusal::kNone;
    bool done = false;
    switch (random() % 3) {
      case 0: done = camera->SplitWall(index, random() % 2 == 0, distance, &why); break;
      case 1: done = camera->MoveWall(index, distance / 3, &why); break;
      default: done = camera->ResizeAcross(index, distance / 5, &why); break;
    }
    if (done) {
      ++applied;
    } else {
      ASSERT_NE(why, EditRefusal::kNone);
      ASSERT_EQ(Snapshot(*camera), before) << "step " << step << " " << EditRefusalName(why);
    }
    ExpectSoundOutline(*camera);
    if (::testing::Test::HasFailure()) FAIL() << "after step " << step;
    for (int s = 0; s < camera->FloorStripCount(); ++s) {
      ASSERT_GE(camera->FloorStripAt(s)->W(), 0);
      ASSERT_GE(camera->FloorStripAt(s)->H(), 0);
    }
  }
  EXPECT_GT(applied, 100);
}
