// Loading a camera from the archive and sending a camera; the start
// screen's archive and components buttons.
#include "archivecommands.h"

#include <QByteArray>

#include <string>

#include "archivedlg.h"
#include "childview.h"
#include "commandgroups.h"
#include "commandids.h"
#include "commandtable.h"
#include "dialoghost.h"
#include "sendcameradlg.h"

namespace {

QString FromUtf16(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Replaces the window's camera by one from the archive, as loading a file
// does: unsaved changes are asked about first, and a file that cannot be
// read leaves the window as it was.
void LoadFromArchive(CChildView& view) {
  if (!view.MaySave()) return;
  const QString path = ChooseArchiveCamera(&view);
  if (path.isEmpty()) return;
  view.OpenFile(path);
}

void SendCamera(CChildView& view) {
  CSendCameraDlg dialog(&view);
  // A window whose new camera dialog was cancelled sends the contact
  // details alone.
  if (view.Document().HasCamera()) {
    const std::string bytes = view.Document().SaveBytes();
    dialog.SetCamera(FromUtf16(view.Document().Article()), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
  view.RunDialog(dialog);
}

}  // namespace

QString ChooseArchiveCamera(QWidget* parent) {
  CArchiveDlg archive(parent);
  archive.onSend = [&archive](const QString& path) {
    CSendCameraDlg send(&archive);
    if (!path.isEmpty()) send.SetCameraFile(path);
    DialogHost().Run(send);
  };
  if (DialogHost().Run(archive) != QDialog::Accepted) return QString();
  return archive.ResultPath();
}

void RegisterArchiveCommands(CCommandTable& table) { table.Add(Cmd::kLoadFromArchive, LoadFromArchive); }

void RegisterSendCommands(CCommandTable& table) { table.Add(Cmd::kSendCamera, SendCamera); }
