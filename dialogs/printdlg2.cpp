#include "printdlg2.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

PrintDlg2::PrintDlg2(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::PrintSettings;
  setWindowTitle(UiText(Lang::kPrintSettingsCaption));
  Translate(this, Lang::kPrintSettingsCaption);

  fitBox_ = new QCheckBox(UiText(Lang::kPrintFitToPage), this);
  fitBox_->setObjectName(QString::fromLatin1(kFitToPageName));
  pictureBox_ = new QCheckBox(UiText(Lang::k3dInTitleBlock), this);
  pictureBox_->setObjectName(QString::fromLatin1(kPicture3dName));
  scaleLabel_ = MakeLabel(kScaleLabel, Lang::kPrintScaleRatioLabel);
  scaleEdit_ = MakeLineEdit(kScale);
  fontSizeLabel_ = MakeLabel(kFontSizeLabel, Lang::kPanelFontSizeLabel);
  fontSizeEdit_ = MakeLineEdit(kFontSize);
  for (QLineEdit* edit : {scaleEdit_, fontSizeEdit_}) {
    edit->setMaxLength(kMaxChars);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  }

  // The typed scale only counts when the plan is not fitted.
  connect(fitBox_, &QCheckBox::toggled, this, [this](bool fit) {
    scaleEdit_->setEnabled(!fit);
    scaleLabel_->setEnabled(!fit);
  });

  auto* form = new QFormLayout;
  form->addRow(fitBox_);
  form->addRow(scaleLabel_, scaleEdit_);
  form->addRow(fontSizeLabel_, fontSizeEdit_);
  form->addRow(pictureBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  QDialogButtonBox* buttons =
      MakeButtons(Lang::kOkButton, UiText(Lang::kSaveButton), Lang::kCancelButton, UiText(Lang::kCancelButtonShort));
  QPushButton* preview = buttons->addButton(UiText(Lang::kMenuPrintPreview), QDialogButtonBox::ActionRole);
  preview->setObjectName(QString::fromLatin1(kPreviewName));
  connect(preview, &QPushButton::clicked, this, [this] {
    preview_ = true;
    accept();
    if (result() != QDialog::Accepted) preview_ = false;
  });
  layout->addWidget(buttons);
}

void PrintDlg2::OnInitDialog() {
  fitBox_->setChecked(settings_.fitToPage);
  pictureBox_->setChecked(settings_.picture3d);
  scaleEdit_->setEnabled(!settings_.fitToPage);
  scaleLabel_->setEnabled(!settings_.fitToPage);
  scaleEdit_->setText(QString::number(settings_.scaleDenominator));
  fontSizeEdit_->setText(FormatTwoDecimals(settings_.fontPoints));
  QLineEdit* first = settings_.fitToPage ? fontSizeEdit_ : scaleEdit_;
  first->selectAll();
  first->setFocus();
}

bool PrintDlg2::ReadBox(QLineEdit* box, const QLabel* label, double minimum, double maximum, double* value) {
  QString text = box->text().trimmed();
  // A scale may be typed whole, "1:50", as well as "50".
  if (box == scaleEdit_ && text.startsWith(QStringLiteral("1:"))) text = text.mid(2).trimmed();
  const std::optional<double> number = ParseDecimal(text);
  if (number && *number >= minimum && *number <= maximum) {
    *value = *number;
    return true;
  }
  const QString what = UiText(number ? Lang::kValueOutOfRange : Lang::kNotANumber).arg(text);
  RefuseInput(box, label,
              what + QLatin1Char(' ') +
                  UiText(Lang::kEnterNumberRange).arg(QString::number(minimum), QString::number(maximum)),
              UiText(Lang::kErrorCaption));
  return false;
}

void PrintDlg2::accept() {
  double scale = settings_.scaleDenominator;
  double fontSize = 0.0;
  const bool fit = fitBox_->isChecked();
  if (!fit && !ReadBox(scaleEdit_, scaleLabel_, kMinScaleDenominator, kMaxScaleDenominator, &scale)) return;
  if (!ReadBox(fontSizeEdit_, fontSizeLabel_, kMinFontSize, kMaxFontSize, &fontSize)) return;
  settings_.fitToPage = fit;
  settings_.scaleDenominator = static_cast<int32_t>(std::lround(scale));
  settings_.fontPoints = fontSize;
  settings_.picture3d = pictureBox_->isChecked();
  CZamoDialog::accept();
}
