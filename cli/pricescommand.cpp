// zamo-cli prices: the price table of the data folder ("PriceCntr.data"),
// shown as INDEX=VALUE lines or changed entry by entry.
#include <QFileInfo>
#include <QString>

#include <charconv>
#include <map>
#include <optional>
#include <ostream>

#include "clicommand.h"
#include "filelock.h"
#include "pricetable.h"
#include "pricingsupport.h"

namespace {

// The shortest text that reads back as the same double.
std::string FormatValue(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

int ShowPrices(CliContext& context) {
  CPriceTable table;
  const std::string path = CPriceTable::kFileName;
  if (QFileInfo::exists(QString::fromUtf8(CPriceTable::kFileName))) {
    std::string bytes;
    if (const FileError error = ReadWholeFile(path, bytes, CPriceTable::kMaxFileBytes)) {
      context.err << QFileInfo(QString::fromUtf8(CPriceTable::kFileName)).absoluteFilePath().toStdString() << ": "
                  << error.problem << '\n';
      return kExitBadInput;
    }
    const int read = table.ReadBytes(bytes);
    if (read < PriceEntry::kCount)
      context.err << path << ": holds " << read << " of " << PriceEntry::kCount
                  << " entries; the others show as 0\n";
  } else {
    context.err << path << ": no price table yet; every entry is 0\n";
  }
  for (int i = 0; i < PriceEntry::kCount; ++i) context.out << i << '=' << FormatValue(table.Get(i)) << '\n';
  return kExitOk;
}

int SetPrices(CliContext& context, std::span<const std::string> assignments) {
  if (assignments.empty()) return context.BadInput("set: give one or more INDEX=VALUE");
  std::map<int, double> changes;
  for (const std::string& text : assignments) {
    const size_t equals = text.find('=');
    const std::optional<int32_t> index =
        equals == std::string::npos ? std::nullopt : ParseCliInt(std::string_view(text).substr(0, equals));
    if (!index) return context.BadInput("set " + text + ": is not INDEX=VALUE");
    if (*index < 0 || *index >= PriceEntry::kCount)
      return context.BadInput("set " + text + ": the index is from 0 to " + std::to_string(PriceEntry::kCount - 1));
    const std::optional<double> value = ParseCliDouble(std::string_view(text).substr(equals + 1));
    if (!value) return context.BadInput("set " + text + ": the value is not a number");
    if (!CPriceTable::IsValidPrice(*value))
      return context.BadInput("set " + text + ": a price is from 0 to " +
                              std::to_string(static_cast<long long>(CPriceTable::kMaxPrice)));
    changes[*index] = *value;
  }
  // Every entry is checked before the file is touched: a bad argument
  // changes nothing. Another program changing the table at the same time
  // waits for this one, so that neither change is lost.
  const CFileLock lock(CPriceTable::kFileName);
  if (!lock.Held()) {
    context.err << lock.Error().ToString() << '\n';
    return kExitFailure;
  }
  CPriceTable table;
  if (const FileError error = table.Read(CPriceTable::kFileName)) {
    context.err << error.ToString() << '\n';
    return kExitFailure;
  }
  for (const auto& [index, value] : changes) table.Set(index, value);
  if (const int bad = table.BadEntry(); bad >= 0)
    return context.BadInput(std::string(CPriceTable::kFileName) + ": entry " + std::to_string(bad) +
                            " holds no price; set it too");
  if (const FileError error = table.Write(CPriceTable::kFileName)) {
    context.err << error.ToString() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int RunPricesCommand(CliContext& context) {
  if (context.args.empty()) return context.BadInput("give show or set INDEX=VALUE ...");
  const std::string& action = context.args.front();
  const std::span<const std::string> rest(context.args.data() + 1, context.args.size() - 1);
  if (action == "show") {
    if (!rest.empty()) return context.BadInput("show takes no arguments");
    return ShowPrices(context);
  }
  if (action == "set") return SetPrices(context, rest);
  return context.BadInput("\"" + action + "\" is not show or set");
}
