#pragma once

#include <string>

#include "pluginlibrary.h"
#include "testsupport.h"

// The pricing library of a test program, loaded the way the program loads
// it at start-up: from a data folder of its own holding the language file,
// the logo and the test price table, which the library reads once, when it
// is loaded. One per test suite (the library keeps its state until the
// process ends).
class CLoadedPricing {
 public:
  CLoadedPricing();
  CPluginLibrary& Library() { return library_; }
  bool IsLoaded() const { return library_.IsLoaded(); }

 private:
  CScratchDir folder_;
  CPluginLibrary library_;
};

// The material profile file of `folder`: the profiles "Стандарт" and
// "Пищевой", or (without `any`) no profile at all.
void WriteTestProfiles(const std::string& folder, bool any = true);
