// Printing the camera and exporting its picture.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QScreen>
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
#include "textcodec.h"

namespace {

void ShowWriteFailure(CChildView& view, const QString& path, const std::string& problem) {
  ShowMessageText(UiText(Lang::kFileWriteFailed).arg(path, QString::fromStdString(problem)),
                  UiText(Lang::kErrorCaption), MessageButtons::Ok, &view);
}

// Prints the page. A PDF file is printed to a temporary file first and put
// in place whole, so a failed printout never leaves half a file behind.
bool PrintPage(QPrinter& printer, const CChamber& camera, const PrintHeading& heading, double zoom, double fontPoints,
               std::string* problem) {
  const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
  if (target.isEmpty()) return PrintCameraPage(printer, camera, heading, zoom, fontPoints, problem);
  QTemporaryDir folder;
  if (!folder.isValid()) {
    *problem = "no temporary folder for the printout";
    return false;
  }
  printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
  const bool printed = PrintCameraPage(printer, camera, heading, zoom, fontPoints, problem);
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

void PrintCamera(CChildView& view) {
  const CChamber& camera = view.Camera();
  if (!view.Document().HasCamera()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Kryvel camera"));
  printer.setPageOrientation(QPageLayout::Landscape);
  if (!DialogHost().SetUpPrinter(printer, &view)) return;

  // At zoom 1 the plan takes 0.7 of the page's width, which cuts off a
  // camera deeper than it is wide (or any camera on a portrait page): the
  // settings start from the largest zoom up to 1 that keeps the whole plan
  // on the page.
  const double zoom = std::min(kDefaultPrintZoom,
                               FitPrintZoom(camera, printer, kDefaultPrintFontPoints).value_or(kDefaultPrintZoom));
  PrintDlg2 settings(&view);
  settings.Set(zoom, kDefaultPrintFontPoints);
  view.RunDialog(settings);
  double chosenZoom = zoom;
  double fontPoints = kDefaultPrintFontPoints;
  settings.Get(chosenZoom, fontPoints);

  const PrintHeading heading{Utf16ToUtf8(view.Document().Article()), Utf16ToUtf8(view.Document().Description())};
  std::string problem;
  if (!PrintPage(printer, camera, heading, chosenZoom, fontPoints, &problem)) {
    ShowWriteFailure(view, printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName(),
                     problem);
  }
  view.update();
}

QSize ScreenSize(const CChildView& view) {
  const QScreen* screen = view.screen() ? view.screen() : QGuiApplication::primaryScreen();
  return screen && !screen->size().isEmpty() ? screen->size() : kDefaultCanvas;
}

void ExportCamera(CChildView& view) {
  const QString folder =
      view.FilePath().isEmpty() ? QDir::currentPath() : QFileInfo(view.FilePath()).absolutePath();
  const QString suggested = QDir(folder).filePath(SuggestedFileName(view, QStringLiteral("bmp")));
  const QString bitmapFilter = UiText(Lang::kBitmapFileFilter);
  const QString pngFilter = UiText(Lang::kPngFileFilter);
  QString filter = bitmapFilter;
  QString path = DialogHost().SaveFileName(&view, UiText(Lang::kExportCameraCaption), suggested,
                                           bitmapFilter + QStringLiteral(";;") + pngFilter, &filter);
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QStringLiteral("bmp") && suffix != QStringLiteral("png"))
    path += filter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".bmp");
  // The picture has the screen's size and shows the plan where the window
  // shows it.
  if (const FileError error = ExportPlanImage(view.Renderer(), view.Camera(), DrawingHeaderTexts(),
                                              QFile::encodeName(path).toStdString(), ScreenSize(view)))
    ShowWriteFailure(view, path, error.problem);
}

}  // namespace

void RegisterPrintCommands(CCommandTable& table) {
  table.Add(Cmd::kPrintCamera, PrintCamera);
  table.Add(Cmd::kExportCamera, ExportCamera);
}
