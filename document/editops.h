#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "editop.h"
#include "editrecord.h"

class CFloorStrip;
class CWallCollection;

// One struct per operation code: its fields, declared in the order of the
// record's data words (the kinds of field are those of editrecord.h), and
// Fields(), which ties them in that order. That order is the record's whole
// layout: the generic Encode and Decode below write and read it, so the two
// cannot drift apart. Replay (editreplay.cpp) performs each struct.
//
// Lengths and positions are millimetres; indexes are 0-based into the
// camera's walls, partitions, a run's panels or the floor strips.

struct CreateCameraOp {
  static constexpr EditOp kOp = kOpCreateCamera;
  int32_t width = 0;  // the inner sizes
  int32_t depth = 0;
  int32_t height = 0;
  int32_t thickness = 0;
  auto Fields() { return std::tie(width, depth, height, thickness); }
};

struct SplitWallOp {
  static constexpr EditOp kOp = kOpSplitWall;
  // The wall being split, taken before the split; that is also what the
  // corner command's "index after the split, less 1 when the piece goes
  // before it" comes to.
  int32_t wall = 0;
  bool fromFirstEnd = false;
  int32_t distance = 0;
  auto Fields() { return std::tie(wall, fromFirstEnd, distance); }
};

struct MoveWallOp {
  static constexpr EditOp kOp = kOpMoveWall;
  int32_t wall = 0;       // the moved wall's index before the move: the one replay moves
  int32_t direction = 0;  // the wall's orientation byte, kept only
  int32_t distance = 0;
  auto Fields() { return std::tie(wall, direction, distance); }
};

struct FillAllWallsOp {
  static constexpr EditOp kOp = kOpFillAllWalls;
  auto Fields() { return std::tie(); }
};

// Outline walls and partitions are both runs of panels. The operations on
// a run come as a wall code and a partition code with one layout; the
// struct's Kind says which of the two its index names.
enum class RunKind { kWall, kPartition };

template <RunKind Kind>
constexpr EditOp ByRun(EditOp onWall, EditOp onPartition) {
  return Kind == RunKind::kWall ? onWall : onPartition;
}

template <RunKind Kind>
struct AutoFillRunOp {
  static constexpr EditOp kOp = ByRun<Kind>(kOpAutoFillWall, kOpAutoFillPartition);
  int32_t run = 0;
  auto Fields() { return std::tie(run); }
};

template <RunKind Kind>
struct DivideRunOp {
  static constexpr EditOp kOp = ByRun<Kind>(kOpDivideWall, kOpDividePartition);
  int32_t run = 0;
  WordList widths;  // the run's panels as they stand after the division, in run order
  auto Fields() { return std::tie(run, widths); }
};

// A panel's door state as the door commands leave it.
template <RunKind Kind>
struct PanelDoorRunOp {
  static constexpr EditOp kOp = ByRun<Kind>(kOpPanelDoor, kOpPartitionPanelDoor);
  int32_t run = 0;
  int32_t panel = 0;
  int32_t kind = 0;
  int32_t doorVariant = 0;
  int32_t openingHeight = 0;
  auto Fields() { return std::tie(run, panel, kind, doorVariant, openingHeight); }
};

template <RunKind Kind>
struct ClearRunOp {
  static constexpr EditOp kOp = ByRun<Kind>(kOpClearWall, kOpClearPartition);
  int32_t run = 0;
  auto Fields() { return std::tie(run); }
};

using AutoFillWallOp = AutoFillRunOp<RunKind::kWall>;
using DivideWallOp = DivideRunOp<RunKind::kWall>;
using PanelDoorOp = PanelDoorRunOp<RunKind::kWall>;
using ClearWallOp = ClearRunOp<RunKind::kWall>;
using AutoFillPartitionOp = AutoFillRunOp<RunKind::kPartition>;
using DividePartitionOp = DivideRunOp<RunKind::kPartition>;
using PartitionPanelDoorOp = PanelDoorRunOp<RunKind::kPartition>;
using ClearPartitionOp = ClearRunOp<RunKind::kPartition>;

// The window's zoom, written on save only, after the log.
struct ScaleOp {
  static constexpr EditOp kOp = kOpScale;
  double scale = 0;
  auto Fields() { return std::tie(scale); }
};

// The window's place in pixels, written on save only, after the log.
struct OriginOp {
  static constexpr EditOp kOp = kOpOrigin;
  int32_t originX = 0;
  int32_t originY = 0;
  auto Fields() { return std::tie(originX, originY); }
};

// The creation dialog's two choices. Each word must be 0 or 1; the lock
// word is written only for a locked camera (files without it leave the
// lock as it is). Encoded and decoded by hand, below.
struct CameraFlagsOp {
  static constexpr EditOp kOp = kOpCameraFlags;
  bool noFloor = false;
  std::optional<bool> geometryLocked;
};

struct AddPartitionOp {
  static constexpr EditOp kOp = kOpAddPartition;
  int32_t startX = 0;
  int32_t startY = 0;
  int32_t length = 0;       // signed: the direction the partition runs in
  int32_t orientation = 0;  // 0 horizontal, any other byte vertical
  auto Fields() { return std::tie(startX, startY, length, orientation); }
};

struct DivideFloorStripOp {
  static constexpr EditOp kOp = kOpDivideFloorStrip;
  int32_t strip = 0;
  WordList widths;  // the strip's panels, in strip order
  // The piece lengths its cuts are made of (CFloorStrip::PieceLengths
  // order); an empty list leaves the cuts as they are.
  WordList pieces;
  auto Fields() { return std::tie(strip, widths, pieces); }
};

struct ResizePanelOp {
  static constexpr EditOp kOp = kOpResizePanel;
  int32_t wall = 0;
  int32_t panel = 0;
  int32_t newWidth = 0;
  auto Fields() { return std::tie(wall, panel, newWidth); }
};

struct DeletePartitionOp {
  static constexpr EditOp kOp = kOpDeletePartition;
  int32_t partition = 0;
  auto Fields() { return std::tie(partition); }
};

// Every operation, for tables over all of them (replay's, the tests').
using AllEditOps =
    std::tuple<CreateCameraOp, SplitWallOp, MoveWallOp, FillAllWallsOp, AutoFillWallOp, DivideWallOp, PanelDoorOp,
               ScaleOp, OriginOp, ClearWallOp, CameraFlagsOp, AddPartitionOp, DeletePartitionOp,
               AutoFillPartitionOp, DividePartitionOp, ClearPartitionOp, PartitionPanelDoorOp, DivideFloorStripOp,
               ResizePanelOp>;

// ---- encoding and decoding ---------------------------------------------------

// The record of `op`: its code, then its fields' words in order.
template <class Op>
EditRecord Encode(const Op& op) {
  EditRecord record{Op::kOp, {}};
  // Fields() ties the members for reading and writing alike, so it is
  // called on a copy.
  std::apply([&](const auto&... field) { (AppendWords(record.data, field), ...); }, Op(op).Fields());
  return record;
}

// The operation a record of code Op::kOp holds; nullopt for another code
// and for a record with fewer words than the layout needs (words beyond it
// are ignored). Lists view `record`'s words: keep the record while the
// result is used.
template <class Op>
std::optional<Op> Decode(const EditRecord& record) {
  if (record.op != Op::kOp) return std::nullopt;
  CRecordWords words(record);
  Op op;
  const bool whole = std::apply([&](auto&... field) { return (words.Take(field) && ...); }, op.Fields());
  if (!whole) return std::nullopt;
  return op;
}

template <>
EditRecord Encode(const CameraFlagsOp& op);
// Also nullopt for a word that is neither 0 nor 1.
template <>
std::optional<CameraFlagsOp> Decode(const EditRecord& record);

// ---- building records, for the commands that make them ----------------------

EditRecord CreateCameraRecord(int32_t width, int32_t depth, int32_t height, int32_t thickness);
EditRecord SplitWallRecord(int wall, bool fromFirstEnd, int32_t distance);
EditRecord MoveWallRecord(int wall, int32_t direction, int32_t distance);
EditRecord FillAllWallsRecord();
EditRecord AutoFillWallRecord(int wall);
EditRecord DivideWallRecord(int wall, std::span<const int32_t> widths);
EditRecord PanelDoorRecord(int wall, int panel, int32_t kind, int32_t doorVariant, int32_t openingHeight);
EditRecord ScaleRecord(double scale);
EditRecord OriginRecord(int32_t originX, int32_t originY);
EditRecord ClearWallRecord(int wall);
EditRecord CameraFlagsRecord(bool noFloor, bool geometryLocked);
EditRecord AddPartitionRecord(int32_t startX, int32_t startY, int32_t length, int32_t orientation);
EditRecord DeletePartitionRecord(int partition);
EditRecord AutoFillPartitionRecord(int partition);
EditRecord DividePartitionRecord(int partition, std::span<const int32_t> widths);
EditRecord ClearPartitionRecord(int partition);
EditRecord PartitionPanelDoorRecord(int partition, int panel, int32_t kind, int32_t doorVariant,
                                    int32_t openingHeight);
EditRecord DivideFloorStripRecord(int strip, std::span<const int32_t> widths, std::span<const int32_t> pieces);
EditRecord ResizePanelRecord(int wall, int panel, int32_t newWidth);

// The widths of a run's panels in run order, as the division records carry
// them.
std::vector<int32_t> PanelWidths(const CWallCollection& run);
std::vector<int32_t> PanelWidths(const CFloorStrip& strip);
