#pragma once

#include <QByteArray>
#include <QString>

#include "pluginlibrary.h"
#include "zamodialog.h"

class QComboBox;
class QPlainTextEdit;

// Sending a camera to the manufacturer: the sender's contact fields, which
// the collections library (Tallyx) remembers from one showing to the next,
// and a free text; Send (Lang::kSendButton) hands the camera to the mail library, which
// opens the user's mail program addressed to the manufacturer. Send needs a
// name and a phone or an e-mail, and the factory's address from the
// settings; without them, or when no mail program opens, the user is told
// and the dialog stays open with what was typed.
//
// The collections library is loaded when the dialog is first shown and
// freed when it closes; without it the dialog works all the same and
// remembers nothing. Values are remembered only on Send.
class CSendCameraDlg : public CZamoDialog {
  Q_OBJECT

 public:
  // The sending account of the mail hand-over, with its default; the
  // factory's address is FactoryMailAddress() (settings.h).
  static constexpr const char* kAccountSetting = "Mail/Account";
  static constexpr const char* kDefaultAccount = "zamo";

  explicit CSendCameraDlg(QWidget* parent = nullptr);
  ~CSendCameraDlg() override;

  // The camera to send: its article (for the subject) and its camera file
  // bytes (attached). Without a camera only the contact details go.
  void SetCamera(const QString& article, const QByteArray& cameraFile);
  // The same from a camera file on disk; false (and no camera) when it
  // cannot be read.
  bool SetCameraFile(const QString& path);

  // Base names of the two libraries ("Tallyx", "mailer").
  void SetLibraryNames(const QString& collections, const QString& mailer);

  bool CollectorAvailable() const { return collector_.IsLoaded(); }

  // The mail as it is handed over.
  QString Subject() const;
  QString Body() const;

  void accept() override;
  void reject() override;

 protected:
  void OnInitDialog() override;

 private:
  void OpenCollector();
  void CloseCollector();
  QString WriteAttachment() const;
  QString FieldText(int id) const;
  bool HandOver();

  QString collectionsLibrary_ = QStringLiteral("Tallyx");
  QString mailerLibrary_ = QStringLiteral("mailer");
  CPluginLibrary collector_;
  CTallyxApi collectorApi_;  // bound while collector_ is loaded
  QString article_;
  QByteArray cameraFile_;
  QPlainTextEdit* additional_;
};
