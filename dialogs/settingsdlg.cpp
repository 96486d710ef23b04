#include "settingsdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "settings.h"

namespace {

constexpr int kThicknesses[] = {80, 100};

}  // namespace

bool CSettingsDlg::IsUsableMailAddress(const QString& address) {
  if (address.isEmpty()) return true;
  // One address: something before and after a single @, no blanks or
  // control characters, and nothing a mail program would take for an
  // option.
  static const QRegularExpression kAddress(QStringLiteral("^[^@\\s\\x00-\\x1f\\-][^@\\s\\x00-\\x1f]*@[^@\\s\\x00-\\x1f]+$"));
  return kAddress.match(address).hasMatch();
}

CSettingsDlg::CSettingsDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::Settings;
  setWindowTitle(UiText(Lang::kSettingsCaption));
  auto* form = new QFormLayout;
  const auto label = [this](int entry) { return new QLabel(UiText(entry), this); };

  mailAddress_ = new QLineEdit(FactoryMailAddress(), this);
  mailAddress_->setMinimumWidth(280);
  SetControlId(mailAddress_, kMailAddress);
  mailLabel_ = label(Lang::kSettingsMailAddress);
  form->addRow(mailLabel_, mailAddress_);

  updateHost_ = new QLineEdit(UpdateHost(), this);
  SetControlId(updateHost_, kUpdateHost);
  hostLabel_ = label(Lang::kSettingsUpdateHost);
  form->addRow(hostLabel_, updateHost_);
  updatePort_ = new QSpinBox(this);
  updatePort_->setRange(1, kMaxUpdatePort);
  updatePort_->setValue(UpdatePort());
  SetControlId(updatePort_, kUpdatePort);
  form->addRow(label(Lang::kSettingsUpdatePort), updatePort_);

  thickness_ = new QComboBox(this);
  for (const int value : kThicknesses) thickness_->addItem(QString::number(value), value);
  thickness_->setCurrentIndex(thickness_->findData(DefaultPanelThickness()));
  SetControlId(thickness_, kThickness);
  form->addRow(label(Lang::kSettingsThickness), thickness_);

  language_ = new QComboBox(this);
  language_->addItem(UiText(Lang::kLanguageFirstName));
  language_->addItem(UiText(Lang::kLanguageSecondName));
  language_->setCurrentIndex(InterfaceLanguage());
  SetControlId(language_, kLanguage);
  form->addRow(label(Lang::kSettingsLanguage), language_);

  openReports_ = new QCheckBox(UiText(Lang::kSettingsOpenReports), this);
  openReports_->setChecked(OpenReportsAutomatically());
  SetControlId(openReports_, kOpenReports);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(openReports_);
  layout->addWidget(MakeApplyCancelButtons());
}

void CSettingsDlg::accept() {
  const QString address = mailAddress_->text().trimmed();
  if (!IsUsableMailAddress(address)) {
    RefuseInput(mailAddress_, mailLabel_, UiText(Lang::kSettingsBadMailAddress), UiText(Lang::kErrorCaption));
    return;
  }
  const QString host = updateHost_->text().trimmed();
  if (host.isEmpty() || host.contains(QRegularExpression(QStringLiteral("[\\s/\\x00-\\x1f]")))) {
    RefuseInput(updateHost_, hostLabel_, UiText(Lang::kSettingsBadUpdateHost), UiText(Lang::kErrorCaption));
    return;
  }
  SetFactoryMailAddress(address);
  SetUpdateHost(host, updatePort_->value());
  SetOpenReportsAutomatically(openReports_->isChecked());
  SetDefaultPanelThickness(thickness_->currentData().toInt());
  if (language_->currentIndex() != InterfaceLanguage()) {
    SetInterfaceLanguage(language_->currentIndex());
    ShowMessage(Lang::kLanguageAfterRestart, Lang::kSettingsCaption, MessageButtons::Ok, this);
  }
  CZamoDialog::accept();
}
