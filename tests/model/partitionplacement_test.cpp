// Where partition mode and "continue as partition" put a partition: square
// to the wall it starts from, between the walls' inner faces, running from
// the corner its record names.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "modeltesthelpers.h"
#include "partitionplacement.h"

namespace {

constexpr Orientation kH = Orientation::kHorizontal;
constexpr Orientation kV = Orientation::kVertical;

// The outline of MakeCamera(3000, 2000, 100), with its inner faces at
// y = 50, x = 2950, y = 1950 and x = 50; kFree for a click in the room.
enum Wall : int { kFree = -1, kTop, kRight, kBottom, kLeft };

}  // namespace

TEST(PartitionPlacementTest, ClicksGiveTheOfferedLengthAndTheRecordedPartition) {
  struct Case {
    const char* what;
    ModelPoint start;
    int startWall;
    ModelPoint end;
    int endWall;
    int32_t length;
    int64_t offered;
    PartitionSpec expected;
  };
  const Case cases[] = {
      {"wall into the room: from the wall's face on", {1000, 0}, kTop, {1300, 1200}, kFree, 1150, 1150,
       {{1050, 0}, 1150, kV}},
      {"wall into the room, backwards", {1000, 2000}, kBottom, {1000, 800}, kFree, 1150, 1150,
       {{1050, 2000}, -1150, kV}},
      {"room onto a wall behind", {1500, 1000}, kFree, {0, 1000}, kLeft, 1450, 1450, {{0, 1050}, 1450, kH}},
      {"room onto a wall ahead", {1500, 1000}, kFree, {3000, 1000}, kRight, 1450, 1450, {{3000, 1050}, -1450, kH}},
      {"wall to wall: back from the larger corner", {1000, 0}, kTop, {1200, 2000}, kBottom, 1900, 1900,
       {{1250, 2000}, -1900, kV}},
      {"room to room: the larger distance wins", {500, 500}, kFree, {900, 1500}, kFree, 1000, 1000,
       {{950, 1550}, -1000, kV}},
      {"room to room: a tie is horizontal", {500, 500}, kFree, {900, 900}, kFree, 400, 400, {{950, 950}, -400, kH}},
      {"a wall index of a camera since rebuilt is free space", {1000, 0}, 7, {1000, 1200}, kFree, 1200, 1200,
       {{1050, 1250}, -1200, kV}},
      {"a shorter length than offered keeps the start", {1000, 0}, kTop, {1000, 1200}, kFree, 500, 1150,
       {{1050, 0}, 500, kV}},
  };
  auto camera = MakeCamera(3000, 2000, 100);
  for (const Case& c : cases) {
    const std::optional<PartitionPlacement> placement =
        PlacePartition(*camera, c.start, c.startWall, c.end, c.endWall);
    ASSERT_TRUE(placement.has_value()) << c.what;
    EXPECT_EQ(placement->OfferedLength(), c.offered) << c.what;
    EXPECT_EQ(placement->ForLength(c.length), c.expected) << c.what;
  }
}

TEST(PartitionPlacementTest, NoPartitionEndsOnAWallAlongIt) {
  auto camera = MakeCamera(3000, 2000, 100);
  EXPECT_FALSE(PlacePartition(*camera, {1000, 0}, kTop, {3000, 900}, kRight).has_value());
  // From the room the clicks lie farther apart along x: horizontal, as the
  // top wall runs.
  EXPECT_FALSE(PlacePartition(*camera, {500, 1000}, kFree, {2000, 0}, kTop).has_value());
}

TEST(PartitionPlacementTest, AWallContinuesOnItsLineUpToTheWallsBeyondIt) {
  // The left wall's lower part stands 600 further out: wall 4 is the step
  // between the two parts, wall 5 the upper part.
  auto camera = MakeCamera(3000, 2000, 100);
  ASSERT_TRUE(camera->SplitWall(3, false, 900));
  ASSERT_TRUE(camera->MoveWall(4, 600));
  struct Side {
    ModelPoint start;
    std::vector<int64_t> gaps;
  };
  const struct {
    int wall;
    Side backwards;
    Side forwards;
  } cases[] = {
      // Posts touch both ends of the top wall: no room on either side.
      {0, {{100, 0}, {}}, {{2500, 0}, {}}},
      // The step goes on one thickness past its end, up to the right
      // wall's inner face.
      {4, {{-500, 1100}, {}}, {{100, 1100}, {2200}}},
      // The upper part runs on down to the bottom wall, the first in chain
      // order; the step after it leaves no room, which ends the side.
      {5, {{0, 0}, {}}, {{0, 1100}, {800}}},
  };
  for (const auto& c : cases) {
    const auto sides = ContinueAsPartitions(*camera, c.wall);
    const Side* expected[] = {&c.backwards, &c.forwards};
    for (size_t k = 0; k < 2; ++k) {
      EXPECT_EQ(sides[k].direction, k == 0 ? -1 : 1);
      EXPECT_EQ(sides[k].orientation, camera->WallAt(c.wall)->GetOrientation());
      EXPECT_EQ(sides[k].start, expected[k]->start) << "wall " << c.wall << " side " << k;
      EXPECT_EQ(sides[k].gaps, expected[k]->gaps) << "wall " << c.wall << " side " << k;
    }
  }
  EXPECT_EQ(ContinueAsPartitions(*camera, 4)[1].ForLength(2200), (PartitionSpec{{100, 1100}, 2200, kH}));
  EXPECT_EQ(ContinueAsPartitions(*camera, 0)[0].ForLength(700), (PartitionSpec{{100, 0}, -700, kH}));
  EXPECT_TRUE(ContinueAsPartitions(*camera, 6)[1].gaps.empty());
}
