#include "picturebutton.h"

#include <QPainter>
#include <QPainterPath>

CPictureButton::CPictureButton(QWidget* parent) : QPushButton(parent) {
  setFlat(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void CPictureButton::SetPictures(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused) {
  normal_ = normal;
  pressed_ = pressed.isNull() ? normal : pressed;
  focused_ = focused;
  setFixedSize(sizeHint());
  update();
}

QSize CPictureButton::sizeHint() const {
  if (normal_.isNull()) return {64, 64};
  return normal_.deviceIndependentSize().toSize();
}

void DrawPictureFocusRing(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(0x2b, 0x7c, 0xd9));
  pen.setWidthF(3.0);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(rect.adjusted(3.5, 3.5, -3.5, -3.5), 12, 12);
  painter.restore();
}

void CPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect area = rect();
  if (isDown()) {
    painter.drawPixmap(area, pressed_);
    return;
  }
  if (hasFocus() && !focused_.isNull()) {
    painter.drawPixmap(area, focused_);
  } else {
    painter.drawPixmap(area, normal_);
    if (hasFocus()) DrawPictureFocusRing(painter, QRectF(area));
  }
  if (underMouse() && isEnabled()) {
    // A light veil shows which button the pointer is on.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 50));
    painter.drawRoundedRect(QRectF(area).adjusted(2, 2, -2, -2), 12, 12);
  }
}
