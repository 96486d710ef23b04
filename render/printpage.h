#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "atomicfile.h"
#include "drawcontext.h"
#include "planrenderer.h"

class CChamber;
class QImage;
class QPrinter;

// The printed page of a camera: a title block across the top of the
// printable area (article, date, description, outer and inside sizes,
// thickness, inner volume, scale 1:N, sheet number), then the plan with its
// dimension chains in the room below, fitted to it or at the scale the user
// typed. The window's print command, its preview and PDF export and
// zamo-cli all print through here.

inline constexpr double kDefaultPrintFontPoints = 12.0;
// The page zamo-cli prints to PDF: A4 at this resolution.
inline constexpr int kPdfResolution = 300;
// The scales a user may type, 1:N.
inline constexpr int32_t kMinScaleDenominator = 1;
inline constexpr int32_t kMaxScaleDenominator = 100000;
// The title block's font never grows past this: a large label font for the
// panels must not push the plan off the page.
inline constexpr double kMaxTitlePoints = 14.0;
inline constexpr double kMinTitlePoints = 6.0;

struct PrintSettings {
  bool fitToPage = true;
  int32_t scaleDenominator = 100;  // 1:N, used when not fitted
  double fontPoints = kDefaultPrintFontPoints;
  // The chains show the clear sizes between the walls' inner faces, as the
  // window's plan does when switched so.
  bool insideDimensions = false;
  // The camera in 3-D at the right-hand end of the title block.
  bool picture3d = true;
};

// The texts of the title block that are not the camera's.
struct PrintHeading {
  std::string article;      // UTF-8
  std::string description;  // UTF-8
  std::string date;         // as printed; empty: today, dd.mm.yyyy
  int page = 1;
  int pageCount = 1;
  // An optional picture of the camera, drawn into the box it is given at the
  // right-hand end of the title block. Without one the texts take the
  // block's whole width.
  std::function<void(CDrawContext&, const PixelRect&)> picture;
};

// One line of the title block: its text and where its first character cell
// starts, device pixels.
struct TitleLine {
  std::string text;
  PixelPoint at;
};

// Where everything goes on a page, device pixels.
struct PrintPageLayout {
  int32_t width = 0;
  int32_t height = 0;
  PixelRect titleBlock;
  PixelRect pictureBox;  // empty without a picture
  PixelRect planArea;    // the room the plan and its chains are kept in
  DrawFont titleFont;
  int32_t lineStep = 0;  // from one title line's top to the next one's
  std::vector<TitleLine> lines;
  CPlanRenderer renderer;
  int32_t scaleDenominator = 0;  // the scale printed, 1:N
};

// "<Lang::kVolumeHeadingPrefix> <inner volume in m³, two decimals> (<outer
// width> x <outer depth> x <outer height>)", the decimals written with a
// point whatever the locale: the quotation's heading line.
std::string VolumeHeadingLine(const CChamber& camera);

// Lays the page out on a printable area of width x height device pixels at
// `dpi`. None, with a reason, for a camera with nothing to print, settings
// out of bounds, a page too small for the title block, or a typed scale the
// drawing cannot reach.
std::optional<PrintPageLayout> LayOutPrintPage(const CChamber& camera, const PrintHeading& heading,
                                               const PrintSettings& settings, int32_t width, int32_t height,
                                               int32_t dpi, std::string* problem);

// Draws a laid-out page: the plan, then the title block over it.
void DrawPrintPage(CDrawContext& dc, const CChamber& camera, const PrintHeading& heading,
                   const PrintPageLayout& layout);

// The orientation that suits the plan: landscape unless its drawn extent is
// taller than wide.
bool PlanSuitsLandscape(const CChamber& camera);

// Prints the page on `printer` as one document named "Kryvel camera". False,
// with a reason, when the page cannot be laid out (checked before the
// printer starts, so no blank page comes out) or a printer that does not
// start or finish.
bool PrintCameraPage(QPrinter& printer, const CChamber& camera, const PrintHeading& heading,
                     const PrintSettings& settings, std::string* problem);

// A PDF printer for `path`: A4 at kPdfResolution, in the orientation that
// suits the camera.
void SetUpPdfPrinter(QPrinter& printer, const std::string& path, const CChamber& camera);

// The page as a picture: A4 at `dpi`, in the orientation that suits the
// camera, white. A null image, with a reason, where the page cannot be laid
// out.
inline constexpr int kPageImageDpi = 150;
QImage RenderPrintPageImage(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
                            int dpi, std::string* problem);
// The same picture as a PNG file, written whole or not at all.
FileError PrintCameraToPng(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
                           const std::string& path);

// The page as a PDF file at `path`, printed to a temporary file first and
// then put in place whole.
FileError PrintCameraToPdf(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
                           const std::string& path);
