// zamo-cli render: a camera file drawn as the window draws it (PNG, BMP,
// SVG) or as its printed page (PDF, or PNG with --page), through the
// window's own drawing, export and print functions.
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>

#include "cameradocument.h"
#include "clicommand.h"
#include "datafolder.h"
#include "languagetable.h"
#include "planfit.h"
#include "planimage.h"
#include "planrenderer.h"
#include "printpage.h"
#include "sceneimage.h"
#include "textcodec.h"

namespace {

constexpr std::array<CliOptionSpec, 8> kOptions{{
    {"-o", true},
    {"--size", true},
    {"--scale", true},
    {"--font-points", true},
    {"--fit", false},
    {"--page", false},
    {"--3d", false},
    {"--view", true},
}};

std::optional<double> ParseNumber(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// "WxH" in whole pixels.
std::optional<QSize> ParseSize(const std::string& text) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const std::optional<int32_t> w = ParseCliInt(std::string_view(text).substr(0, x));
  const std::optional<int32_t> h = ParseCliInt(std::string_view(text).substr(x + 1));
  if (!w || !h) return std::nullopt;
  return QSize(*w, *h);
}

// The picture's --size, kDefaultCanvas when none is given; nothing, with
// the one line said, for a size that is refused.
std::optional<QSize> CanvasOption(const CliContext& context, const CliOptions& options) {
  QSize size = kDefaultCanvas;
  if (const std::string* text = options.Value("--size")) {
    const std::optional<QSize> given = ParseSize(*text);
    if (!given) {
      context.BadInput("--size: \"" + *text + "\" is not WIDTHxHEIGHT in pixels");
      return std::nullopt;
    }
    size = *given;
  }
  std::string problem;
  if (!CanvasSizeAllowed(size, &problem)) {
    context.BadInput("--size: " + problem);
    return std::nullopt;
  }
  return size;
}

// The header texts come from the data folder's language file, or from the
// shipped one when the folder has none.
DrawingHeader HeaderTexts() {
  CLanguageTable& language = ModuleLanguage();
  if (language.Count() == 0 && !language.Load(0)) {
    const QString shipped = ShippedDataFolder() + QStringLiteral("/") + QString::fromUtf8(CLanguageTable::kFileName);
    language.LoadFile(shipped.toStdString(), 0);
  }
  return DrawingHeaderTexts();
}

int RenderPicture(CliContext& context, const CliOptions& options, CCameraDocument& document,
                  const std::string& output) {
  if (options.Has("--scale") || options.Has("--font-points"))
    return context.BadInput("--scale and --font-points are print settings: they go with --page or a .pdf file");
  const std::optional<QSize> canvas = CanvasOption(context, options);
  if (!canvas) return kExitBadInput;
  const QSize size = *canvas;
  // Drawn where the file says the window stood, unless fitted.
  CPlanRenderer renderer(document.Camera().StoredView());
  if (options.Has("--fit")) {
    const std::optional<CPixelMapping> fitted = FitPlanToCanvas(document.Camera(), size.width(), size.height());
    if (!fitted) return context.BadInput("--fit: the picture is too small to hold the plan");
    renderer.SetMapping(*fitted);
  }
  if (const FileError error = ExportPlanImage(renderer, document.Camera(), HeaderTexts(), output, size)) {
    context.err << error.ToString() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

// The camera in 3-D from one of its corners, always fitted: a picture of
// --size, or a landscape page for a .pdf file.
int RenderScene(CliContext& context, const CliOptions& options, const CCameraDocument& document,
                const std::string& output) {
  if (options.Has("--scale") || options.Has("--font-points"))
    return context.BadInput("--scale and --font-points are settings of the plan's page, not of --3d");
  if (options.Has("--page")) return context.BadInput("--page is the plan's page: give --page or --3d");
  if (LowerCaseExtension(output) == "bmp") return context.BadInput("--3d writes .png, .svg or .pdf");
  ScenePictureSettings settings;
  if (const std::string* text = options.Value("--view")) {
    const std::optional<int32_t> view = ParseCliInt(*text);
    if (!view || *view < 1 || *view > SceneViewpoint::kPresetCount)
      return context.BadInput("--view: \"" + *text + "\" is not a corner from 1 to 4");
    settings.view = SceneViewpoint::Preset(*view);
  }
  const std::optional<QSize> size = CanvasOption(context, options);
  if (!size) return kExitBadInput;
  if (const FileError error = ExportSceneImage(document.Camera(), settings, output, *size)) {
    context.err << error.ToString() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

int RenderPage(CliContext& context, const CliOptions& options, CCameraDocument& document, const std::string& output,
               bool pdf) {
  if (options.Has("--size")) return context.BadInput("--size goes with a picture: the printed page is an A4 page");
  if (options.Has("--fit") && options.Has("--scale")) return context.BadInput("give --scale or --fit, not both");
  PrintSettings settings;
  if (const std::string* text = options.Value("--font-points")) {
    const std::optional<double> points = ParseNumber(*text);
    if (!points || *points < CPlanRenderer::kMinPrintFontPoints || *points > CPlanRenderer::kMaxPrintFontPoints)
      return context.BadInput("--font-points: \"" + *text + "\" is not a size from 1 to 1000 points");
    settings.fontPoints = *points;
  }
  // The plan is fitted to the page unless a scale 1:N is given.
  if (const std::string* text = options.Value("--scale")) {
    std::string_view number(*text);
    if (number.substr(0, 2) == "1:") number.remove_prefix(2);
    const std::optional<int32_t> n = ParseCliInt(number);
    if (!n || *n < kMinScaleDenominator || *n > kMaxScaleDenominator)
      return context.BadInput("--scale: \"" + *text + "\" is not a scale 1:N with N from 1 to " +
                              std::to_string(kMaxScaleDenominator));
    settings.fitToPage = false;
    settings.scaleDenominator = *n;
  }
  const CChamber& camera = document.Camera();
  PrintHeading heading;
  heading.article = Utf16ToUtf8(document.Article());
  heading.description = Utf16ToUtf8(document.Description());
  heading.picture = ScenePictureOf(camera);
  // Refused settings are the caller's: say so before anything is printed.
  std::string problem;
  if (!LayOutPrintPage(camera, heading, settings, 3508, 2480, kPdfResolution, &problem))
    return context.BadInput(problem);
  const FileError error = pdf ? PrintCameraToPdf(camera, heading, settings, output)
                              : PrintCameraToPng(camera, heading, settings, output);
  if (error) {
    context.err << error.ToString() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int RunRenderCommand(CliContext& context) {
  const std::optional<CliOptions> parsed = ParseCommandArgs(context, kOptions, CliPositionals::kOneCameraFile);
  if (!parsed) return kExitBadInput;
  const CliOptions& options = *parsed;
  const std::string* outputArg = options.Value("-o");
  if (!outputArg || outputArg->empty()) return context.BadInput("-o OUT.png|bmp|svg|pdf is missing");
  const std::string output = context.ResolvePath(*outputArg);
  const std::string ext = LowerCaseExtension(output);
  if (ext != "png" && ext != "bmp" && ext != "svg" && ext != "pdf")
    return context.BadInput("-o " + *outputArg + ": the extension chooses the kind: .png, .bmp, .svg or .pdf");

  const std::string path = context.ResolvePath(options.positionals.front());
  CCameraDocument document;
  if (!LoadCliCamera(context, path, document)) return kExitBadInput;
  if (options.Has("--3d")) return RenderScene(context, options, document, output);
  if (options.Has("--view")) return context.BadInput("--view chooses the corner of a --3d picture");
  if (options.Has("--page") && ext != "pdf" && ext != "png")
    return context.BadInput("--page writes the printed page as .pdf or .png");
  if (ext == "pdf" || options.Has("--page")) return RenderPage(context, options, document, output, ext == "pdf");
  return RenderPicture(context, options, document, output);
}
