#include "aboutdlg.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "startscreenpictures.h"

QString CAboutDlg::ProgramName() { return QStringLiteral("Zamo"); }

QString CAboutDlg::VersionText() { return QStringLiteral(ZAMO_VERSION_TEXT); }

CAboutDlg::CAboutDlg(QWidget* parent) : CZamoDialog(parent) {
  setWindowTitle(UiText(Lang::kAboutCaption));
  Translate(this, Lang::kAboutCaption);

  auto* icon = new QLabel(this);
  const QPixmap picture = StartScreenPicture("newcamera", "normal");
  if (!picture.isNull()) icon->setPixmap(picture.scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  icon->setAlignment(Qt::AlignTop);

  auto* name = new QLabel(ProgramName(), this);
  QFont nameFont = name->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
  nameFont.setBold(true);
  name->setFont(nameFont);
  auto* version = new QLabel(UiText(Lang::kVersionLabel).arg(VersionText()), this);
  auto* purpose = new QLabel(UiText(Lang::kProgramPurpose), this);
  purpose->setWordWrap(true);
  purpose->setMinimumWidth(300);

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(version);
  texts->addSpacing(8);
  texts->addWidget(purpose);
  texts->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(12);
  top->addLayout(texts, 1);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = new QPushButton(QStringLiteral("OK"), buttons);
  SetControlId(ok, Ctl::kOk);
  ok->setDefault(true);
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
