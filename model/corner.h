#pragma once

#include <cstdint>

// The square post at the far end of an outline segment, centred on the
// segment's far reference point. Its side is the thickness of the segment
// that made it, mm.
class CCorner {
 public:
  explicit CCorner(int32_t size) : size_(size) {}
  int32_t Size() const { return size_; }

 private:
  int32_t size_;
};
