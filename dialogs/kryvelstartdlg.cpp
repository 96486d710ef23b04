#include "kryvelstartdlg.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QVBoxLayout>

#include <algorithm>

#include "controlids.h"
#include "datafolder.h"
#include "languageentries.h"
#include "messages.h"
#include "picturebutton.h"
#include "pluginlibrary.h"
#include "recentfilesmenu.h"
#include "settings.h"
#include "startscreenpictures.h"

namespace {

// Height of the title band of the background picture; the buttons start
// below it.
constexpr int kHeaderHeight = 150;
constexpr int kButtonSpacing = 20;
constexpr int kHintHeight = 34;

// The hint font: Arial, 20 px high and 10 px wide on average.
QFont HintFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(17);  // a 20 px line including the font's leading
  const int average = QFontMetrics(font).averageCharWidth();
  if (average > 0) font.setStretch(std::clamp(1000 / average, 100, 130));
  return font;
}

}  // namespace

const std::array<CKryvelStartDlg::ButtonInfo, 7>& CKryvelStartDlg::Buttons() {
  using namespace Ctl::StartScreen;
  // In the order the hints are looked up.
  static const std::array<ButtonInfo, 7> buttons{{
      {kNewCamera, Lang::kHintNewCamera, "newcamera", false},
      {kArchive, Lang::kHintArchive, "archive", false},
      {kPrices, Lang::kHintPrices, "prices", false},
      {kMaterials, Lang::kHintMaterialProfiles, "material", false},
      {kExit, Lang::kHintExit, "exit", false},
      {kComponents, Lang::kHintComponents, "components", true},
      {kHeatLoad, Lang::kHintHeatLoad, "heatload", false},
  }};
  return buttons;
}

QSize CKryvelStartDlg::BackgroundSize() { return StartScreenPicture("background").size(); }

CKryvelStartDlg::CKryvelStartDlg(QWidget* parent)
    : CZamoDialog(parent),
      materialLibrary_(QStringLiteral("Material")),
      heatLoadProgram_(QStringLiteral("heatrix")) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Zamo"));
  setMouseTracking(true);
  background_ = StartScreenPicture("background");

  for (size_t i = 0; i < Buttons().size(); ++i) {
    const ButtonInfo& info = Buttons()[i];
    auto* button = new CPictureButton(this);
    const QString base = QString::fromLatin1(info.picture);
    button->SetPictures(StartScreenPicture(info.picture, "normal"), StartScreenPicture(info.picture, "pressed"),
                        info.hasFocusPicture ? StartScreenPicture(info.picture, "focused") : QPixmap());
    button->setAutoDefault(false);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    SetControlId(button, info.id);
    // Screen readers get the name the hint line shows.
    button->setAccessibleName(TextOr(info.hintEntry, base));
    connect(button, &QPushButton::clicked, this, [this, id = info.id] { OnButton(id); });
    buttons_[i] = button;
  }
  auto button = [this](int id) {
    for (CPictureButton* b : buttons_) {
      if (b->objectName() == QString::number(id)) return b;
    }
    return static_cast<CPictureButton*>(nullptr);
  };
  using namespace Ctl::StartScreen;
  button(kNewCamera)->setDefault(true);

  hintLine_ = new QLabel(this);
  SetControlId(hintLine_, kHint);
  hintLine_->setFont(HintFont());
  hintLine_->setAlignment(Qt::AlignCenter);
  hintLine_->setFixedHeight(kHintHeight);
  hintLine_->setMouseTracking(true);
  hintLine_->setStyleSheet(QStringLiteral(
      "QLabel { color: #143a63; background: rgba(255, 255, 255, 140);"
      " border: 1px solid #a9c0d8; border-radius: 6px; }"));

  // Camera work on the first row, side functions and exit on the second.
  const std::array<std::array<int, 4>, 2> rows{{{kNewCamera, kArchive, kMaterials, kComponents},
                                                {kPrices, kHeatLoad, kExit, 0}}};
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, kHeaderHeight + 18, 32, 10);
  layout->setSpacing(kButtonSpacing);
  QWidget* previous = nullptr;
  for (const auto& row : rows) {
    auto* line = new QHBoxLayout;
    line->setSpacing(kButtonSpacing);
    line->addStretch();
    for (int id : row) {
      if (id == 0) continue;
      line->addWidget(button(id));
      if (previous) setTabOrder(previous, button(id));
      previous = button(id);
    }
    line->addStretch();
    layout->addLayout(line);
  }
  layout->addStretch();
  openButton_ = new QPushButton(UiText(Lang::kStartOpenCamera), this);
  SetControlId(openButton_, kOpenCamera);
  openButton_->setAutoDefault(false);
  openButton_->setMenu(new QMenu(openButton_));
  openButton_->installEventFilter(this);
  connect(openButton_->menu(), &QMenu::aboutToShow, this, &CKryvelStartDlg::FillOpenMenu);
  setTabOrder(previous, openButton_);
  // Beside the hint line: the button rows keep their room.
  auto* bottomRow = new QHBoxLayout;
  bottomRow->addWidget(hintLine_, 1);
  bottomRow->addWidget(openButton_);
  openButton_->setFixedHeight(kHintHeight);
  layout->addLayout(bottomRow);

  if (!background_.isNull()) setFixedSize(background_.deviceIndependentSize().toSize());
}

void CKryvelStartDlg::OnInitDialog() {
  // A heat-load button that could only fail is not offered.
  for (size_t i = 0; i < Buttons().size(); ++i) {
    if (Buttons()[i].id == Ctl::StartScreen::kHeatLoad) buttons_[i]->setVisible(!FindProgram(heatLoadProgram_).isEmpty());
  }
  hintLine_->clear();
  buttons_[0]->setFocus();
}

void CKryvelStartDlg::FillOpenMenu() {
  QMenu* menu = openButton_->menu();
  menu->clear();
  if (AddRecentFileItems(*menu, [this](const QString& path) { OpenFile(path); }) > 0) menu->addSeparator();
  connect(menu->addAction(UiText(Lang::kStartOtherFile)), &QAction::triggered, this, [this] {
    if (onOpenFile) OpenFile(onOpenFile());
  });
}

void CKryvelStartDlg::OpenFile(const QString& path) {
  if (path.isEmpty()) return;
  mode_ = kModeOpenFile;
  path_ = path;
  accept();
}

void CKryvelStartDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(0xe6, 0xef, 0xf8));
  } else {
    painter.drawPixmap(rect(), background_);
  }
}

void CKryvelStartDlg::UpdateHint(const QPoint& pos) {
  for (size_t i = 0; i < Buttons().size(); ++i) {
    // Edges count as inside.
    if (!buttons_[i]->isHidden() && buttons_[i]->geometry().adjusted(0, 0, 1, 1).contains(pos)) {
      ShowHint(static_cast<int>(i));
      return;
    }
  }
  if (openButton_->geometry().adjusted(0, 0, 1, 1).contains(pos)) {
    hintLine_->setText(UiText(Lang::kHintOpenCamera));
    return;
  }
  ShowHint(-1);
}

void CKryvelStartDlg::ShowHint(int index) {
  if (index < 0) {
    hintLine_->clear();
  } else {
    hintLine_->setText(UiText(Buttons()[static_cast<size_t>(index)].hintEntry));
  }
}

QString CKryvelStartDlg::HintText() const { return hintLine_->text(); }

void CKryvelStartDlg::mouseMoveEvent(QMouseEvent* event) {
  UpdateHint(event->position().toPoint());
  CZamoDialog::mouseMoveEvent(event);
}

void CKryvelStartDlg::leaveEvent(QEvent* event) {
  hintLine_->clear();
  CZamoDialog::leaveEvent(event);
}

bool CKryvelStartDlg::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget && widget->parentWidget() == this) {
    if (event->type() == QEvent::MouseMove) {
      UpdateHint(widget->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint()));
    } else if (event->type() == QEvent::Enter) {
      UpdateHint(widget->mapToParent(static_cast<QEnterEvent*>(event)->position().toPoint()));
    } else if (event->type() == QEvent::FocusIn) {
      // The keyboard user reads the same hint as the mouse user.
      UpdateHint(widget->geometry().center());
    }
  }
  return CZamoDialog::eventFilter(watched, event);
}

void CKryvelStartDlg::OnButton(int id) {
  using namespace Ctl::StartScreen;
  switch (id) {
    case kNewCamera:
      mode_ = kModeNewCamera;
      path_.clear();
      accept();
      break;
    case kArchive:
      if (onArchive) {
        const QString chosen = onArchive();
        if (!chosen.isEmpty()) {
          mode_ = kModeOpenFile;
          path_ = chosen;
          accept();
        }
      }
      break;
    case kMaterials:
      ShowMaterials();
      break;
    case kComponents:
      if (onComponents) onComponents();
      break;
    case kHeatLoad:
      StartHeatLoad();
      break;
    case kExit:
      reject();
      break;
    case kPrices:
      if (onPrices) onPrices();
      break;
    default:
      break;
  }
}

void CKryvelStartDlg::ShowMaterials() {
  // Loaded for this one dialog and unloaded when the holder goes.
  CPluginLibrary library;
  CMaterialApi api;
  if (library.Load(materialLibrary_, DefaultPluginFolder())) library.Bind(api);
  if (api.ShowMaterialDlg) {
    api.ShowMaterialDlg();
    return;
  }
  ShowMessage(Lang::kMaterialsModuleMissing, Lang::kErrorCaption, MessageButtons::Ok, this);
}

void CKryvelStartDlg::StartHeatLoad() {
  const QString program = FindProgram(heatLoadProgram_);
  if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
  ShowMessageText(UiText(Lang::kHeatLoadStartFailed), UiText(Lang::kProgramErrorCaption), MessageButtons::Ok, this);
}
