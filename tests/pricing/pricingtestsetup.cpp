#include "pricingtestsetup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "pricetable.h"
#include "testprices.h"

CLoadedPricing::CLoadedPricing() {
  for (const char* file : {"zamo.language", "kryvel_logo.jpg"})
    std::filesystem::copy_file(SourceDataDir() + "/" + file, folder_.File(file));
  EXPECT_FALSE(TestPrices().Write(folder_.File(CPriceTable::kFileName)));
  CScopedCurrentDir cwd(folder_.Path());
  EXPECT_TRUE(library_.Load(QStringLiteral("Quotix"))) << library_.ErrorString().toStdString();
}

void WriteTestProfiles(const std::string& folder, bool any) {
  std::string bytes = "ZAMOMATERIALPROFILEDATA";
  if (any) {
    bytes += std::string("Стандарт") + '\0' + std::string(28, '\0');
    bytes += std::string("Пищевой") + '\0' + std::string(28, '\0');
  }
  WriteFileBytes(folder + "/MaterialArch.data", bytes);
}
