// Stands in for the materials library: its dialog only leaves a mark in the
// current folder, so a test sees that the start screen called it.
#include <cstdio>

#include "zamo_abi.h"

extern "C" ZAMO_EXPORT int32_t ShowMaterialDlg(void) {
  if (FILE* mark = std::fopen("material-dialog-shown", "w")) std::fclose(mark);
  return 1;
}
