// Save, save as, add to archive, load, undo, redo and delete.
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
#include "settings.h"

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
  const QString path = ChooseCameraFile(&view);
  if (path.isEmpty()) return;
  view.OpenFile(path);
}

// Delete acts on what is selected: a door or opening goes back to a plain
// panel before a partition under it is removed, as the context menus offer.
void DeleteSelection(CChildView& view) {
  const CWallPanel* panel = view.Selection().Panel();
  if (panel && panel->IsDoor()) {
    view.RunCommand(Cmd::kDeleteDoor);
  } else if (view.Selection().Partition()) {
    view.RunCommand(Cmd::kDeletePartition);
  }
}

// Where a file dialog starts: the folder of the last file chosen, else
// beside the camera's own file, else the data folder.
QString StartFolder(const QString& cameraFile) {
  const QString last = LastFileFolder();
  if (!last.isEmpty() && QDir(last).exists()) return last;
  if (!cameraFile.isEmpty()) return QFileInfo(cameraFile).absolutePath();
  return QDir::currentPath();
}

}  // namespace

QString ChooseCameraFile(QWidget* parent) {
  const QString path = DialogHost().OpenFileName(parent, UiText(Lang::kLoadCameraCaption), StartFolder(QString()),
                                                 UiText(Lang::kCameraFileFilter));
  if (!path.isEmpty()) SetLastFileFolder(QFileInfo(path).absolutePath());
  return path;
}

bool SaveCamera(CChildView& view) {
  if (!view.Document().HasCamera()) return false;
  if (view.FilePath().isEmpty()) return SaveCameraAs(view, SaveTarget::kFile);
  return view.SaveTo(view.FilePath());
}

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
  const bool archive = target == SaveTarget::kArchive;
  const QString folder = archive ? ArchiveFolder() : StartFolder(view.FilePath());
  const QString suggested = !archive && !view.FilePath().isEmpty()
                                ? QDir(folder).filePath(QFileInfo(view.FilePath()).fileName())
                                : QDir(folder).filePath(SuggestedFileName(view, kCameraSuffix));
  const QString cameraFilter = UiText(Lang::kCameraFileFilter);
  QString filter = cameraFilter;
  const QString chosen = DialogHost().SaveFileName(
      &view, UiText(target == SaveTarget::kArchive ? Lang::kAddToArchiveCaption : Lang::kSaveCameraCaption), suggested,
      cameraFilter, &filter);
  if (chosen.isEmpty()) return false;
  // The archive is a place of its own: it does not become the folder the
  // next file dialog starts in.
  if (!archive) SetLastFileFolder(QFileInfo(chosen).absolutePath());
  return view.SaveTo(WithCameraSuffix(chosen));
}

void RegisterFileCommands(CCommandTable& table) {
  table.Add(Cmd::kSaveCamera, [](CChildView& view) { SaveCamera(view); });
  table.Add(Cmd::kSaveCameraAs, [](CChildView& view) { SaveCameraAs(view, SaveTarget::kFile); });
  table.Add(Cmd::kDeleteSelection, DeleteSelection);
  table.Add(Cmd::kAddToArchive, [](CChildView& view) { SaveCameraAs(view, SaveTarget::kArchive); });
  table.Add(Cmd::kLoadCamera, LoadCamera);
  table.Add(Cmd::kUndo, Undo);
  table.Add(Cmd::kRedo, Redo);
}
