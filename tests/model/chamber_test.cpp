#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "modellimits.h"
#include "modeltesthelpers.h"

TEST(ChamberTest, NewCameraIsAClosedRectangleOfFourSegments) {
  auto camera = MakeCamera(3000, 2000, 100, 2200);
  EXPECT_EQ(Lengths(*camera), (std::vector<int32_t>{2900, 1900, -2900, -1900}));
  std::vector<int32_t> extended;
  for (int i = 0; i < 4; ++i) extended.push_back(camera->WallAt(i)->ExtendedLength());
  EXPECT_EQ(extended, (std::vector<int32_t>{3000, 2000, -3000, -2000}));
  EXPECT_EQ(Starts(*camera), (std::vector<ModelPoint>{{0, 0}, {3000, 0}, {3000, 2000}, {0, 2000}}));
  EXPECT_TRUE(camera->IsChainClosed());
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(camera->WallAt(i)->Corner(), nullptr);
    EXPECT_EQ(camera->WallAt(i)->Corner()->Size(), 100);
    EXPECT_EQ(camera->WallAt(i)->PanelCount(), 0);
    EXPECT_EQ(camera->WallAt(i)->Camera(), camera.get());
  }
  EXPECT_EQ(camera->WallAt(0)->GetOrientation(), Orientation::kHorizontal);
  EXPECT_EQ(camera->WallAt(3)->GetOrientation(), Orientation::kVertical);
  EXPECT_EQ(camera->Width(), 3000);
  EXPECT_EQ(camera->Depth(), 2000);
  EXPECT_EQ(camera->Height(), 2200);
  EXPECT_EQ(camera->CreatedHeight(), 2200);
  EXPECT_EQ(camera->Thickness(), 100);
  EXPECT_EQ(camera->DimensionOffset(), 800);
  EXPECT_EQ(camera->LabelOffset(), 100);
  EXPECT_EQ(camera->OriginX(), 100);
  EXPECT_DOUBLE_EQ(camera->Scale(), 0.2);
  EXPECT_TRUE(camera->RecomputeDepth());
  EXPECT_EQ(camera->Depth(), 2000);
  // Each side lists its own segment.
  EXPECT_EQ(camera->Top().WallIndices(), (std::vector<int>{0}));
  EXPECT_EQ(camera->Right().WallIndices(), (std::vector<int>{1}));
  EXPECT_EQ(camera->Bottom().WallIndices(), (std::vector<int>{2}));
  EXPECT_EQ(camera->Left().WallIndices(), (std::vector<int>{3}));
}

TEST(ChamberTest, NewCameraHasOneDividedFloorStripOverTheOuterRectangle) {
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_EQ(camera->FloorStripCount(), 1);
  const CFloorStrip& strip = *camera->FloorStripAt(0);
  EXPECT_EQ(std::make_tuple(strip.X(), strip.Y(), strip.W(), strip.H()), std::make_tuple(-50, -50, 3100, 2100));
  EXPECT_EQ(strip.Direction(), CFloorStrip::kAlongX);
  EXPECT_EQ(Widths(strip), (std::vector<int32_t>{1000, 1100, 1000}));
  EXPECT_EQ(std::vector<int32_t>(strip.Cuts().begin(), strip.Cuts().end()), (std::vector<int32_t>{2100}));
  EXPECT_EQ(std::vector<int32_t>(camera->FloorCutChain().begin(), camera->FloorCutChain().end()),
            (std::vector<int32_t>{2100}));
}

namespace {

struct BadCreate {
  int32_t width, depth, height, thickness;
  EditRefusal reason;
};

class CreateRefusalTest : public ::testing::TestWithParam<BadCreate> {};

TEST_P(CreateRefusalTest, ImpossibleSizesLeaveTheCameraEmpty) {
  const BadCreate& c = GetParam();
  CChamber camera;
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera.Create(c.width, c.depth, c.height, c.thickness, &why));
  EXPECT_EQ(why, c.reason);
  EXPECT_EQ(camera.WallCount(), 0);
  EXPECT_EQ(camera.FloorStripCount(), 0);
  EXPECT_EQ(camera.Thickness(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CreateRefusalTest,
    ::testing::Values(BadCreate{3000, 2000, 2000, 0, EditRefusal::kBadArgument},
                      BadCreate{-80, -80, -160, 80, EditRefusal::kBadArgument},  // an empty new-camera dialog
                      BadCreate{3000, 2000, -1, 100, EditRefusal::kBadArgument},
                      BadCreate{model_limits::kMaxLength + 1, 2000, 2000, 100, EditRefusal::kBeyondLimits},
                      BadCreate{3000, 2000, model_limits::kMaxLength + 1, 100, EditRefusal::kBeyondLimits},
                      BadCreate{100, 2000, 2000, 100, EditRefusal::kRunWouldVanish},
                      BadCreate{3000, 50, 2000, 100, EditRefusal::kRunWouldVanish}));

}  // namespace

TEST(ChamberTest, SecondCreateIsRefused) {
  auto camera = MakeCamera();
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->Create(5000, 5000, 2000, 80, &why));
  EXPECT_EQ(why, EditRefusal::kNotEmpty);
  EXPECT_EQ(camera->WallCount(), 4);
  EXPECT_EQ(camera->Thickness(), 100);
}

TEST(ChamberTest, LookupsOutsideTheOutlineGiveNothing) {
  auto camera = MakeCamera();
  int32_t x = 7, y = 7, e = 7;
  camera->GetWallStart(4, &x, &y, &e);
  EXPECT_EQ(std::tie(x, y, e), std::make_tuple(0, 0, 7));
  camera->GetWallStart(2, &x, &y, &e);
  EXPECT_EQ(std::tie(x, y, e), std::make_tuple(3000, 2000, -3000));
  EXPECT_EQ(camera->WallAt(-1), nullptr);
  EXPECT_EQ(camera->WallAt(4), nullptr);
  EXPECT_EQ(camera->IndexOfWall(camera->WallAt(2)), 2);
  EXPECT_EQ(camera->IndexOfWall(nullptr), -1);

  CPartition* partition = camera->AddPartition(std::make_unique<CPartition>());
  ASSERT_NE(partition, nullptr);
  EXPECT_EQ(camera->IndexOfWall(partition), -1);
  x = y = 5;
  EXPECT_FALSE(camera->GetWallStartOf(partition, &x, &y));
  EXPECT_EQ(std::tie(x, y), std::make_tuple(5, 5));
  EXPECT_EQ(camera->WallRect(9), ModelRect{});
}

TEST(ChamberTest, SumsAlongTheChainStopAfterTheGivenSegment) {
  auto camera = MakeCamera();
  EXPECT_EQ(camera->CountWalls(Orientation::kVertical), 1);
  EXPECT_EQ(camera->CountWalls(Orientation::kHorizontal), 1);
  std::vector<int64_t> vertical, horizontal;
  for (int i = 0; i < 4; ++i) {
    vertical.push_back(camera->SumVerticalUpTo(camera->WallAt(i)));
    horizontal.push_back(camera->SumHorizontalUpTo(camera->WallAt(i)));
  }
  EXPECT_EQ(vertical, (std::vector<int64_t>{0, 2000, 2000, 0}));
  EXPECT_EQ(horizontal, (std::vector<int64_t>{3000, 3000, 0, 0}));
}

TEST(ChamberTest, PartitionsAreOwnedAndDeletedByTheCamera) {
  auto camera = MakeCamera();
  EXPECT_EQ(camera->AddPartition(nullptr), nullptr);
  auto owned = std::make_unique<CPartition>();
  ASSERT_TRUE(owned->SetStart(1000, 500));
  ASSERT_TRUE(owned->Init(-1500, 100, camera.get(), Orientation::kVertical));
  CPartition* partition = camera->AddPartition(std::move(owned));
  ASSERT_EQ(camera->PartitionCount(), 1);
  EXPECT_EQ(camera->PartitionAt(0), partition);
  EXPECT_EQ(camera->IndexOfPartition(partition), 0);
  EXPECT_EQ(partition->Corner(), nullptr);
  EXPECT_TRUE(partition->IsPartition());

  CPartition stranger;
  EXPECT_FALSE(camera->DeletePartition(&stranger));
  EXPECT_TRUE(camera->DeletePartition(partition));
  EXPECT_EQ(camera->PartitionCount(), 0);
  EXPECT_FALSE(stranger.SetStart(model_limits::kMaxLength + 1, 0));
}

TEST(ChamberTest, FillAllWallsDividesTheOutlineOnly) {
  auto camera = MakeCamera();
  auto owned = std::make_unique<CPartition>();
  ASSERT_TRUE(owned->Init(1500, 100, camera.get(), Orientation::kVertical));
  CPartition* partition = camera->AddPartition(std::move(owned));
  camera->FillAllWalls();
  for (int i = 0; i < camera->WallCount(); ++i) EXPECT_TRUE(camera->WallAt(i)->IsFullyDivided()) << i;
  EXPECT_EQ(Widths(*camera->WallAt(0)), (std::vector<int32_t>{1200, 1200, 500}));
  EXPECT_EQ(partition->PanelCount(), 0);
}

TEST(ChamberTest, DoorsAreSetByIndexAndBadRecordsAreRefused) {
  auto camera = MakeCamera();
  camera->FillAllWalls();
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->SetPanelDoor(4, 0, kSwingDoorBlock, 1, 0, &why));
  EXPECT_EQ(why, EditRefusal::kNoSuchWall);
  EXPECT_FALSE(camera->SetPanelDoor(-1, 0, kSwingDoorBlock, 1, 0, &why));
  EXPECT_FALSE(camera->SetPanelDoor(0, 3, kSwingDoorBlock, 1, 0, &why));
  EXPECT_EQ(why, EditRefusal::kNoSuchPanel);
  EXPECT_FALSE(camera->SetPanelDoor(0, 1, 42, 1, 0, &why));
  EXPECT_EQ(why, EditRefusal::kBadArgument);
  EXPECT_FALSE(camera->SetPanelDoor(0, 1, kSwingDoorBlock, 9, 0, &why));
  EXPECT_FALSE(camera->SetPanelDoor(0, 1, kOpening, 0, -2000, &why));
  const CWallPanel& panel = *camera->WallAt(0)->PanelAt(1);
  EXPECT_EQ(panel.Kind(), kPanelStandard);

  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kSwingDoorBlock, 2, -5));  // the height only counts for openings
  EXPECT_EQ(std::make_tuple(panel.Kind(), panel.DoorVariant(), panel.OpeningHeight()), std::make_tuple(10, 2, 0));
  ASSERT_TRUE(camera->SetPanelDoor(0, 1, kOpening, 2, 2000));
  EXPECT_EQ(std::make_tuple(panel.Kind(), panel.DoorVariant(), panel.OpeningHeight()), std::make_tuple(11, 2, 2000));
}

TEST(ChamberTest, PartitionPanelDoorsAreSetByIndexAndLeaveTheOutlineAlone) {
  auto camera = MakeCamera();
  camera->FillAllWalls();
  auto owned = std::make_unique<CPartition>();
  ASSERT_TRUE(owned->Init(1500, 100, camera.get(), Orientation::kVertical));
  CPartition* partition = camera->AddPartition(std::move(owned));
  partition->AutoFill();
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(camera->SetPartitionPanelDoor(1, 0, kSwingDoorBlock, 1, 0, &why));
  EXPECT_EQ(why, EditRefusal::kNoSuchWall);
  EXPECT_FALSE(camera->SetPartitionPanelDoor(0, 2, kSwingDoorBlock, 1, 0, &why));
  EXPECT_EQ(why, EditRefusal::kNoSuchPanel);
  EXPECT_FALSE(camera->SetPartitionPanelDoor(0, 1, 4, 0, 0, &why));
  EXPECT_EQ(why, EditRefusal::kBadArgument);
  EXPECT_EQ(partition->PanelAt(1)->Kind(), kPanelOtherWidth);

  ASSERT_TRUE(camera->SetPartitionPanelDoor(0, 1, kOpening, 0, 1900));
  EXPECT_EQ(std::make_tuple(partition->PanelAt(1)->Kind(), partition->PanelAt(1)->OpeningHeight()),
            std::make_tuple(11, 1900));
  for (int i = 0; i < camera->WallCount(); ++i)
    for (const CWallPanel& panel : camera->WallAt(i)->Panels()) EXPECT_FALSE(panel.IsDoor()) << i;
}

TEST(ChamberTest, ResetDefaultsKeepsTheOutlineButClearsTheSizes) {
  auto camera = MakeCamera();
  camera->SetOriginX(400);
  ASSERT_TRUE(camera->SetScale(1.0));
  camera->ResetDefaults();
  EXPECT_EQ(camera->OriginX(), 100);
  EXPECT_DOUBLE_EQ(camera->Scale(), 0.2);
  EXPECT_EQ(std::make_tuple(camera->Width(), camera->Depth(), camera->Height(), camera->Thickness()),
            std::make_tuple(0, 0, 0, 0));
  EXPECT_EQ(camera->WallCount(), 4);
  EXPECT_EQ(camera->Top().Camera(), camera.get());
  EXPECT_FALSE(camera->SetScale(0.0));
}

TEST(ChamberTest, TurnsTellsWhereTheChainBendsClockwise) {
  auto camera = MakeCamera();
  // Rectangle: every corner turns clockwise.
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(camera->Turns(i, true)) << i;
    EXPECT_TRUE(camera->Turns(i, false)) << i;
  }
  EXPECT_FALSE(camera->Turns(4, true));
}

TEST(ChamberTest, CutEndsAtTheSameHeightCountOnceInTheCutChain) {
  auto camera = MakeCamera();
  // An L: the lower part of the right wall moved in by 500.
  ASSERT_TRUE(camera->SplitWall(1, false, 900));
  ASSERT_TRUE(camera->MoveWall(2, 500));
  ASSERT_EQ(camera->FloorStripCount(), 2);
  EXPECT_EQ(std::vector<int32_t>(camera->FloorCutChain().begin(), camera->FloorCutChain().end()),
            (std::vector<int32_t>{1000, 1100}));
  // Cut the wide strip where the narrow one ends: no new position.
  const std::vector<int32_t> pieces{1000, 1100};
  ASSERT_TRUE(camera->FloorStripAt(0)->SetCuts(pieces));
  camera->RebuildCutChain();
  EXPECT_EQ(std::vector<int32_t>(camera->FloorCutChain().begin(), camera->FloorCutChain().end()),
            (std::vector<int32_t>{1000, 1100}));
}
