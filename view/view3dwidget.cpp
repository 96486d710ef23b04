#include "view3dwidget.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cstdlib>

#include "childview.h"
#include "commandids.h"
#include "commandtable.h"
#include "languageentries.h"
#include "messages.h"
#include "sceneimage.h"

namespace {

// Degrees turned per pixel dragged, and the zoom of one wheel notch.
constexpr double kDegreesPerPixel = 0.4;
constexpr double kZoomStep = 1.15;
constexpr int kWheelNotch = 120;
constexpr QSize kInitialSize{960, 720};

}  // namespace

CView3dWidget::CView3dWidget(const CChildView& source, QWidget* parent) : QWidget(parent), source_(source) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Rebuild();
}

void CView3dWidget::Rebuild() {
  scene_ = CScene3d::Build(source_.Camera(), lid_);
  update();
}

void CView3dWidget::ShowCorner(int n) {
  view_ = SceneViewpoint::Preset(n);
  update();
}

void CView3dWidget::Fit() {
  view_.Fit();
  update();
}

void CView3dWidget::SetLid(LidMode lid) {
  if (lid == lid_) return;
  lid_ = lid;
  Rebuild();
  Q_EMIT LidChanged(lid_);
}

void CView3dWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  PaintScene3d(painter, rect(), scene_, view_);
}

void CView3dWidget::mousePressEvent(QMouseEvent* event) {
  dragFrom_ = event->position().toPoint();
  const bool move = event->button() == Qt::RightButton || event->button() == Qt::MiddleButton ||
                    (event->modifiers() & Qt::ControlModifier);
  panning_ = move;
  orbiting_ = !move && event->button() == Qt::LeftButton;
}

void CView3dWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!orbiting_ && !panning_) return;
  const QPoint at = event->position().toPoint();
  const QPoint delta = at - dragFrom_;
  dragFrom_ = at;
  if (panning_) {
    view_.panX += delta.x();
    view_.panY += delta.y();
  } else {
    // Dragging right turns the camera the way the pointer goes.
    view_.Orbit(-delta.x() * kDegreesPerPixel, delta.y() * kDegreesPerPixel);
  }
  update();
}

void CView3dWidget::mouseReleaseEvent(QMouseEvent*) {
  orbiting_ = false;
  panning_ = false;
}

void CView3dWidget::wheelEvent(QWheelEvent* event) {
  // Notches of fine-grained wheels are gathered until a whole one is there.
  wheelRemainder_ += event->angleDelta().y();
  while (std::abs(wheelRemainder_) >= kWheelNotch) {
    const bool in = wheelRemainder_ > 0;
    wheelRemainder_ += in ? -kWheelNotch : kWheelNotch;
    const double factor = in ? kZoomStep : 1 / kZoomStep;
    // About the pointer: the point under it stays put.
    const QPointF centre = QRectF(rect()).center();
    const QPointF pointer = event->position();
    const double before = view_.zoom;
    view_.ZoomBy(factor);
    const double applied = view_.zoom / before;
    view_.panX = (view_.panX - (pointer.x() - centre.x())) * applied + (pointer.x() - centre.x());
    view_.panY = (view_.panY - (pointer.y() - centre.y())) * applied + (pointer.y() - centre.y());
  }
  update();
  event->accept();
}

void CView3dWidget::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_1 && key < Qt::Key_1 + SceneViewpoint::kPresetCount) {
    ShowCorner(key - Qt::Key_1 + 1);
  } else if (key == Qt::Key_F) {
    Fit();
  } else if (key == Qt::Key_L) {
    SetLid(lid_ == LidMode::kTransparent ? LidMode::kLifted : LidMode::kTransparent);
  } else {
    QWidget::keyPressEvent(event);
  }
}

CView3dWindow::CView3dWindow(CChildView& source) : QWidget(&source, Qt::Window), source_(source) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QString::number(Cmd::k3dView));
  picture_ = new CView3dWidget(source, this);
  auto* bar = new QToolBar(this);
  for (int n = 1; n <= SceneViewpoint::kPresetCount; ++n) {
    QAction* corner = bar->addAction(QString::number(n), this, [this, n] { picture_->ShowCorner(n); });
    corner->setToolTip(UiText(Lang::k3dViewFromCorner).arg(n));
    corner->setObjectName(QStringLiteral("corner%1").arg(n));
  }
  bar->addSeparator();
  bar->addAction(UiText(Lang::k3dFit), this, [this] { picture_->Fit(); })->setObjectName(QStringLiteral("fit"));
  lidAction_ = bar->addAction(UiText(Lang::k3dTransparentLid));
  lidAction_->setObjectName(QStringLiteral("lid"));
  lidAction_->setCheckable(true);
  lidAction_->setChecked(true);
  connect(lidAction_, &QAction::toggled, this,
          [this](bool on) { picture_->SetLid(on ? LidMode::kTransparent : LidMode::kLifted); });
  connect(picture_, &CView3dWidget::LidChanged, this,
          [this](LidMode lid) { lidAction_->setChecked(lid == LidMode::kTransparent); });
  auto* hint = new QLabel(UiText(Lang::k3dHint), this);
  hint->setContentsMargins(6, 2, 6, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(picture_, 1);
  layout->addWidget(hint);
  // Every change of the camera window's document, including undo, redo and
  // a load, is shown at once.
  connect(&source, &CChildView::Changed, this, [this] {
    picture_->Rebuild();
    UpdateTitle();
  });
  UpdateTitle();
  resize(kInitialSize);
}

void CView3dWindow::UpdateTitle() { setWindowTitle(UiText(Lang::k3dView) + QStringLiteral(" - ") + source_.Title()); }

CView3dWindow* CView3dWindow::ShowFor(CChildView& source) {
  auto* window = source.findChild<CView3dWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) window = new CView3dWindow(source);
  window->show();
  window->raise();
  window->activateWindow();
  window->picture_->setFocus();
  return window;
}

void RegisterView3dCommands(CCommandTable& table) {
  table.Add(Cmd::k3dView, [](CChildView& view) {
    if (view.Document().HasCamera()) CView3dWindow::ShowFor(view);
  });
}
