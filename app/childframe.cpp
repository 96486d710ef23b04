#include "childframe.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QScrollBar>

#include "childview.h"

namespace {

QScrollBar* MakeBar(Qt::Orientation orientation, QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  // A bar without range ignores its arrows; this one keeps a range of one
  // step each way and goes back to the middle after every action. The
  // huge page makes the handle fill the bar: there is nothing to drag.
  bar->setRange(-1, 1);
  bar->setSingleStep(1);
  bar->setPageStep(1 << 20);
  bar->setValue(0);
  return bar;
}

}  // namespace

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  auto* client = new QWidget(this);
  view_ = new CChildView(client);
  horizontal_ = MakeBar(Qt::Horizontal, client);
  vertical_ = MakeBar(Qt::Vertical, client);
  auto* grid = new QGridLayout(client);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(view_, 0, 0);
  grid->addWidget(vertical_, 0, 1);
  grid->addWidget(horizontal_, 1, 0);
  setWidget(client);
  setFocusProxy(view_);

  connect(horizontal_, &QScrollBar::actionTriggered, this, [this](int action) { OnScrollAction(horizontal_, action); });
  connect(vertical_, &QScrollBar::actionTriggered, this, [this](int action) { OnScrollAction(vertical_, action); });
  connect(view_, &CChildView::Changed, this, &CChildFrame::UpdateTitle);
  UpdateTitle();
}

void CChildFrame::OnScrollAction(QScrollBar* bar, int action) {
  bar->setSliderPosition(0);
  int step = 0;
  if (action == QAbstractSlider::SliderSingleStepSub) step = kLineStep;
  if (action == QAbstractSlider::SliderSingleStepAdd) step = -kLineStep;
  if (step == 0) return;
  if (bar == horizontal_) {
    view_->PanBy(step, 0);
  } else {
    view_->PanBy(0, step);
  }
}

void CChildFrame::UpdateTitle() {
  setWindowTitle(view_->Title() + QStringLiteral("[*]"));
  setWindowModified(view_->Document().IsModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (!closeConfirmed_ && !view_->MaySave()) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

void CChildFrame::focusInEvent(QFocusEvent* event) {
  QMdiSubWindow::focusInEvent(event);
  view_->setFocus();
}
