#include "printpage.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chamber.h"
#include "innersize.h"
#include "languageentries.h"
#include "languagetable.h"
#include "painterdrawcontext.h"
#include "planfit.h"

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;
const char* const kDocumentName = "Kryvel camera";

std::string Fixed2(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(buffer, end) : std::string("0.00");
}

std::string Text(int entry) { return ModuleLanguage().GetTextOrBuiltin(entry); }

std::string Labelled(int entry, const std::string& value) { return Text(entry) + ": " + value; }

std::string SizeTriple(int64_t a, int64_t b, int64_t c) {
  return std::to_string(a) + " x " + std::to_string(b) + " x " + std::to_string(c);
}

// "%1" and "%2" of a language text replaced.
std::string Arguments(std::string text, const std::string& first, const std::string& second) {
  if (const size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, first);
  if (const size_t at = text.find("%2"); at != std::string::npos) text.replace(at, 2, second);
  return text;
}

int32_t PointsToPixels(double points, int32_t dpi) {
  return std::max<int32_t>(1, static_cast<int32_t>(std::lround(points * dpi / kPointsPerInch)));
}

// The mapping that puts the middle of `bounds` in the middle of `area` at
// `scale`; none for a scale the mapping refuses.
std::optional<CPixelMapping> CentredMapping(const ModelRect& bounds, const PixelRect& area, double scale) {
  CPixelMapping mapping;
  if (!mapping.SetScale(scale)) return std::nullopt;
  const int64_t midX = (static_cast<int64_t>(bounds.Left()) + bounds.Right()) / 2;
  const int64_t midY = (static_cast<int64_t>(bounds.Top()) + bounds.Bottom()) / 2;
  const int64_t originX = (static_cast<int64_t>(area.left) + area.right) / 2 - mapping.ToPixelLength(midX);
  const int64_t originY = (static_cast<int64_t>(area.top) + area.bottom) / 2 - mapping.ToPixelLength(midY);
  if (!CPixelMapping::IsValidOrigin(originX) || !CPixelMapping::IsValidOrigin(originY)) return std::nullopt;
  mapping.SetOrigin(static_cast<int32_t>(originX), static_cast<int32_t>(originY));
  return mapping;
}

// The largest whole N whose scale 1:N keeps `bounds` inside `area`.
std::optional<int32_t> FittedDenominator(const ModelRect& bounds, const PixelRect& area, int32_t dpi) {
  const double modelWidth = std::max<double>(1.0, static_cast<double>(bounds.Right()) - bounds.Left());
  const double modelHeight = std::max<double>(1.0, static_cast<double>(bounds.Bottom()) - bounds.Top());
  const double roomWidth = static_cast<double>(area.right) - area.left;
  const double roomHeight = static_cast<double>(area.bottom) - area.top;
  if (roomWidth < 1.0 || roomHeight < 1.0) return std::nullopt;
  const double scale = std::min(roomWidth / modelWidth, roomHeight / modelHeight);
  const double n = std::ceil(dpi / kMillimetresPerInch / scale - 1e-9);
  if (!std::isfinite(n) || n > kMaxScaleDenominator) return std::nullopt;
  return std::max<int32_t>(1, static_cast<int32_t>(n));
}

size_t CharacterCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

std::string Today() { return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString(); }

}  // namespace

std::string VolumeHeadingLine(const CChamber& camera) {
  const CameraSizes sizes = MeasureCameraSizes(camera);
  return Text(Lang::kVolumeHeadingPrefix) + " " + Fixed2(CameraInnerVolume(camera)) + " (" +
         SizeTriple(sizes.outerWidth, sizes.outerDepth, sizes.outerHeight) + ")";
}

std::optional<PrintPageLayout> LayOutPrintPage(const CChamber& camera, const PrintHeading& heading,
                                               const PrintSettings& settings, int32_t width, int32_t height,
                                               int32_t dpi, std::string* problem) {
  const std::optional<ModelRect> bounds = PlanBounds(camera);
  if (!bounds || camera.Width() <= 0) {
    *problem = "the camera has nothing to print";
    return std::nullopt;
  }
  if (!std::isfinite(settings.fontPoints) || settings.fontPoints < CPlanRenderer::kMinPrintFontPoints ||
      settings.fontPoints > CPlanRenderer::kMaxPrintFontPoints) {
    *problem = "the font size " + Fixed2(settings.fontPoints) + " is not one from 1 to 1000 points";
    return std::nullopt;
  }
  if (!settings.fitToPage &&
      (settings.scaleDenominator < kMinScaleDenominator || settings.scaleDenominator > kMaxScaleDenominator)) {
    *problem = "the scale 1:" + std::to_string(settings.scaleDenominator) + " is not one from 1:1 to 1:" +
               std::to_string(kMaxScaleDenominator);
    return std::nullopt;
  }
  std::optional<CPlanRenderer> renderer = CPlanRenderer::ForPrint(camera, width, dpi, 1.0, settings.fontPoints);
  if (!renderer || height <= 0) {
    *problem = "the page has no room to print on";
    return std::nullopt;
  }

  PrintPageLayout layout;
  layout.width = width;
  layout.height = height;
  const double titlePoints = std::clamp(settings.fontPoints, kMinTitlePoints, kMaxTitlePoints);
  const int32_t character = PointsToPixels(titlePoints, dpi);
  layout.titleFont.height = -character;
  // A character and half of one again: the cell's own leading and a gap, so
  // that no line's letters reach into the next one's.
  layout.lineStep = character + (character + 1) / 2;
  const int32_t margin = std::max<int32_t>(1, dpi / 10);
  const int32_t padding = (character + 1) / 2;
  // The sizes and the volume stand in a left column, date, scale and sheet
  // in a right one beside them; article and description, whose length
  // nobody bounds, have rows of their own. The right column starts past the
  // widest left text (estimated from the character height: no glyph of the
  // face is wider than 0.62 of it on average), or, on a page too narrow for
  // that, everything stands in one column.
  const CameraSizes sizes = MeasureCameraSizes(camera);
  const std::string sizeTexts[] = {
      Labelled(Lang::kPrintOuterSizes, SizeTriple(sizes.outerWidth, sizes.outerDepth, sizes.outerHeight)),
      Labelled(Lang::kPrintInnerSizes, SizeTriple(sizes.innerWidth, sizes.innerDepth, sizes.innerHeight)),
      Labelled(Lang::kPrintThickness, std::to_string(camera.Thickness())),
      Labelled(Lang::kPrintInnerVolume, Fixed2(CameraInnerVolume(camera)))};
  size_t widest = 0;
  for (const std::string& text : sizeTexts) widest = std::max(widest, CharacterCount(text));
  const int32_t leftWidth = static_cast<int32_t>(std::lround(static_cast<double>(widest) * character * 0.62));
  const auto blockFor = [&](int rows) {
    layout.titleBlock = {margin, margin, width - margin, margin + 2 * padding + rows * layout.lineStep};
    layout.pictureBox = {};
    int32_t right = layout.titleBlock.right - padding;
    if (heading.picture) {
      const int32_t side = layout.titleBlock.bottom - layout.titleBlock.top;
      layout.pictureBox = {layout.titleBlock.right - side, layout.titleBlock.top, layout.titleBlock.right,
                           layout.titleBlock.bottom};
      right = layout.pictureBox.left - padding;
    }
    return right;
  };
  constexpr int kPairedRows = 6;
  constexpr int kStackedRows = 9;
  const int32_t left = margin + padding;
  int32_t textRight = blockFor(kPairedRows);
  int32_t rightColumn = std::max(left + (textRight - left) / 2, left + leftWidth + 2 * character);
  const bool stacked = rightColumn + 12 * character > textRight;
  if (stacked) textRight = blockFor(kStackedRows);
  const int32_t label = PointsToPixels(settings.fontPoints, dpi);
  // Room for the labels that run on past their points; a huge label font
  // must not squeeze the plan to nothing.
  const int32_t edge = std::min(label + label / 2, std::min(width, height) / 12);
  layout.planArea = {margin + edge, layout.titleBlock.bottom + character + edge, width - margin - edge,
                     height - margin - edge};
  if (textRight - layout.titleBlock.left < 4 * character || layout.planArea.right - layout.planArea.left < 1 ||
      layout.planArea.bottom - layout.planArea.top < 1) {
    *problem = "the page is too small for the title block and the plan";
    return std::nullopt;
  }

  int32_t denominator = settings.scaleDenominator;
  if (settings.fitToPage) {
    const std::optional<int32_t> fitted = FittedDenominator(*bounds, layout.planArea, dpi);
    if (!fitted) {
      *problem = "the plan cannot be fitted to the page";
      return std::nullopt;
    }
    denominator = *fitted;
  }
  const std::optional<CPixelMapping> mapping =
      CentredMapping(*bounds, layout.planArea, dpi / kMillimetresPerInch / denominator);
  if (!mapping) {
    *problem = "the scale 1:" + std::to_string(denominator) + " cannot be drawn on this page";
    return std::nullopt;
  }
  renderer->SetMapping(*mapping);
  renderer->SetInsideDimensions(settings.insideDimensions);
  layout.renderer = *renderer;
  layout.scaleDenominator = denominator;

  const auto row = [&](int n) { return layout.titleBlock.top + padding + n * layout.lineStep; };
  const std::string otherTexts[] = {
      Labelled(Lang::kPrintDateLabel, heading.date.empty() ? Today() : heading.date),
      Labelled(Lang::kPrintScale, "1:" + std::to_string(denominator)),
      Arguments(Text(Lang::kPrintSheet), std::to_string(heading.page), std::to_string(heading.pageCount))};
  layout.lines.push_back({Labelled(Lang::kArticleLabel, heading.article), {left, row(0)}});
  for (int i = 0; i < 4; ++i) layout.lines.push_back({sizeTexts[i], {left, row(1 + i)}});
  for (int i = 0; i < 3; ++i)
    layout.lines.push_back({otherTexts[i], stacked ? PixelPoint{left, row(5 + i)} : PixelPoint{rightColumn, row(1 + i)}});
  layout.lines.push_back(
      {Labelled(Lang::kDescriptionLabel, heading.description), {left, row(stacked ? kStackedRows - 1 : 5)}});
  return layout;
}

void DrawPrintPage(CDrawContext& dc, const CChamber& camera, const PrintHeading& heading,
                   const PrintPageLayout& layout) {
  // The plan first: the title block's white frame then covers whatever a
  // large label font lets run up into it, so its lines stay legible.
  layout.renderer.Draw(camera, dc);
  dc.SelectBrush(DrawBrush::Solid(Rgb(255, 255, 255)));
  dc.SelectPen(DrawPen{});
  dc.Rectangle(layout.titleBlock);
  if (heading.picture && layout.pictureBox.right > layout.pictureBox.left) {
    dc.Rectangle(layout.pictureBox);
    heading.picture(dc, layout.pictureBox);
  }
  dc.SelectFont(layout.titleFont);
  for (const TitleLine& line : layout.lines) dc.Text(line.at, line.text);
}

bool PlanSuitsLandscape(const CChamber& camera) {
  const std::optional<ModelRect> bounds = PlanBounds(camera);
  if (!bounds) return true;
  return static_cast<int64_t>(bounds->Right()) - bounds->Left() >=
         static_cast<int64_t>(bounds->Bottom()) - bounds->Top();
}

bool PrintCameraPage(QPrinter& printer, const CChamber& camera, const PrintHeading& heading,
                     const PrintSettings& settings, std::string* problem) {
  const std::optional<PrintPageLayout> layout =
      LayOutPrintPage(camera, heading, settings, printer.width(), printer.height(), printer.logicalDpiY(), problem);
  if (!layout) return false;
  printer.setDocName(QString::fromUtf8(kDocumentName));
  QPainter painter;
  if (!painter.begin(&printer)) {
    *problem = "the printer did not start";
    return false;
  }
  {
    CPainterDrawContext dc(painter);
    DrawPrintPage(dc, camera, heading, *layout);
  }
  if (!painter.end()) {
    *problem = "the printer did not finish the page";
    return false;
  }
  return true;
}

void SetUpPdfPrinter(QPrinter& printer, const std::string& path, const CChamber& camera) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(kPdfResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(PlanSuitsLandscape(camera) ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setDocName(QString::fromUtf8(kDocumentName));
}

FileError PrintCameraToPdf(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
                           const std::string& path) {
  QTemporaryDir folder;
  if (!folder.isValid()) return {path, "no temporary folder for the printout"};
  const QString printed = folder.filePath(QStringLiteral("page.pdf"));
  std::string problem;
  {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, printed.toStdString(), camera);
    if (!PrintCameraPage(printer, camera, heading, settings, &problem)) return {path, problem};
  }
  QFile file(printed);
  if (!file.open(QIODevice::ReadOnly)) return {path, "the printout was not written"};
  const QByteArray bytes = file.readAll();
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QImage RenderPrintPageImage(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
                            int dpi, std::string* problem) {
  constexpr double kA4Short = 210.0;
  constexpr double kA4Long = 297.0;
  if (dpi < 10 || dpi > 600) {
    *problem = "a page picture is drawn at 10 to 600 dots per inch";
    return {};
  }
  const bool landscape = PlanSuitsLandscape(camera);
  const int shortSide = static_cast<int>(std::lround(kA4Short / kMillimetresPerInch * dpi));
  const int longSide = static_cast<int>(std::lround(kA4Long / kMillimetresPerInch * dpi));
  const int width = landscape ? longSide : shortSide;
  const int height = landscape ? shortSide : longSide;
  const std::optional<PrintPageLayout> layout =
      LayOutPrintPage(camera, heading, settings, width, height, dpi, problem);
  if (!layout) return {};
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) {
    *problem = "no memory for the page's picture";
    return {};
  }
  const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    CPainterDrawContext dc(painter);
    DrawPrintPage(dc, camera, heading, *layout);
  }
  painter.end();
  return image;
}

FileError PrintCameraToPng(const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
                           const std::string& path) {
  std::string problem;
  const QImage image = RenderPrintPageImage(camera, heading, settings, kPageImageDpi, &problem);
  if (image.isNull()) return {path, problem};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {path, "the picture could not be encoded"};
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
