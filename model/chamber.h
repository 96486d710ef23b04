#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "editrefusal.h"
#include "floorstrip.h"
#include "geometry.h"
#include "partition.h"
#include "pixelmapping.h"
#include "sizes.h"
#include "wallcollection.h"

// One camera: a closed outline of straight wall segments with a corner post
// at the far end of each, internal partitions, the floor/ceiling plan and the
// four dimension chains, all in integer millimetres (x right, y down).
//
// The outline is a chain of reference points P0 = (0, 0), P1, ... traced
// clockwise on screen; segment i runs from Pi to Pi+1 and its extended length
// (length +/- thickness) is the signed distance between them. Invariants kept
// by every operation here: the extended lengths of each orientation sum to 0
// (the chain closes); every run has a non-zero length; segment 0 is
// horizontal and runs towards +x; the last segment is vertical; every length
// and every reference point lies within model_limits::kMaxLength.
//
// Ownership: the camera owns its segments, partitions and floor strips on the
// heap (their addresses are stable until they are removed or the camera is
// destroyed; the window may keep them as a selection between edits). Panels
// live by value in their run. The edit log rebuilds a camera from scratch by
// replaying operations that take only indices and plain integers; every such
// operation refuses arguments it cannot apply, returning false with a reason
// and changing nothing.
class CChamber {
 public:
  static constexpr int32_t kDefaultDimensionOffset = 800;  // mm
  static constexpr int32_t kDefaultLabelOffset = 100;      // mm

  // An empty camera with the construction values: stored origin (100, 100)
  // pixels, stored scale 0.2 pixels per mm, everything else 0.
  CChamber();
  ~CChamber();
  CChamber(const CChamber&) = delete;
  CChamber& operator=(const CChamber&) = delete;

  // ---- setup --------------------------------------------------------------

  // A new rectangular camera whose reference rectangle is width x depth
  // (the outer sizes are width + thickness, depth + thickness and
  // height + 2 * thickness): top, right, bottom, left segments, each with its
  // post and each in its side's dimension list; default origin and scale;
  // the floor plan built and divided. The segments get no panels.
  // Refuses: a camera that already has an outline (kNotEmpty); a thickness
  // < 1 or a negative height (kBadArgument); a size beyond kMaxLength
  // (kBeyondLimits); width or depth not above the thickness, which would
  // leave a run of 0 mm or less (kRunWouldVanish).
  bool Create(int32_t width, int32_t depth, int32_t height, int32_t thickness, EditRefusal* why = nullptr);
  // Sizes to 0 and the default stored origin and scale; the outline is kept.
  void ResetDefaults();

  // ---- fields -------------------------------------------------------------

  int32_t Thickness() const { return thickness_; }
  int32_t Height() const { return height_; }
  int32_t CreatedHeight() const { return createdHeight_; }
  // Extent of the reference line along x / y: set by Create, recomputed by
  // the outline edits that move walls.
  int32_t Width() const { return width_; }
  int32_t Depth() const { return depth_; }
  int32_t DimensionOffset() const { return dimensionOffset_; }
  int32_t LabelOffset() const { return labelOffset_; }
  uint8_t FloorDirection() const { return floorDirection_; }
  bool NoFloor() const { return noFloor_; }
  void SetNoFloor(bool noFloor) { noFloor_ = noFloor; }
  // The geometry lock chosen when the camera was created. The model does not
  // enforce it: the window refuses its outline commands while it is set.
  bool GeometryLocked() const { return geometryLocked_; }
  void SetGeometryLocked(bool locked) { geometryLocked_ = locked; }

  // The origin (pixels) and scale (pixels per mm) the camera file keeps in
  // its scale and origin records: where the window stood when the camera was
  // saved. The camera only stores them (and moves the origin with its last
  // segment, see MoveWall); drawing and hit tests go through a mapping of
  // their own (CPlanRenderer), which a window keeps equal to these.
  const CPixelMapping& StoredView() const { return storedView_; }
  CPixelMapping& StoredView() { return storedView_; }
  int32_t OriginX() const { return storedView_.OriginX(); }
  int32_t OriginY() const { return storedView_.OriginY(); }
  void SetOriginX(int32_t x) { storedView_.SetOriginX(x); }
  void SetOriginY(int32_t y) { storedView_.SetOriginY(y); }
  double Scale() const { return storedView_.Scale(); }
  // Both scales to one value; false for a scale CPixelMapping refuses.
  bool SetScale(double scale) { return storedView_.SetScale(scale); }

  // ---- outline ------------------------------------------------------------

  int WallCount() const { return static_cast<int>(walls_.size()); }
  // The outline segment at `index` in chain order, or null.
  CWallCollection* WallAt(int index);
  const CWallCollection* WallAt(int index) const;
  // Chain index of an outline segment, or -1 (partitions, null, others).
  int IndexOfWall(const CWallCollection* wall) const;

  // Start point Pi of segment `index` (sums of the extended lengths before
  // it, per orientation) and, when asked, its extended length. An index
  // outside the outline gives (0, 0) and leaves *extendedLength alone.
  void GetWallStart(int index, int32_t* x, int32_t* y, int32_t* extendedLength = nullptr) const;
  ModelPoint WallStart(int index) const;
  // The same for a segment given by reference; false (outputs untouched)
  // when it is not an outline segment.
  bool GetWallStartOf(const CWallCollection* wall, int32_t* x, int32_t* y, int32_t* extendedLength = nullptr) const;
  // Every start point at once, in chain order (one pass).
  std::vector<ModelPoint> WallStarts() const;
  // The body of segment `index` (panel run and far corner post); an empty
  // rectangle at (0, 0) outside the outline.
  ModelRect WallRect(int index) const;
  // The number of segments of `orientation` minus one.
  int CountWalls(Orientation orientation) const;
  // Sum of the extended lengths of the vertical (horizontal) segments from
  // segment 0 up to and including `wall`; over the whole outline when `wall`
  // is not in it.
  int64_t SumVerticalUpTo(const CWallCollection* wall) const;
  int64_t SumHorizontalUpTo(const CWallCollection* wall) const;
  // depth = sum of the positive extended lengths of the vertical segments;
  // width likewise over the horizontal ones. False (no change) when the sum
  // would pass kMaxLength.
  bool RecomputeDepth();
  bool RecomputeWidth();
  // The extended lengths of each orientation sum to 0.
  bool IsChainClosed() const;

  // ---- partitions ---------------------------------------------------------

  // Takes ownership and returns the partition, or null (the partition is
  // destroyed) for a null one or when the camera already holds
  // model_limits::kMaxPartitions.
  CPartition* AddPartition(std::unique_ptr<CPartition> partition);
  // Unlinks and destroys it; false when it is not one of this camera's.
  bool DeletePartition(const CPartition* partition);
  int PartitionCount() const { return static_cast<int>(partitions_.size()); }
  CPartition* PartitionAt(int index);
  const CPartition* PartitionAt(int index) const;
  int IndexOfPartition(const CWallCollection* partition) const;

  // ---- division -----------------------------------------------------------

  // AutoFill on every outline segment in chain order (not partitions, not
  // the floor).
  void FillAllWalls();
  // The door state of one outline panel as the door commands record it:
  // kind (a ZamoPanelKind), door variant (0 to 3), then the opening height,
  // which is stored for kOpening only. Refuses an index that names no wall
  // or panel, and any value outside its domain; changes nothing then.
  bool SetPanelDoor(int wallIndex, int panelIndex, int32_t kind, int32_t doorVariant, int32_t openingHeight,
                    EditRefusal* why = nullptr);
  // The same on a panel of partition `partitionIndex` (kNoSuchWall when no
  // partition has that index).
  bool SetPartitionPanelDoor(int partitionIndex, int panelIndex, int32_t kind, int32_t doorVariant,
                             int32_t openingHeight, EditRefusal* why = nullptr);

  // ---- floor and ceiling ----------------------------------------------------

  // Rebuilds the floor plan from the outline: one strip per rectangle of
  // FloorRects (geometry.h), in its order, each divided automatically with
  // its cuts at the full panel length; then the cut chain. Every manual floor
  // division and cut is lost.
  void RebuildFloor();
  // The distinct absolute y positions of all cut ends, ascending, stored as
  // successive differences (the first from y = 0).
  void RebuildCutChain();
  std::span<const int32_t> FloorCutChain() const { return floorCutChain_; }
  int FloorStripCount() const { return static_cast<int>(floorStrips_.size()); }
  CFloorStrip* FloorStripAt(int index);
  const CFloorStrip* FloorStripAt(int index) const;
  int IndexOfFloorStrip(const CFloorStrip* strip) const;
  // Whether the chain turns clockwise (or runs straight on horizontally)
  // from the first to the second of a pair: (segment, next) when forward,
  // else (previous, segment), wrapping around the chain.
  bool Turns(int index, bool forward) const;

  // ---- dimension chains ---------------------------------------------------

  const CTopSizes& Top() const { return top_; }
  const CRightSizes& Right() const { return right_; }
  const CBottomSizes& Bottom() const { return bottom_; }
  const CLeftSizes& Left() const { return left_; }

  // ---- outline editing (all keep the chain closed) -------------------------

  // Splits segment `index` into two collinear segments; the new one (with
  // its own post, no panels) goes before it when `before`, after it
  // otherwise, and joins every side list the old one is in. `distance`
  // fixes the new piece: its length is distance + t along the segment's
  // direction. The old segment's panels are cleared (the corner command
  // clears them anyway, and a replay must not keep panels that no longer
  // fit). The floor is left for the next move. Refuses a piece that would
  // get a run of 0 mm or less (kRunWouldVanish), too many segments or a
  // distance beyond the limits (kBeyondLimits), and, like every outline edit,
  // an outline whose walls cross or touch (kWallsWouldCross).
  bool SplitWall(int index, bool before, int32_t distance, EditRefusal* why = nullptr);
  bool SplitWall(const CWallCollection* wall, bool before, int32_t distance, EditRefusal* why = nullptr);
  // Moves segment `index` sideways by `distance` mm: its perpendicular
  // neighbours' runs shrink by the distance (grow for a negative one), and
  // where a neighbour is collinear a connecting segment of length d - t
  // (t - d when the other neighbour ran backwards) is inserted between them.
  // Moving the last segment shifts the stored origin by the distance so that
  // the rest of the drawing stays put. Then depth and width are recomputed
  // and the floor rebuilt.
  // Refuses: segment 0 (kFirstSegment); a segment with no perpendicular
  // neighbour (kNothingToBend); a run that would reach 0 mm or reverse, which
  // includes a connecting segment for a distance not above t
  // (kRunWouldVanish); a chain that would not close, as for a step whose
  // neighbours run the same way (kOpenChain); walls that would cross or
  // touch (kWallsWouldCross); results beyond the limits (kBeyondLimits).
  // A neighbour whose run changes length loses its panels, doors included:
  // they would no longer fit it.
  bool MoveWall(int index, int32_t distance, EditRefusal* why = nullptr);
  bool MoveWall(const CWallCollection* wall, int32_t distance, EditRefusal* why = nullptr);
  // What MoveWall would answer, without moving anything.
  EditRefusal CheckMoveWall(int index, int32_t distance) const;
  // The neighbours of segment `index` whose runs a move lengthens or
  // shortens (and so clears); none for segment 0 or no segment.
  std::vector<int> RunsReshapedByMove(int index) const;
  // Grows (delta > 0) or shrinks the magnitude of segment `index` and of the
  // first segment in chain order that is parallel to it, runs the other way
  // and is longer than delta. The opposite segment is divided anew; doors and
  // openings on it move to the panel of the same place and width. Then depth
  // and width are recomputed and the floor rebuilt. Refuses: no such opposite
  // segment (kNoOppositeWall); a run that would vanish (kRunWouldVanish); a
  // door that would find no panel (kWouldLoseDoor); walls that would cross
  // or touch (kWallsWouldCross); results beyond the limits.
  bool ResizeAcross(int index, int32_t delta, EditRefusal* why = nullptr);
  bool ResizeAcross(const CWallCollection* wall, int32_t delta, EditRefusal* why = nullptr);
  // The fix of a non-standard panel: the panel's width becomes newWidth and
  // the segment and its opposite grow by the difference, so that the segment
  // stays fully divided. All or nothing: on a refusal the width is restored.
  bool ResizePanelAcross(int wallIndex, int panelIndex, int32_t newWidth, EditRefusal* why = nullptr);

  // ---- hit testing (pixels of `mapping` in) --------------------------------

  // The first outline segment in chain order whose body contains the pixel
  // (edges included; the body's corners are mapped one by one). When `panel`
  // is given it receives the panel under the point, or null when the segment
  // is not fully divided or no panel is there. False, outputs untouched,
  // when no segment is hit.
  bool FindWallAt(const CPixelMapping& mapping, int32_t px, int32_t py, CWallCollection** wall,
                  CWallPanel** panel = nullptr);
  // The same over the partitions; the panel is found from the partition's
  // own start point, so the pick matches what is drawn for every partition.
  bool FindPartitionAt(const CPixelMapping& mapping, int32_t px, int32_t py, CPartition** partition,
                       CWallPanel** panel = nullptr);
  // The first strip whose rectangle (edges included) contains the point;
  // false and a null output otherwise.
  bool FindFloorStripAt(const CPixelMapping& mapping, int32_t px, int32_t py, CFloorStrip** strip);

 private:
  struct OutlinePiece;
  struct MovePlan;
  EditRefusal PlanMove(int index, int32_t distance, MovePlan* plan) const;
  EditRefusal CheckOutline(std::span<const OutlinePiece> pieces) const;
  std::vector<OutlinePiece> Pieces() const;
  int64_t SumUpTo(const CWallCollection* wall, Orientation orientation) const;
  void InsertWall(int position, std::unique_ptr<CWallCollection> wall);
  bool CarryDoors(CWallCollection& wall, std::span<const CWallPanel> oldPanels);
  void AfterOutlineMove();

  CPixelMapping storedView_;
  int32_t dimensionOffset_ = 0;
  int32_t labelOffset_ = 0;
  int32_t thickness_ = 0;
  int32_t height_ = 0;
  CLeftSizes left_;
  CRightSizes right_;
  CBottomSizes bottom_;
  CTopSizes top_;
  int32_t width_ = 0;
  int32_t depth_ = 0;
  int32_t createdHeight_ = 0;
  std::vector<std::unique_ptr<CWallCollection>> walls_;
  std::vector<std::unique_ptr<CPartition>> partitions_;
  std::vector<std::unique_ptr<CFloorStrip>> floorStrips_;
  uint8_t floorDirection_ = CFloorStrip::kAlongX;
  std::vector<int32_t> floorCutChain_;
  bool noFloor_ = false;
  bool geometryLocked_ = false;
};
