#pragma once

#include "zamo_abi.h"

class CPluginLibrary;

// What the program holds for all its camera windows: the pricing library,
// bound at start-up and kept until the program ends, and the 160-byte price
// block handed by value to the report calls (cleared at start-up and never
// filled). The application sets them; commands read them. A window without
// a program around it (a test) sees no pricing library and a cleared block.
struct ProgramServices {
  CPluginLibrary* pricing = nullptr;
  ZamoPriceBlock priceBlock{};
};

ProgramServices& Program();
