#pragma once

#include <string_view>

// Pixel size and resolution of a JPEG or PNG picture, read from its header
// the way the workbook writer sizes pictures. Resolution is 96 dots per
// inch when the file names none.
struct CImageSize {
  int width = 0;
  int height = 0;
  double xDpi = 96.0;
  double yDpi = 96.0;
};

bool ReadImageSize(std::string_view bytes, CImageSize& size);
