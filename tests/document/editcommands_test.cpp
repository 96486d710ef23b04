// The editing commands as a user relies on them: each leaves a camera whose
// runs are whole, whose partitions stay inside it and whose doors survive
// where promised; undo gives back exactly what was there; and a saved file
// replays to exactly the camera the commands produced.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>

#include "editcommands.h"
#include "editlogtesthelpers.h"
#include "languageentries.h"

namespace {

namespace ec = edit_commands;

class CAnswers : public IEditAsker {
 public:
  explicit CAnswers(bool answer) : answer_(answer) {}
  bool Confirm(const EditMessage& question) override {
    asked.push_back(question);
    return answer_;
  }
  std::vector<EditMessage> asked;

 private:
  bool answer_;
};

RunRef Wall(int i) { return {RunKind::kWall, i}; }

int DoorCount(const CChamber& camera) {
  int doors = 0;
  const auto count = [&doors](const CWallCollection& run) {
    for (const CWallPanel& p : run.Panels()) doors += p.IsDoor() ? 1 : 0;
  };
  for (int i = 0; i < camera.WallCount(); ++i) count(*camera.WallAt(i));
  for (int i = 0; i < camera.PartitionCount(); ++i) count(*camera.PartitionAt(i));
  return doors;
}

// Every run is undivided or divided exactly to its length, and every
// partition lies within the camera's outer rectangle.
void ExpectSound(const CChamber& camera) {
  ModelRect outer = camera.WallRect(0);
  int64_t left = outer.Left(), top = outer.Top(), right = outer.Right(), bottom = outer.Bottom();
  for (int i = 0; i < camera.WallCount(); ++i) {
    const CWallCollection& wall = *camera.WallAt(i);
    EXPECT_TRUE(wall.PanelCount() == 0 || wall.IsFullyDivided()) << "wall " << i;
    const ModelRect r = camera.WallRect(i);
    left = std::min<int64_t>(left, r.Left());
    top = std::min<int64_t>(top, r.Top());
    right = std::max<int64_t>(right, r.Right());
    bottom = std::max<int64_t>(bottom, r.Bottom());
  }
  for (int i = 0; i < camera.PartitionCount(); ++i) {
    const CPartition& p = *camera.PartitionAt(i);
    EXPECT_TRUE(p.PanelCount() == 0 || p.IsFullyDivided()) << "partition " << i;
    const ModelRect r = p.Rect();
    EXPECT_TRUE(r.Left() >= left && r.Right() <= right && r.Top() >= top && r.Bottom() <= bottom)
        << "partition " << i << " outside the camera";
  }
}

// The sample camera, filled, with a swing door on the top wall's second
// panel and a partition from the top wall.
void MakeFurnished(CCameraDocument& document) {
  CreateSampleCamera(document);
  ASSERT_TRUE(ec::FillAll(document).Applied());
  ASSERT_TRUE(ec::SetDoor(document, Wall(0), 1, DoorChoice::kSwing2040).Applied());
  ASSERT_TRUE(ec::AddPartitionAtWall(document, 0, 1500).Applied());
}

struct Operation {
  const char* name;
  std::function<EditResult(CCameraDocument&, IEditAsker&)> run;
  int doorsAfter;  // the door on the top wall stays unless the operation says otherwise
};

TEST(EditCommandsTest, EveryOperationLeavesASoundCameraAndUndoGivesBackExactlyWhatWasThere) {
  const Operation operations[] = {
      {"fill all keeps the divided walls", [](auto& d, auto&) { return ec::FillAll(d); }, 1},
      {"fill a partition", [](auto& d, auto& a) { return ec::FillRun(d, {RunKind::kPartition, 0}, a); }, 1},
      {"clear the right wall", [](auto& d, auto&) { return ec::ClearRun(d, Wall(1)); }, 1},
      {"opening on the right wall", [](auto& d, auto&) { return ec::SetDoor(d, Wall(1), 0, DoorChoice::kOpening, 2000); }, 2},
      {"remove the door", [](auto& d, auto&) { return ec::RemoveDoor(d, Wall(0), 1); }, 0},
      {"corner on the right wall", [](auto& d, auto& a) { return ec::AddCorner(d, 1, WallEnd::kEnd, 800, a); }, 1},
      {"move the bottom wall outward", [](auto& d, auto& a) { return ec::MoveWall(d, 2, 600, a); }, 1},
      // Both shorten or lengthen the top wall, which loses its division and
      // its door (the question was answered yes).
      {"move the right wall inward", [](auto& d, auto& a) { return ec::MoveWall(d, 1, -400, a); }, 0},
      {"set the top wall's length", [](auto& d, auto& a) { return ec::SetWallLength(d, 0, 3600, WallEnd::kEnd, a); }, 0},
      {"partition from the bottom wall", [](auto& d, auto&) { return ec::AddPartitionAtWall(d, 2, 600, 700); }, 1},
      {"delete the partition", [](auto& d, auto&) { return ec::DeletePartition(d, 0); }, 1},
      {"divide the left wall", [](auto& d, auto&) { return ec::DivideRun(d, Wall(3), std::vector<int32_t>{600, 900}); }, 1},
      {"divide the floor strip", [](auto& d, auto&) { return ec::DivideFloorStrip(d, 0, std::vector<int32_t>{1200}); }, 1},
      {"fix the top wall's last panel", [](auto& d, auto&) { return ec::FixNonStandardPanel(d, 0, 2, 900); }, 1},
  };
  for (const Operation& op : operations) {
    SCOPED_TRACE(op.name);
    CCameraDocument document;
    MakeFurnished(document);
    const std::string before = CameraDocumentJson(document).Dump();
    CAnswers yes(true);
    const EditResult result = op.run(document, yes);
    ASSERT_TRUE(result.Applied()) << result.reason.entry;
    ExpectSound(document.Camera());
    EXPECT_EQ(DoorCount(document.Camera()), op.doorsAfter);
    // What the commands built is what the file rebuilds.
    CCameraDocument reloaded;
    reloaded.LoadBytes(document.SaveBytes());
    EXPECT_EQ(CameraState(reloaded), CameraState(document));
    ASSERT_TRUE(ec::Undo(document).Applied());
    EXPECT_EQ(CameraDocumentJson(document).Dump(), before);
  }
}

TEST(EditCommandsTest, FillAllRecordsTheOldRecordOnAFreshCameraAndOneFillPerRunOtherwise) {
  CCameraDocument document;
  CreateSampleCamera(document);
  ASSERT_TRUE(ec::FillAll(document).Applied());
  EXPECT_EQ(document.Log().back().op, kOpFillAllWalls);

  ASSERT_TRUE(ec::SetDoor(document, Wall(0), 1, DoorChoice::kSwing2040).Applied());
  CAnswers yes(true);
  ASSERT_TRUE(ec::MoveWall(document, 1, 500, yes).Applied());  // top and bottom lose their division
  const size_t logBefore = document.Log().size();
  ASSERT_TRUE(ec::FillAll(document).Applied());
  std::vector<int32_t> ops;
  for (size_t i = logBefore; i < document.Log().size(); ++i) ops.push_back(document.Log()[i].op);
  EXPECT_EQ(ops, (std::vector<int32_t>{kOpAutoFillWall, kOpAutoFillWall}));
  ExpectSound(document.Camera());
  // One undo step takes the whole fill back.
  ASSERT_TRUE(ec::Undo(document).Applied());
  EXPECT_EQ(document.Log().size(), logBefore);
  ASSERT_TRUE(ec::Redo(document).Applied());
  EXPECT_EQ(document.Log().size(), logBefore + 2);
}

TEST(EditCommandsTest, AMoveThatTakesDoorsAwayAsksNamingTheWallsAndNoChangesNothing) {
  CCameraDocument document;
  MakeFurnished(document);
  const std::string before = CameraDocumentJson(document).Dump();
  CAnswers no(false);
  EXPECT_EQ(ec::MoveWall(document, 1, 300, no).status, EditResult::Status::kDeclined);
  ASSERT_EQ(no.asked.size(), 1u);
  EXPECT_EQ(no.asked[0].entry, Lang::kAskRunsLoseDivision);
  EXPECT_EQ(std::get<std::string>(no.asked[0].args[0]), "0 (3000)");
  EXPECT_EQ(CameraDocumentJson(document).Dump(), before);
  // Without doors on the walls that change nothing is asked.
  CAnswers never(false);
  EXPECT_TRUE(ec::MoveWall(document, 2, 300, never).Applied());
  // Moved past the partition's end, the bottom wall would cut it.
  EXPECT_EQ(ec::MoveWall(document, 2, -600, never).refusal, EditRefusal::kWallsWouldCross);
  EXPECT_TRUE(never.asked.empty());
}

TEST(EditCommandsTest, TypedSizesAreTheOnesTheChainThenShows) {
  CCameraDocument document;
  CreateSampleCamera(document);  // outer 3000 x 2000
  CAnswers yes(true);
  const auto chain = [&document](int wall) { return MeasureWallInChain(document.Camera(), wall)->value; };
  // A corner 1500 from either end of the top wall, and of the bottom wall,
  // which runs the other way.
  for (const WallEnd end : {WallEnd::kStart, WallEnd::kEnd}) {
    for (const int wall : {0, 2}) {
      CCameraDocument copy;
      copy.LoadBytes(document.SaveBytes());
      ASSERT_TRUE(ec::AddCorner(copy, wall, end, 1500, yes).Applied());
      const int piece = end == WallEnd::kStart ? wall : wall + 1;
      EXPECT_EQ(MeasureWallInChain(copy.Camera(), piece)->value, 1500) << wall;
    }
  }
  // Typed lengths, either end moving, and moves both ways.
  ASSERT_TRUE(ec::SetWallLength(document, 0, 4200, WallEnd::kEnd, yes).Applied());
  EXPECT_EQ(chain(0), 4200);
  ASSERT_TRUE(ec::SetWallLength(document, 1, 1500, WallEnd::kEnd, yes).Applied());
  EXPECT_EQ(chain(1), 1500);
  ASSERT_TRUE(ec::MoveWall(document, 1, 300, yes).Applied());
  EXPECT_EQ(chain(0), 4500);
  ASSERT_TRUE(ec::MoveWall(document, 1, -1000, yes).Applied());
  EXPECT_EQ(chain(0), 3500);
  EXPECT_EQ(ec::SetWallLength(document, 1, 2500, WallEnd::kStart, yes).reason.entry, Lang::kWallEndFixed);
  EXPECT_EQ(ec::DefaultMovingEnd(document.Camera(), 1), WallEnd::kEnd);
}

TEST(EditCommandsTest, RefusalsNameWhatWouldWork) {
  CCameraDocument document;
  CreateSampleCamera(document);  // inner 2920 x 1920 between the posts' centres
  CAnswers yes(true);
  struct Refusal {
    const char* name;
    std::function<EditResult()> run;
    int entry;
    std::vector<EditArg> args;
  };
  const Refusal refusals[] = {
      {"move inward past the far wall", [&] { return ec::MoveWall(document, 1, -5000, yes); }, Lang::kMoveAtMost,
       {LangRef{Lang::kDirectionInward}, std::string("2839")}},
      {"partition longer than the room", [&] { return ec::AddPartitionAtWall(document, 0, 1000, 99999); },
       Lang::kPartitionTooLong, {std::string("1840")}},
      {"partition beside the wall", [&] { return ec::AddPartitionAtWall(document, 0, 5000); },
       Lang::kPartitionOffsetRange, {std::string("80"), std::string("2840")}},
      {"corner beyond the wall", [&] { return ec::AddCorner(document, 0, WallEnd::kStart, 2990, yes); },
       Lang::kCornerDistanceRange, {std::string("161"), std::string("2919")}},
      {"door on no panel", [&] { return ec::SetDoor(document, Wall(0), 0, DoorChoice::kSwing2040); },
       Lang::kNoSuchPanel, {std::string("0")}},
      {"division longer than the run", [&] { return ec::DivideRun(document, Wall(0), std::vector<int32_t>{3000}); },
       Lang::kWidthWithinRun, {std::string("2840")}},
      {"undo of nothing", [&] { return ec::Undo(document); }, Lang::kNothingToUndo, {}},
  };
  const std::string before = CameraDocumentJson(document).Dump();
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    const EditResult result = r.run();
    EXPECT_EQ(result.status, EditResult::Status::kRefused);
    EXPECT_EQ(result.reason.entry, r.entry);
    ASSERT_EQ(result.reason.args.size(), r.args.size());
    for (size_t i = 0; i < r.args.size(); ++i) {
      if (std::holds_alternative<std::string>(r.args[i])) {
        EXPECT_EQ(std::get<std::string>(result.reason.args[i]), std::get<std::string>(r.args[i])) << i;
      }
    }
    EXPECT_EQ(CameraDocumentJson(document).Dump(), before);
  }
}

TEST(EditCommandsTest, NarrowFloorStripsCanBeDividedWithOnePanelAcross) {
  CCameraDocument document;
  CreateSampleCamera(document);
  CAnswers yes(true);
  // A notch leaves a strip narrower than two edge panels.
  ASSERT_TRUE(ec::AddCorner(document, 1, WallEnd::kEnd, 900, yes).Applied());
  ASSERT_TRUE(ec::MoveWall(document, 2, -2000, yes).Applied());
  const std::vector<int> narrow = ec::NarrowFloorStrips(document.Camera());
  ASSERT_FALSE(narrow.empty());
  ASSERT_TRUE(ec::DivideNarrowFloorStrips(document, yes).Applied());
  for (int i = 0; i < document.Camera().FloorStripCount(); ++i)
    EXPECT_TRUE(document.Camera().FloorStripAt(i)->IsFullyDivided()) << i;
  CCameraDocument reloaded;
  reloaded.LoadBytes(document.SaveBytes());
  EXPECT_EQ(CameraState(reloaded), CameraState(document));
}

// Random edits, most of them refused: whatever was applied, the saved file
// replays to the same walls, panels, strips and tallies, and undoing every
// edit comes back to the fresh camera.
TEST(EditCommandsTest, RandomEditLogsReplayToTheCameraTheCommandsProduced) {
  std::mt19937 random(17);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  CAnswers yes(true);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    CCameraDocument document;
    CreateSampleCamera(document);
    const std::string fresh = CameraDocumentJson(document).Dump();
    int applied = 0;
    for (int step = 0; step < 25; ++step) {
      const CChamber& camera = document.Camera();
      const int wall = pick(0, camera.WallCount() - 1);
      const int partition = pick(0, std::max(0, camera.PartitionCount() - 1));
      const RunRef run = pick(0, 3) == 0 ? RunRef{RunKind::kPartition, partition} : Wall(wall);
      EditResult result;
      switch (pick(0, 11)) {
        case 0: result = ec::FillAll(document); break;
        case 1: result = ec::FillRun(document, run, yes); break;
        case 2: result = ec::ClearRun(document, run); break;
        case 3: result = ec::SetDoor(document, run, pick(0, 3), static_cast<DoorChoice>(pick(0, 7)), 1800); break;
        case 4: result = ec::AddCorner(document, wall, pick(0, 1) ? WallEnd::kStart : WallEnd::kEnd, pick(200, 3000), yes); break;
        case 5: result = ec::MoveWall(document, wall, pick(-2000, 2000), yes); break;
        case 6: result = ec::SetWallLength(document, wall, pick(1000, 5000), pick(0, 1) ? WallEnd::kStart : WallEnd::kEnd, yes); break;
        case 7: result = ec::AddPartitionAtWall(document, wall, pick(0, 3000)); break;
        case 8: result = ec::DeletePartition(document, partition); break;
        case 9: result = ec::DivideRun(document, run, std::vector<int32_t>{pick(1, 1200), pick(1, 1200)}); break;
        case 10: result = ec::FixNonStandardPanel(document, wall, pick(0, 3), pick(1, 4) * 300); break;
        default: result = pick(0, 1) ? ec::Undo(document) : ec::Redo(document); break;
      }
      applied += result.Applied() ? 1 : 0;
      ExpectSound(document.Camera());
    }
    CCameraDocument reloaded;
    reloaded.LoadBytes(document.SaveBytes());
    EXPECT_EQ(CameraState(reloaded), CameraState(document));
    while (document.CanUndoEdit()) ASSERT_TRUE(ec::Undo(document).Applied());
    EXPECT_EQ(CameraDocumentJson(document).Dump(), fresh);
    EXPECT_GT(applied, 0);
  }
}

}  // namespace

namespace {

// A wall continued as a partition may take every length the command offers
// for it: the free-length limit and the offered gaps agree.
TEST(EditCommandsTest, AWallContinuedAsAPartitionTakesTheWholeGapOffered) {
  CCameraDocument document;
  CreateSampleCamera(document);
  CAnswers yes(true);
  // A notch in the bottom right corner: the notch's walls continue into the
  // room up to the far walls.
  ASSERT_TRUE(ec::AddCorner(document, 2, WallEnd::kStart, 1200, yes).Applied());
  ASSERT_TRUE(ec::MoveWall(document, 2, -800, yes).Applied());
  int offered = 0;
  for (int wall = 0; wall < document.Camera().WallCount(); ++wall) {
    for (const PartitionContinuation& side : ContinueAsPartitions(document.Camera(), wall)) {
      for (const int64_t gap : side.gaps) {
        SCOPED_TRACE(testing::Message() << "wall " << wall << " gap " << gap);
        CCameraDocument copy;
        copy.LoadBytes(document.SaveBytes());
        const EditResult result = ec::AddPartition(copy, side.ForLength(static_cast<int32_t>(gap)));
        EXPECT_TRUE(result.Applied()) << result.reason.entry;
        ++offered;
      }
    }
  }
  EXPECT_GT(offered, 0);
}

}  // namespace
