// Replay: every record code acts as the camera window's command did, and a
// record that cannot be applied is skipped without a trace, so that a
// damaged or foreign file never builds a camera the window could not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "editlogtesthelpers.h"
#include "editreplay.h"
#include "modellimits.h"

namespace {

std::string StateOf(const CChamber& camera) { return CameraJson(camera, u"", u"", {}).Dump(); }

std::vector<int32_t> WallWidths(const CChamber& camera, int wall) { return PanelWidths(*camera.WallAt(wall)); }

const std::vector<EditRecord> kFilledCamera{CreateCameraRecord(2920, 1920, 2040, 80), FillAllWallsRecord()};

std::vector<EditRecord> With(std::vector<EditRecord> log, std::initializer_list<EditRecord> more) {
  log.insert(log.end(), more);
  return log;
}

struct SkippedCase {
  const char* name;
  EditRecord record;
};

class SkippedRecordTest : public ::testing::TestWithParam<SkippedCase> {};

TEST_P(SkippedRecordTest, LeavesTheCameraAsItWas) {
  // A partition and a divided floor strip give the partition and strip
  // records something to miss.
  std::vector<EditRecord> base = kFilledCamera;
  base.push_back(AddPartitionRecord(1500, 40, 1000, 1));
  base.push_back(AutoFillPartitionRecord(0));
  const auto camera = ReplayEditLog(base);
  const std::string before = StateOf(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(ApplyEditRecord(*camera, GetParam().record, &why));
  EXPECT_NE(why, EditRefusal::kNone);
  EXPECT_EQ(StateOf(*camera), before);
}

constexpr int32_t kHuge = 2'000'000;
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Records, SkippedRecordTest,
    ::testing::Values(
        SkippedCase{"NeverMadeCode7", {7, {0}}}, SkippedCase{"UnknownCode21", {21, {}}},
        SkippedCase{"NegativeCode", {-3, {1, 2}}},
        SkippedCase{"SecondCreation", CreateCameraRecord(5000, 5000, 2000, 100)},
        SkippedCase{"CreationWithTooFewWords", {0, {2920, 1920, 2040}}},
        SkippedCase{"SplitWithTooFewWords", {1, {1, 0}}},
        SkippedCase{"SplitOfAMissingWall", SplitWallRecord(4, false, 500)},
        SkippedCase{"SplitThatLeavesNoRun", SplitWallRecord(1, false, 1800)},
        SkippedCase{"SplitBeyondTheLimits", SplitWallRecord(1, true, kIntMax)},
        SkippedCase{"MoveOfTheFirstSegment", MoveWallRecord(0, 0, 300)},
        SkippedCase{"MoveBeyondTheLimits", MoveWallRecord(1, 1, kHuge)},
        SkippedCase{"MoveThatReversesARun", MoveWallRecord(1, 1, 3000)},
        SkippedCase{"AutoFillOfAMissingWall", AutoFillWallRecord(-1)},
        SkippedCase{"DivisionWithTooFewWidths", {5, {0, 3, 1200, 600}}},
        SkippedCase{"DivisionWithNegativeCount", {5, {0, -1}}},
        SkippedCase{"DivisionWithAZeroWidth", {5, {0, 2, 1200, 0}}},
        SkippedCase{"DoorOnAPartitionPanelAsFirstWritten", PanelDoorRecord(-1, 0, 10, 1, 0)},
        SkippedCase{"DoorOnAMissingPanel", PanelDoorRecord(0, 3, 10, 1, 0)},
        SkippedCase{"DoorOfAKindNeverMade", PanelDoorRecord(0, 1, 4, 0, 0)},
        SkippedCase{"DoorVariantOutOfRange", PanelDoorRecord(0, 1, 10, 9, 0)},
        SkippedCase{"OpeningOfNegativeHeight", PanelDoorRecord(0, 1, 11, 0, -5)},
        SkippedCase{"DoorWithTooFewWords", {6, {0, 1, 10, 1}}},
        SkippedCase{"ContainerDoorOnTheFirstPanel", PanelDoorRecord(0, 0, 6, 0, 0)},
        SkippedCase{"SlidingDoorOnTheLastPanel", PanelDoorRecord(0, 2, 9, 0, 0)},
        SkippedCase{"ScaleOfZero", ScaleRecord(0.0)},
        SkippedCase{"ScaleThatIsNotANumber", ScaleRecord(std::nan(""))},
        SkippedCase{"ScaleWithOneWord", {9, {0}}},
        SkippedCase{"OriginWithOneWord", {10, {5}}},
        SkippedCase{"OriginAtTheTopOfTheRange", OriginRecord(kIntMax, 100)},
        SkippedCase{"OriginAtTheBottomOfTheRange", OriginRecord(100, std::numeric_limits<int32_t>::min())},
        SkippedCase{"OriginJustBeyondTheDrawingsReach", OriginRecord(CPixelMapping::kMaxOrigin + 1, 0)},
        SkippedCase{"ScaleOfAbsurdSize", ScaleRecord(1e308)},
        SkippedCase{"ClearOfAMissingWall", ClearWallRecord(9)},
        SkippedCase{"FlagsWithoutWords", {12, {}}},
        SkippedCase{"FlagsThatAreNotFlags", {12, {2}}},
        SkippedCase{"PartitionBeyondTheLimits", AddPartitionRecord(kHuge, 0, 1000, 1)},
        SkippedCase{"PartitionTooLong", AddPartitionRecord(0, 0, kIntMax, 1)},
        SkippedCase{"PartitionWithTooFewWords", {13, {1500, 40, 1000}}},
        SkippedCase{"DeletionOfAMissingPartition", DeletePartitionRecord(1)},
        SkippedCase{"AutoFillOfAMissingPartition", AutoFillPartitionRecord(3)},
        SkippedCase{"PartitionDivisionWithTooFewWidths", {16, {0, 2, 300}}},
        SkippedCase{"ClearOfAMissingPartition", ClearPartitionRecord(-1)},
        SkippedCase{"DoorOnAMissingPartitionPanel", PartitionPanelDoorRecord(0, 5, 10, 1, 0)},
        SkippedCase{"StripThatDoesNotExist", {19, {4, 0, 0}}},
        SkippedCase{"StripCutsWithANegativePiece", {19, {0, 1, 1200, 2, 1000, -1}}},
        SkippedCase{"StripCutsMissing", {19, {0, 1, 1200, 2, 1000}}},
        SkippedCase{"ResizeToNothing", ResizePanelRecord(0, 2, 0)},
        SkippedCase{"ResizeOfAMissingPanel", ResizePanelRecord(0, 7, 600)},
        SkippedCase{"ResizeBeyondTheLimits", ResizePanelRecord(0, 2, kHuge)}),
    [](const ::testing::TestParamInfo<SkippedCase>& param) { return param.param.name; });

// Each code's layout read back: re-encoding what Decode gives is the record
// itself, and the record one word short is refused.
template <class... Ops>
void ExpectEveryLayoutReadsBack(std::span<const EditRecord> log, std::type_identity<std::tuple<Ops...>>) {
  const auto expect = [log](auto op) {
    using Op = decltype(op);
    const auto record = std::find_if(log.begin(), log.end(), [](const EditRecord& r) { return r.op == Op::kOp; });
    ASSERT_NE(record, log.end()) << "no record of code " << Op::kOp;
    const std::optional<Op> decoded = Decode<Op>(*record);
    ASSERT_TRUE(decoded.has_value()) << "code " << Op::kOp;
    EXPECT_EQ(Encode(*decoded), *record) << "code " << Op::kOp;
    if (record->data.empty()) return;
    EditRecord shorter = *record;
    shorter.data.pop_back();
    EXPECT_FALSE(Decode<Op>(shorter).has_value()) << "code " << Op::kOp << " one word short";
  };
  (expect(Ops{}), ...);
}

TEST(EditReplayTest, EveryOperationDecodesWhatItEncodes) {
  CCameraDocument rich;
  BuildRichCamera(rich);
  CCameraDocument loaded;  // brings the scale and origin records
  loaded.LoadBytes(rich.SaveBytes());
  std::vector<EditRecord> log(loaded.Log().begin(), loaded.Log().end());
  log.push_back(ClearPartitionRecord(0));
  ExpectEveryLayoutReadsBack(log, std::type_identity<AllEditOps>{});
}

TEST(EditReplayTest, ReplayStartsFromTheConstructionValues) {
  const auto camera = ReplayEditLog({});
  EXPECT_EQ(camera->WallCount(), 0);
  EXPECT_EQ(camera->OriginX(), 100);
  EXPECT_DOUBLE_EQ(camera->Scale(), 0.2);
}

TEST(EditReplayTest, RecordsBeforeTheCreationFindNothingAndTheCreationStillWorks) {
  const auto camera = ReplayEditLog(
      std::vector<EditRecord>{FillAllWallsRecord(), AutoFillWallRecord(0), CreateCameraRecord(2920, 1920, 2040, 80)});
  ASSERT_EQ(camera->WallCount(), 4);
  EXPECT_EQ(camera->WallAt(0)->PanelCount(), 0);
}

TEST(EditReplayTest, ExtraWordsAreIgnored) {
  const auto camera = ReplayEditLog(With(kFilledCamera, {{3, {1}}, {6, {0, 1, 11, 0, 1900, 77, 78}}}));
  EXPECT_EQ(camera->WallAt(0)->PanelAt(1)->Kind(), kOpening);
  EXPECT_EQ(camera->WallAt(0)->PanelAt(1)->OpeningHeight(), 1900);
}

TEST(EditReplayTest, SplitClearsTheSplitWallsPanelsOnly) {
  const auto camera = ReplayEditLog(With(kFilledCamera, {SplitWallRecord(1, true, 600)}));
  ASSERT_EQ(camera->WallCount(), 5);
  // The new piece goes before the split wall, which keeps its index + 1.
  EXPECT_EQ(camera->WallAt(1)->Length(), 680);
  EXPECT_EQ(camera->WallAt(1)->PanelCount(), 0);
  EXPECT_EQ(camera->WallAt(2)->PanelCount(), 0);
  EXPECT_TRUE(camera->WallAt(0)->IsFullyDivided());
  EXPECT_TRUE(camera->WallAt(3)->IsFullyDivided());
  EXPECT_TRUE(camera->IsChainClosed());
}

TEST(EditReplayTest, ManualDivisionTakesOneCompletionStepOnly) {
  const int32_t widths[] = {300};
  const auto camera = ReplayEditLog(With(kFilledCamera, {DivideWallRecord(0, widths)}));
  EXPECT_EQ(WallWidths(*camera, 0), (std::vector<int32_t>{300, 1200}));
  EXPECT_FALSE(camera->WallAt(0)->IsFullyDivided());
}

TEST(EditReplayTest, DoorRecordSetsKindVariantAndOnlyAnOpeningsHeight) {
  const auto camera = ReplayEditLog(
      With(kFilledCamera, {PanelDoorRecord(0, 1, 10, 3, 1850), PanelDoorRecord(2, 0, 11, 0, 2000),
                           PanelDoorRecord(1, 0, 10, 2, 0), PanelDoorRecord(1, 0, 1, 2, 0)}));
  const CWallPanel& swing = *camera->WallAt(0)->PanelAt(1);
  EXPECT_EQ(std::make_tuple(swing.Kind(), swing.DoorVariant(), swing.OpeningHeight()), std::make_tuple(10, 3, 0));
  EXPECT_EQ(camera->WallAt(2)->PanelAt(0)->OpeningHeight(), 2000);
  // A deleted swing door keeps its variant.
  EXPECT_EQ(std::make_tuple(camera->WallAt(1)->PanelAt(0)->Kind(), camera->WallAt(1)->PanelAt(0)->DoorVariant()),
            std::make_tuple(1, 2));
}

TEST(EditReplayTest, ScaleAndOriginRecordsPlaceTheView) {
  const auto camera = ReplayEditLog(With(kFilledCamera, {ScaleRecord(0.75), OriginRecord(-40, 320)}));
  EXPECT_DOUBLE_EQ(camera->Scale(), 0.75);
  EXPECT_EQ(std::make_pair(camera->OriginX(), camera->OriginY()), std::make_pair(-40, 320));
}

TEST(EditReplayTest, MoveThatWouldMakeWallsCrossIsSkipped) {
  // An L whose lower left is cut away up to y = 1000, with a corner in its
  // top at x = 1000: the top's right piece moved 1500 down would pass
  // through the other arm.
  const std::vector<EditRecord> lShape{CreateCameraRecord(3000, 3000, 2040, 100), SplitWallRecord(2, false, 1800),
                                       MoveWallRecord(3, 0, 2000), SplitWallRecord(0, false, 1800)};
  const auto camera = ReplayEditLog(lShape);
  ASSERT_EQ(camera->WallCount(), 7);
  const std::string before = StateOf(*camera);
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(ApplyEditRecord(*camera, MoveWallRecord(1, 0, 1500), &why));
  EXPECT_EQ(why, EditRefusal::kWallsWouldCross);
  EXPECT_EQ(StateOf(*camera), before);
  EXPECT_TRUE(ApplyEditRecord(*camera, MoveWallRecord(1, 0, 900), &why));
}

TEST(EditReplayTest, FlagsRecordTakesOneOrTwoWords) {
  auto camera = ReplayEditLog(With(kFilledCamera, {{12, {1}}}));
  EXPECT_TRUE(camera->NoFloor());
  EXPECT_FALSE(camera->GeometryLocked());
  camera = ReplayEditLog(With(kFilledCamera, {{12, {0, 1}}}));
  EXPECT_FALSE(camera->NoFloor());
  EXPECT_TRUE(camera->GeometryLocked());
  EXPECT_EQ(CameraFlagsRecord(true, false).data.size(), 1u);
  EXPECT_EQ(CameraFlagsRecord(false, true).data, (std::vector<int32_t>{0, 1}));
}

TEST(EditReplayTest, PartitionRecordsBuildDivideAndRemovePartitions) {
  const int32_t widths[] = {300, 300};
  const auto camera = ReplayEditLog(With(
      kFilledCamera, {AddPartitionRecord(1500, 40, 1000, 7), AddPartitionRecord(40, 900, -700, 0),
                      AddPartitionRecord(2500, 40, 800, 1), AutoFillPartitionRecord(0),
                      PartitionPanelDoorRecord(0, 0, 10, 1, 0), DividePartitionRecord(1, widths),
                      ClearPartitionRecord(2), DeletePartitionRecord(2)}));
  ASSERT_EQ(camera->PartitionCount(), 2);
  const CPartition& first = *camera->PartitionAt(0);
  EXPECT_EQ(first.GetOrientation(), Orientation::kVertical);  // any non-zero byte is vertical
  EXPECT_EQ(first.Start(), (ModelPoint{1500, 40}));
  EXPECT_EQ(first.Thickness(), 80);
  EXPECT_EQ(first.Camera(), camera.get());
  EXPECT_EQ(PanelWidths(first), (std::vector<int32_t>{1000}));
  EXPECT_EQ(first.PanelAt(0)->Kind(), kSwingDoorBlock);
  const CPartition& second = *camera->PartitionAt(1);
  EXPECT_EQ(second.Length(), -700);
  // The listed widths, then one completion step.
  EXPECT_EQ(PanelWidths(second), (std::vector<int32_t>{300, 300, 100}));
  // No outline panel became a door.
  for (int i = 0; i < camera->WallCount(); ++i)
    for (const CWallPanel& panel : camera->WallAt(i)->Panels()) EXPECT_FALSE(panel.IsDoor());
}

TEST(EditReplayTest, FloorStripRecordDividesCutsAndRebuildsTheCutChain) {
  const int32_t widths[] = {1200, 600};
  const int32_t pieces[] = {1200, 800};
  auto camera = ReplayEditLog(With(kFilledCamera, {DivideFloorStripRecord(0, widths, pieces)}));
  const CFloorStrip& strip = *camera->FloorStripAt(0);
  EXPECT_EQ(PanelWidths(strip), (std::vector<int32_t>{1200, 600, 1200}));
  EXPECT_EQ(std::vector<int32_t>(strip.Cuts().begin(), strip.Cuts().end()), (std::vector<int32_t>{2000, 1200}));
  EXPECT_EQ(std::vector<int32_t>(camera->FloorCutChain().begin(), camera->FloorCutChain().end()),
            (std::vector<int32_t>{1200, 800}));

  // Without pieces the cuts stay as they were.
  camera = ReplayEditLog(With(kFilledCamera, {DivideFloorStripRecord(0, widths, {})}));
  EXPECT_EQ(std::vector<int32_t>(camera->FloorStripAt(0)->Cuts().begin(), camera->FloorStripAt(0)->Cuts().end()),
            (std::vector<int32_t>{2000}));
}

TEST(EditReplayTest, ResizeRecordFixesANonStandardPanelAndTheOppositeWall) {
  const auto camera = ReplayEditLog(With(kFilledCamera, {ResizePanelRecord(0, 2, 600)}));
  EXPECT_EQ(WallWidths(*camera, 0), (std::vector<int32_t>{1200, 1200, 600}));
  EXPECT_EQ(camera->WallAt(0)->Length(), 3000);
  EXPECT_EQ(camera->WallAt(2)->Length(), -3000);
  EXPECT_TRUE(camera->WallAt(2)->IsFullyDivided());
  EXPECT_EQ(camera->Width(), 3080);
  EXPECT_TRUE(camera->IsChainClosed());
}

// Moving the right wall of a rectangle: the record names the wall by its
// index before the move, which is the index replay moves.
TEST(EditReplayTest, MoveRecordNamesTheWallByItsIndexBeforeTheMove) {
  for (const int wall : {1, 3}) {
    CCameraDocument document;
    CreateSampleCamera(document);
    ApplyOrFail(document, MoveWallRecord(wall, 1, 300));
    EXPECT_EQ(document.Log().back().data[0], wall);
    EXPECT_EQ(document.Camera().Width(), 2920 - 300) << wall;
    CCameraDocument reloaded;
    reloaded.LoadBytes(document.SaveBytes());
    EXPECT_EQ(CameraState(reloaded), CameraState(document)) << wall;
  }
}

// The Windows program wrote the index after the move less one, which names
// another wall when no segment was inserted. Its files replay as they are:
// for the right wall the first segment is named and the move is refused.
TEST(EditReplayTest, MoveRecordsOfTheWindowsProgramReplayAsTheyStand) {
  const auto rightMoved = ReplayEditLog(With(kFilledCamera, {MoveWallRecord(0, 1, 300)}));
  EXPECT_EQ(StateOf(*rightMoved), StateOf(*ReplayEditLog(kFilledCamera)));
  // For the left wall it named the bottom wall, which moves instead.
  const auto leftMoved = ReplayEditLog(With(kFilledCamera, {MoveWallRecord(2, 1, 300)}));
  EXPECT_EQ(leftMoved->Depth(), 1920 - 300);
}

TEST(EditReplayTest, FileOfTheWindowsProgramReplaysAsItStands) {
  const std::string bytes = CFileBytes()
                                .Text(u"КХ-100")
                                .Text(u"Склад\r\nцех 2")
                                .Record(0, {2920, 1920, 2040, 80})
                                .Record(3, {})
                                .Record(6, {0, 1, 10, 1, 1850})
                                .Record(6, {-1, 0, 6, 0, 1850})  // a door on a partition panel
                                .Record(1, {1, 0, 600})
                                .Record(4, {1})
                                .Record(8, {})
                                .Record(5, {2, 1, 300})
                                .Scale(0.25)
                                .Record(10, {150, 90})
                                .End()
                                .Bytes();
  CCameraDocument document;
  EXPECT_EQ(document.LoadBytes(bytes).end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(document.Article(), u"КХ-100");
  EXPECT_EQ(document.Log().size(), 10u);
  const CChamber& camera = document.Camera();
  ASSERT_EQ(camera.WallCount(), 5);
  EXPECT_EQ(camera.WallAt(0)->PanelAt(1)->Kind(), kSwingDoorBlock);
  EXPECT_EQ(PanelWidths(*camera.WallAt(1)), (std::vector<int32_t>{1080}));
  EXPECT_EQ(PanelWidths(*camera.WallAt(2)), (std::vector<int32_t>{300, 380}));
  EXPECT_DOUBLE_EQ(camera.Scale(), 0.25);
  EXPECT_EQ(camera.OriginX(), 150);
  // Saved again, it is the same file with one more scale and origin pair.
  const std::string again = document.SaveBytes();
  EXPECT_EQ(again.substr(0, bytes.size() - 4), bytes.substr(0, bytes.size() - 4));
  EXPECT_EQ(again.size(), bytes.size() + 32);
}

}  // namespace
