#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "geometry.h"

class CChamber;
class CDrawContext;
class CPixelMapping;
class CPlanRenderer;
class CWallCollection;

struct ModelLine {
  ModelPoint from;
  ModelPoint to;
  friend bool operator==(const ModelLine&, const ModelLine&) = default;
};

// One dimension of a chain, everything in model mm, ready to be mapped to
// pixels and drawn: two extension lines, the dimension line, the bounding
// boxes of the dots at its two ends (ellipses 40 mm across), and the printed
// value (its absolute length, "%d") with the point where its text starts.
// Left and right chains are written with the rotated font (verticalText).
struct DimensionRecord {
  ModelLine extension1;
  ModelLine extension2;
  ModelLine dimensionLine;
  ModelRect dot1;
  ModelRect dot2;
  ModelPoint textAt;
  int32_t value = 0;
  bool verticalText = false;
};

// Sets the dimension line of `r` from `a` to `b` along x (alongX) or y, at
// `linePos` across, with its end dots and its value |b - a|.
void SetDimensionLine(DimensionRecord& r, bool alongX, int64_t a, int64_t b, int64_t linePos);

// The dimension chain of one side of the plan: the outline segments that
// form the side, in the side's order. The lists are not owned: they point at
// the camera's segments, which live as long as the camera. Each side knows
// its camera, which points them at itself on construction.
class CSizes {
 public:
  virtual ~CSizes() = default;
  CSizes(const CSizes&) = delete;
  CSizes& operator=(const CSizes&) = delete;

  void SetCamera(const CChamber* camera) { camera_ = camera; }
  const CChamber* Camera() const { return camera_; }

  // Appends `wall`, or puts it in front when it comes before the current
  // first segment along the side's direction of travel (only the first
  // element is compared). A null wall is ignored.
  void AddWall(CWallCollection* wall);
  // Position of `wall` in the list, or -1.
  int IndexOf(const CWallCollection* wall) const;
  std::span<CWallCollection* const> Walls() const { return walls_; }
  // The listed segments as indices into the camera's outline (-1 for one
  // that is not in it).
  std::vector<int> WallIndices() const;
  void Clear() { walls_.clear(); }

  // The dimension records of this side, in list order; none for an empty
  // list or a side without a camera.
  virtual std::vector<DimensionRecord> Measure() const = 0;
  // The same chain measured between the inner faces: each listed wall's
  // clear length (InsideLength), its extension lines from the inner face
  // out to where the outer chain's end, its line and text where the outer
  // chain has them.
  std::vector<DimensionRecord> MeasureInside() const;
  // Draws the side's chains with the renderer's dimension pen and font:
  // extension lines, dimension line, a dot at each end, the value; inside
  // sizes when the renderer is set to them. Nothing for an empty list.
  virtual void Draw(const CPlanRenderer& renderer, CDrawContext& dc) const;

 protected:
  CSizes() = default;

 private:
  const CChamber* camera_ = nullptr;
  std::vector<CWallCollection*> walls_;
};

class CTopSizes : public CSizes {
 public:
  std::vector<DimensionRecord> Measure() const override;
};

class CBottomSizes : public CSizes {
 public:
  std::vector<DimensionRecord> Measure() const override;
};

class CLeftSizes : public CSizes {
 public:
  std::vector<DimensionRecord> Measure() const override;
};

// The right side carries two chains: the outline segments at half the
// dimension offset and the floor cut positions at the full offset.
class CRightSizes : public CSizes {
 public:
  std::vector<DimensionRecord> Measure() const override;
  // One record per value of the camera's floor cut chain, from the outer top
  // edge down; none when the side has no segment.
  std::vector<DimensionRecord> MeasureFloorCuts() const;
  // Both chains: the segments, then the floor cuts.
  void Draw(const CPlanRenderer& renderer, CDrawContext& dc) const override;
};

// Every chain of a camera, and the printed numbers of each in order.
struct ChamberDimensions {
  std::vector<DimensionRecord> top;
  std::vector<DimensionRecord> right;
  std::vector<DimensionRecord> bottom;
  std::vector<DimensionRecord> left;
  std::vector<DimensionRecord> floorCuts;

  static std::vector<int32_t> Values(std::span<const DimensionRecord> chain);
};

ChamberDimensions MeasureDimensions(const CChamber& camera);

// Each partition's clear distance from the wall beside it, drawn as a
// dimension with the chains' pen and font (PartitionOffsetDimension).
void DrawPartitionOffsets(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc);

// The outline wall whose dimension in the top, right, bottom or left chain
// lies under pixel (px, py) of `mapping`, the chains measured as drawn
// (between the inner faces when `inside`): near its dimension line or its
// number. -1 when there is none (the floor cut chain names no wall).
int FindDimensionWallAt(const CChamber& camera, const CPixelMapping& mapping, bool inside, int32_t px, int32_t py);

// Where an outline wall stands in the dimension chain that shows it, along
// the wall's axis, mm: the edge at its start, the edge at its end, and the
// value the chain prints (the outer length). A wall no chain lists (a
// connecting piece of a step) is measured across its own body.
struct WallChainSpan {
  int64_t startEdge = 0;
  int64_t endEdge = 0;
  int32_t value = 0;
};
std::optional<WallChainSpan> MeasureWallInChain(const CChamber& camera, int wall);
