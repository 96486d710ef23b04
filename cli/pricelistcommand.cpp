// zamo-cli price-list: the price list of standard cameras of one wall
// thickness, through the camera window's own price-list run.
#include <array>
#include <optional>

#include "clicommand.h"
#include "pricingsupport.h"

namespace {

constexpr std::array<CliOptionSpec, 2> kOptions{{
    {"-o", true},
    {"--thickness", true},
}};

}  // namespace

int RunPriceListCommand(CliContext& context) {
  const std::optional<CliOptions> parsed = ParseCommandArgs(context, kOptions, CliPositionals::kNone);
  if (!parsed) return kExitBadInput;
  const CliOptions& options = *parsed;
  const std::string* thickness = options.Value("--thickness");
  if (!thickness) return context.BadInput("--thickness 80|100 is missing");
  const std::optional<int32_t> value = ParseCliInt(*thickness);
  if (!value || (*value != 80 && *value != 100))
    return context.BadInput("--thickness: \"" + *thickness + "\" is not 80 or 100");
  int exitCode = kExitOk;
  const std::optional<std::string> output = ReportOutput(context, options, &exitCode);
  if (!output) return exitCode;

  if (!CheckPriceTable(context)) return kExitBadInput;
  CPluginLibrary quotix;
  if (!LoadPricing(context, quotix)) return kExitFailure;
  CPriceRunSetup setup;
  setup.quotix = &quotix;
  setup.reportPath = QString::fromStdString(*output);
  const PriceRunResult result = RunPriceList(setup, *value == 80);
  if (result == PriceRunResult::kWritten) return kExitOk;
  return ReportRunFailure(context, result, std::string(), *output);
}
