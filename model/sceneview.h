#pragma once

#include <cstdint>
#include <vector>

#include "drawcontext.h"
#include "scene3d.h"

// Where the 3-D picture is seen from, and the picture itself: a parallel
// projection of the scene fitted into a rectangle of the surface, its faces
// painted from the farthest to the nearest (no depth buffer is needed, so it
// draws on any CDrawContext: the window, an image, a page, an SVG file).
struct SceneViewpoint {
  static constexpr int kPresetCount = 4;
  static constexpr double kMinElevation = 5, kMaxElevation = 85;  // degrees
  static constexpr double kMinZoom = 0.05, kMaxZoom = 50;

  // Degrees about the vertical: 0 looks from the plan's right, 90 from its
  // top edge (the plan's y runs down), and so on anticlockwise.
  double azimuth = 225;
  // Degrees above the horizon.
  double elevation = 30;
  // On top of the fit: 1 shows the whole camera.
  double zoom = 1;
  // Pixels the picture is moved by.
  double panX = 0;
  double panY = 0;

  // From corner n (1 to 4, others give 1): front left, front right, back
  // right, back left of the plan as it lies on the screen; fitted.
  static SceneViewpoint Preset(int n);
  // Turns by the given degrees; the elevation stays within its range.
  void Orbit(double azimuthDegrees, double elevationDegrees);
  // Multiplies the zoom, within its range.
  void ZoomBy(double factor);
  // The whole camera in the picture again, from where it is seen now.
  void Fit();
};

// The projection of one picture: scene millimetres to surface pixels.
class CSceneProjection {
 public:
  // Fitted so that the scene's box fills `area` (less a margin), then the
  // viewpoint's zoom and pan.
  CSceneProjection(const CScene3d& scene, const SceneViewpoint& view, const PixelRect& area);

  PixelPoint Project(const SceneVec& p) const;
  // Towards the viewer: a larger depth is nearer.
  double Depth(const SceneVec& p) const;
  // Whether a face with this normal turns towards the viewer; a face with no
  // normal always does.
  bool Faces(const SceneVec& normal) const;
  // Pixels per millimetre.
  double Scale() const { return scale_; }

 private:
  double Right(const SceneVec& p) const;
  double Up(const SceneVec& p) const;

  double cosAz_ = 1, sinAz_ = 0, cosEl_ = 1, sinEl_ = 0;
  SceneVec centre_;
  double scale_ = 1;
  double originX_ = 0;
  double originY_ = 0;
};

// The faces a picture shows, in painting order (indexes into the scene's
// faces): the floor first, then the leaves outside walls whose inner side
// is seen, then the inside (walls, partitions, posts, the other leaves) from
// the farthest to the nearest, the outline's outer faces likewise, the
// ceiling, and last the leaves outside walls whose outer side is seen;
// faces turned away are left out.
std::vector<int> PaintingOrder(const CScene3d& scene, const CSceneProjection& projection);

// Draws the scene into `area` of `dc` as seen from `view`: each face filled
// in its colour, lit by a light from above the viewer's left shoulder, its
// edges (the panels' seams) in one dark grey; see-through faces as their
// edges only. Nothing is drawn for an empty scene or an empty area.
void DrawScene3d(const CScene3d& scene, const SceneViewpoint& view, const PixelRect& area, CDrawContext& dc);
