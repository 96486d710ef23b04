#include "viewtesthelpers.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include "chamber.h"
#include "childview.h"
#include "controlids.h"
#include "dialogtestutil.h"

CScriptedHost::CScriptedHost() : previous_(SetDialogHost(this)) {}

CScriptedHost::~CScriptedHost() { SetDialogHost(previous_); }

int CScriptedHost::Run(QDialog& dialog) {
  dialogsRun << QString::fromLatin1(dialog.metaObject()->className());
  if (dialogs_.empty()) {
    ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
    return QDialog::Rejected;
  }
  DialogScript script = std::move(dialogs_.front());
  dialogs_.pop_front();
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  script(dialog);
  if (dialog.isVisible()) dialog.reject();
  return dialog.result();
}

QString CScriptedHost::NextFile() {
  if (files_.empty()) {
    ADD_FAILURE() << "unexpected file dialog";
    return QString();
  }
  QString path = files_.front();
  files_.pop_front();
  return path;
}

QString CScriptedHost::SaveFileName(QWidget*, const QString&, const QString& suggested, const QString& filters,
                                    QString*) {
  suggestedFiles << suggested;
  fileFilters << filters;
  return NextFile();
}

QString CScriptedHost::OpenFileName(QWidget*, const QString&, const QString&, const QString& filters) {
  fileFilters << filters;
  return NextFile();
}

bool CScriptedHost::SetUpPrinter(QPrinter& printer, QWidget*) {
  if (!printerSetUp) {
    ADD_FAILURE() << "unexpected print dialog";
    return false;
  }
  return printerSetUp(printer);
}

namespace {

QAction* FindItem(QMenu& menu, int command, QStringList& texts) {
  QAction* found = nullptr;
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    texts << action->text();
    if (QMenu* sub = action->menu()) {
      if (QAction* inner = FindItem(*sub, command, texts)) found = found ? found : inner;
    } else if (command != 0 && action->data().toInt() == command && !found) {
      found = action;
    }
  }
  return found;
}

}  // namespace

QAction* CScriptedHost::PopUp(QMenu& menu, const QPoint&) {
  lastMenu = menu.objectName();
  lastMenuItems.clear();
  QAction* chosen = FindItem(menu, menuChoice_, lastMenuItems);
  menuChoice_ = 0;
  return chosen;
}

CScriptedHost::DialogScript TypeAndConfirm(std::vector<std::pair<int, QString>> typed) {
  return [typed = std::move(typed)](QDialog& dialog) {
    for (const auto& [id, text] : typed) TypeInto(dialog, id, text);
    ClickControl(dialog, Ctl::kOk);
  };
}

CScriptedHost::DialogScript Cancel() {
  return [](QDialog& dialog) { ClickControl(dialog, Ctl::kCancel); };
}

QPoint PixelOf(const CChildView& view, ModelPoint mm) {
  const PixelPoint p = view.Mapping().ToPixel(mm);
  return QPoint(p.x, p.y);
}

QPoint PixelOnWall(const CChildView& view, int wall) {
  const ModelRect body = view.Camera().WallRect(wall);
  return PixelOf(view, {(body.Left() + body.Right()) / 2, (body.Top() + body.Bottom()) / 2});
}

QPoint PixelOnPanel(CChildView& view, int wall, int panel) {
  CChamber& camera = view.Camera();
  const ModelRect body = camera.WallRect(wall);
  const bool vertical = camera.WallAt(wall)->IsVertical();
  const QPoint from = PixelOf(view, {body.Left(), body.Top()});
  const QPoint to = PixelOf(view, {body.Right(), body.Bottom()});
  const QPoint middle = (from + to) / 2;
  for (int along = vertical ? from.y() : from.x(); along <= (vertical ? to.y() : to.x()); ++along) {
    const QPoint p = vertical ? QPoint(middle.x(), along) : QPoint(along, middle.y());
    CWallCollection* hit = nullptr;
    CWallPanel* hitPanel = nullptr;
    if (camera.FindWallAt(view.Mapping(), p.x(), p.y(), &hit, &hitPanel) && hit == camera.WallAt(wall) && hitPanel &&
        hit->IndexOfPanel(hitPanel) == panel)
      return p;
  }
  return QPoint(-1, -1);
}
