#include <gtest/gtest.h>

#include "modeltesthelpers.h"

namespace {

// The window's mapping of a new camera: origin (100, 100), 0.2 pixels per mm.
const CPixelMapping kWindow;

PixelPoint PixelOf(int32_t x, int32_t y) { return kWindow.ToPixel({x, y}); }

CPartition* AddPartition(CChamber& camera, int32_t x, int32_t y, int32_t length, Orientation o,
                         const std::vector<int32_t>& widths) {
  auto owned = std::make_unique<CPartition>();
  EXPECT_TRUE(owned->SetStart(x, y));
  EXPECT_TRUE(owned->Init(length, camera.Thickness(), &camera, o));
  CPartition* partition = camera.AddPartition(std::move(owned));
  Divide(*partition, widths);
  return partition;
}

}  // namespace

TEST(HitTest, PointOnTheEdgeOfASegmentHitsIt) {
  auto camera = MakeCamera(3000, 2000, 100);
  // The top segment's body is pixel (110, 90)-(710, 110).
  CWallCollection* wall = nullptr;
  ASSERT_TRUE(camera->FindWallAt(kWindow, 110, 90, &wall));
  EXPECT_EQ(wall, camera->WallAt(0));
  ASSERT_TRUE(camera->FindWallAt(kWindow, 710, 110, &wall));
  EXPECT_EQ(wall, camera->WallAt(0));
  // Just left of it lies the left wall's body, found after the others.
  ASSERT_TRUE(camera->FindWallAt(kWindow, 109, 90, &wall));
  EXPECT_EQ(wall, camera->WallAt(3));
  // The pixels are those of the mapping given, not of the camera's stored
  // view: at twice the scale the top's far end lies at x = 1320.
  CPixelMapping zoomed;
  ASSERT_TRUE(zoomed.SetScale(0.4));
  EXPECT_FALSE(camera->FindWallAt(camera->StoredView(), 1300, 100, &wall));
  ASSERT_TRUE(camera->FindWallAt(zoomed, 1300, 100, &wall));
  EXPECT_EQ(wall, camera->WallAt(0));
}

TEST(HitTest, MissLeavesTheOutputsUntouched) {
  auto camera = MakeCamera();
  CWallCollection* wall = camera->WallAt(2);
  CWallPanel* panel = nullptr;
  EXPECT_FALSE(camera->FindWallAt(kWindow, 400, 300, &wall, &panel));  // the middle of the room
  EXPECT_EQ(wall, camera->WallAt(2));
  CPartition* partition = nullptr;
  EXPECT_FALSE(camera->FindPartitionAt(kWindow, 400, 300, &partition));
}

TEST(HitTest, PanelIsFoundOnlyInAFullyDividedSegment) {
  auto camera = MakeCamera(3000, 2000, 100);
  CWallCollection* wall = nullptr;
  CWallPanel* panel = camera->WallAt(0)->PanelAt(0);
  const PixelPoint p = PixelOf(1250, 0);
  ASSERT_TRUE(camera->FindWallAt(kWindow, p.x, p.y, &wall, &panel));
  EXPECT_EQ(panel, nullptr);

  camera->FillAllWalls();
  ASSERT_TRUE(camera->FindWallAt(kWindow, p.x, p.y, &wall, &panel));
  EXPECT_EQ(panel, camera->WallAt(0)->PanelAt(1));
  const PixelPoint q = PixelOf(1000, 0);
  ASSERT_TRUE(camera->FindWallAt(kWindow, q.x, q.y, &wall, &panel));
  EXPECT_EQ(panel, camera->WallAt(0)->PanelAt(0));
  // On the bottom wall (running -x from x = 3000) 2900 mm is 100 mm along.
  const PixelPoint r = PixelOf(2900, 2000);
  ASSERT_TRUE(camera->FindWallAt(kWindow, r.x, r.y, &wall, &panel));
  EXPECT_EQ(wall, camera->WallAt(2));
  EXPECT_EQ(panel, camera->WallAt(2)->PanelAt(0));
}

TEST(HitTest, PartitionPanelsArePickedFromThePartitionsOwnStart) {
  auto camera = MakeCamera(5000, 4000, 100);
  CPartition* across = AddPartition(*camera, 1000, 500, 2000, Orientation::kHorizontal, {1200, 800});
  CPartition* partition = nullptr;
  CWallPanel* panel = nullptr;
  PixelPoint p = PixelOf(2300, 500);
  ASSERT_TRUE(camera->FindPartitionAt(kWindow, p.x, p.y, &partition, &panel));
  EXPECT_EQ(partition, across);
  EXPECT_EQ(panel, across->PanelAt(1));

  CPartition* up = AddPartition(*camera, 3000, 1500, -1000, Orientation::kVertical, {600, 400});
  p = PixelOf(3000, 1000);
  ASSERT_TRUE(camera->FindPartitionAt(kWindow, p.x, p.y, &partition, &panel));
  EXPECT_EQ(partition, up);
  EXPECT_EQ(panel, up->PanelAt(0));
  p = PixelOf(3000, 850);
  ASSERT_TRUE(camera->FindPartitionAt(kWindow, p.x, p.y, &partition, &panel));
  EXPECT_EQ(panel, up->PanelAt(1));
}

TEST(HitTest, FloorStripIsFoundByItsRectangle) {
  auto camera = MakeCamera(3000, 2000, 100);
  CFloorStrip* strip = nullptr;
  ASSERT_TRUE(camera->FindFloorStripAt(kWindow, 100, 100, &strip));
  EXPECT_EQ(strip, camera->FloorStripAt(0));
  const PixelPoint corner = PixelOf(3050, 2050);
  EXPECT_TRUE(camera->FindFloorStripAt(kWindow, corner.x, corner.y, &strip));
  EXPECT_FALSE(camera->FindFloorStripAt(kWindow, 0, 0, &strip));
  EXPECT_EQ(strip, nullptr);
}

TEST(HitTest, TheEndOfADividedWallPicksItsLastPanel) {
  // Its last panel's far edge and the corner post beyond it are the wall's
  // too: a click there means the panel, not the bare wall, whose menu would
  // re-divide it and drop its doors.
  auto camera = MakeCamera(3000, 2000, 100);
  camera->FillAllWalls();
  const CWallCollection* top = camera->WallAt(0);  // panels 1200, 1200, 400 from x = 50; post 2850..2950
  for (const int32_t x : {2849, 2850, 2900, 2950}) {
    SCOPED_TRACE(x);
    CWallCollection* wall = nullptr;
    CWallPanel* panel = nullptr;
    const PixelPoint p = PixelOf(x, 0);
    ASSERT_TRUE(camera->FindWallAt(kWindow, p.x, p.y, &wall, &panel));
    EXPECT_EQ(wall, top);
    EXPECT_EQ(panel, top->PanelAt(2));
  }
}
