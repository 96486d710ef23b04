// The price table file from arbitrary bytes: reading never fails badly,
// what was read writes back the same, and a report priced from it is made
// without fault whatever the prices are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pricetable.h"
#include "quotixsession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CPriceTable table;
  const int read = table.ReadBytes(bytes);
  if (read < 0 || read > PriceEntry::kCount) std::abort();

  CPriceTable back;
  back.ReadBytes(table.ToBytes());
  if (back.ToBytes() != table.ToBytes()) std::abort();

  static const CLanguageTable language;
  CQuotixSession session(language);
  session.Prices() = table;
  session.SetLogoFile("");
  const WallPanelTally walls[] = {{4, 1200, 0, 0, 1, 0, 0, 0},
                                  {1, 500, 0, 0, 2, 0, 0, 0},
                                  {1, 1200, 0, 1, 7, 1200, 600, 0},
                                  {1, 1200, 0, 1, 10, 0, 0, 3},
                                  {1, 900, 2000, 1, 11, 0, 0, 0}};
  const FloorPanelTally ceiling[] = {{2, 980, 6000, 0, 0, 0, 0, 0}, {1, 1040, 2000, 0, 0, 0, 0, 0}};
  CCameraInput input{walls, {}, ceiling, 4, false, (size & 1) != 0};
  session.InitXL(false, true);
  session.InitValues(2300, 2920, 5920, (size & 2) ? 80 : 100);
  session.MakeReport(input);
  session.InitXL(true, true);
  session.InitXReport(7);
  session.MakeReport2(input, 'C');
  session.TakeWorkbook();
  return 0;
}
