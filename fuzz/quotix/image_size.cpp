// The logo's header, read to size the picture in a report: any bytes give
// either a refusal or a positive size and resolution, never a read past the
// end.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "imagesize.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CImageSize image;
  if (!ReadImageSize(bytes, image)) return 0;
  if (image.width <= 0 || image.height <= 0) std::abort();
  if (!(image.xDpi > 0) || !(image.yDpi > 0) || !std::isfinite(image.xDpi) || !std::isfinite(image.yDpi)) std::abort();
  return 0;
}
