#pragma once

#include <optional>
#include <string>

#include "atomicfile.h"

class CChamber;
class CDrawContext;
class QPrinter;

// The printed page of a camera: three heading lines at device pixels
// (200, 100), (200, 200) and (200, 300) in the printer's default font, then
// the plan drawn with the print drawing set (origin (500, 1000), a scale
// that gives the reference width 0.7 of the page's width at zoom 1, every
// font of `fontPoints`). The window's print command owns the dialogs and
// calls PrintCameraPage on the printer they configured.

inline constexpr double kDefaultPrintZoom = 1.0;
inline constexpr double kDefaultPrintFontPoints = 12.0;
// The page zamo-cli prints to PDF: A4 landscape at this resolution, where
// the fixed origin leaves room for the heading and the left-hand chain.
inline constexpr int kPdfResolution = 300;

// The heading texts that are not the camera's.
struct PrintHeading {
  std::string article;      // UTF-8
  std::string description;  // UTF-8
};

// "<Lang::kVolumeHeadingPrefix> <inner volume in m³, two decimals> (<outer
// width> x <outer depth> x <outer height>)", the decimals written with a
// point whatever the locale.
std::string VolumeHeadingLine(const CChamber& camera);

// The page on a draw context: makes the print renderer, writes the heading,
// draws the plan. False (nothing drawn) for settings CPlanRenderer::ForPrint
// refuses.
bool DrawPrintPage(CDrawContext& dc, const CChamber& camera, const PrintHeading& heading, double zoom,
                   double fontPoints);

// Prints the page on `printer` as one document named "Kryvel camera". False,
// with a reason, for settings CPlanRenderer::ForPrint refuses (checked before
// the printer starts, so no blank page comes out) or a printer that does not
// start or finish.
bool PrintCameraPage(QPrinter& printer, const CChamber& camera, const PrintHeading& heading, double zoom,
                     double fontPoints, std::string* problem);

// A PDF printer for `path` with the page zamo-cli prints: A4 landscape at
// kPdfResolution.
void SetUpPdfPrinter(QPrinter& printer, const std::string& path);

// The largest print zoom (hundredths) that keeps the printed plan and its
// chains on the printer's page below the heading; none for a camera with
// nothing to print.
std::optional<double> FitPrintZoom(const CChamber& camera, const QPrinter& printer, double fontPoints);

// The page as a PDF file at `path`, printed to a temporary file first and
// then put in place whole.
FileError PrintCameraToPdf(const CChamber& camera, const PrintHeading& heading, const std::string& path, double zoom,
                           double fontPoints);
