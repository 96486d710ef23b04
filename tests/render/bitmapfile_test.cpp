// The bitmap file: header fields, the colour table rule, bottom-up padded
// rows, and that a reader gets the picture back.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bitmapfile.h"
#include "testsupport.h"

namespace {

uint32_t U32(const std::string& b, size_t at) { return static_cast<uint32_t>(ReadInt32At(b, at)); }
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

std::string Encode(const QImage& image) {
  std::string bytes;
  std::string problem;
  EXPECT_TRUE(EncodeBitmapFile(image, &bytes, &problem)) << problem;
  return bytes;
}

QImage ReadBack(const std::string& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP");
}

// A picture whose every pixel differs from its neighbours.
QImage Gradient(int w, int h, QImage::Format format) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb((x * 40) % 256, (y * 60) % 256, (x * y * 8) % 256));
  return image.convertToFormat(format);
}

struct DepthCase {
  const char* name;
  QImage::Format format;
  uint16_t bpp;
  uint32_t colours;
};

class BitmapDepthTest : public ::testing::TestWithParam<DepthCase> {};

}  // namespace

TEST(BitmapFileTest, ScreenPictureHasItsBitsAtOffset54BottomRowFirst) {
  QImage image(5, 3, QImage::Format_RGB32);
  image.fill(qRgb(255, 255, 255));
  image.setPixel(0, 2, qRgb(10, 20, 30));  // bottom-left
  image.setPixel(4, 0, qRgb(40, 50, 60));  // top-right
  const std::string b = Encode(image);
  ASSERT_EQ(b.size(), 54u + 5 * 4 * 3);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(U32(b, 2), b.size());
  EXPECT_EQ(U32(b, 6), 0u);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(U32(b, 18), 5u);
  EXPECT_EQ(U32(b, 22), 3u);  // positive: bottom-up
  EXPECT_EQ(U16(b, 26), 1);
  EXPECT_EQ(U16(b, 28), 32);
  EXPECT_EQ(U32(b, 30), 0u);
  EXPECT_EQ(U32(b, 34), 60u);
  EXPECT_EQ(U32(b, 38), 0u);
  EXPECT_EQ(U32(b, 42), 0u);
  EXPECT_EQ(U32(b, 46), 0u);
  EXPECT_EQ(U32(b, 50), 0u);
  // The first stored pixel is the bottom-left one: blue, green, red, 0.
  EXPECT_EQ(b.substr(54, 4), std::string("\x1e\x14\x0a\x00", 4));
  // The last stored pixel is the top-right one.
  EXPECT_EQ(b.substr(b.size() - 4), std::string("\x3c\x32\x28\x00", 4));
  const QImage back = ReadBack(b);
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.size(), image.size());
  EXPECT_EQ(back.pixel(0, 2), qRgb(10, 20, 30));
  EXPECT_EQ(back.pixel(4, 0), qRgb(40, 50, 60));
}

TEST_P(BitmapDepthTest, ColourTableAndRowsFollowTheBitCount) {
  const DepthCase& c = GetParam();
  const QImage image = Gradient(7, 5, c.format);
  const std::string b = Encode(image);
  const uint32_t offset = 54 + 4 * c.colours;
  const uint32_t stride = (c.bpp * 7 + 31) / 32 * 4;
  EXPECT_EQ(U16(b, 28), c.bpp);
  EXPECT_EQ(U32(b, 46), c.colours);
  EXPECT_EQ(U32(b, 10), offset);
  EXPECT_EQ(U32(b, 34), stride * 5);
  EXPECT_EQ(b.size(), offset + stride * 5);
  const QImage back = ReadBack(b);
  ASSERT_FALSE(back.isNull());
  const QImage expected = image.convertToFormat(QImage::Format_RGB32);
  const QImage got = back.convertToFormat(QImage::Format_RGB32);
  // A reader may widen five-bit channels to eight bits without filling the
  // low bits.
  const int tolerance = c.bpp == 16 ? 7 : 0;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      const QRgb g = got.pixel(x, y);
      const QRgb e = expected.pixel(x, y);
      EXPECT_LE(std::max({std::abs(qRed(g) - qRed(e)), std::abs(qGreen(g) - qGreen(e)), std::abs(qBlue(g) - qBlue(e))}),
                tolerance)
          << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BitmapDepthTest,
                         ::testing::Values(DepthCase{"mono", QImage::Format_Mono, 1, 2},
                                           DepthCase{"indexed", QImage::Format_Indexed8, 8, 256},
                                           DepthCase{"rgb555", QImage::Format_RGB555, 16, 65536},
                                           DepthCase{"rgb888", QImage::Format_RGB888, 24, 0},
                                           DepthCase{"argb32", QImage::Format_ARGB32, 32, 0}),
                         [](const ::testing::TestParamInfo<DepthCase>& test) { return std::string(test.param.name); });

TEST(BitmapFileTest, EmptyPictureIsRefusedAndNothingIsWritten) {
  CScratchDir dir;
  const std::string path = dir.File("plan.bmp");
  WriteFileBytes(path, "old");
  const FileError error = WriteBitmapFile(path, QImage());
  EXPECT_TRUE(error);
  EXPECT_EQ(error.file, path);
  EXPECT_EQ(ReadFileBytes(path), "old");
}

TEST(BitmapFileTest, FileIsWrittenWholeOrNotAtAll) {
  CScratchDir dir;
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::white);
  const std::string path = dir.File("plan.bmp");
  ASSERT_FALSE(WriteBitmapFile(path, image));
  EXPECT_EQ(ReadFileBytes(path).size(), 54u + 64);
  EXPECT_TRUE(WriteBitmapFile(dir.File("missing/plan.bmp"), image));
}
