#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "editop.h"

class CFloorStrip;
class CWallCollection;

// One entry of the edit log, in memory and on disk: an operation code and
// its 32-bit data words. Records address walls, partitions, panels and
// floor strips by their 0-based index in the camera, never by pointer: a
// replay rebuilds every object.
struct EditRecord {
  int32_t op = 0;
  std::vector<int32_t> data;

  friend bool operator==(const EditRecord&, const EditRecord&) = default;
};

// ---- building records (the word layout of every code lives here) ---------

EditRecord CreateCameraRecord(int32_t width, int32_t depth, int32_t height, int32_t thickness);
// `wall` is the index of the wall being split, taken before the split; that
// is also what the corner command's "index after the split, less 1 when
// the piece goes before it" comes to.
EditRecord SplitWallRecord(int wall, bool fromFirstEnd, int32_t distance);
// `wall` is the moved wall's index before the move: the index a replay
// hands to MoveWall. `direction` is the wall's orientation byte, kept only.
EditRecord MoveWallRecord(int wall, int32_t direction, int32_t distance);
EditRecord FillAllWallsRecord();
EditRecord AutoFillWallRecord(int wall);
// The run's panels as they stand after a division, in run order.
EditRecord DivideWallRecord(int wall, std::span<const int32_t> widths);
EditRecord PanelDoorRecord(int wall, int panel, int32_t kind, int32_t doorVariant, int32_t openingHeight);
EditRecord ScaleRecord(double scale);
EditRecord OriginRecord(int32_t originX, int32_t originY);
EditRecord ClearWallRecord(int wall);
// One word (noFloor) when the camera is not locked, two otherwise.
EditRecord CameraFlagsRecord(bool noFloor, bool geometryLocked);
EditRecord AddPartitionRecord(int32_t startX, int32_t startY, int32_t length, int32_t orientation);
EditRecord DeletePartitionRecord(int partition);
EditRecord AutoFillPartitionRecord(int partition);
EditRecord DividePartitionRecord(int partition, std::span<const int32_t> widths);
EditRecord ClearPartitionRecord(int partition);
EditRecord PartitionPanelDoorRecord(int partition, int panel, int32_t kind, int32_t doorVariant,
                                    int32_t openingHeight);
// The strip's panel widths and, when `pieces` is not empty, the piece
// lengths its cuts are made of (CFloorStrip::PieceLengths order).
EditRecord DivideFloorStripRecord(int strip, std::span<const int32_t> widths, std::span<const int32_t> pieces);
EditRecord ResizePanelRecord(int wall, int panel, int32_t newWidth);

// The widths of a run's panels in run order, as the division records carry
// them.
std::vector<int32_t> PanelWidths(const CWallCollection& run);
std::vector<int32_t> PanelWidths(const CFloorStrip& strip);

// ---- reading records --------------------------------------------------------

// The scale of a record 9: two words, low word first, of one IEEE double.
double ScaleFromWords(int32_t low, int32_t high);

// Reads a record's data words in order. Every read checks what is left, so
// a record with fewer words than its operation needs is simply refused;
// words beyond those read are ignored.
class CRecordWords {
 public:
  explicit CRecordWords(const EditRecord& record) : words_(record.data) {}

  // The next words into `values...`; false (nothing consumed) when fewer
  // are left.
  template <class... T>
  bool Take(T*... values) {
    if (Left() < sizeof...(values)) return false;
    ((*values = static_cast<T>(words_[pos_++])), ...);
    return true;
  }
  // A count n, then n words; false (nothing consumed) for a negative count
  // or one larger than what is left.
  bool TakeList(std::span<const int32_t>* list);
  size_t Left() const { return words_.size() - pos_; }

 private:
  std::span<const int32_t> words_;
  size_t pos_ = 0;
};
