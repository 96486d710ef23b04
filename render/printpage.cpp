#include "printpage.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QTemporaryDir>

#include <charconv>
#include <cmath>

#include "chamber.h"
#include "languageentries.h"
#include "languagetable.h"
#include "painterdrawcontext.h"
#include "planfit.h"
#include "planrenderer.h"

namespace {

constexpr PixelPoint kVolumeLine{200, 100};
constexpr PixelPoint kArticleLine{200, 200};
constexpr PixelPoint kDescriptionLine{200, 300};
constexpr int32_t kPointsPerInch = 72;
constexpr int32_t kHeadingPoints = 12;  // the printer's default font
const char* const kDocumentName = "Kryvel camera";

std::string Fixed2(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(buffer, end) : std::string("0.00");
}

}  // namespace

std::string VolumeHeadingLine(const CChamber& camera) {
  const double t = camera.Thickness();
  const double volume =
      (camera.Width() - t) / 1000.0 * ((camera.Depth() - t) / 1000.0) * (camera.Height() / 1000.0);
  const int64_t thickness = camera.Thickness();
  return ModuleLanguage().GetTextOrBuiltin(Lang::kVolumeHeadingPrefix) + " " + Fixed2(volume) + " (" +
         std::to_string(camera.Width() + thickness) + " x " + std::to_string(camera.Depth() + thickness) + " x " +
         std::to_string(camera.Height() + 2 * thickness) + ")";
}

bool DrawPrintPage(CDrawContext& dc, const CChamber& camera, const PrintHeading& heading, double zoom,
                   double fontPoints) {
  const std::optional<CPlanRenderer> print = CPlanRenderer::ForPrint(camera, dc, zoom, fontPoints);
  if (!print) return false;
  dc.Text(kVolumeLine, VolumeHeadingLine(camera));
  const CLanguageTable& language = ModuleLanguage();
  dc.Text(kArticleLine, language.GetTextOrBuiltin(Lang::kArticleLabel) + ": " + heading.article);
  dc.Text(kDescriptionLine, language.GetTextOrBuiltin(Lang::kDescriptionLabel) + ": " + heading.description);
  print->Draw(camera, dc);
  return true;
}

bool PrintCameraPage(QPrinter& printer, const CChamber& camera, const PrintHeading& heading, double zoom,
                     double fontPoints, std::string* problem) {
  if (!CPlanRenderer::ForPrint(camera, printer.width(), printer.logicalDpiY(), zoom, fontPoints)) {
    *problem = "the print settings do not make a printable page (scale " + Fixed2(zoom) + ", font size " +
               Fixed2(fontPoints) + ")";
    return false;
  }
  printer.setDocName(QString::fromUtf8(kDocumentName));
  QPainter painter;
  if (!painter.begin(&printer)) {
    *problem = "the printer did not start";
    return false;
  }
  {
    CPainterDrawContext dc(painter);
    DrawPrintPage(dc, camera, heading, zoom, fontPoints);
  }
  if (!painter.end()) {
    *problem = "the printer did not finish the page";
    return false;
  }
  return true;
}

void SetUpPdfPrinter(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(kPdfResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setDocName(QString::fromUtf8(kDocumentName));
}

std::optional<double> FitPrintZoom(const CChamber& camera, const QPrinter& printer, double fontPoints) {
  const int32_t dpi = printer.logicalDpiY();
  // The heading's three lines in the default font, and a line of the plan's
  // font around the page for the texts that run on past their points.
  const int32_t heading = MulDiv(kHeadingPoints, dpi, kPointsPerInch);
  const int32_t text =
      MulDiv(static_cast<int32_t>(std::trunc(std::fmin(std::fmax(fontPoints, 0.0), 1000.0))), dpi, kPointsPerInch);
  const int32_t edge = text + text / 2;
  const FitMargins margins{edge, kDescriptionLine.y + 2 * heading, edge, edge};
  return PrintZoomToFit(camera, printer.width(), printer.height(), margins);
}

FileError PrintCameraToPdf(const CChamber& camera, const PrintHeading& heading, const std::string& path, double zoom,
                           double fontPoints) {
  QTemporaryDir folder;
  if (!folder.isValid()) return {path, "no temporary folder for the printout"};
  const QString printed = folder.filePath(QStringLiteral("page.pdf"));
  std::string problem;
  {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, printed.toStdString());
    if (!PrintCameraPage(printer, camera, heading, zoom, fontPoints, &problem)) return {path, problem};
  }
  QFile file(printed);
  if (!file.open(QIODevice::ReadOnly)) return {path, "the printout was not written"};
  const QByteArray bytes = file.readAll();
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
