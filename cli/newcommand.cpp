// zamo-cli new: a camera as the new camera dialog hands it on, optionally
// with every wall filled, saved as a camera file.
#include <array>

#include "cameradocument.h"
#include "clicommand.h"
#include "modellimits.h"
#include "textcodec.h"

namespace {

// The new camera dialog's bounds: every wall run and the floor at least one
// standard panel long between the walls, nothing beyond the model's reach.
constexpr int32_t kMinInnerSize = 1200;      // mm
constexpr int32_t kMaxOuterSize = model_limits::kMaxCameraSide;  // mm, length and width
constexpr int32_t kThicknesses[] = {80, 100};

constexpr std::array<CliOptionSpec, 10> kOptions{{
    {"--length", true},
    {"--width", true},
    {"--height", true},
    {"--thickness", true},
    {"--article", true},
    {"--description", true},
    {"--no-floor", false},
    {"--lock-geometry", false},
    {"--fill", false},
    {"-o", true},
}};

// Reads a required size option; on a refusal reports it and returns false.
bool ReadSize(CliContext& context, const CliOptions& options, std::string_view name, int32_t minimum, int32_t maximum,
              int32_t* value, int* exitCode) {
  const std::string* text = options.Value(name);
  if (!text) {
    *exitCode = context.BadInput(std::string(name) + " is missing");
    return false;
  }
  const std::optional<int32_t> number = ParseCliInt(*text);
  if (!number) {
    *exitCode = context.BadInput(std::string(name) + ": \"" + *text + "\" is not a whole number");
    return false;
  }
  if (*number < minimum || *number > maximum) {
    *exitCode = context.BadInput(std::string(name) + ": " + *text + " mm is outside " + std::to_string(minimum) +
                                 " to " + std::to_string(maximum) + " mm");
    return false;
  }
  *value = *number;
  return true;
}

}  // namespace

int RunNewCommand(CliContext& context) {
  const std::optional<CliOptions> parsed = ParseCommandArgs(context, kOptions, CliPositionals::kNone);
  if (!parsed) return kExitBadInput;
  const CliOptions& options = *parsed;
  const std::string* output = options.Value("-o");
  if (!output || output->empty()) return context.BadInput("-o FILE.kry is missing");

  const std::string* thicknessText = options.Value("--thickness");
  if (!thicknessText) return context.BadInput("--thickness is missing");
  const std::optional<int32_t> thickness = ParseCliInt(*thicknessText);
  if (!thickness || (*thickness != kThicknesses[0] && *thickness != kThicknesses[1]))
    return context.BadInput("--thickness: \"" + *thicknessText + "\" is neither 80 nor 100");

  const int32_t t = *thickness;
  const int32_t minimum = kMinInnerSize + 2 * t;
  int32_t length = 0;
  int32_t width = 0;
  int32_t height = 0;
  int exitCode = kExitOk;
  if (!ReadSize(context, options, "--length", minimum, kMaxOuterSize, &length, &exitCode) ||
      !ReadSize(context, options, "--width", minimum, kMaxOuterSize, &width, &exitCode) ||
      !ReadSize(context, options, "--height", minimum, model_limits::kMaxWallPanelLength, &height, &exitCode))
    return exitCode;

  const std::string* article = options.Value("--article");
  const std::string* description = options.Value("--description");
  CCameraDocument document;
  EditRefusal why = EditRefusal::kNone;
  if (!document.CreateCamera(Utf8ToUtf16(article ? *article : std::string()),
                             Utf8ToUtf16(description ? *description : std::string()), length - t, width - t,
                             height - 2 * t, t, options.Has("--no-floor"), options.Has("--lock-geometry"), &why))
    return context.BadInput(std::string("the camera cannot be built: ") + EditRefusalName(why));
  if (options.Has("--fill") && !document.Apply(FillAllWallsRecord(), &why))
    return context.BadInput(std::string("the walls cannot be filled: ") + EditRefusalName(why));

  const std::string path = context.ResolvePath(*output);
  if (const FileError error = document.Save(path)) {
    context.err << error.ToString() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}
