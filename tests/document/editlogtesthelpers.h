#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "atomicfile.h"
#include "cameradocument.h"
#include "camerajson.h"
#include "editop.h"
#include "editops.h"

// Everything a camera shows and prices (the dump without its log, which a
// save and reload lengthens by a scale and an origin record).
inline std::string CameraState(const CCameraDocument& document) {
  const std::string dump = CameraDocumentJson(document).Dump();
  return dump.substr(0, dump.find("\n  \"log\":"));
}

// The bytes of a camera file written word by word, as another copy of the
// program (or a damaged disk) would leave them.
class CFileBytes {
 public:
  CFileBytes& Text(std::u16string_view text) {
    for (char16_t unit : text) {
      bytes_ += static_cast<char>(unit & 0xFF);
      bytes_ += static_cast<char>(unit >> 8);
    }
    bytes_.append(2, '\0');
    return *this;
  }
  CFileBytes& Word(int32_t value) {
    AppendInt32(bytes_, value);
    return *this;
  }
  CFileBytes& Record(int32_t op, std::initializer_list<int32_t> data) {
    Word(op).Word(static_cast<int32_t>(data.size()));
    for (int32_t w : data) Word(w);
    return *this;
  }
  CFileBytes& Scale(double scale) {
    const EditRecord record = ScaleRecord(scale);
    return Record(record.op, {record.data[0], record.data[1]});
  }
  CFileBytes& End() { return Word(kEndOfCameraFile); }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The Overview's camera: outer 3000 x 2000 x 2200 with 80 mm walls, so the
// model gets 2920, 1920, 2040, 80.
inline void CreateSampleCamera(CCameraDocument& document, bool noFloor = false, bool locked = false) {
  EditRefusal why = EditRefusal::kNone;
  ASSERT_TRUE(document.CreateCamera(u"K-3020", u"sample", 2920, 1920, 2040, 80, noFloor, locked, &why))
      << EditRefusalName(why);
}

inline void ApplyOrFail(CCameraDocument& document, const EditRecord& record) {
  EditRefusal why = EditRefusal::kNone;
  ASSERT_TRUE(document.Apply(record, &why)) << "op " << record.op << ": " << EditRefusalName(why);
}

// A camera that uses every operation a user can record: a corner and a
// moved wall, doors, divisions, partitions with a door, a divided floor
// strip with cuts and a fixed non-standard panel.
inline void BuildRichCamera(CCameraDocument& document) {
  CreateSampleCamera(document, /*noFloor=*/true);
  ApplyOrFail(document, SplitWallRecord(1, false, 600));
  ApplyOrFail(document, MoveWallRecord(2, 1, 500));
  ApplyOrFail(document, FillAllWallsRecord());
  ApplyOrFail(document, PanelDoorRecord(0, 1, 10, 2, 0));
  const int32_t widths[] = {600, 300};
  ApplyOrFail(document, DivideWallRecord(1, widths));
  ApplyOrFail(document, ClearWallRecord(3));
  ApplyOrFail(document, AutoFillWallRecord(3));
  ApplyOrFail(document, AddPartitionRecord(1500, 40, 1000, 1));
  ApplyOrFail(document, AddPartitionRecord(40, 900, 700, 0));
  ApplyOrFail(document, AutoFillPartitionRecord(0));
  ApplyOrFail(document, PartitionPanelDoorRecord(0, 0, 11, 0, 1900));
  const int32_t partitionWidths[] = {300};
  ApplyOrFail(document, DividePartitionRecord(1, partitionWidths));
  ApplyOrFail(document, AddPartitionRecord(2000, 40, 500, 1));
  ApplyOrFail(document, DeletePartitionRecord(2));
  // Outline changes rebuild the floor, so the floor comes last.
  ApplyOrFail(document, ResizePanelRecord(0, 2, 600));
  const int32_t stripWidths[] = {1200, 900};
  const int32_t pieces[] = {1000, 600};
  ApplyOrFail(document, DivideFloorStripRecord(0, stripWidths, pieces));
  // The strip beside the moved wall is too narrow for the automatic division.
  const int32_t narrowStrip[] = {660};
  ApplyOrFail(document, DivideFloorStripRecord(1, narrowStrip, {}));
}
