#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "modeltesthelpers.h"
#include "paneltally.h"

namespace {

// A camera whose top wall holds exactly `widths` with the given kinds, the
// other walls filled automatically.
std::unique_ptr<CChamber> CameraWithTop(const std::vector<int32_t>& widths, const std::vector<int32_t>& kinds) {
  int32_t sum = 0;
  for (int32_t w : widths) sum += w;
  auto camera = MakeCamera(sum + 100, 2000, 100);
  camera->FillAllWalls();
  Divide(*camera->WallAt(0), widths);
  // Kinds are set on the panels directly: the tally must also cope with a
  // side door on an end panel, which the door commands refuse but a manual
  // re-division that keeps its doors can leave.
  for (size_t i = 0; i < kinds.size(); ++i) camera->WallAt(0)->PanelAt(static_cast<int>(i))->SetKind(kinds[i]);
  return camera;
}

// The tally of the top wall alone.
std::vector<WallPanelTally> TopTally(const std::vector<int32_t>& widths, const std::vector<int32_t>& kinds) {
  auto camera = CameraWithTop(widths, kinds);
  // Only the top stays divided: the tally stops at the right wall with the
  // top's records in place.
  for (int i = 1; i < camera->WallCount(); ++i) camera->WallAt(i)->ClearPanels();
  std::vector<WallPanelTally> out;
  EXPECT_FALSE(TallyWallPanels(*camera, out));
  return out;
}

struct Expected {
  int32_t count, width, kind, next, prev;
};

void ExpectRecords(const std::vector<WallPanelTally>& out, const std::vector<Expected>& expected) {
  ASSERT_EQ(out.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(out[i].count, expected[i].count);
    EXPECT_EQ(out[i].width, expected[i].width);
    EXPECT_EQ(out[i].kind, expected[i].kind);
    EXPECT_EQ(out[i].nextWidth, expected[i].next);
    EXPECT_EQ(out[i].prevWidth, expected[i].prev);
    EXPECT_EQ(out[i].isDoor, IsDoorKind(expected[i].kind) ? 1 : 0);
  }
}

}  // namespace

TEST(WallTallyTest, ContainerDoorTakesItsSidePanelsIntoTheDoorRecord) {
  const auto out = TopTally({1200, 1200, 1200, 500}, {1, 7, 1, 2});
  ExpectRecords(out, {{1, 1200, 7, 1200, 1200}, {1, 500, 2, 0, 0}});
}

TEST(WallTallyTest, OpeningsGroupByHeightWithTheFirstWidth) {
  auto camera = CameraWithTop({1200, 900, 600}, {});
  ASSERT_TRUE(camera->SetPanelDoor(0, 0, kOpening, 0, 2000));
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kOpening, 0, 2000));
  std::vector<WallPanelTally> out;
  ASSERT_TRUE(TallyWallPanels(*camera, out));
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[0].kind, kOpening);
  EXPECT_EQ(out[0].count, 2);
  EXPECT_EQ(out[0].width, 1200);
  EXPECT_EQ(out[0].openingHeight, 2000);
  EXPECT_EQ(out[1].width, 600);
  EXPECT_EQ(out[1].openingHeight, 0);
}

TEST(WallTallyTest, SwingDoorVariantsAreSeparateRecords) {
  auto camera = CameraWithTop({1200, 1200}, {});
  ASSERT_TRUE(camera->SetPanelDoor(0, 0, kSwingDoorBlock, 2, 0));
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kSwingDoorBlock, 3, 0));
  std::vector<WallPanelTally> out;
  ASSERT_TRUE(TallyWallPanels(*camera, out));
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[0].doorVariant, 2);
  EXPECT_EQ(out[1].doorVariant, 3);
  EXPECT_EQ(out[0].count + out[1].count, 2);
  EXPECT_EQ(out[0].nextWidth, 0);  // swing doors carry no side panels
}

TEST(WallTallyTest, PanelWhoseSwingDoorWasRemovedIsAnOrdinaryPanelAgain) {
  auto camera = CameraWithTop({1200, 1200, 1200, 900}, {});
  for (int i = 1; i < camera->WallCount(); ++i) camera->WallAt(i)->ClearPanels();  // the top alone
  // Taken off by the door command, and as a camera file replays it: the
  // variant stays on the panel.
  ASSERT_TRUE(camera->SetPanelDoor(0, 0, kSwingDoorBlock, 2, 0));
  camera->WallAt(0)->PanelAt(0)->ResetDoor();
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kPanelStandard, 3, 0));
  ASSERT_TRUE(camera->SetPanelDoor(0, 3, kPanelOtherWidth, 1, 0));
  ASSERT_EQ(camera->WallAt(0)->PanelAt(0)->DoorVariant(), 2);
  std::vector<WallPanelTally> out;
  EXPECT_FALSE(TallyWallPanels(*camera, out));
  ExpectRecords(out, {{3, 1200, 1, 0, 0}, {1, 900, 2, 0, 0}});
  for (const WallPanelTally& r : out) EXPECT_EQ(r.doorVariant, 0);
  // A swing door is still priced by its variant.
  ASSERT_TRUE(camera->SetPanelDoor(0, 2, kSwingDoorBlock, 1, 0));
  EXPECT_FALSE(TallyWallPanels(*camera, out));
  ExpectRecords(out, {{2, 1200, 1, 0, 0}, {1, 1200, 10, 0, 0}, {1, 900, 2, 0, 0}});
  EXPECT_EQ(out[1].doorVariant, 1);
}

TEST(WallTallyTest, RunThatIsNotFullyDividedStopsTheTallyKeepingWhatWasCounted) {
  auto camera = MakeCamera();
  camera->WallAt(0)->AutoFill();
  std::vector<WallPanelTally> out{WallPanelTally{}};
  EXPECT_FALSE(TallyWallPanels(*camera, out));
  ExpectRecords(out, {{2, 1200, 1, 0, 0}, {1, 500, 2, 0, 0}});
  camera->FillAllWalls();
  EXPECT_TRUE(TallyWallPanels(*camera, out));
}

// Door layouts the plain walk mishandled: each door is counted once, and
// each ordinary panel either once as a wall panel or once as a side panel.
struct DoorRun {
  const char* name;
  std::vector<int32_t> widths;
  std::vector<int32_t> kinds;
  std::vector<Expected> records;
};

class DoorRunTest : public ::testing::TestWithParam<DoorRun> {};

TEST_P(DoorRunTest, EveryDoorAndPanelIsCountedExactlyOnce) {
  const DoorRun& c = GetParam();
  ExpectRecords(TopTally(c.widths, c.kinds), c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DoorRunTest,
    ::testing::Values(
        DoorRun{"adjacent container doors", {1200, 1200, 1200, 900}, {1, 6, 6, 2},
                {{1, 1200, 6, 0, 1200}, {1, 1200, 6, 900, 0}}},
        DoorRun{"shared side panel goes to the first door", {1200, 1200, 1200, 1200, 600}, {1, 6, 1, 8, 2},
                {{1, 1200, 6, 1200, 1200}, {1, 1200, 8, 600, 0}}},
        DoorRun{"door last in the run", {600, 1200, 1200}, {2, 1, 9}, {{1, 600, 2, 0, 0}, {1, 1200, 9, 0, 1200}}},
        DoorRun{"door first in the run", {1200, 900, 1200}, {7, 2, 1}, {{1, 1200, 7, 900, 0}, {1, 1200, 1, 0, 0}}},
        DoorRun{"swing door is no side panel", {1200, 1200, 1200, 1200}, {1, 6, 10, 1},
                {{1, 1200, 6, 0, 1200}, {1, 1200, 10, 0, 0}, {1, 1200, 1, 0, 0}}},
        DoorRun{"doors with other side panels are other records", {600, 1200, 600, 900, 1200, 900},
                {2, 6, 2, 2, 6, 2}, {{1, 1200, 6, 600, 600}, {1, 1200, 6, 900, 900}}},
        DoorRun{"same doors share a record", {600, 1200, 600, 600, 1200, 600}, {2, 6, 2, 2, 6, 2},
                {{2, 1200, 6, 600, 600}}}),
    [](const ::testing::TestParamInfo<DoorRun>& test) {
      std::string name = test.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(WallTallyTest, RandomRunsAccountForEveryPanel) {
  // Property: door records count their doors and, through their side widths,
  // their side panels; together with the wall records that is every panel.
  std::mt19937 random(20240611);
  const int32_t kinds[] = {1, 1, 1, 2, 6, 7, 8, 9, 10, 11};
  for (int round = 0; round < 200; ++round) {
    const int n = 1 + static_cast<int>(random() % 9);
    std::vector<int32_t> widths, chosen;
    for (int i = 0; i < n; ++i) {
      widths.push_back(300 * static_cast<int32_t>(1 + random() % 4));
      chosen.push_back(kinds[random() % std::size(kinds)]);
    }
    const auto out = TopTally(widths, chosen);
    int64_t accounted = 0;
    int64_t doors = 0;
    for (const WallPanelTally& r : out) {
      accounted += r.count * (1 + (r.nextWidth > 0) + (r.prevWidth > 0));
      if (r.isDoor) doors += r.count;
    }
    int64_t expectedDoors = 0;
    for (int32_t k : chosen) expectedDoors += IsDoorKind(k);
    ASSERT_EQ(accounted, n) << "round " << round;
    ASSERT_EQ(doors, expectedDoors) << "round " << round;
  }
}

TEST(WallTallyTest, PartitionsAreTalliedApart) {
  auto camera = MakeCamera();
  auto owned = std::make_unique<CPartition>();
  ASSERT_TRUE(owned->Init(-2000, 100, camera.get(), Orientation::kVertical));
  CPartition* partition = camera->AddPartition(std::move(owned));
  std::vector<WallPanelTally> out;
  EXPECT_FALSE(TallyPartitionPanels(*camera, out));
  partition->AutoFill();
  ASSERT_TRUE(TallyPartitionPanels(*camera, out));
  ExpectRecords(out, {{1, 1200, 1, 0, 0}, {1, 800, 2, 0, 0}});
}

TEST(FloorTallyTest, NewCameraTalliesPanelsByWidthAndLength) {
  auto camera = MakeCamera(3000, 2000, 100);
  std::vector<FloorPanelTally> out;
  ASSERT_TRUE(TallyFloorPanels(*camera, out));
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(std::make_tuple(out[0].count, out[0].width, out[0].length), std::make_tuple(2, 1000, 2100));
  EXPECT_EQ(std::make_tuple(out[1].count, out[1].width, out[1].length), std::make_tuple(1, 1100, 2100));
  EXPECT_EQ(out[0].kind, 0);
  EXPECT_EQ(out[0].isDoor, 0);
}

TEST(FloorTallyTest, CutPanelsCountEachPieceFromTheFarEnd) {
  auto camera = MakeCamera(3000, 2000, 100);
  const std::vector<int32_t> pieces{600, 1500};
  ASSERT_TRUE(camera->FloorStripAt(0)->SetCuts(pieces));
  std::vector<FloorPanelTally> out;
  ASSERT_TRUE(TallyFloorPanels(*camera, out));
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(std::make_tuple(out[0].count, out[0].width, out[0].length), std::make_tuple(2, 1000, 1500));
  EXPECT_EQ(std::make_tuple(out[1].count, out[1].width, out[1].length), std::make_tuple(2, 1000, 600));
  EXPECT_EQ(std::make_tuple(out[2].count, out[2].width, out[2].length), std::make_tuple(1, 1100, 1500));
}

TEST(FloorTallyTest, UndividedStripFailsTheTally) {
  auto camera = MakeCamera();
  ASSERT_TRUE(camera->SplitWall(1, false, 900));
  ASSERT_TRUE(camera->MoveWall(2, 500));  // leaves a strip 500 wide
  std::vector<FloorPanelTally> out;
  EXPECT_FALSE(TallyFloorPanels(*camera, out));
  EXPECT_FALSE(out.empty());  // the first strip's records stay
}
