#include "printdlg2.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

PrintDlg2::PrintDlg2(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::PrintSettings;
  setWindowTitle(UiText(Lang::kPrintSettingsCaption));
  Translate(this, Lang::kPrintSettingsCaption);

  scaleLabel_ = MakeLabel(kScaleLabel, Lang::kPrintScaleLabel);
  scaleEdit_ = MakeLineEdit(kScale);
  fontSizeLabel_ = MakeLabel(kFontSizeLabel, Lang::kPanelFontSizeLabel);
  fontSizeEdit_ = MakeLineEdit(kFontSize);
  for (QLineEdit* edit : {scaleEdit_, fontSizeEdit_}) {
    edit->setMaxLength(kMaxChars);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  }

  auto* form = new QFormLayout;
  form->addRow(scaleLabel_, scaleEdit_);
  form->addRow(fontSizeLabel_, fontSizeEdit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(
      MakeButtons(Lang::kOkButton, UiText(Lang::kSaveButton), Lang::kCancelButton, UiText(Lang::kCancelButtonShort)));
}

void PrintDlg2::Set(double scale, double panelFontSize) {
  scale_ = scale;
  panelFontSize_ = panelFontSize;
}

void PrintDlg2::Get(double& scale, double& panelFontSize) const {
  scale = scale_;
  panelFontSize = panelFontSize_;
}

void PrintDlg2::OnInitDialog() {
  scaleEdit_->setText(FormatTwoDecimals(scale_));
  fontSizeEdit_->setText(FormatTwoDecimals(panelFontSize_));
  scaleEdit_->selectAll();
  scaleEdit_->setFocus();
}

bool PrintDlg2::ReadBox(QLineEdit* box, const QLabel* label, double minimum, double maximum, double* value) {
  const QString text = box->text().trimmed();
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
  double scale = 0.0;
  double fontSize = 0.0;
  if (!ReadBox(scaleEdit_, scaleLabel_, kMinScale, kMaxScale, &scale)) return;
  if (!ReadBox(fontSizeEdit_, fontSizeLabel_, kMinFontSize, kMaxFontSize, &fontSize)) return;
  scale_ = scale;
  panelFontSize_ = fontSize;
  CZamoDialog::accept();
}
