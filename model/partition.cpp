#include "partition.h"

#include "modellimits.h"

bool CPartition::SetStart(int32_t x, int32_t y) {
  if (!model_limits::WithinLength(x) || !model_limits::WithinLength(y)) return false;
  startX_ = x;
  startY_ = y;
  return true;
}
