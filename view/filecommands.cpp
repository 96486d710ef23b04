// Save, add to archive, load, undo and redo.
#include "filecommands.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "chamber.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "dialoghost.h"
#include "languageentries.h"
#include "messages.h"

namespace {

const QString kCameraSuffix = QStringLiteral("kry");
const QString kArchiveFolderName = QStringLiteral("CamArch");

QString WithCameraSuffix(const QString& path) {
  return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + kCameraSuffix : path;
}

// Undo and redo rebuild the camera from its log, which knows nothing of
// the window's zoom and pan: those stay as they were.
void Undo(CChildView& view) {
  const CPixelMapping mapping = view.Camera().StoredView();
  if (!view.Document().UndoEdit()) return;
  view.Camera().StoredView() = mapping;
  view.DocumentChanged();
}

void Redo(CChildView& view) {
  const CPixelMapping mapping = view.Camera().StoredView();
  if (!view.Document().RedoEdit()) return;
  view.Camera().StoredView() = mapping;
  view.DocumentChanged();
}

void LoadCamera(CChildView& view) {
  if (!view.MaySave()) return;
  const QString folder = view.FilePath().isEmpty() ? QDir::currentPath() : QFileInfo(view.FilePath()).absolutePath();
  const QString path =
      DialogHost().OpenFileName(&view, UiText(Lang::kLoadCameraCaption), folder, UiText(Lang::kCameraFileFilter));
  if (path.isEmpty()) return;
  view.OpenFile(path);
}

}  // namespace

QString SuggestedFileName(const CChildView& view, const QString& suffix) {
  // The article names the camera; without one, the file it came from.
  QString name = view.Document().Article().empty() && !view.FilePath().isEmpty()
                     ? QFileInfo(view.FilePath()).completeBaseName()
                     : view.Title();
  name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
  name = name.trimmed();
  if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name = UiText(Lang::kCameraFileName);
  return name + QLatin1Char('.') + suffix;
}

QString ArchiveFolder() {
  QDir data = QDir::current();
  data.mkpath(kArchiveFolderName);
  return data.absoluteFilePath(kArchiveFolderName);
}

bool SaveCameraAs(CChildView& view, SaveTarget target) {
  // A window whose new camera dialog was cancelled holds nothing a file
  // could bring back.
  if (!view.Document().HasCamera()) return false;
  QString folder;
  if (target == SaveTarget::kArchive) {
    folder = ArchiveFolder();
  } else if (!view.FilePath().isEmpty()) {
    folder = QFileInfo(view.FilePath()).absolutePath();
  } else {
    folder = QDir::currentPath();
  }
  const QString suggested = target == SaveTarget::kFile && !view.FilePath().isEmpty()
                                ? view.FilePath()
                                : QDir(folder).filePath(SuggestedFileName(view, kCameraSuffix));
  const QString cameraFilter = UiText(Lang::kCameraFileFilter);
  QString filter = cameraFilter;
  const QString chosen = DialogHost().SaveFileName(
      &view, UiText(target == SaveTarget::kArchive ? Lang::kAddToArchiveCaption : Lang::kSaveCameraCaption), suggested,
      cameraFilter, &filter);
  if (chosen.isEmpty()) return false;
  return view.SaveTo(WithCameraSuffix(chosen));
}

void RegisterFileCommands(CCommandTable& table) {
  table.Add(Cmd::kSaveCamera, [](CChildView& view) { SaveCameraAs(view, SaveTarget::kFile); });
  table.Add(Cmd::kAddToArchive, [](CChildView& view) { SaveCameraAs(view, SaveTarget::kArchive); });
  table.Add(Cmd::kLoadCamera, LoadCamera);
  table.Add(Cmd::kUndo, Undo);
  table.Add(Cmd::kRedo, Redo);
}
