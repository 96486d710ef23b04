#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "zamodialog.h"

class CCameraDocument;
class QTreeWidget;

// The camera archive: the camera files of the data folder's "CamArch/",
// one row each with the outer size, the wall thickness, "standard: yes",
// the article and the description. Files that are no camera are left out,
// and every row keeps the path of its own file.
//
// OK (Lang::kOpenButton) needs a row: the row's path becomes ResultPath() and the
// dialog closes with Accepted, unless onOpen is set and refuses the path
// (it shows why), in which case the dialog stays open for another choice.
// The send button runs the send-camera dialog with the chosen row's camera
// (or none) and the archive stays open.
class CArchiveDlg : public CZamoDialog {
  Q_OBJECT

 public:
  static constexpr const char* kFolder = "CamArch";

  explicit CArchiveDlg(QWidget* parent = nullptr);

  // Called with the chosen path on OK; false keeps the dialog open.
  std::function<bool(const QString& path)> onOpen;
  // Replaces what the send button does (the send-camera dialog); it gets
  // the chosen row's path, or an empty one.
  std::function<void(const QString& path)> onSend;

  QString ResultPath() const { return resultPath_; }
  // The files behind the rows, in row order.
  const QStringList& RowPaths() const { return paths_; }

  // Loads the camera file at `path` into `document` as the load command
  // does: message 4/5 and the document unchanged when it holds no camera.
  static bool LoadArchiveCamera(const QString& path, CCameraDocument& document, QWidget* parent = nullptr);

  void accept() override;

 protected:
  void OnInitDialog() override;
  void showEvent(QShowEvent* event) override;

 private:
  void FillList();
  QString SelectedPath() const;
  void Send();

  QTreeWidget* list_;
  QStringList paths_;
  QString resultPath_;
  bool columnsSized_ = false;
};
