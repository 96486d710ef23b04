#include "sceneview.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180;
// Kept off the far edges of a surface's range, whatever the zoom.
constexpr double kPixelLimit = 1e7;
// The free border of a fitted picture, as a share of its smaller side.
constexpr double kMarginShare = 0.04;
// The panels' seams: one pen for every face keeps a frame's pen changes
// to a handful.
constexpr DrawColor kSeamColor = Rgb(90, 96, 104);

DrawColor Shade(DrawColor c, double factor) {
  const auto channel = [factor](uint8_t v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v * factor), 0L, 255L));
  };
  return Rgb(channel(c.r), channel(c.g), channel(c.b));
}

// Whether a projected face can show: some of it on the area, and not seen
// edge on (the faces beside it draw that edge).
bool Shows(std::span<const PixelPoint> corners, const PixelRect& area) {
  int64_t left = corners[0].x, right = left, top = corners[0].y, bottom = top;
  int64_t twiceArea = 0;
  for (size_t k = 0; k < corners.size(); ++k) {
    const PixelPoint& a = corners[k];
    const PixelPoint& b = corners[(k + 1) % corners.size()];
    left = std::min<int64_t>(left, a.x), right = std::max<int64_t>(right, a.x);
    top = std::min<int64_t>(top, a.y), bottom = std::max<int64_t>(bottom, a.y);
    twiceArea += int64_t{a.x} * b.y - int64_t{b.x} * a.y;
  }
  const bool onArea = right >= std::min(area.left, area.right) && left <= std::max(area.left, area.right) &&
                      bottom >= std::min(area.top, area.bottom) && top <= std::max(area.top, area.bottom);
  return onArea && twiceArea != 0;
}

// The floor lies under everything and the ceiling over it, seen from
// above; the outline's outer faces in front of everything inside it; a
// door leaf outside a wall is behind all of the camera or in front of all
// of it, by the side of its wall that is seen.
int Layer(const SceneFace& face, const CSceneProjection& projection) {
  const SceneVec& out = face.outside;
  if (out.x != 0 || out.y != 0 || out.z != 0) return projection.Faces(out) ? 5 : 1;
  if (face.exterior) return 3;
  switch (face.part) {
    case ScenePart::kFloorPanel: return 0;
    case ScenePart::kCeilingPanel: return 4;
    default: return 2;
  }
}

}  // namespace

SceneViewpoint SceneViewpoint::Preset(int n) {
  static constexpr std::array<double, kPresetCount> kAzimuths{225, 315, 45, 135};
  SceneViewpoint view;
  view.azimuth = kAzimuths[static_cast<size_t>(n >= 1 && n <= kPresetCount ? n - 1 : 0)];
  return view;
}

void SceneViewpoint::Orbit(double azimuthDegrees, double elevationDegrees) {
  if (!std::isfinite(azimuthDegrees) || !std::isfinite(elevationDegrees)) return;
  azimuth = std::fmod(azimuth + azimuthDegrees, 360.0);
  if (azimuth < 0) azimuth += 360;
  elevation = std::clamp(elevation + elevationDegrees, kMinElevation, kMaxElevation);
}

void SceneViewpoint::ZoomBy(double factor) {
  if (!std::isfinite(factor) || factor <= 0) return;
  zoom = std::clamp(zoom * factor, kMinZoom, kMaxZoom);
}

void SceneViewpoint::Fit() {
  zoom = 1;
  panX = 0;
  panY = 0;
}

CSceneProjection::CSceneProjection(const CScene3d& scene, const SceneViewpoint& view, const PixelRect& area) {
  const double elevation = std::clamp(view.elevation, SceneViewpoint::kMinElevation, SceneViewpoint::kMaxElevation);
  cosAz_ = std::cos(view.azimuth * kDegree);
  sinAz_ = std::sin(view.azimuth * kDegree);
  cosEl_ = std::cos(elevation * kDegree);
  sinEl_ = std::sin(elevation * kDegree);
  const SceneVec low = scene.Low(), high = scene.High();
  centre_ = {(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
  // The box's corners as the viewer sees them, one pixel a millimetre.
  double minR = 0, maxR = 0, minU = 0, maxU = 0;
  for (int i = 0; i < 8; ++i) {
    const SceneVec corner{(i & 1) ? high.x : low.x, (i & 2) ? high.y : low.y, (i & 4) ? high.z : low.z};
    const double r = Right(corner), u = Up(corner);
    minR = std::min(minR, r), maxR = std::max(maxR, r), minU = std::min(minU, u), maxU = std::max(maxU, u);
  }
  const double width = std::abs(static_cast<double>(area.right) - area.left);
  const double height = std::abs(static_cast<double>(area.bottom) - area.top);
  const double margin = kMarginShare * std::min(width, height);
  const double spanR = maxR - minR, spanU = maxU - minU;
  double fit = 1;
  if (spanR > 0 && spanU > 0)
    fit = std::min((width - 2 * margin) / spanR, (height - 2 * margin) / spanU);
  else if (spanR > 0 || spanU > 0)
    fit = spanR > 0 ? (width - 2 * margin) / spanR : (height - 2 * margin) / spanU;
  const double zoom = std::isfinite(view.zoom) && view.zoom > 0 ? view.zoom : 1;
  scale_ = std::max(fit, 1e-9) * zoom;
  const double pan[2] = {std::isfinite(view.panX) ? view.panX : 0, std::isfinite(view.panY) ? view.panY : 0};
  originX_ = (static_cast<double>(area.left) + area.right) / 2 - scale_ * (minR + maxR) / 2 + pan[0];
  originY_ = (static_cast<double>(area.top) + area.bottom) / 2 + scale_ * (minU + maxU) / 2 + pan[1];
}

// The plan's y runs down: the scene is turned into x right, y away, z up
// before it is looked at.
double CSceneProjection::Right(const SceneVec& p) const {
  const double x = p.x - centre_.x, y = centre_.y - p.y;
  return -sinAz_ * x + cosAz_ * y;
}

double CSceneProjection::Up(const SceneVec& p) const {
  const double x = p.x - centre_.x, y = centre_.y - p.y, z = p.z - centre_.z;
  return -sinEl_ * (cosAz_ * x + sinAz_ * y) + cosEl_ * z;
}

double CSceneProjection::Depth(const SceneVec& p) const {
  const double x = p.x - centre_.x, y = centre_.y - p.y, z = p.z - centre_.z;
  return cosEl_ * (cosAz_ * x + sinAz_ * y) + sinEl_ * z;
}

bool CSceneProjection::Faces(const SceneVec& n) const {
  if (n.x == 0 && n.y == 0 && n.z == 0) return true;
  return cosEl_ * (cosAz_ * n.x - sinAz_ * n.y) + sinEl_ * n.z > 1e-9;
}

PixelPoint CSceneProjection::Project(const SceneVec& p) const {
  const double x = std::clamp(originX_ + scale_ * Right(p), -kPixelLimit, kPixelLimit);
  const double y = std::clamp(originY_ - scale_ * Up(p), -kPixelLimit, kPixelLimit);
  return {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

std::vector<int> PaintingOrder(const CScene3d& scene, const CSceneProjection& projection) {
  struct Entry {
    int layer;
    double depth;
    int face;
  };
  const auto& faces = scene.Faces();
  std::vector<Entry> entries;
  entries.reserve(faces.size());
  for (size_t i = 0; i < faces.size(); ++i) {
    const SceneFace& face = faces[i];
    if (!projection.Faces(face.normal)) continue;
    SceneVec middle;
    for (uint8_t k = 0; k < face.cornerCount; ++k) {
      middle.x += face.corners[k].x / face.cornerCount;
      middle.y += face.corners[k].y / face.cornerCount;
      middle.z += face.corners[k].z / face.cornerCount;
    }
    entries.push_back({Layer(face, projection), projection.Depth(middle), static_cast<int>(i)});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.layer != b.layer) return a.layer < b.layer;
    if (a.depth != b.depth) return a.depth < b.depth;
    return a.face < b.face;
  });
  std::vector<int> order;
  order.reserve(entries.size());
  for (const Entry& e : entries) order.push_back(e.face);
  return order;
}

void DrawScene3d(const CScene3d& scene, const SceneViewpoint& view, const PixelRect& area, CDrawContext& dc) {
  if (scene.Empty() || area.right == area.left || area.bottom == area.top) return;
  const CSceneProjection projection(scene, view, area);
  // The light comes from above the viewer's left shoulder, so that the
  // sides of a corner always differ, whichever way the camera is turned.
  const double az = view.azimuth * kDegree;
  const double el = std::clamp(view.elevation, SceneViewpoint::kMinElevation, SceneViewpoint::kMaxElevation) * kDegree;
  const SceneVec eye{std::cos(el) * std::cos(az), -std::cos(el) * std::sin(az), std::sin(el)};
  const SceneVec right{-std::sin(az), -std::cos(az), 0};
  const SceneVec light{0.7 * eye.x - 0.5 * right.x, 0.7 * eye.y - 0.5 * right.y, 0.7 * eye.z + 0.5};
  const double lightLength = std::sqrt(light.x * light.x + light.y * light.y + light.z * light.z);
  const DrawBrush oldBrush = dc.Brush();
  const DrawPen oldPen = dc.Pen();
  std::array<PixelPoint, 4> points;
  for (const int index : PaintingOrder(scene, projection)) {
    const SceneFace& face = scene.Faces()[static_cast<size_t>(index)];
    for (uint8_t k = 0; k < face.cornerCount; ++k) points[k] = projection.Project(face.corners[k]);
    const std::span<const PixelPoint> corners(points.data(), face.cornerCount);
    if (!Shows(corners, area)) continue;
    if (!face.filled) {
      dc.SelectPen(DrawPen{1, face.color});
      for (size_t k = 0; k < corners.size(); ++k) dc.Line(corners[k], corners[(k + 1) % corners.size()]);
      continue;
    }
    const SceneVec& n = face.normal;
    const double lit = (n.x == 0 && n.y == 0 && n.z == 0)
                           ? 0.9
                           : 0.62 + 0.38 * std::max(0.0, (n.x * light.x + n.y * light.y + n.z * light.z) / lightLength);
    const DrawColor color = Shade(face.color, lit);
    dc.SelectBrush(DrawBrush::Solid(color));
    dc.SelectPen(DrawPen{1, kSeamColor});
    dc.Polygon(corners);
  }
  dc.SelectBrush(oldBrush);
  dc.SelectPen(oldPen);
}
