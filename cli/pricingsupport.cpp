#include "pricingsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <charconv>
#include <cmath>
#include <ostream>

#include "datafolder.h"
#include "languagetable.h"
#include "pricetable.h"
#include "settings.h"

bool LoadPricing(CliContext& context, CPluginLibrary& quotix) {
  CLanguageTable& language = ModuleLanguage();
  if (language.Count() == 0 && !language.Load(0)) {
    const QString shipped = ShippedDataFolder() + QStringLiteral("/") + QString::fromUtf8(CLanguageTable::kFileName);
    language.LoadFile(shipped.toStdString(), 0);
  }
  // The pricing library reads its texts and prices from the data folder
  // when it is loaded; without them a report comes out blank or at 0.
  for (const char* file : {CLanguageTable::kFileName, CPriceTable::kFileName}) {
    if (!QFileInfo::exists(QString::fromUtf8(file)))
      context.err << "zamo-cli " << context.command << ": warning: the data folder " << QDir::currentPath().toStdString()
                  << " has no " << file << " (give --data-dir)\n";
  }
  QString folder;
  ReadQuotixFolder(folder);
  if (quotix.Load(QStringLiteral("Quotix"), folder)) return true;
  context.err << "zamo-cli " << context.command << ": the pricing library " << ModuleFileName(QStringLiteral("Quotix")).toStdString()
              << " cannot be loaded: " << quotix.ErrorString().toStdString() << '\n';
  return false;
}

bool CheckPriceTable(CliContext& context) {
  const QFileInfo file(QString::fromUtf8(CPriceTable::kFileName));
  if (!file.exists()) return true;
  const std::string path = file.absoluteFilePath().toStdString();
  CPriceTable table;
  if (const FileError error = table.Read(path)) {
    context.BadInput(path + ": " + error.problem + "; nothing is priced without the price table");
    return false;
  }
  if (const int bad = table.BadEntry(); bad >= 0) {
    context.BadInput(path + ": entry " + std::to_string(bad) + " holds no price from 0 to " +
                     std::to_string(static_cast<long long>(CPriceTable::kMaxPrice)) + " (mend it with prices set)");
    return false;
  }
  return true;
}

std::optional<std::string> ReportOutput(CliContext& context, const CliOptions& options, int* exitCode) {
  const std::string* given = options.Value("-o");
  if (!given || given->empty()) {
    *exitCode = context.BadInput("-o OUT.xlsx is missing");
    return std::nullopt;
  }
  const std::string output = context.ResolvePath(*given);
  const QFileInfo info(QString::fromStdString(output));
  if (info.suffix().compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) != 0) {
    *exitCode = context.BadInput("-o " + *given + ": a report is a workbook: give a .xlsx file");
    return std::nullopt;
  }
  if (!info.absoluteDir().exists()) {
    *exitCode = context.BadInput("-o " + *given + ": the folder does not exist");
    return std::nullopt;
  }
  if (info.isDir()) {
    *exitCode = context.BadInput("-o " + *given + ": is a folder");
    return std::nullopt;
  }
  return output;
}

std::optional<double> ParseCliDouble(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

bool ReadDealerOption(CliContext& context, const CliOptions& options, double* dealer, int* exitCode) {
  *dealer = 0.0;
  const std::string* text = options.Value("--dealer");
  if (!text) return true;
  const std::optional<double> value = ParseCliDouble(*text);
  if (!value || *value < 0.0 || *value >= 1.0) {
    *exitCode =
        context.BadInput("--dealer: \"" + *text + "\" is not a discount fraction from 0 to below 1 (0.05 is 5 %)");
    return false;
  }
  *dealer = *value;
  return true;
}

namespace {

// The reasons a run stops for on this program's side, as a command line
// says them, and whether the input was at fault (exit 2) or the setting-up
// of the data folder (exit 1).
struct CCliRefusal {
  PriceRunResult result;
  const char* reason;
  int exitCode;
};
constexpr CCliRefusal kRefusals[] = {
    {PriceRunResult::kNotFullyDivided, "a wall, partition or floor strip is not fully divided into panels",
     kExitBadInput},
    {PriceRunResult::kPricingExportMissing, "the pricing library lacks an entry point this command needs",
     kExitFailure},
    {PriceRunResult::kNoMaterialProfiles, "the data folder has no material profiles (MaterialArch.data)",
     kExitFailure},
};

}  // namespace

int ReportRunFailure(CliContext& context, PriceRunResult result, const std::string& subject,
                     const std::string& output) {
  std::string prefix = "zamo-cli " + context.command + ": ";
  if (!subject.empty()) prefix += subject + ": ";
  if (result == PriceRunResult::kPricingRefused) {
    context.err << prefix << "the pricing library refused the prices (its message says why); " << output
                << " was not written\n";
    return kExitBadInput;
  }
  if (result == PriceRunResult::kMaterialsMissing) {
    context.err << prefix << "the materials library " << ModuleFileName(QStringLiteral("Material")).toStdString()
                << " cannot be loaded\n";
    return kExitFailure;
  }
  for (const CCliRefusal& refusal : kRefusals) {
    if (refusal.result != result) continue;
    context.err << prefix << refusal.reason << '\n';
    return refusal.exitCode;
  }
  context.err << prefix << "the report " << output << " was not written\n";
  return kExitFailure;
}
