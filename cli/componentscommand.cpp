// zamo-cli components: the panel report of single panels, as the
// components calculation prices them.
#include <QFileInfo>

#include <array>
#include <optional>
#include <vector>

#include "clicommand.h"
#include "pricingsupport.h"

namespace {

constexpr std::array<CliOptionSpec, 2> kOptions{{
    {"-o", true},
    {"--dealer", true},
}};
constexpr std::string_view kGroupOption = "--group";

// A panel or a count no camera part could have.
constexpr int32_t kMaxPanelSize = 100'000;  // mm
constexpr int32_t kMaxPanelCount = 100'000;

std::vector<std::string_view> SplitCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string_view::npos; start = comma + 1)
    parts.push_back(text.substr(start, comma - start));
  parts.push_back(text.substr(start));
  return parts;
}

// "KIND,X,Y,THICKNESS,COUNT" into a group, or a reason.
std::optional<PanelGroup> ParseGroup(std::string_view text, std::string* problem) {
  const std::vector<std::string_view> parts = SplitCommas(text);
  if (parts.size() != 5) {
    *problem = "is not KIND,X,Y,THICKNESS,COUNT";
    return std::nullopt;
  }
  PanelGroup group{};
  if (parts[0] == "wall") {
    group.kind = kPanelGroupWall;
  } else if (parts[0] == "floor") {
    group.kind = kPanelGroupFloor;
  } else if (parts[0] == "ceiling") {
    group.kind = kPanelGroupCeiling;
  } else {
    *problem = "the kind \"" + std::string(parts[0]) + "\" is not wall, floor or ceiling";
    return std::nullopt;
  }
  const std::optional<int32_t> x = ParseCliInt(parts[1]);
  const std::optional<int32_t> y = ParseCliInt(parts[2]);
  const std::optional<int32_t> thickness = ParseCliInt(parts[3]);
  const std::optional<int32_t> count = ParseCliInt(parts[4]);
  if (!x || *x < 1 || *x > kMaxPanelSize || !y || *y < 1 || *y > kMaxPanelSize) {
    *problem = "X and Y are panel sizes from 1 to " + std::to_string(kMaxPanelSize) + " mm";
    return std::nullopt;
  }
  if (!thickness || (*thickness != 80 && *thickness != 100)) {
    *problem = "the thickness is 80 or 100";
    return std::nullopt;
  }
  if (!count || *count < 1 || *count > kMaxPanelCount) {
    *problem = "the count is a number of panels from 1 to " + std::to_string(kMaxPanelCount);
    return std::nullopt;
  }
  group.width = *x;
  group.length = *y;
  group.thickness = *thickness;
  group.count = *count;
  return group;
}

}  // namespace

int RunComponentsCommand(CliContext& context) {
  // --group may stand any number of times; the other options once.
  std::vector<std::string> rest;
  std::vector<std::string> groupTexts;
  for (size_t i = 0; i < context.args.size(); ++i) {
    const std::string& arg = context.args[i];
    if (arg == kGroupOption) {
      if (i + 1 >= context.args.size()) return context.BadInput("option --group needs a value");
      groupTexts.push_back(context.args[++i]);
    } else if (arg.rfind(std::string(kGroupOption) + "=", 0) == 0) {
      groupTexts.push_back(arg.substr(kGroupOption.size() + 1));
    } else {
      rest.push_back(arg);
    }
  }
  CliOptions options;
  std::string problem;
  if (!ParseCliOptions(rest, kOptions, &options, &problem)) return context.BadInput(problem);
  if (!options.positionals.empty()) return context.BadInput("unexpected argument " + options.positionals.front());
  std::vector<PanelGroup> groups;
  for (const std::string& text : groupTexts) {
    const std::optional<PanelGroup> group = ParseGroup(text, &problem);
    if (!group) return context.BadInput("--group " + text + ": " + problem);
    groups.push_back(*group);
  }
  int exitCode = kExitOk;
  double dealer = 0.0;
  if (!ReadDealerOption(context, options, &dealer, &exitCode)) return exitCode;
  const std::optional<std::string> output = ReportOutput(context, options, &exitCode);
  if (!output) return exitCode;

  if (!CheckPriceTable(context)) return kExitBadInput;
  CPluginLibrary quotix;
  if (!LoadPricing(context, quotix)) return kExitFailure;
  // The panel report does not read the materials library; it is handed on
  // when there is one, as the components dialog does.
  CPluginLibrary material;
  material.Load(QStringLiteral("Material"), QFileInfo(quotix.FileName()).absolutePath());
  CPriceRunSetup setup;
  setup.quotix = &quotix;
  setup.reportPath = QString::fromStdString(*output);
  const PriceRunResult result = RunPanelReport(setup, material.Module(), dealer, groups);
  if (result == PriceRunResult::kWritten) return kExitOk;
  return ReportRunFailure(context, result, std::string(), *output);
}
