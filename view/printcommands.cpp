// Printing the camera, its print preview and PDF, and exporting its picture.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "dialoghost.h"
#include "filecommands.h"
#include "languageentries.h"
#include "messages.h"
#include "planimage.h"
#include "printdlg2.h"
#include "printpage.h"
#include "sceneimage.h"
#include "settings.h"
#include "textcodec.h"

namespace {

// The print settings are remembered between printouts and runs.
constexpr const char* kFitSetting = "Print/FitToPage";
constexpr const char* kScaleSetting = "Print/ScaleDenominator";
constexpr const char* kFontSetting = "Print/FontPoints";
constexpr const char* kPicture3dSetting = "Print/Picture3d";

// The remembered settings; the chains follow the window's choice of outer
// or clear sizes.
PrintSettings RememberedPrintSettings(const CChildView& view) {
  const std::unique_ptr<QSettings> stored = OpenZamoSettings();
  PrintSettings settings;
  settings.insideDimensions = view.Renderer().InsideDimensions();
  settings.fitToPage = stored->value(QString::fromLatin1(kFitSetting), true).toBool();
  const int scale = stored->value(QString::fromLatin1(kScaleSetting), settings.scaleDenominator).toInt();
  if (scale >= kMinScaleDenominator && scale <= kMaxScaleDenominator) settings.scaleDenominator = scale;
  const double font = stored->value(QString::fromLatin1(kFontSetting), settings.fontPoints).toDouble();
  if (font >= PrintDlg2::kMinFontSize && font <= PrintDlg2::kMaxFontSize) settings.fontPoints = font;
  settings.picture3d = stored->value(QString::fromLatin1(kPicture3dSetting), true).toBool();
  return settings;
}

void RememberPrintSettings(const PrintSettings& settings) {
  const std::unique_ptr<QSettings> stored = OpenZamoSettings();
  stored->setValue(QString::fromLatin1(kFitSetting), settings.fitToPage);
  stored->setValue(QString::fromLatin1(kScaleSetting), settings.scaleDenominator);
  stored->setValue(QString::fromLatin1(kFontSetting), settings.fontPoints);
  stored->setValue(QString::fromLatin1(kPicture3dSetting), settings.picture3d);
}

void ShowWriteFailure(CChildView& view, const QString& path, const std::string& problem) {
  ShowMessageText(UiText(Lang::kFileWriteFailed).arg(path, QString::fromStdString(problem)),
                  UiText(Lang::kErrorCaption), MessageButtons::Ok, &view);
}

PrintHeading Heading(const CChildView& view, const PrintSettings& settings) {
  PrintHeading heading;
  heading.article = Utf16ToUtf8(view.Document().Article());
  heading.description = Utf16ToUtf8(view.Document().Description());
  if (settings.picture3d) heading.picture = ScenePictureOf(view.Camera());
  return heading;
}

void SetUpPrinter(QPrinter& printer, const CChamber& camera) {
  printer.setDocName(QStringLiteral("Kryvel camera"));
  printer.setPageOrientation(PlanSuitsLandscape(camera) ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// Prints the page. A PDF file is printed to a temporary file first and put
// in place whole, so a failed printout never leaves half a file behind.
bool PrintPage(QPrinter& printer, const CChamber& camera, const PrintHeading& heading, const PrintSettings& settings,
               std::string* problem) {
  const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  if (target.isEmpty()) return PrintCameraPage(printer, camera, heading, settings, problem);
  QTemporaryDir folder;
  if (!folder.isValid()) {
    *problem = "no temporary folder for the printout";
    return false;
  }
  printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
  const bool printed = PrintCameraPage(printer, camera, heading, settings, problem);
  printer.setOutputFileName(target);
  if (!printed) return false;
  QFile file(folder.filePath(QStringLiteral("page.pdf")));
  if (!file.open(QIODevice::ReadOnly)) {
    *problem = "the printout was not written";
    return false;
  }
  const QByteArray bytes = file.readAll();
  const FileError error = WriteFileAtomically(QFile::encodeName(target).toStdString(),
                                              std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (error) *problem = error.problem;
  return !error;
}

// The page shown before it is printed; the preview's own button prints it on
// `printer`.
void ShowPreview(CChildView& view, QPrinter& printer, const PrintSettings& settings) {
  const PrintHeading heading = Heading(view, settings);
  QPrintPreviewDialog preview(&printer, &view);
  std::string problem;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* page) {
    PrintCameraPage(*page, view.Camera(), heading, settings, &problem);
  });
  view.RunDialog(preview);
  if (!problem.empty()) ShowWriteFailure(view, printer.printerName(), problem);
}

void PrintCamera(CChildView& view) {
  const CChamber& camera = view.Camera();
  if (!view.Document().HasCamera()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, camera);
  if (!DialogHost().SetUpPrinter(printer, &view)) return;

  PrintDlg2 dialog(&view);
  dialog.Set(RememberedPrintSettings(view));
  if (view.RunDialog(dialog) == QDialog::Accepted) RememberPrintSettings(dialog.Get());
  if (dialog.PreviewRequested()) return ShowPreview(view, printer, dialog.Get());
  std::string problem;
  if (!PrintPage(printer, camera, Heading(view, dialog.Get()), dialog.Get(), &problem)) {
    ShowWriteFailure(view, printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName(),
                     problem);
  }
  view.update();
}

void PreviewCamera(CChildView& view) {
  if (!view.Document().HasCamera()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, view.Camera());
  ShowPreview(view, printer, RememberedPrintSettings(view));
}

QSize ScreenSize(const CChildView& view) {
  const QScreen* screen = view.screen() ? view.screen() : QGuiApplication::primaryScreen();
  return screen && !screen->size().isEmpty() ? screen->size() : kDefaultCanvas;
}

QString ExportFolder(const CChildView& view) {
  return view.FilePath().isEmpty() ? QDir::currentPath() : QFileInfo(view.FilePath()).absolutePath();
}

FileError WritePdf(const CChildView& view, const QString& path) {
  const PrintSettings settings = RememberedPrintSettings(view);
  return PrintCameraToPdf(view.Camera(), Heading(view, settings), settings, QFile::encodeName(path).toStdString());
}

void ExportPdf(CChildView& view) {
  if (!view.Document().HasCamera()) return;
  const QString filter = UiText(Lang::kPdfFileFilter);
  QString chosen = filter;
  QString path = DialogHost().SaveFileName(
      &view, UiText(Lang::kMenuExportPdf),
      QDir(ExportFolder(view)).filePath(SuggestedFileName(view, QStringLiteral("pdf"))), filter, &chosen);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().toLower() != QStringLiteral("pdf")) path += QStringLiteral(".pdf");
  if (const FileError error = WritePdf(view, path)) ShowWriteFailure(view, path, error.problem);
}

// The export's kinds, in the order the file dialog offers them.
struct ExportKind {
  const char* extension;
  int filter;
};
constexpr ExportKind kExportKinds[] = {{"bmp", Lang::kBitmapFileFilter},
                                       {"png", Lang::kPngFileFilter},
                                       {"svg", Lang::kSvgFileFilter},
                                       {"pdf", Lang::kPdfFileFilter}};

void ExportCamera(CChildView& view) {
  QStringList filters;
  for (const ExportKind& kind : kExportKinds) filters << UiText(kind.filter);
  QString filter = filters.front();
  QString path =
      DialogHost().SaveFileName(&view, UiText(Lang::kExportCameraCaption),
                                QDir(ExportFolder(view)).filePath(SuggestedFileName(view, QStringLiteral("bmp"))),
                                filters.join(QStringLiteral(";;")), &filter);
  if (path.isEmpty()) return;
  // A typed extension of a kind we write chooses the kind; otherwise the
  // chosen filter does, and its extension is added.
  QString suffix = QFileInfo(path).suffix().toLower();
  const auto known = [&suffix](const ExportKind& kind) { return suffix == QLatin1String(kind.extension); };
  if (std::none_of(std::begin(kExportKinds), std::end(kExportKinds), known)) {
    const qsizetype index = std::max<qsizetype>(0, filters.indexOf(filter));
    suffix = QLatin1String(kExportKinds[index].extension);
    path += QLatin1Char('.') + suffix;
  }
  FileError error;
  if (suffix == QStringLiteral("pdf")) {
    error = WritePdf(view, path);
  } else if (suffix == QStringLiteral("bmp")) {
    // The bitmap is the screen's picture: the plan where the window shows it.
    error = ExportPlanImage(view.Renderer(), view.Camera(), DrawingHeaderTexts(), QFile::encodeName(path).toStdString(),
                            ScreenSize(view));
  } else {
    // PNG and SVG show the whole plan at the window's scale, wherever the
    // window has scrolled to.
    const std::optional<PlanCanvas> canvas = PlanExtentCanvas(view.Camera(), view.Renderer().Mapping().Scale());
    if (!canvas) return;
    CPlanRenderer renderer = view.Renderer();
    renderer.SetMapping(canvas->mapping);
    error = ExportPlanImage(renderer, view.Camera(), DrawingHeaderTexts(), QFile::encodeName(path).toStdString(),
                            canvas->size);
  }
  if (error) ShowWriteFailure(view, path, error.problem);
}

}  // namespace

void RegisterPrintCommands(CCommandTable& table) {
  table.Add(Cmd::kPrintCamera, PrintCamera);
  table.Add(Cmd::kPrintPreview, PreviewCamera);
  table.Add(Cmd::kExportPdf, ExportPdf);
  table.Add(Cmd::kExportCamera, ExportCamera);
}
