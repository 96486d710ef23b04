#include <string_view>

#include "languagetable.h"

namespace {

// data/zamo.language as it was when this module was built.
constexpr unsigned char kShippedFile[] = {
#include "shippedlanguage.inc"
};

}  // namespace

const CLanguageTable& BuiltinLanguage() {
  static const CLanguageTable table = [] {
    CLanguageTable shipped;
    shipped.LoadBytes(std::string_view(reinterpret_cast<const char*>(kShippedFile), sizeof kShippedFile), 0);
    return shipped;
  }();
  return table;
}
