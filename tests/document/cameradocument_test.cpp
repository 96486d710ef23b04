// The camera document: creation, recorded edits, undo and redo, and the
// round trip through a camera file, which must rebuild exactly what the
// user saw.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "editlogtesthelpers.h"
#include "testsupport.h"

namespace {

std::vector<int32_t> Ops(const CCameraDocument& document) {
  std::vector<int32_t> ops;
  for (const EditRecord& record : document.Log()) ops.push_back(record.op);
  return ops;
}

TEST(CameraDocumentTest, CreationRecordsTheSizesAndTheFlagsRightAfterThem) {
  CCameraDocument plain;
  EXPECT_FALSE(plain.HasCamera());
  CreateSampleCamera(plain);
  EXPECT_TRUE(plain.HasCamera());
  EXPECT_TRUE(plain.IsModified());
  EXPECT_EQ(plain.Log()[0], CreateCameraRecord(2920, 1920, 2040, 80));
  EXPECT_EQ(plain.Log().size(), 1u);
  EXPECT_EQ(plain.Article(), u"K-3020");

  CCameraDocument noFloor;
  CreateSampleCamera(noFloor, true);
  EXPECT_EQ(noFloor.Log()[1], (EditRecord{kOpCameraFlags, {1}}));
  EXPECT_TRUE(noFloor.Camera().NoFloor());

  CCameraDocument locked;
  CreateSampleCamera(locked, false, true);
  EXPECT_EQ(locked.Log()[1], (EditRecord{kOpCameraFlags, {0, 1}}));
  EXPECT_TRUE(locked.Camera().GeometryLocked());
}

TEST(CameraDocumentTest, RefusedCreationChangesNothing) {
  CCameraDocument document;
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(document.CreateCamera(u"a", u"b", 80, 1920, 2040, 80, true, false, &why));
  EXPECT_EQ(why, EditRefusal::kRunWouldVanish);
  EXPECT_TRUE(document.Log().empty());
  EXPECT_TRUE(document.Article().empty());
  EXPECT_FALSE(document.IsModified());

  CreateSampleCamera(document);
  EXPECT_FALSE(document.CreateCamera(u"", u"", 5000, 5000, 2000, 100, false, false, &why));
  EXPECT_EQ(why, EditRefusal::kNotEmpty);
  EXPECT_EQ(document.Camera().Width(), 2920);
}

TEST(CameraDocumentTest, ApplyRecordsOnlyWhatTheModelAccepted) {
  CCameraDocument document;
  CreateSampleCamera(document);
  const CWallCollection* right = document.Camera().WallAt(1);
  const uint64_t generation = document.CameraGeneration();
  EditRefusal why = EditRefusal::kNone;
  EXPECT_FALSE(document.Apply(MoveWallRecord(0, 0, 300), &why));
  EXPECT_EQ(why, EditRefusal::kFirstSegment);
  for (const EditRecord& own : {CreateCameraRecord(1, 1, 1, 1), CameraFlagsRecord(true, false), ScaleRecord(1.0),
                                OriginRecord(0, 0)}) {
    EXPECT_FALSE(document.Apply(own, &why)) << own.op;
    EXPECT_EQ(why, EditRefusal::kBadArgument);
  }
  EXPECT_EQ(document.Log().size(), 1u);

  ApplyOrFail(document, FillAllWallsRecord());
  EXPECT_EQ(Ops(document), (std::vector<int32_t>{0, 3}));
  // A live edit keeps the camera object: the window's selection stays valid.
  EXPECT_EQ(document.Camera().WallAt(1), right);
  EXPECT_EQ(document.CameraGeneration(), generation);
}

TEST(CameraDocumentTest, UndoNeverTakesTheCreationOrItsFlags) {
  CCameraDocument plain;
  CreateSampleCamera(plain);
  EXPECT_FALSE(plain.CanUndo());
  EXPECT_FALSE(plain.Undo());
  EXPECT_EQ(plain.Log().size(), 1u);

  CCameraDocument noFloor;
  CreateSampleCamera(noFloor, true);
  ApplyOrFail(noFloor, FillAllWallsRecord());
  EXPECT_TRUE(noFloor.Undo());
  EXPECT_FALSE(noFloor.Undo());
  EXPECT_EQ(Ops(noFloor), (std::vector<int32_t>{0, 12}));
  EXPECT_TRUE(noFloor.Camera().NoFloor());
}

TEST(CameraDocumentTest, UndoAndRedoWalkThroughEveryState) {
  CCameraDocument document;
  CreateSampleCamera(document, true);
  CCameraDocument source;
  BuildRichCamera(source);
  std::vector<std::string> states{CameraState(document)};
  for (size_t i = 2; i < source.Log().size(); ++i) {
    ApplyOrFail(document, source.Log()[i]);
    states.push_back(CameraState(document));
  }
  for (size_t i = states.size() - 1; i > 0; --i) {
    const uint64_t generation = document.CameraGeneration();
    ASSERT_TRUE(document.Undo());
    EXPECT_NE(document.CameraGeneration(), generation);
    ASSERT_EQ(CameraState(document), states[i - 1]) << "undo to state " << i - 1;
  }
  EXPECT_FALSE(document.CanUndo());
  for (size_t i = 1; i < states.size(); ++i) {
    ASSERT_TRUE(document.Redo());
    ASSERT_EQ(CameraState(document), states[i]) << "redo to state " << i;
  }
  EXPECT_FALSE(document.CanRedo());
  EXPECT_EQ(document.SaveBytes(), source.SaveBytes());
}

TEST(CameraDocumentTest, NewRecordAfterUndoClearsTheRedoRecords) {
  CCameraDocument document;
  CreateSampleCamera(document);
  ApplyOrFail(document, FillAllWallsRecord());
  ApplyOrFail(document, PanelDoorRecord(0, 1, 10, 1, 0));
  ASSERT_TRUE(document.Undo());
  EXPECT_TRUE(document.CanRedo());
  ApplyOrFail(document, ClearWallRecord(2));
  EXPECT_FALSE(document.CanRedo());
  EXPECT_FALSE(document.Redo());
  EXPECT_EQ(Ops(document), (std::vector<int32_t>{0, 3, 11}));
}

TEST(CameraDocumentTest, LoadingAndSavingWithoutEditsWritesTwoScaleAndOriginPairs) {
  CCameraDocument document;
  CreateSampleCamera(document);
  CCameraDocument loaded;
  loaded.LoadBytes(document.SaveBytes());
  EXPECT_FALSE(loaded.IsModified());
  EXPECT_FALSE(loaded.CanRedo());
  CCameraDocument again;
  again.LoadBytes(loaded.SaveBytes());
  EXPECT_EQ(Ops(again), (std::vector<int32_t>{0, 9, 10, 9, 10}));
}

TEST(CameraDocumentTest, UndoRightAfterLoadingDropsTheOriginRecordFirst) {
  CCameraDocument document;
  CreateSampleCamera(document);
  ApplyOrFail(document, FillAllWallsRecord());
  ASSERT_TRUE(document.Camera().SetScale(0.5));
  document.Camera().StoredView().SetOrigin(300, 40);
  CCameraDocument loaded;
  loaded.LoadBytes(document.SaveBytes());
  EXPECT_DOUBLE_EQ(loaded.Camera().Scale(), 0.5);
  EXPECT_EQ(loaded.Camera().OriginX(), 300);
  ASSERT_TRUE(loaded.Undo());
  EXPECT_EQ(loaded.Log().back().op, kOpScale);
  EXPECT_DOUBLE_EQ(loaded.Camera().Scale(), 0.5);
  EXPECT_EQ(std::make_pair(loaded.Camera().OriginX(), loaded.Camera().OriginY()), std::make_pair(100, 100));
  EXPECT_TRUE(loaded.Camera().WallAt(0)->IsFullyDivided());
}

TEST(CameraDocumentTest, UndoEditPassesOverThePlaceALoadedFileBrought) {
  CCameraDocument document;
  CreateSampleCamera(document);
  ApplyOrFail(document, FillAllWallsRecord());
  CCameraDocument loaded;
  loaded.LoadBytes(document.SaveBytes());
  ASSERT_EQ(Ops(loaded), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls, kOpScale, kOpOrigin}));

  ASSERT_TRUE(loaded.UndoEdit());
  EXPECT_EQ(Ops(loaded), std::vector<int32_t>{kOpCreateCamera});
  EXPECT_FALSE(loaded.Camera().WallAt(0)->IsFullyDivided());
  EXPECT_TRUE(loaded.IsModified());
  EXPECT_FALSE(loaded.CanUndoEdit());
  EXPECT_FALSE(loaded.UndoEdit());

  ASSERT_TRUE(loaded.RedoEdit());
  EXPECT_EQ(Ops(loaded), (std::vector<int32_t>{kOpCreateCamera, kOpFillAllWalls}));
  EXPECT_TRUE(loaded.Camera().WallAt(0)->IsFullyDivided());
  ASSERT_TRUE(loaded.RedoEdit());  // the place records alone
  EXPECT_FALSE(loaded.CanRedo());
  EXPECT_FALSE(loaded.IsModified());

  // A file of nothing but the camera and its place has no edit to take back.
  CCameraDocument bare;
  CreateSampleCamera(bare, false, true);
  CCameraDocument placed;
  placed.LoadBytes(bare.SaveBytes());
  EXPECT_TRUE(placed.CanUndo());
  EXPECT_FALSE(placed.CanUndoEdit());
  EXPECT_FALSE(placed.UndoEdit());
  EXPECT_EQ(placed.Log().size(), 4u);
}

TEST(CameraDocumentTest, AnOriginBeyondWhatAReloadTakesIsSavedAtTheNearestOneThatLoads) {
  CCameraDocument document;
  CreateSampleCamera(document);
  document.Camera().StoredView().SetOrigin(std::numeric_limits<int32_t>::max(), -CPixelMapping::kMaxOrigin - 5);
  CCameraDocument loaded;
  loaded.LoadBytes(document.SaveBytes());
  EXPECT_EQ(std::make_pair(loaded.Camera().OriginX(), loaded.Camera().OriginY()),
            std::make_pair(CPixelMapping::kMaxOrigin, -CPixelMapping::kMaxOrigin));
}

TEST(CameraDocumentTest, ZoomAndPanAreSavedButAreNoChange) {
  CCameraDocument document;
  CreateSampleCamera(document);
  CScratchDir dir;
  ASSERT_FALSE(document.Save(dir.File("a.kry")));
  EXPECT_FALSE(document.IsModified());
  ASSERT_TRUE(document.Camera().StoredView().ZoomAbout(200, 200, true));
  EXPECT_FALSE(document.IsModified());
  CCameraDocument loaded;
  loaded.LoadBytes(document.SaveBytes());
  EXPECT_EQ(loaded.Camera().StoredView(), document.Camera().StoredView());
  EXPECT_EQ(loaded.Log().size(), 3u);
  EXPECT_EQ(document.Log().size(), 1u);
}

TEST(CameraDocumentTest, UndoBackToTheSavedLogLeavesNothingToSave) {
  CScratchDir dir;
  CCameraDocument document;
  CreateSampleCamera(document);
  ASSERT_FALSE(document.Save(dir.File("a.kry")));
  ApplyOrFail(document, FillAllWallsRecord());
  EXPECT_TRUE(document.IsModified());
  ASSERT_TRUE(document.Undo());
  EXPECT_FALSE(document.IsModified());
  ASSERT_TRUE(document.Redo());
  EXPECT_TRUE(document.IsModified());
}

TEST(CameraDocumentTest, FailedLoadKeepsTheCameraAndFailedSaveKeepsTheChanges) {
  CScratchDir dir;
  CCameraDocument document;
  CreateSampleCamera(document);
  ApplyOrFail(document, FillAllWallsRecord());
  const std::string state = CameraState(document);
  EXPECT_TRUE(document.Load(dir.File("missing.kry")));
  EXPECT_EQ(CameraState(document), state);
  EXPECT_EQ(document.Log().size(), 2u);

  // A file that builds no camera does not replace the one on the screen.
  WriteFileBytes(dir.File("other.kry"), "not a camera file at all");
  const FileError error = document.Load(dir.File("other.kry"));
  EXPECT_EQ(error.problem.rfind("holds no camera", 0), 0u) << error.problem;
  EXPECT_EQ(CameraState(document), state);

  EXPECT_TRUE(document.Save(dir.File("no-such-folder/a.kry")));
  EXPECT_TRUE(document.IsModified());
  EXPECT_TRUE(document.Save(dir.Path()));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path()));
}

TEST(CameraDocumentTest, SavingOverAFileReplacesItWhole) {
  CScratchDir dir;
  const std::string path = dir.File("camera.kry");
  WriteFileBytes(path, std::string(5000, 'x'));
  CCameraDocument document;
  CreateSampleCamera(document);
  ASSERT_FALSE(document.Save(path));
  EXPECT_EQ(ReadFileBytes(path), document.SaveBytes());
  CCameraDocument loaded;
  CameraFileReadResult result;
  ASSERT_FALSE(loaded.Load(path, &result));
  EXPECT_EQ(result.end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(CameraState(loaded), CameraState(document));
}

struct RoundTripCase {
  const char* name;
  bool noFloor;
  bool locked;
  std::vector<EditRecord> edits;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

const int32_t kWidths[] = {600, 600};
const int32_t kStrip[] = {1200, 900};
const int32_t kPieces[] = {1000, 600};

// Whatever the user did, the file rebuilds it: the same walls, panels,
// partitions, floor, dimensions and tallies after save and load.
TEST_P(RoundTripTest, SaveAndLoadRebuildTheSameCamera) {
  const RoundTripCase& c = GetParam();
  CCameraDocument document;
  CreateSampleCamera(document, c.noFloor, c.locked);
  for (const EditRecord& record : c.edits) ApplyOrFail(document, record);
  CScratchDir dir;
  const std::string path = dir.File("camera.kry");
  ASSERT_FALSE(document.Save(path));

  CCameraDocument loaded;
  ASSERT_FALSE(loaded.Load(path));
  EXPECT_EQ(CameraState(loaded), CameraState(document));
  EXPECT_EQ(loaded.Camera().GeometryLocked(), c.locked);
  EXPECT_EQ(loaded.Description(), document.Description());
  ASSERT_EQ(loaded.Log().size(), document.Log().size() + 2);
  EXPECT_TRUE(std::equal(document.Log().begin(), document.Log().end(), loaded.Log().begin()));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, RoundTripTest,
    ::testing::Values(
        RoundTripCase{"NoFloor", true, false, {FillAllWallsRecord()}},
        RoundTripCase{"GeometryLock", false, true, {}},
        RoundTripCase{"NoFloorAndLock", true, true, {AutoFillWallRecord(2)}},
        RoundTripCase{"Corner", false, false, {SplitWallRecord(1, false, 600), FillAllWallsRecord()}},
        RoundTripCase{"MovedWall", false, false,
                      {SplitWallRecord(1, false, 600), MoveWallRecord(2, 1, 500), FillAllWallsRecord()}},
        RoundTripCase{"MovedLastWall", false, false, {MoveWallRecord(3, 1, 300), FillAllWallsRecord()}},
        RoundTripCase{"Doors", false, false,
                      {FillAllWallsRecord(), PanelDoorRecord(0, 1, 6, 0, 1850), PanelDoorRecord(2, 1, 11, 0, 2000),
                       PanelDoorRecord(1, 0, 10, 3, 0)}},
        RoundTripCase{"ManualDivision", false, false, {FillAllWallsRecord(), DivideWallRecord(0, kWidths)}},
        RoundTripCase{"ClearedWall", false, false, {FillAllWallsRecord(), ClearWallRecord(2)}},
        RoundTripCase{"Partitions", false, false,
                      {AddPartitionRecord(1500, 40, 1840, 1), AddPartitionRecord(40, 1000, 1400, 0),
                       AutoFillPartitionRecord(0), DividePartitionRecord(1, kWidths), ClearPartitionRecord(0),
                       AutoFillPartitionRecord(0), AddPartitionRecord(2000, 40, 300, 1), DeletePartitionRecord(0)}},
        RoundTripCase{"DoorOnAPartitionPanel", false, false,
                      {AddPartitionRecord(1500, 40, 1840, 1), AutoFillPartitionRecord(0),
                       PartitionPanelDoorRecord(0, 1, 10, 2, 0), PartitionPanelDoorRecord(0, 0, 11, 0, 1700)}},
        RoundTripCase{"FloorStripWithCuts", false, false, {DivideFloorStripRecord(0, kStrip, kPieces)}},
        RoundTripCase{"FloorStripWithoutCuts", false, false, {DivideFloorStripRecord(0, kStrip, {})}},
        RoundTripCase{"NonStandardPanelFixed", false, false,
                      {FillAllWallsRecord(), PanelDoorRecord(2, 0, 10, 1, 0), ResizePanelRecord(0, 2, 600)}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& param) { return param.param.name; });

TEST(CameraDocumentTest, EveryOperationTogetherSurvivesSaveAndLoad) {
  CCameraDocument document;
  BuildRichCamera(document);
  CCameraDocument loaded;
  EXPECT_EQ(loaded.LoadBytes(document.SaveBytes()).end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(CameraState(loaded), CameraState(document));
  EXPECT_EQ(loaded.Camera().PartitionCount(), 2);
  EXPECT_TRUE(loaded.Camera().NoFloor());
  // zamo-cli's golden case of the same edits holds exactly these bytes.
  EXPECT_EQ(document.SaveBytes(), ReadFileBytes(ZAMO_SOURCE_DIR "/tests/cli/data/every-operation/camera.kry"));
}

}  // namespace
