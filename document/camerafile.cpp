#include "camerafile.h"

#include "editop.h"

namespace {

constexpr size_t kWord = 4;
constexpr size_t kCodeUnit = 2;

class CByteReader {
 public:
  explicit CByteReader(std::string_view bytes) : bytes_(bytes) {}

  size_t Offset() const { return pos_; }
  size_t Left() const { return bytes_.size() - pos_; }

  bool Word(int32_t* value) {
    if (Left() < kWord) return false;
    *value = ReadInt32At(bytes_, pos_);
    pos_ += kWord;
    return true;
  }

  // Code units up to a zero unit (consumed, not stored); false when the
  // bytes ran out first (what was read is kept).
  bool Text(std::u16string* text) {
    while (Left() >= kCodeUnit) {
      const auto lo = static_cast<unsigned char>(bytes_[pos_]);
      const auto hi = static_cast<unsigned char>(bytes_[pos_ + 1]);
      pos_ += kCodeUnit;
      const auto unit = static_cast<char16_t>(lo | (hi << 8));
      if (unit == 0) return true;
      text->push_back(unit);
    }
    return false;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

void AppendText(std::string& out, std::u16string_view text) {
  for (char16_t unit : text) {
    if (unit == 0) continue;
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  out += '\0';
  out += '\0';
}

void AppendRecord(std::string& out, const EditRecord& record) {
  AppendInt32(out, record.op);
  AppendInt32(out, static_cast<int32_t>(record.data.size()));
  for (int32_t word : record.data) AppendInt32(out, word);
}

}  // namespace

CameraFileReadResult ReadCameraFile(std::string_view bytes, CameraFileContents& out) {
  out = CameraFileContents();
  CByteReader reader(bytes);
  const auto stop = [](CameraFileEnd end, size_t offset) { return CameraFileReadResult{end, offset}; };
  if (!reader.Text(&out.article) || !reader.Text(&out.description))
    return stop(CameraFileEnd::kTruncated, reader.Offset());
  while (true) {
    const size_t recordStart = reader.Offset();
    if (reader.Left() == 0) return stop(CameraFileEnd::kNoEndMarker, recordStart);
    int32_t op = 0;
    int32_t count = 0;
    if (!reader.Word(&op)) return stop(CameraFileEnd::kTruncated, recordStart);
    if (op == kEndOfCameraFile) return stop(CameraFileEnd::kEndMarker, reader.Offset());
    if (out.records.size() >= kMaxCameraFileRecords) return stop(CameraFileEnd::kTooManyRecords, recordStart);
    if (!reader.Word(&count)) return stop(CameraFileEnd::kTruncated, recordStart);
    // The Windows program also stopped at a marker in the count.
    if (count == kEndOfCameraFile) return stop(CameraFileEnd::kEndMarker, reader.Offset());
    EditRecord record{op, {}};
    if (count > 0) {
      // The count is checked against what is left before anything is
      // allocated: a damaged count must not ask for gigabytes.
      if (static_cast<size_t>(count) > reader.Left() / kWord) return stop(CameraFileEnd::kTruncated, recordStart);
      record.data.resize(static_cast<size_t>(count));
      for (int32_t& word : record.data) reader.Word(&word);
    }
    out.records.push_back(std::move(record));
  }
}

FileError LoadCameraFile(const std::string& path, CameraFileContents& out, CameraFileReadResult* result) {
  std::string bytes;
  if (FileError error = ReadWholeFile(path, bytes, kMaxCameraFileBytes)) return error;
  const CameraFileReadResult read = ReadCameraFile(bytes, out);
  if (result) *result = read;
  return {};
}

std::string EncodeCameraFile(const CameraFileContents& contents, std::span<const EditRecord> trailer) {
  std::string out;
  size_t words = 1;
  for (const EditRecord& record : contents.records) words += 2 + record.data.size();
  for (const EditRecord& record : trailer) words += 2 + record.data.size();
  out.reserve(kCodeUnit * (contents.article.size() + contents.description.size() + 2) + kWord * words);
  AppendText(out, contents.article);
  AppendText(out, contents.description);
  for (const EditRecord& record : contents.records) AppendRecord(out, record);
  for (const EditRecord& record : trailer) AppendRecord(out, record);
  AppendInt32(out, kEndOfCameraFile);
  return out;
}

FileError SaveCameraFile(const std::string& path, const CameraFileContents& contents,
                         std::span<const EditRecord> trailer) {
  return WriteFileAtomically(path, EncodeCameraFile(contents, trailer));
}

std::string DescribeCameraFileEnd(const CameraFileReadResult& result) {
  const std::string at = std::to_string(result.offset);
  switch (result.end) {
    case CameraFileEnd::kEndMarker:
      return {};
    case CameraFileEnd::kNoEndMarker:
      return "ends at byte " + at + " without the end marker";
    case CameraFileEnd::kTruncated:
      return "damaged at byte " + at + ": an incomplete record (or text) was dropped";
    case CameraFileEnd::kTooManyRecords:
      return "more than " + std::to_string(kMaxCameraFileRecords) + " records; reading stopped at byte " + at;
  }
  return {};
}
