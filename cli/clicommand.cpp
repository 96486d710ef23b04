#include "clicommand.h"

#include "atomicfile.h"
#include "cameradocument.h"
#include "languagetable.h"
#include "materialfile.h"
#include "pricetable.h"
#include "reportlayout.h"
#include "workbook.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>

std::string CliContext::ResolvePath(const std::string& path) const {
  const std::filesystem::path given(path);
  if (given.is_absolute() || startFolder.empty()) return given.lexically_normal().string();
  return (std::filesystem::path(startFolder) / given).lexically_normal().string();
}

int CliContext::BadInput(std::string_view problem) const {
  err << "zamo-cli " << command << ": " << problem << '\n';
  return kExitBadInput;
}

bool CliOptions::Has(std::string_view name) const {
  return values.find(name) != values.end() || std::find(flags.begin(), flags.end(), name) != flags.end();
}

const std::string* CliOptions::Value(std::string_view name) const {
  const auto it = values.find(name);
  return it == values.end() ? nullptr : &it->second;
}

bool ParseCliOptions(std::span<const std::string> args, std::span<const CliOptionSpec> accepted, CliOptions* out,
                     std::string* problem) {
  *out = CliOptions();
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      out->positionals.push_back(arg);
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const auto known = std::find_if(accepted.begin(), accepted.end(), [&name](const CliOptionSpec& s) { return s.name == name; });
    if (known == accepted.end()) {
      *problem = "unknown option " + name;
      return false;
    }
    if (out->Has(name)) {
      *problem = "option " + name + " given twice";
      return false;
    }
    if (!known->takesValue) {
      if (equals != std::string::npos) {
        *problem = "option " + name + " takes no value";
        return false;
      }
      out->flags.push_back(name);
      continue;
    }
    if (equals != std::string::npos) {
      out->values.emplace(name, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      out->values.emplace(name, args[++i]);
    } else {
      *problem = "option " + name + " needs a value";
      return false;
    }
  }
  return true;
}

std::optional<CliOptions> ParseCommandArgs(const CliContext& context, std::span<const CliOptionSpec> accepted,
                                           CliPositionals positionals) {
  CliOptions options;
  std::string problem;
  if (!ParseCliOptions(context.args, accepted, &options, &problem)) {
    context.BadInput(problem);
    return std::nullopt;
  }
  if (positionals == CliPositionals::kNone && !options.positionals.empty()) {
    context.BadInput("unexpected argument " + options.positionals.front());
    return std::nullopt;
  }
  if (positionals == CliPositionals::kOneCameraFile && options.positionals.size() != 1) {
    context.BadInput("give one camera file");
    return std::nullopt;
  }
  return options;
}

std::optional<int32_t> ParseCliInt(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool LoadCliCamera(CliContext& context, const std::string& path, CCameraDocument& document) {
  CameraFileReadResult read;
  if (const FileError error = document.Load(path, &read)) {
    context.err << error.ToString() << '\n';
    return false;
  }
  if (const std::string damage = DescribeCameraFileEnd(read); !damage.empty())
    context.err << path << ": " << damage << '\n';
  return true;
}

namespace {

struct CDataFile {
  const char* name;
  uint64_t maxBytes;
};

constexpr CDataFile kLanguageFile{CLanguageTable::kFileName, CLanguageTable::kMaxFileBytes};
constexpr CDataFile kPriceFile{CPriceTable::kFileName, CPriceTable::kMaxFileBytes};
constexpr CDataFile kProfileFile{kMaterialFileName, kMaxMaterialFileBytes};
constexpr CDataFile kLogoFile{CReportLayout::kLogoFileName, CWorkbook::kMaxPictureBytes};

// What each command reads from the data folder. The pricing commands check
// the price table themselves, with what it means for the prices.
struct CCommandFiles {
  std::string_view command;
  std::initializer_list<CDataFile> files;
};

const CCommandFiles kCommandFiles[] = {
    {"render", {kLanguageFile}},
    {"report", {kLanguageFile, kProfileFile, kLogoFile}},
    {"price-list", {kLanguageFile, kLogoFile}},
    {"components", {kLanguageFile, kProfileFile, kLogoFile}},
    {"prices", {kPriceFile}},
};

}  // namespace

bool CheckCliDataFiles(CliContext& context) {
  for (const CCommandFiles& entry : kCommandFiles) {
    if (entry.command != context.command) continue;
    for (const CDataFile& file : entry.files) {
      std::error_code ec;
      if (!std::filesystem::exists(file.name, ec) && !ec) continue;
      if (const FileError error = CheckReadableFile(file.name, file.maxBytes)) {
        const std::filesystem::path absolute = std::filesystem::absolute(file.name, ec);
        context.BadInput((ec ? std::string(file.name) : absolute.string()) + ": " + error.problem);
        return false;
      }
    }
  }
  return true;
}
