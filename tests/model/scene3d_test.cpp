#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "modeltesthelpers.h"
#include "paneltally.h"
#include "scene3d.h"
#include "sceneview.h"

namespace {

// A camera of random shape and division: a rectangle, perhaps bent into an
// L or a step, partitions, doors and openings, cut floor strips, with or
// without a floor.
std::unique_ptr<CChamber> RandomCamera(std::mt19937& random) {
  const auto pick = [&random](int n) { return static_cast<int32_t>(random() % static_cast<uint32_t>(n)); };
  auto camera = MakeCamera(2400 + 300 * pick(20), 2400 + 300 * pick(16), pick(2) ? 80 : 100, 2000 + 100 * pick(10));
  for (int bend = pick(3); bend > 0; --bend) {
    const int wall = 1 + pick(camera->WallCount() - 1);
    if (camera->SplitWall(wall, pick(2) == 0, 600 + 300 * pick(5))) camera->MoveWall(wall, 300 + 300 * pick(6));
  }
  camera->FillAllWalls();
  for (int p = pick(3); p > 0; --p) {
    auto partition = std::make_unique<CPartition>();
    const bool vertical = pick(2) == 0;
    const int32_t length = (pick(2) ? 1 : -1) * (900 + 300 * pick(6));
    if (!partition->SetStart(600 + 300 * pick(6), 600 + 300 * pick(6)) ||
        !partition->Init(length, camera->Thickness(), camera.get(),
                         vertical ? Orientation::kVertical : Orientation::kHorizontal))
      continue;
    if (CPartition* added = camera->AddPartition(std::move(partition))) added->AutoFill();
  }
  const int32_t kinds[] = {kContainerDoorLeft, kContainerDoorRight, kSlidingDoorLeft, kSlidingDoorRight,
                           kSwingDoorBlock, kOpening};
  for (int d = pick(6); d > 0; --d) {
    const int32_t kind = kinds[pick(6)];
    const int32_t variant = kind == kSwingDoorBlock ? 1 + pick(3) : 0;
    const int wall = pick(camera->WallCount());
    camera->SetPanelDoor(wall, pick(camera->WallAt(wall)->PanelCount()), kind, variant, 1800 + 100 * pick(8));
    if (camera->PartitionCount() > 0) {
      const int partition = pick(camera->PartitionCount());
      camera->SetPartitionPanelDoor(partition, pick(camera->PartitionAt(partition)->PanelCount()), kind, variant,
                                    2000);
    }
  }
  for (int s = 0; s < camera->FloorStripCount(); ++s) {
    CFloorStrip* strip = camera->FloorStripAt(s);
    const int32_t first = strip->PanelLength() / (2 + pick(3));
    if (pick(2) && first > 0) strip->SetCuts(std::vector<int32_t>{first, strip->PanelLength() - first});
  }
  camera->SetNoFloor(pick(4) == 0);
  return camera;
}

using WallKey = std::tuple<int32_t, int32_t, int32_t>;  // kind, width (0 for openings), opening height
using FlatKey = std::pair<int32_t, int32_t>;            // width, length

// What the tally prices: wall panel types with their counts, and the side
// panels that door blocks take in.
void CountTally(const std::vector<WallPanelTally>& tally, std::map<WallKey, int>& types, int& sidePanels) {
  for (const WallPanelTally& r : tally) {
    types[{r.kind, r.kind == kOpening ? 0 : r.width, r.openingHeight}] += r.count;
    sidePanels += r.count * ((r.nextWidth > 0) + (r.prevWidth > 0));
  }
}

}  // namespace

TEST(Scene3dTest, EveryPricedPanelIsDrawnOnceOnRandomCameras) {
  std::mt19937 random(20261209);
  int priced = 0;
  for (int round = 0; round < 80; ++round) {
    SCOPED_TRACE(round);
    auto camera = RandomCamera(random);
    std::vector<WallPanelTally> walls, partitions;
    std::vector<FloorPanelTally> flats;
    ASSERT_TRUE(TallyWallPanels(*camera, walls));
    ASSERT_TRUE(TallyPartitionPanels(*camera, partitions));
    // A floor strip too narrow for any panel leaves a camera that cannot
    // be priced at all.
    if (!TallyFloorPanels(*camera, flats)) continue;
    ++priced;

    const CScene3d scene = CScene3d::Build(*camera, round % 2 ? LidMode::kLifted : LidMode::kTransparent);
    ASSERT_FALSE(scene.Truncated());
    // A panel is in the picture when one of its faces is.
    std::set<int> drawn;
    for (const SceneFace& face : scene.Faces())
      if (face.panel >= 0) drawn.insert(face.panel);

    std::map<WallKey, int> wallTypes[2], sceneTypes[2];
    int sidePanels[2] = {0, 0}, sceneSidePanels[2] = {0, 0};
    CountTally(walls, wallTypes[0], sidePanels[0]);
    CountTally(partitions, wallTypes[1], sidePanels[1]);
    std::map<FlatKey, int> flatTypes, floorScene, ceilingScene;
    for (const FloorPanelTally& r : flats) flatTypes[{r.width, r.length}] += r.count;

    std::set<std::tuple<ScenePart, int, int, int>> places;
    for (int id = 0; id < static_cast<int>(scene.Panels().size()); ++id) {
      const ScenePanel& p = scene.Panels()[static_cast<size_t>(id)];
      ASSERT_TRUE(drawn.count(id)) << "panel " << id << " has no face";
      ASSERT_TRUE(places.insert({p.part, p.run, p.index, p.piece}).second) << "panel " << id << " twice";
      switch (p.part) {
        case ScenePart::kWallPanel:
        case ScenePart::kPartitionPanel: {
          const int side = p.part == ScenePart::kPartitionPanel;
          const CWallCollection& run =
              side ? static_cast<const CWallCollection&>(*camera->PartitionAt(p.run)) : *camera->WallAt(p.run);
          const CWallPanel& panel = *run.PanelAt(p.index);
          if (p.besideDoor) {
            ++sceneSidePanels[side];
          } else {
            ++sceneTypes[side][{p.kind, p.kind == kOpening ? 0 : p.width,
                                p.kind == kOpening ? panel.OpeningHeight() : 0}];
          }
          // Where the plan has the panel: its middle picks it on the run.
          if (panel.IsDoor()) {
            const ModelPoint start = side ? camera->PartitionAt(p.run)->Start() : camera->WallStart(p.run);
            const ModelPoint middle{static_cast<int32_t>(std::lround((p.from.x + p.to.x) / 2)),
                                    static_cast<int32_t>(std::lround((p.from.y + p.to.y) / 2))};
            EXPECT_EQ(run.PanelIndexAt(start, middle), p.index) << "door " << id;
          }
          break;
        }
        case ScenePart::kFloorPanel: ++floorScene[{p.width, p.length}]; break;
        case ScenePart::kCeilingPanel: ++ceilingScene[{p.width, p.length}]; break;
        default: FAIL() << "panel " << id << " of no priced kind";
      }
    }
    EXPECT_EQ(sceneTypes[0], wallTypes[0]);
    EXPECT_EQ(sceneTypes[1], wallTypes[1]);
    EXPECT_EQ(sceneSidePanels[0], sidePanels[0]);
    EXPECT_EQ(sceneSidePanels[1], sidePanels[1]);
    EXPECT_EQ(ceilingScene, flatTypes);
    EXPECT_EQ(floorScene, camera->NoFloor() ? decltype(flatTypes){} : flatTypes);
  }
  EXPECT_GE(priced, 50);
}

TEST(Scene3dTest, DoorsHaveTheLeafOfTheirKindInTheirOpening) {
  struct Case {
    int32_t kind;
    int leaves;
    double shift;  // where the leaf's middle lies along the run from the panel's middle, in panel widths
  };
  const Case cases[] = {{kSwingDoorBlock, 1, 0}, {kContainerDoorLeft, 1, 0}, {kContainerDoorRight, 1, 0},
                        {kSlidingDoorLeft, 1, -0.5}, {kSlidingDoorRight, 1, 0.5}, {kOpening, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    auto camera = MakeCamera(3700, 2500, 100, 2500);
    camera->FillAllWalls();
    ASSERT_TRUE(camera->SetPanelDoor(0, 1, c.kind, c.kind == kSwingDoorBlock ? 2 : 0, 2100));
    const CScene3d scene = CScene3d::Build(*camera, LidMode::kTransparent);
    const auto door = std::find_if(scene.Panels().begin(), scene.Panels().end(), [](const ScenePanel& p) {
      return p.part == ScenePart::kWallPanel && p.run == 0 && p.index == 1;
    });
    ASSERT_NE(door, scene.Panels().end());
    const int id = static_cast<int>(door - scene.Panels().begin());
    int leaves = 0;
    double top = 0;
    for (const SceneFace& face : scene.Faces()) {
      if (face.panel == id) top = std::max({top, face.corners[0].z, face.corners[2].z});
      if (face.part != ScenePart::kDoorLeaf) continue;
      ++leaves;
      EXPECT_EQ(face.panel, id);
      // The top wall runs along x from left to right; the leaf stands in
      // front of it (y below the wall's outer face) and beside its panel.
      const double middle = (face.corners[0].x + face.corners[1].x) / 2;
      const double panelMiddle = (door->from.x + door->to.x) / 2;
      const double reach = c.shift == 0 ? door->width / 2.0 : 1;
      EXPECT_NEAR(middle, panelMiddle + c.shift * door->width, reach);
      EXPECT_LE(std::min(face.corners[0].y, face.corners[1].y), door->from.y);
    }
    EXPECT_EQ(leaves, c.leaves);
    // The wall above the door reaches the top of the camera's walls.
    EXPECT_DOUBLE_EQ(top, camera->Thickness() + camera->Height());
  }
}

TEST(SceneViewTest, CornerViewsSeeTheirCornerNearestAndFitTheArea) {
  auto camera = MakeCamera(6000, 4000, 100, 2500);
  camera->FillAllWalls();
  const CScene3d scene = CScene3d::Build(*camera, LidMode::kLifted);
  const PixelRect area{0, 0, 800, 600};
  // Front left, front right, back right, back left of the plan (y down).
  const SceneVec corners[] = {{0, 4000, 0}, {6000, 4000, 0}, {6000, 0, 0}, {0, 0, 0}};
  for (int n = 1; n <= SceneViewpoint::kPresetCount; ++n) {
    SCOPED_TRACE(n);
    const CSceneProjection projection(scene, SceneViewpoint::Preset(n), area);
    for (int k = 0; k < 4; ++k)
      if (k != n - 1) {
        EXPECT_GT(projection.Depth(corners[n - 1]), projection.Depth(corners[k]));
      }
    int32_t left = area.right, right = 0, top = area.bottom, bottom = 0;
    for (const SceneFace& face : scene.Faces())
      for (const SceneVec& v : face.corners) {
        const PixelPoint p = projection.Project(v);
        left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y),
        bottom = std::max(bottom, p.y);
      }
    EXPECT_GE(left, 0);
    EXPECT_LE(right, area.right);
    EXPECT_GE(top, 0);
    EXPECT_LE(bottom, area.bottom);
    // Fitted: the picture fills the area one way or the other.
    EXPECT_TRUE(right - left > 0.85 * area.right || bottom - top > 0.85 * area.bottom);
  }
}

TEST(SceneViewTest, FacesArePaintedFloorFirstThenInsideThenOutsideFarToNearThenCeiling) {
  auto camera = MakeCamera(4000, 3000, 100, 2500);
  camera->FillAllWalls();
  const CScene3d scene = CScene3d::Build(*camera, LidMode::kLifted);
  SceneViewpoint view = SceneViewpoint::Preset(2);
  view.Orbit(17, 11);
  const CSceneProjection projection(scene, view, PixelRect{0, 0, 1000, 700});
  const std::vector<int> order = PaintingOrder(scene, projection);
  ASSERT_FALSE(order.empty());
  const auto layer = [](const SceneFace& face) {
    return face.part == ScenePart::kFloorPanel ? 0 : face.part == ScenePart::kCeilingPanel ? 3 : face.exterior ? 2 : 1;
  };
  double lastDepth = -1e300;
  int lastLayer = 0;
  size_t hidden = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    const SceneFace& face = scene.Faces()[static_cast<size_t>(order[i])];
    const int l = layer(face);
    ASSERT_GE(l, lastLayer);
    SceneVec middle;
    for (const SceneVec& v : face.corners) middle = {middle.x + v.x / 4, middle.y + v.y / 4, middle.z + v.z / 4};
    const double depth = projection.Depth(middle);
    if (l == lastLayer) {
      EXPECT_GE(depth, lastDepth);
    }
    lastLayer = l;
    lastDepth = depth;
  }
  for (const SceneFace& face : scene.Faces()) hidden += !projection.Faces(face.normal);
  // Turned-away faces (the far side of every slab and post) are left out.
  EXPECT_EQ(order.size() + hidden, scene.Faces().size());
  EXPECT_GT(hidden, 0u);
}

TEST(SceneViewTest, OrbitAndZoomStayWithinReach) {
  SceneViewpoint view;
  view.Orbit(400, 200);
  EXPECT_DOUBLE_EQ(view.azimuth, std::fmod(225.0 + 400, 360));
  EXPECT_DOUBLE_EQ(view.elevation, SceneViewpoint::kMaxElevation);
  view.Orbit(-1000, -1000);
  EXPECT_GE(view.azimuth, 0);
  EXPECT_DOUBLE_EQ(view.elevation, SceneViewpoint::kMinElevation);
  view.ZoomBy(1e9);
  EXPECT_DOUBLE_EQ(view.zoom, SceneViewpoint::kMaxZoom);
  view.ZoomBy(std::nan(""));
  view.ZoomBy(-2);
  EXPECT_DOUBLE_EQ(view.zoom, SceneViewpoint::kMaxZoom);
  view.panX = 40;
  view.Fit();
  EXPECT_DOUBLE_EQ(view.zoom, 1);
  EXPECT_DOUBLE_EQ(view.panX, 0);
}

TEST(Scene3dTest, AbsurdlyCutFloorIsCutShortRatherThanExhaustingMemory) {
  auto camera = MakeCamera(600'000, 3000, 100, 2500);
  camera->FillAllWalls();
  CFloorStrip* strip = camera->FloorStripAt(0);
  ASSERT_TRUE(strip->SetCuts(std::vector<int32_t>(1000, 3)));
  const CScene3d scene = CScene3d::Build(*camera, LidMode::kLifted);
  EXPECT_TRUE(scene.Truncated());
  EXPECT_LE(scene.Faces().size(), CScene3d::kMaxFaces);
  EXPECT_LE(scene.Panels().size(), CScene3d::kMaxFaces);
}
