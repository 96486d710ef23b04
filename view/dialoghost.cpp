#include "dialoghost.h"

#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace {

CDialogHost*& Installed() {
  static CDialogHost* host = nullptr;
  return host;
}

}  // namespace

int CDialogHost::Run(QDialog& dialog) { return dialog.exec(); }

QString CDialogHost::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QString& filters, QString* selectedFilter) {
  return QFileDialog::getSaveFileName(parent, caption, suggested, filters, selectedFilter);
}

QString CDialogHost::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filters) {
  return QFileDialog::getOpenFileName(parent, caption, folder, filters);
}

bool CDialogHost::SetUpPrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QAction* CDialogHost::PopUp(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

CDialogHost& DialogHost() {
  static CDialogHost own;
  return Installed() ? *Installed() : own;
}

CDialogHost* SetDialogHost(CDialogHost* host) {
  CDialogHost* previous = Installed();
  Installed() = host;
  return previous;
}
