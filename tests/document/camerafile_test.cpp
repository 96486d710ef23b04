// The camera file: byte layout shared with the Windows program, and reading
// that stops at damage without losing the records before it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "camerafile.h"
#include "editlogtesthelpers.h"
#include "testsupport.h"

namespace {

TEST(CameraFileTest, CreatedOnlyCameraHasTheExactBytes) {
  CCameraDocument document;
  ASSERT_TRUE(document.CreateCamera(u"", u"", 2920, 1920, 2040, 80, false, false));
  const std::string expected = CFileBytes()
                                   .Text(u"")
                                   .Text(u"")
                                   .Record(0, {2920, 1920, 2040, 80})
                                   .Scale(0.2)
                                   .Record(10, {100, 100})
                                   .End()
                                   .Bytes();
  EXPECT_EQ(document.SaveBytes(), expected);
  // An empty article and description are one 16-bit zero each.
  EXPECT_EQ(expected.substr(0, 4), std::string(4, '\0'));
  // 0.2 as the Windows program stored it: low word first.
  EXPECT_EQ(expected.substr(36, 8), std::string("\x9a\x99\x99\x99\x99\x99\xc9\x3f", 8));
  EXPECT_EQ(expected.substr(expected.size() - 4), std::string("\xfe\xcf\xfe\xff", 4));
}

TEST(CameraFileTest, TextsAreUtf16LittleEndianAndKeepLineBreaks) {
  CameraFileContents contents;
  contents.article = u"Ка-1";
  contents.description = u"две\r\nстроки";
  const std::string bytes = EncodeCameraFile(contents);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x1a\x04\x30\x04", 4));
  CameraFileContents read;
  EXPECT_EQ(ReadCameraFile(bytes, read).end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(read.article, contents.article);
  EXPECT_EQ(read.description, contents.description);
}

TEST(CameraFileTest, ZeroUnitsInATextAreLeftOutSoTheRecordsStayReadable) {
  CameraFileContents contents;
  contents.article = std::u16string(u"A\0B", 3);
  contents.records.push_back(FillAllWallsRecord());
  CameraFileContents read;
  ReadCameraFile(EncodeCameraFile(contents), read);
  EXPECT_EQ(read.article, u"AB");
  EXPECT_EQ(read.records, contents.records);
}

TEST(CameraFileTest, UnpairedSurrogatesSurviveAReadAndWrite) {
  const std::string bytes = CFileBytes().Text(u"\xD800x").Text(u"").Record(3, {}).End().Bytes();
  CameraFileContents read;
  ReadCameraFile(bytes, read);
  EXPECT_EQ(EncodeCameraFile(read), bytes);
}

TEST(CameraFileTest, FileWithoutEndMarkerLoadsEveryCompleteRecord) {
  const std::string bytes = CFileBytes().Text(u"a").Text(u"").Record(0, {2920, 1920, 2040, 80}).Record(3, {}).Bytes();
  CameraFileContents read;
  const CameraFileReadResult result = ReadCameraFile(bytes, read);
  EXPECT_EQ(result.end, CameraFileEnd::kNoEndMarker);
  EXPECT_EQ(result.offset, bytes.size());
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_EQ(read.records[1].op, 3);
}

TEST(CameraFileTest, OversizedCountIsRefusedBeforeAllocating) {
  const std::string bytes =
      CFileBytes().Text(u"").Text(u"").Record(3, {}).Word(5).Word(0x7fffffff).Word(1).Word(2).Bytes();
  CameraFileContents read;
  const CameraFileReadResult result = ReadCameraFile(bytes, read);
  EXPECT_EQ(result.end, CameraFileEnd::kTruncated);
  EXPECT_EQ(result.offset, 12u);
  ASSERT_EQ(read.records.size(), 1u);
  EXPECT_FALSE(DescribeCameraFileEnd(result).empty());
}

TEST(CameraFileTest, NegativeCountGivesARecordWithoutData) {
  const std::string bytes = CFileBytes().Text(u"").Text(u"").Word(3).Word(-4).Record(4, {1}).End().Bytes();
  CameraFileContents read;
  EXPECT_EQ(ReadCameraFile(bytes, read).end, CameraFileEnd::kEndMarker);
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_EQ(read.records[0], (EditRecord{3, {}}));
  EXPECT_EQ(read.records[1], (EditRecord{4, {1}}));
}

TEST(CameraFileTest, EndMarkerInTheCountEndsTheRecords) {
  const std::string bytes = CFileBytes().Text(u"").Text(u"").Record(3, {}).Word(4).End().Record(3, {}).Bytes();
  CameraFileContents read;
  EXPECT_EQ(ReadCameraFile(bytes, read).end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(read.records.size(), 1u);
}

TEST(CameraFileTest, BytesAfterTheEndMarkerAreIgnored) {
  const std::string bytes = CFileBytes().Text(u"").Text(u"").Record(3, {}).End().Record(3, {}).Word(99).Bytes();
  CameraFileContents read;
  EXPECT_EQ(ReadCameraFile(bytes, read).end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(read.records.size(), 1u);
}

TEST(CameraFileTest, AFewBytesOfGarbageGiveAnEmptyLog) {
  for (const std::string& garbage : {std::string(), std::string("\x01"), std::string("\x01\x02\x03"),
                                     std::string("\xff\xff\xff\xff\xff\xff\xff")}) {
    CameraFileContents read;
    read.records.push_back(FillAllWallsRecord());
    EXPECT_EQ(ReadCameraFile(garbage, read).end, CameraFileEnd::kTruncated) << garbage.size();
    EXPECT_TRUE(read.records.empty());
    EXPECT_TRUE(read.description.empty());
  }
}

TEST(CameraFileTest, ReadingStopsAfterTheRecordLimit) {
  CFileBytes file;
  file.Text(u"").Text(u"");
  for (size_t i = 0; i < kMaxCameraFileRecords; ++i) file.Record(3, {});
  CameraFileContents read;
  EXPECT_EQ(ReadCameraFile(CFileBytes(file).End().Bytes(), read).end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(ReadCameraFile(file.Record(3, {}).End().Bytes(), read).end, CameraFileEnd::kTooManyRecords);
  EXPECT_EQ(read.records.size(), kMaxCameraFileRecords);
}

// Every prefix of a real file: no crash, and exactly the records that lie
// wholly before the cut are kept.
TEST(CameraFileTest, TruncatedAtEveryByteKeepsTheRecordsBeforeTheCut) {
  CCameraDocument document;
  BuildRichCamera(document);
  const std::string bytes = document.SaveBytes();
  CameraFileContents full;
  ASSERT_EQ(ReadCameraFile(bytes, full).end, CameraFileEnd::kEndMarker);
  std::vector<size_t> recordEnds;
  size_t offset = 2 * (full.article.size() + 1 + full.description.size() + 1);
  const size_t textsEnd = offset;
  for (const EditRecord& record : full.records) {
    offset += 4 * (2 + record.data.size());
    recordEnds.push_back(offset);
  }
  ASSERT_EQ(offset + 4, bytes.size());

  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    CameraFileContents read;
    const CameraFileReadResult result = ReadCameraFile(std::string_view(bytes).substr(0, cut), read);
    size_t whole = 0;
    while (whole < recordEnds.size() && recordEnds[whole] <= cut) ++whole;
    ASSERT_EQ(read.records.size(), whole) << "cut at " << cut;
    for (size_t i = 0; i < whole; ++i) ASSERT_EQ(read.records[i], full.records[i]) << "cut at " << cut;
    const bool atBoundary = cut == textsEnd || (whole > 0 && recordEnds[whole - 1] == cut);
    EXPECT_EQ(result.end, atBoundary ? CameraFileEnd::kNoEndMarker : CameraFileEnd::kTruncated) << cut;
    CCameraDocument reloaded;
    reloaded.LoadBytes(std::string_view(bytes).substr(0, cut));
    EXPECT_EQ(reloaded.Log().size(), whole);
  }
}

TEST(CameraFileTest, SaveAndLoadThroughTheFileSystem) {
  CScratchDir dir;
  CameraFileContents contents;
  contents.article = u"X";
  contents.records = {CreateCameraRecord(2920, 1920, 2040, 80), FillAllWallsRecord()};
  const std::string path = dir.File("camera.kry");
  ASSERT_FALSE(SaveCameraFile(path, contents));
  EXPECT_EQ(ReadFileBytes(path), EncodeCameraFile(contents));
  CameraFileContents read;
  CameraFileReadResult result;
  ASSERT_FALSE(LoadCameraFile(path, read, &result));
  EXPECT_EQ(result.end, CameraFileEnd::kEndMarker);
  EXPECT_EQ(read.records, contents.records);
  // Nothing but the target is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

TEST(CameraFileTest, MissingFileIsAnErrorThatChangesNothing) {
  CScratchDir dir;
  CameraFileContents read;
  read.article = u"kept";
  const FileError error = LoadCameraFile(dir.File("absent.kry"), read);
  EXPECT_TRUE(error);
  EXPECT_EQ(error.file, dir.File("absent.kry"));
  EXPECT_EQ(read.article, u"kept");
  EXPECT_TRUE(LoadCameraFile(dir.Path(), read));
}

// A camera file named on the command line or picked in the open dialog may
// be anything; the window gets an error and the program goes on.
TEST(CameraFileTest, FolderPipeOrOversizedFileIsAnErrorThatChangesNothing) {
  CScratchDir dir;
  const std::string path = dir.File("camera.kry");
  for (const UnreadableKind kind : kUnreadableKinds) {
    const CUnreadableFile unreadable(path, kind, kMaxCameraFileBytes);
    CameraFileContents read;
    read.article = u"kept";
    const FileError error = LoadCameraFile(path, read);
    EXPECT_TRUE(error) << UnreadableKindName(kind);
    EXPECT_EQ(read.article, u"kept");
    EXPECT_FALSE(unreadable.ReaderWaited()) << UnreadableKindName(kind);
  }
}

TEST(CameraFileTest, ANameNearTheSystemLimitSaves) {
  CScratchDir dir;
  CameraFileContents contents;
  contents.records = {CreateCameraRecord(2920, 1920, 2040, 80)};
  const std::string path = dir.File(std::string(246, 'k') + ".kry");  // 250 bytes
  ASSERT_FALSE(SaveCameraFile(path, contents));
  ASSERT_FALSE(SaveCameraFile(path, contents));
  CameraFileContents read;
  ASSERT_FALSE(LoadCameraFile(path, read));
  EXPECT_EQ(read.records, contents.records);
}

}  // namespace
