#include "sendcameradlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <array>

#include "atomicfile.h"
#include "camerafile.h"
#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "settings.h"

namespace {

struct CField {
  int id;
  int label;  // language entry
};

// The remembered fields in the order the collections library fills and
// collects them; the order is part of what the library stores.
constexpr std::array<int, 7> kRememberedFields{
    Ctl::SendCamera::kFirstName, Ctl::SendCamera::kCompany, Ctl::SendCamera::kLastName,
    Ctl::SendCamera::kPatronymic, Ctl::SendCamera::kPhone,  Ctl::SendCamera::kEmail,
    Ctl::SendCamera::kAddress};

constexpr std::array<CField, 5> kContactFields{{{Ctl::SendCamera::kFirstName, Lang::kFirstNameLabel},
                                                {Ctl::SendCamera::kLastName, Lang::kLastNameLabel},
                                                {Ctl::SendCamera::kPatronymic, Lang::kPatronymicLabel},
                                                {Ctl::SendCamera::kPhone, Lang::kPhoneLabel},
                                                {Ctl::SendCamera::kEmail, Lang::kEmailLabel}}};
constexpr std::array<CField, 2> kCompanyFields{{{Ctl::SendCamera::kCompany, Lang::kCompanyNameLabel},
                                                {Ctl::SendCamera::kAddress, Lang::kAddressLabel}}};

QString CameraArticle(const CameraFileContents& contents) {
  return QString::fromUtf16(contents.article.data(), static_cast<qsizetype>(contents.article.size()));
}

// A file name made of the article's letters and digits.
QString AttachmentName(const QString& article) {
  QString name;
  for (const QChar c : article) name += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char('_');
  return (name.isEmpty() ? QStringLiteral("camera") : name) + QStringLiteral(".kry");
}

}  // namespace

CSendCameraDlg::CSendCameraDlg(QWidget* parent) : CZamoDialog(parent) {
  setWindowTitle(UiText(Lang::kSendCameraCaption));
  // Each line after the first starts with a blank, as the text always had.
  const QString lineBreak = QStringLiteral("\n ");
  auto* intro = new QLabel(UiText(Lang::kSendIntroLine1) + lineBreak + UiText(Lang::kSendIntroLine2) + lineBreak +
                               UiText(Lang::kSendIntroLine3),
                           this);

  const auto makeGroup = [this](const QString& title, const auto& fields) {
    auto* group = new QGroupBox(title, this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    for (const CField& field : fields) {
      auto* box = new QComboBox(group);
      box->setEditable(true);
      box->setInsertPolicy(QComboBox::NoInsert);
      box->setMinimumContentsLength(24);
      SetControlId(box, field.id);
      form->addRow(UiText(field.label), box);
    }
    return group;
  };
  auto* contact = makeGroup(UiText(Lang::kContactGroup), kContactFields);
  auto* company = makeGroup(UiText(Lang::kCompanyGroup), kCompanyFields);

  auto* additionalLabel = new QLabel(UiText(Lang::kAdditionalInfoLabel), this);
  additional_ = new QPlainTextEdit(this);
  additional_->setTabChangesFocus(true);
  additional_->setFixedHeight(additional_->fontMetrics().lineSpacing() * 5);
  SetControlId(additional_, Ctl::SendCamera::kAdditional);
  additionalLabel->setBuddy(additional_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(contact);
  layout->addWidget(company);
  layout->addWidget(additionalLabel);
  layout->addWidget(additional_);
  layout->addWidget(MakeButtons(0, UiText(Lang::kSendButton), 0, UiText(Lang::kCancelButton)));
}

CSendCameraDlg::~CSendCameraDlg() { CloseCollector(); }

void CSendCameraDlg::SetCamera(const QString& article, const QByteArray& cameraFile) {
  article_ = article;
  cameraFile_ = cameraFile;
}

bool CSendCameraDlg::SetCameraFile(const QString& path) {
  std::string bytes;
  CameraFileContents contents;
  if (ReadWholeFile(QFile::encodeName(path).toStdString(), bytes, kMaxCameraFileBytes)) return false;
  ReadCameraFile(bytes, contents);
  SetCamera(CameraArticle(contents), QByteArray::fromStdString(bytes));
  return true;
}

void CSendCameraDlg::SetLibraryNames(const QString& collections, const QString& mailer) {
  collectionsLibrary_ = collections;
  mailerLibrary_ = mailer;
}

void CSendCameraDlg::OnInitDialog() { OpenCollector(); }

void CSendCameraDlg::OpenCollector() {
  if (!collector_.Load(collectionsLibrary_)) {
    ShowMessageText(UiText(Lang::kCollectorMissing), UiText(Lang::kWarningCaption), MessageButtons::Ok, this);
    return;
  }
  if (collector_.Bind(collectorApi_)) {
    ShowMessageText(UiText(Lang::kCollectorBroken), UiText(Lang::kWarningCaption), MessageButtons::Ok, this);
    CloseCollector();
    return;
  }
  for (const int id : kRememberedFields) collectorApi_.FillCollected(this, id);
}

void CSendCameraDlg::CloseCollector() {
  collectorApi_ = {};
  collector_.Unload();
}

QString CSendCameraDlg::Subject() const {
  const QString camera = UiText(Lang::kCameraTitle);
  return article_.trimmed().isEmpty() ? camera : camera + QLatin1Char(' ') + article_.trimmed();
}

QString CSendCameraDlg::Body() const {
  QStringList lines;
  const auto add = [this, &lines](const auto& fields, const QString& prefix) {
    for (const CField& field : fields) {
      const QString text = FieldText(field.id);
      if (!text.isEmpty()) lines << prefix + UiText(field.label) + QStringLiteral(": ") + text;
    }
  };
  add(kContactFields, QString());
  add(kCompanyFields, UiText(Lang::kMailCompanyPrefix) + QStringLiteral(", "));
  const QString additional = additional_->toPlainText().trimmed();
  if (!additional.isEmpty()) {
    if (!lines.isEmpty()) lines << QString();
    lines << UiText(Lang::kAdditionalInfoLabel) << additional;
  }
  return lines.join(QLatin1Char('\n'));
}

QString CSendCameraDlg::WriteAttachment() const {
  if (cameraFile_.isEmpty()) return QString();
  const QDir folder(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                        .filePath(QStringLiteral("zamo-send")));
  if (!QDir().mkpath(folder.path())) return QString();
  const QString path = folder.filePath(AttachmentName(article_));
  if (WriteFileAtomically(QFile::encodeName(path).toStdString(), cameraFile_.toStdString())) return QString();
  return path;
}

bool CSendCameraDlg::HandOver() {
  const auto settings = OpenZamoSettings();
  const QByteArray account =
      settings->value(QString::fromLatin1(kAccountSetting), QString::fromLatin1(kDefaultAccount)).toString().toUtf8();
  const QByteArray recipient = FactoryMailAddress().toUtf8();
  CPluginLibrary mailer;
  if (!mailer.Load(mailerLibrary_)) return false;
  // An older mail library has only SendMail: the contact details go
  // without the camera.
  CMailerApi api;
  mailer.Bind(api);
  if (api.SendCamera) {
    const QByteArray attachment = QFile::encodeName(WriteAttachment());
    return api.SendCamera(account.constData(), recipient.constData(), Subject().toUtf8().constData(),
                          Body().toUtf8().constData(), attachment.constData()) != 0;
  }
  if (api.SendMail) return api.SendMail(account.constData(), recipient.constData()) != 0;
  return false;
}

QString CSendCameraDlg::FieldText(int id) const {
  const auto* box = findChild<QComboBox*>(QString::number(id));
  return box ? box->currentText().trimmed() : QString();
}

void CSendCameraDlg::accept() {
  using namespace Ctl::SendCamera;
  // Whatever stops the sending keeps the dialog open with what was typed.
  const auto refuse = [this](int entry) {
    ShowMessageText(UiText(entry), UiText(Lang::kWarningCaption), MessageButtons::Ok, this);
  };
  // A camera the factory cannot answer is of no use to anyone.
  const bool named = !FieldText(kFirstName).isEmpty() || !FieldText(kLastName).isEmpty();
  if (!named || (FieldText(kPhone).isEmpty() && FieldText(kEmail).isEmpty())) {
    refuse(Lang::kSendNeedsContact);
    return;
  }
  // No address of the factory is made up: the user is told where to set it.
  if (FactoryMailAddress().isEmpty()) {
    refuse(Lang::kMailAddressNotSet);
    return;
  }
  // The user must know when nothing went: closing as if sent would lose
  // the request without a word.
  if (!HandOver()) {
    refuse(Lang::kMailNotOpened);
    return;
  }
  if (collector_.IsLoaded()) {
    for (const int id : kRememberedFields) collectorApi_.Collect(this, id);
    collectorApi_.WriteFileCollections();
    CloseCollector();
  }
  CZamoDialog::accept();
}

void CSendCameraDlg::reject() {
  CloseCollector();
  CZamoDialog::reject();
}
