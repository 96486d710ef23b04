#include "scene3d.h"

#include <algorithm>
#include <cmath>

#include "chamber.h"
#include "drawresources.h"

namespace {

// Base colours, shaded by the picture; a panel of a non-standard width has
// the plan's colour for one.
constexpr DrawColor kPanelColor = Rgb(234, 238, 243);
constexpr DrawColor kPartitionColor = Rgb(212, 224, 238);
constexpr DrawColor kPostColor = Rgb(160, 166, 174);
constexpr DrawColor kFloorColor = Rgb(206, 196, 170);
constexpr DrawColor kCeilingColor = Rgb(226, 232, 238);
constexpr DrawColor kLidLineColor = Rgb(40, 80, 170);
constexpr DrawColor kSwingLeafColor = Rgb(96, 128, 168);
constexpr DrawColor kContainerLeafColor = Rgb(70, 96, 120);
constexpr DrawColor kSlidingLeafColor = Rgb(120, 150, 96);

// Door heights: a swing door block by its variant, the others at the
// height every door command gives an opening.
constexpr int32_t kSwingDoorHeights[] = {2040, 2040, 2300, 2560};
// The door frame inside the panel's width, how far a hinged leaf stands
// open, and how far a sliding leaf runs in front of the wall.
constexpr double kFrame = 80;
constexpr double kSwingOpenDegrees = 20;
constexpr double kContainerOpenDegrees = 15;
constexpr double kSlidingOffset = 80;
// A lifted ceiling floats this share of the camera's height above the walls.
constexpr double kLiftShare = 0.45;

DrawColor OddPanelColor() {
  static const DrawColor color = [] {
    const DrawResources screen = DrawResources::Screen(96);
    return screen.oddPanelBrush ? screen.oddPanelBrush->color : Rgb(200, 0, 0);
  }();
  return color;
}

int32_t DoorHeight(const CWallPanel& panel) {
  switch (panel.Kind()) {
    case kSwingDoorBlock: return kSwingDoorHeights[std::clamp(panel.DoorVariant(), 0, kMaxDoorVariant)];
    case kOpening: return panel.OpeningHeight() > 0 ? panel.OpeningHeight() : kDoorKindOpeningHeight;
    default: return kDoorKindOpeningHeight;
  }
}

}  // namespace

// Walks the camera and adds its faces; every face of a panel names that
// panel, so that the picture and the tally can be held against each other.
class CSceneBuilder {
 public:
  CSceneBuilder(CScene3d& scene, const CChamber& camera, LidMode lid) : scene_(scene), camera_(camera), lid_(lid) {
    const double t = std::max(camera.Thickness(), 0);
    const double h = std::max(camera.Height(), 0);
    wallBottom_ = camera.NoFloor() ? 0 : t;
    wallTop_ = wallBottom_ + h;
    lidTop_ = wallTop_ + t + (lid == LidMode::kLifted ? kLiftShare * (h + 2 * t) : 0);
  }

  void Build() {
    for (int i = 0; i < camera_.WallCount(); ++i) {
      const CWallCollection& wall = *camera_.WallAt(i);
      AddRun(wall, camera_.WallRect(i), ScenePart::kWallPanel, i);
      AddPost(wall, i);
    }
    for (int i = 0; i < camera_.PartitionCount(); ++i) {
      const CPartition& partition = *camera_.PartitionAt(i);
      AddRun(partition, partition.Rect(), ScenePart::kPartitionPanel, i);
    }
    for (int s = 0; s < camera_.FloorStripCount(); ++s) {
      if (!camera_.NoFloor()) AddStrip(*camera_.FloorStripAt(s), s, ScenePart::kFloorPanel);
      AddStrip(*camera_.FloorStripAt(s), s, ScenePart::kCeilingPanel);
    }
    Bounds();
  }

 private:
  // A run's own frame: `along` its direction, `across` from its outer face
  // to its inner one.
  struct RunFrame {
    bool vertical = false;
    double sign = 1;         // +1 when the run goes towards +x or +y
    double outer = 0;        // the coordinate across the run of its outer face
    double inner = 0;
    SceneVec outward;        // the outer face's normal
    SceneVec forward;        // the run's direction

    SceneVec At(double along, double across, double z) const {
      return vertical ? SceneVec{across, along, z} : SceneVec{along, across, z};
    }
  };

  static RunFrame FrameOf(const CWallCollection& run, const ModelRect& body) {
    RunFrame f;
    f.vertical = run.IsVertical();
    f.sign = run.Length() < 0 ? -1 : 1;
    // The outline goes clockwise on the plan, so the outside lies to the
    // left of the direction of travel as the plan shows it; a partition
    // takes the same rule.
    if (f.vertical) {
      f.outer = f.sign > 0 ? body.Right() : body.Left();
      f.inner = f.sign > 0 ? body.Left() : body.Right();
      f.outward = {f.sign, 0, 0};
      f.forward = {0, f.sign, 0};
    } else {
      f.outer = f.sign > 0 ? body.Top() : body.Bottom();
      f.inner = f.sign > 0 ? body.Bottom() : body.Top();
      f.outward = {0, -f.sign, 0};
      f.forward = {f.sign, 0, 0};
    }
    return f;
  }

  bool Full() {
    if (scene_.faces_.size() < CScene3d::kMaxFaces) return false;
    scene_.truncated_ = true;
    return true;
  }

  void Quad(SceneVec a, SceneVec b, SceneVec c, SceneVec d, SceneVec normal, DrawColor color, ScenePart part,
            int panel, bool filled = true) {
    if (Full()) return;
    SceneFace face;
    face.corners = {a, b, c, d};
    face.normal = normal;
    face.color = color;
    face.filled = filled;
    face.part = part;
    face.panel = panel;
    scene_.faces_.push_back(face);
  }

  // The faces of a slab of the run from `a` to `b` along it, between two
  // heights: both sides and, when asked, its top.
  void Slab(const RunFrame& f, double a, double b, double z0, double z1, bool top, DrawColor color, ScenePart part,
            int panel) {
    const SceneVec inward{-f.outward.x, -f.outward.y, 0};
    if (z1 > z0) {
      Quad(f.At(a, f.outer, z0), f.At(b, f.outer, z0), f.At(b, f.outer, z1), f.At(a, f.outer, z1), f.outward, color,
           part, panel);
      MarkExterior(part == ScenePart::kWallPanel);
      Quad(f.At(b, f.inner, z0), f.At(a, f.inner, z0), f.At(a, f.inner, z1), f.At(b, f.inner, z1), inward, color,
           part, panel);
    }
    if (top)
      Quad(f.At(a, f.outer, z1), f.At(b, f.outer, z1), f.At(b, f.inner, z1), f.At(a, f.inner, z1), {0, 0, 1}, color,
           part, panel);
  }

  // The end of a slab across the run at `along`, facing `facing` (+1 forward).
  void End(const RunFrame& f, double along, double z0, double z1, double facing, DrawColor color, ScenePart part,
           int panel) {
    if (z1 <= z0) return;
    const SceneVec normal{f.forward.x * facing, f.forward.y * facing, 0};
    Quad(f.At(along, f.outer, z0), f.At(along, f.inner, z0), f.At(along, f.inner, z1), f.At(along, f.outer, z1),
         normal, color, part, panel);
  }

  void AddRun(const CWallCollection& run, const ModelRect& body, ScenePart part, int runIndex) {
    const RunFrame f = FrameOf(run, body);
    const auto panels = run.Panels();
    const size_t n = panels.size();
    // Ordinary panels beside a container or sliding door go with its block,
    // claimed in run order as the tally claims them.
    std::vector<bool> besideDoor(n, false);
    for (size_t i = 0; i < n; ++i) {
      if (!IsSideDoorKind(panels[i].Kind())) continue;
      if (i > 0 && IsOrdinaryKind(panels[i - 1].Kind())) besideDoor[i - 1] = true;
      if (i + 1 < n && IsOrdinaryKind(panels[i + 1].Kind())) besideDoor[i + 1] = true;
    }
    double along = f.vertical ? body.y1 : body.x1;
    for (size_t k = 0; k < n; ++k) {
      if (Full()) return;
      along += run.PanelStep(static_cast<int>(k));
      const CWallPanel& panel = panels[k];
      const double a = along;
      const double b = along + f.sign * panel.Width();
      ScenePanel record;
      record.part = part;
      record.kind = panel.Kind();
      record.width = panel.Width();
      record.run = runIndex;
      record.index = static_cast<int>(k);
      record.besideDoor = besideDoor[k];
      record.from = f.At(a, f.outer, wallBottom_);
      record.to = f.At(b, f.outer, wallBottom_);
      const int id = static_cast<int>(scene_.panels_.size());
      scene_.panels_.push_back(record);
      const DrawColor color = !panel.IsStandardWidth() && !panel.IsDoor() ? OddPanelColor()
                              : part == ScenePart::kPartitionPanel      ? kPartitionColor
                                                                        : kPanelColor;
      if (panel.IsDoor()) {
        AddDoor(f, panel, a, b, color, part, id);
      } else {
        Slab(f, a, b, wallBottom_, wallTop_, true, color, part, id);
      }
      // A partition's ends stand free; an outline run ends at its posts.
      if (run.IsPartition() && k == 0) End(f, a, wallBottom_, wallTop_, -1, color, part, id);
      if (run.IsPartition() && k + 1 == n) End(f, b, wallBottom_, wallTop_, 1, color, part, id);
    }
  }

  // A door panel: the wall above the opening, the opening's sides, and the
  // leaf of its kind.
  void AddDoor(const RunFrame& f, const CWallPanel& panel, double a, double b, DrawColor color, ScenePart part,
               int id) {
    const double height = std::clamp<double>(DoorHeight(panel), 0, wallTop_ - wallBottom_);
    const double doorTop = wallBottom_ + height;
    Slab(f, a, b, doorTop, wallTop_, true, color, part, id);
    End(f, a, wallBottom_, doorTop, 1, color, part, id);
    End(f, b, wallBottom_, doorTop, -1, color, part, id);
    const double width = std::abs(b - a);
    const int32_t kind = panel.Kind();
    if (kind == kOpening || width <= 2 * kFrame || height <= kFrame) return;
    const double leafTop = doorTop - kFrame / 2;
    const double leaf = width - 2 * kFrame;
    if (kind == kSlidingDoorLeft || kind == kSlidingDoorRight) {
      // Slid half open in front of the wall, towards its side.
      const double shift = (kind == kSlidingDoorLeft ? -1 : 1) * f.sign * width / 2;
      const double across = f.outer + (f.outward.x + f.outward.y) * kSlidingOffset;
      Quad(f.At(a + shift, across, wallBottom_), f.At(b + shift, across, wallBottom_),
           f.At(b + shift, across, leafTop), f.At(a + shift, across, leafTop), {}, kSlidingLeafColor,
           ScenePart::kDoorLeaf, id);
      MarkOutside(f, part);
      return;
    }
    // A hinged leaf stands open outwards; a left door hangs at the panel's
    // start, a right one at its end, a swing door block at its start.
    const bool atEnd = kind == kContainerDoorRight;
    const double degrees = kind == kSwingDoorBlock ? kSwingOpenDegrees : kContainerOpenDegrees;
    const double angle = degrees * 3.14159265358979323846 / 180;
    const double hinge = atEnd ? b - f.sign * kFrame : a + f.sign * kFrame;
    const double towardsOpening = atEnd ? -1 : 1;
    const SceneVec h0 = f.At(hinge, f.outer, wallBottom_);
    const double dx = f.forward.x * towardsOpening * std::cos(angle) + f.outward.x * std::sin(angle);
    const double dy = f.forward.y * towardsOpening * std::cos(angle) + f.outward.y * std::sin(angle);
    const SceneVec h1{h0.x + dx * leaf, h0.y + dy * leaf, wallBottom_};
    Quad(h0, h1, {h1.x, h1.y, leafTop}, {h0.x, h0.y, leafTop}, {},
         kind == kSwingDoorBlock ? kSwingLeafColor : kContainerLeafColor, ScenePart::kDoorLeaf, id);
    MarkOutside(f, part);
  }

  void MarkExterior(bool exterior) {
    if (exterior && !scene_.faces_.empty()) scene_.faces_.back().exterior = true;
  }

  void MarkOutside(const RunFrame& f, ScenePart part) {
    if (part == ScenePart::kWallPanel && !scene_.faces_.empty()) scene_.faces_.back().outside = f.outward;
  }

  // The post at the far end of an outline segment, centred on the next
  // reference point.
  void AddPost(const CWallCollection& wall, int index) {
    const CCorner* corner = wall.Corner();
    if (!corner || corner->Size() <= 0) return;
    const int next = (index + 1) % camera_.WallCount();
    const ModelPoint centre = camera_.WallStart(next);
    const double half = corner->Size() / 2.0;
    const double x0 = centre.x - half, x1 = centre.x + half, y0 = centre.y - half, y1 = centre.y + half;
    const double z0 = wallBottom_, z1 = wallTop_;
    const ScenePart part = ScenePart::kCornerPost;
    // The sides that face the way either of its walls faces outwards are
    // on the outside.
    const SceneVec out[2] = {FrameOf(wall, camera_.WallRect(index)).outward,
                             FrameOf(*camera_.WallAt(next), camera_.WallRect(next)).outward};
    const auto side = [&](SceneVec a, SceneVec b, SceneVec c, SceneVec d, SceneVec normal) {
      Quad(a, b, c, d, normal, kPostColor, part, -1);
      for (const SceneVec& o : out) MarkExterior(o.x == normal.x && o.y == normal.y);
    };
    side({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}, {0, -1, 0});
    side({x1, y1, z0}, {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {0, 1, 0});
    side({x0, y1, z0}, {x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {-1, 0, 0});
    side({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, {1, 0, 0});
    Quad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {0, 0, 1}, kPostColor, part, -1);
  }

  // Every piece of every panel of a strip, on the floor or as the ceiling.
  void AddStrip(const CFloorStrip& strip, int stripIndex, ScenePart part) {
    const bool floor = part == ScenePart::kFloorPanel;
    const double z = floor ? wallBottom_ : lidTop_;
    const bool alongX = strip.Direction() == CFloorStrip::kAlongX;
    const std::vector<int32_t> pieces = strip.PieceLengths();
    const bool filled = floor || lid_ == LidMode::kLifted;
    const DrawColor color = !filled ? kLidLineColor : floor ? kFloorColor : kCeilingColor;
    double across = alongX ? strip.X() : strip.Y();
    const auto panels = strip.Panels();
    for (size_t k = 0; k < panels.size(); ++k) {
      across += strip.PanelStep(static_cast<int>(k));
      const double a0 = across, a1 = across + panels[k].Width();
      double along = alongX ? strip.Y() : strip.X();
      for (size_t p = 0; p < pieces.size(); ++p) {
        if (Full()) return;
        const double b0 = along, b1 = along + pieces[p];
        along = b1;
        ScenePanel record;
        record.part = part;
        record.width = panels[k].Width();
        // Priced as the tally prices it: a strip laid along y by its width.
        record.length = alongX ? pieces[p] : strip.W();
        record.run = stripIndex;
        record.index = static_cast<int>(k);
        record.piece = static_cast<int>(p);
        const int id = static_cast<int>(scene_.panels_.size());
        scene_.panels_.push_back(record);
        const auto at = [&](double u, double v) { return alongX ? SceneVec{u, v, z} : SceneVec{v, u, z}; };
        Quad(at(a0, b0), at(a1, b0), at(a1, b1), at(a0, b1), {}, color, part, id, filled);
      }
    }
  }

  void Bounds() {
    if (scene_.faces_.empty()) return;
    SceneVec low = scene_.faces_.front().corners[0];
    SceneVec high = low;
    for (const SceneFace& face : scene_.faces_)
      for (uint8_t i = 0; i < face.cornerCount; ++i) {
        const SceneVec& v = face.corners[i];
        low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
      }
    scene_.low_ = low;
    scene_.high_ = high;
  }

  CScene3d& scene_;
  const CChamber& camera_;
  LidMode lid_;
  double wallBottom_ = 0;
  double wallTop_ = 0;
  double lidTop_ = 0;
};

CScene3d CScene3d::Build(const CChamber& camera, LidMode lid) {
  CScene3d scene;
  CSceneBuilder(scene, camera, lid).Build();
  return scene;
}
