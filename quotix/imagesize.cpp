#include "imagesize.h"

#include <cstdint>

namespace {

constexpr double kDefaultDpi = 96.0;
constexpr double kCmPerInch = 2.54;
constexpr double kMetresPerInch = 0.0254;

uint32_t Byte(std::string_view b, size_t i) { return static_cast<unsigned char>(b[i]); }
uint32_t Be16(std::string_view b, size_t i) { return Byte(b, i) << 8 | Byte(b, i + 1); }
uint32_t Be32(std::string_view b, size_t i) { return Be16(b, i) << 16 | Be16(b, i + 2); }

bool IsStartOfFrame(uint32_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool ReadJpeg(std::string_view b, CImageSize& size) {
  size_t i = 2;
  bool found = false;
  while (i + 4 <= b.size()) {
    if (Byte(b, i) != 0xFF) return false;
    const uint32_t marker = Byte(b, i + 1);
    if (marker == 0xFF) {  // fill byte
      ++i;
      continue;
    }
    if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
      i += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) break;  // end of image, start of scan
    const size_t length = Be16(b, i + 2);
    if (length < 2 || i + 2 + length > b.size()) return false;
    const size_t data = i + 4;
    if (marker == 0xE0 && length >= 16 && b.substr(data, 5) == std::string_view("JFIF\0", 5)) {
      const uint32_t units = Byte(b, data + 7);
      const double x = Be16(b, data + 8), y = Be16(b, data + 10);
      if (x > 0 && y > 0 && (units == 1 || units == 2)) {
        const double factor = units == 2 ? kCmPerInch : 1.0;
        size.xDpi = x * factor;
        size.yDpi = y * factor;
      }
    } else if (IsStartOfFrame(marker) && length >= 7) {
      size.height = static_cast<int>(Be16(b, data + 1));
      size.width = static_cast<int>(Be16(b, data + 3));
      found = true;
    }
    i += 2 + length;
  }
  return found && size.width > 0 && size.height > 0;
}

bool ReadPng(std::string_view b, CImageSize& size) {
  size_t i = 8;
  bool found = false;
  while (i + 12 <= b.size()) {
    const uint32_t length = Be32(b, i);
    const std::string_view type = b.substr(i + 4, 4);
    if (length > b.size() - i - 12) return false;
    const size_t data = i + 8;
    if (type == "IHDR" && length >= 8) {
      size.width = static_cast<int>(Be32(b, data));
      size.height = static_cast<int>(Be32(b, data + 4));
      found = true;
    } else if (type == "pHYs" && length >= 9 && Byte(b, data + 8) == 1) {
      const double x = Be32(b, data), y = Be32(b, data + 4);
      if (x > 0 && y > 0) {
        size.xDpi = x * kMetresPerInch;
        size.yDpi = y * kMetresPerInch;
      }
    } else if (type == "IEND") {
      break;
    }
    i = data + length + 4;
  }
  return found && size.width > 0 && size.height > 0;
}

}  // namespace

bool ReadImageSize(std::string_view bytes, CImageSize& size) {
  size = CImageSize{};
  size.xDpi = size.yDpi = kDefaultDpi;
  if (bytes.size() >= 4 && Byte(bytes, 0) == 0xFF && Byte(bytes, 1) == 0xD8) return ReadJpeg(bytes, size);
  if (bytes.size() >= 24 && bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return ReadPng(bytes, size);
  return false;
}
