#pragma once

#include <cstdint>

// The spreadsheet's standard palette of 56 colours, addressed by colour
// index 1..56 as the report layout names them. The automatic colour and any
// index outside the palette have no RGB value.
inline constexpr int kPaletteSize = 56;

// 0xRRGGBB of colour index `index`, or -1.
int32_t PaletteColor(int index);
