// zamo-cli report: the priced quotation of a camera file, through the
// camera window's own price calculation.
#include <QTemporaryDir>

#include <array>
#include <optional>
#include <ostream>

#include "cameradocument.h"
#include "clicommand.h"
#include "pricingsupport.h"
#include "sceneimage.h"
#include "textcodec.h"

namespace {

constexpr std::array<CliOptionSpec, 5> kOptions{{
    {"-o", true},
    {"--profile", true},
    {"--euro", false},
    {"--dealer", true},
    {"--detailed", false},
}};

}  // namespace

int RunReportCommand(CliContext& context) {
  const std::optional<CliOptions> parsed = ParseCommandArgs(context, kOptions, CliPositionals::kOneCameraFile);
  if (!parsed) return kExitBadInput;
  const CliOptions& options = *parsed;
  int exitCode = kExitOk;
  const std::optional<std::string> output = ReportOutput(context, options, &exitCode);
  if (!output) return exitCode;

  int32_t profile = 0;
  if (const std::string* text = options.Value("--profile")) {
    const std::optional<int32_t> value = ParseCliInt(*text);
    if (!value || *value < 0) return context.BadInput("--profile: \"" + *text + "\" is not a profile number (0, 1, ...)");
    profile = *value;
  }
  double dealer = 0.0;
  if (!ReadDealerOption(context, options, &dealer, &exitCode)) return exitCode;

  const std::string path = context.ResolvePath(options.positionals.front());
  CCameraDocument document;
  if (!LoadCliCamera(context, path, document)) return kExitBadInput;

  if (!CheckPriceTable(context)) return kExitBadInput;
  CPluginLibrary quotix;
  if (!LoadPricing(context, quotix)) return kExitFailure;
  std::string profileProblem;
  const ReportOptionsChooser choose = [&](const std::vector<std::string>& names) -> std::optional<CReportOptions> {
    if (static_cast<size_t>(profile) >= names.size()) {
      profileProblem = "--profile " + std::to_string(profile) + ": the data folder has " +
                       std::to_string(names.size()) + " material profile(s), numbered from 0";
      return std::nullopt;
    }
    CReportOptions chosen;
    chosen.profile = profile;
    chosen.euro = options.Has("--euro");
    chosen.detailedEstimate = options.Has("--detailed");
    return chosen;
  };
  CPriceRunSetup setup;
  setup.quotix = &quotix;
  setup.reportPath = QString::fromStdString(*output);
  // A detailed estimate shows the camera in 3-D below its total.
  const QTemporaryDir pictureFolder;
  const CReportHeading heading{
      Utf16ToUtf8(document.Article()), Utf16ToUtf8(document.Description()),
      options.Has("--detailed") && pictureFolder.isValid()
          ? WriteEstimatePicture(document.Camera(), pictureFolder.path().toStdString())
          : ""};
  const PriceRunResult result = RunCameraPriceReport(setup, document.Camera(), dealer, choose, heading);
  if (result == PriceRunResult::kWritten) return kExitOk;
  if (!profileProblem.empty()) return context.BadInput(profileProblem);
  return ReportRunFailure(context, result, path, *output);
}
