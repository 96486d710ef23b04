#include "bitmapfile.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

void Append16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void Append32(std::string& out, uint32_t v) { AppendInt32(out, static_cast<int32_t>(v)); }

// The image in the layout the file stores, and its bit count.
QImage InFileLayout(const QImage& image, int* bpp) {
  switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      *bpp = 1;
      return image.convertToFormat(QImage::Format_Mono);
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Alpha8:
      *bpp = 8;
      return image.convertToFormat(QImage::Format_Indexed8);
    case QImage::Format_RGB16:
    case QImage::Format_RGB555:
    case QImage::Format_RGB444:
    case QImage::Format_ARGB4444_Premultiplied:
    case QImage::Format_ARGB8555_Premultiplied:
    case QImage::Format_ARGB6666_Premultiplied:
    case QImage::Format_ARGB8565_Premultiplied:
    case QImage::Format_RGB666:
      *bpp = 16;
      return image.convertToFormat(QImage::Format_RGB555);
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
      *bpp = 24;
      // Blue, green, red in memory: the file's order.
      return image.convertToFormat(QImage::Format_BGR888);
    default:
      *bpp = 32;
      return image.convertToFormat(QImage::Format_RGB32);
  }
}

}  // namespace

bool EncodeBitmapFile(const QImage& image, std::string* bytes, std::string* problem) {
  if (image.isNull() || image.width() < 1 || image.height() < 1) {
    *problem = "the picture is empty";
    return false;
  }
  int bpp = 32;
  const QImage bits = InFileLayout(image, &bpp);
  if (bits.isNull()) {
    *problem = "the picture could not be converted";
    return false;
  }
  const uint64_t w = static_cast<uint64_t>(bits.width());
  const uint64_t h = static_cast<uint64_t>(bits.height());
  const uint64_t colours = bpp < 24 ? uint64_t{1} << bpp : 0;
  const uint64_t stride = ((static_cast<uint64_t>(bpp) * w + 31) / 32) * 4;
  const uint64_t imageSize = stride * h;
  const uint64_t offset = kFileHeaderBytes + kInfoHeaderBytes + 4 * colours;
  const uint64_t fileSize = offset + imageSize;
  if (fileSize > std::numeric_limits<uint32_t>::max()) {
    *problem = "the picture is too large for a bitmap file";
    return false;
  }

  std::string out;
  out.reserve(static_cast<size_t>(fileSize));
  out += "BM";
  Append32(out, static_cast<uint32_t>(fileSize));
  Append16(out, 0);
  Append16(out, 0);
  Append32(out, static_cast<uint32_t>(offset));

  Append32(out, kInfoHeaderBytes);
  Append32(out, static_cast<uint32_t>(w));
  Append32(out, static_cast<uint32_t>(h));  // positive: bottom-up rows
  Append16(out, 1);
  Append16(out, static_cast<uint16_t>(bpp));
  Append32(out, 0);  // no compression
  Append32(out, static_cast<uint32_t>(imageSize));
  Append32(out, 0);
  Append32(out, 0);
  Append32(out, static_cast<uint32_t>(colours));
  Append32(out, 0);

  // The colour table: the image's colours, then black up to 2^bpp entries.
  const QList<QRgb> table = bpp <= 8 ? bits.colorTable() : QList<QRgb>();
  for (uint64_t i = 0; i < colours; ++i) {
    const QRgb c = i < static_cast<uint64_t>(table.size()) ? table[static_cast<qsizetype>(i)] : 0;
    out += static_cast<char>(qBlue(c));
    out += static_cast<char>(qGreen(c));
    out += static_cast<char>(qRed(c));
    out += '\0';
  }

  const size_t rowBytes = static_cast<size_t>((static_cast<uint64_t>(bpp) * w + 7) / 8);
  const std::string padding(static_cast<size_t>(stride) - rowBytes, '\0');
  for (int y = bits.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const char*>(bits.constScanLine(y));
    const size_t start = out.size();
    out.append(line, rowBytes);
    if (bpp == 32) {
      // The fourth byte of each pixel is reserved: zero, not Qt's opaque alpha.
      for (size_t i = start + 3; i < out.size(); i += 4) out[i] = '\0';
    }
    out += padding;
  }
  *bytes = std::move(out);
  return true;
}

FileError WriteBitmapFile(const std::string& path, const QImage& image) {
  std::string bytes;
  std::string problem;
  if (!EncodeBitmapFile(image, &bytes, &problem)) return FileError{path, problem};
  return WriteFileAtomically(path, bytes);
}
