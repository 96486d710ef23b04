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
  setWindowTitle(QStringLiteral("Установка параметров печати"));
  Translate(this, Lang::kPrintSettingsCaption);

  scaleLabel_ = new QLabel(QStringLiteral("Коэффициент масштабируемости"), this);
  SetControlId(scaleLabel_, kScaleLabel);
  Translate(scaleLabel_, Lang::kPrintScaleLabel);
  scaleEdit_ = new QLineEdit(this);
  scaleEdit_->setMaxLength(kMaxChars);
  SetControlId(scaleEdit_, kScale);

  fontSizeLabel_ = new QLabel(QStringLiteral("Размер шрифта панелей"), this);
  SetControlId(fontSizeLabel_, kFontSizeLabel);
  Translate(fontSizeLabel_, Lang::kPanelFontSizeLabel);
  fontSizeEdit_ = new QLineEdit(this);
  fontSizeEdit_->setMaxLength(kMaxChars);
  SetControlId(fontSizeEdit_, kFontSize);

  for (QLineEdit* edit : {scaleEdit_, fontSizeEdit_}) {
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
      MakeButtons(Lang::kOkButton, QStringLiteral("Сохранить"), Lang::kCancelButton, QStringLiteral("Отмена")));
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
  QString name = label->text().trimmed();
  while (name.endsWith(QLatin1Char(':'))) name.chop(1);
  const QString what = number ? QStringLiteral("значение %1 вне допустимых пределов.").arg(text)
                              : QStringLiteral("«%1» не является числом.").arg(text);
  ShowMessageText(QStringLiteral("%1: %2 Введите число от %3 до %4.")
                      .arg(name, what, QString::number(minimum), QString::number(maximum)),
                  TextOr(Lang::kErrorCaption, QStringLiteral("Ошибка")), MessageButtons::Ok, this);
  box->setFocus();
  box->selectAll();
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
