#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "drawcontext.h"

class CChamber;

// The camera as a set of flat faces in space, built from the model alone, for
// the 3-D picture. Coordinates are millimetres: x and y as on the plan (x
// right, y down), z upwards from the underside of the floor.
//
// Heights: the floor panels lie from 0 to t (none when the camera has no
// floor), the wall panels stand on them up to t + height, and the ceiling
// panels lie on the walls up to height + 2t, as the camera's outer sizes
// say.
struct SceneVec {
  double x = 0;
  double y = 0;
  double z = 0;
};

enum class ScenePart : uint8_t {
  kWallPanel,       // a panel of an outline segment, doors and openings included
  kPartitionPanel,  // a panel of a partition, likewise
  kFloorPanel,      // one piece of a floor panel
  kCeilingPanel,    // one piece of a ceiling panel
  kCornerPost,
  kDoorLeaf,  // the leaf of a door, in the opening of its panel
};

// How the ceiling is shown: see-through (its seams only) or as a solid lid
// lifted off the walls, so that the inside shows either way.
enum class LidMode : uint8_t { kTransparent, kLifted };

// One panel as it is priced: wall and partition panels one each, floor and
// ceiling panels one per piece.
struct ScenePanel {
  ScenePart part = ScenePart::kWallPanel;
  int32_t kind = 0;   // ZamoPanelKind of a wall or partition panel; 0 for the floor and ceiling
  int32_t width = 0;  // mm
  int32_t length = 0;  // floor and ceiling: the piece length as priced; 0 for walls
  int run = 0;        // outline segment, partition or floor strip index
  int index = 0;      // the panel's index in its run or strip
  int piece = 0;      // floor and ceiling: the piece of the panel, first piece first
  // An ordinary panel beside a container or sliding door: priced with the
  // door's block, not as a wall panel.
  bool besideDoor = false;
  // Walls and partitions: the outer face's bottom edge from the panel's
  // start to its end along the run.
  SceneVec from;
  SceneVec to;
};

struct SceneFace {
  std::array<SceneVec, 4> corners{};
  uint8_t cornerCount = 4;
  // The side the face is seen from (a unit vector); zero for a face seen
  // from both sides (door leaves, floor and ceiling).
  SceneVec normal;
  DrawColor color;
  bool filled = true;  // false: only its edges are drawn
  // A door leaf of an outline wall: the wall's outer side. The leaf stands
  // outside the camera, in front of everything else when that side is
  // seen and behind it otherwise.
  SceneVec outside;
  // A face on the outside of the outline (outer faces of wall panels and
  // posts): nothing of the inside stands in front of it.
  bool exterior = false;
  ScenePart part = ScenePart::kWallPanel;
  int panel = -1;  // the ScenePanel it belongs to; -1 for a post
};

class CScene3d {
 public:
  // A scene larger than this is cut short (Truncated), some 40 MB: a
  // damaged file may cut a floor into absurdly many pieces. The largest
  // cameras anyone builds have a few tens of thousands of faces.
  static constexpr size_t kMaxFaces = 250'000;

  CScene3d() = default;
  // The camera's walls, partitions, posts, doors, floor and ceiling. Runs
  // and strips that are not fully divided are drawn as far as their panels
  // go.
  static CScene3d Build(const CChamber& camera, LidMode lid);

  const std::vector<SceneFace>& Faces() const { return faces_; }
  const std::vector<ScenePanel>& Panels() const { return panels_; }
  bool Empty() const { return faces_.empty(); }
  bool Truncated() const { return truncated_; }
  // The box around every face; both zero for an empty scene.
  SceneVec Low() const { return low_; }
  SceneVec High() const { return high_; }

 private:
  friend class CSceneBuilder;
  std::vector<SceneFace> faces_;
  std::vector<ScenePanel> panels_;
  SceneVec low_;
  SceneVec high_;
  bool truncated_ = false;
};
