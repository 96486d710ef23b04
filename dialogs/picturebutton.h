#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QRectF>

class QPainter;

// A push button drawn entirely from pictures: one for rest, one while it is
// held down and, optionally, one while it has the keyboard focus. Without a
// focus picture a focus ring is drawn over the rest picture, so keyboard
// users always see where they are. The button takes the size of its
// pictures.
class CPictureButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CPictureButton(QWidget* parent = nullptr);

  void SetPictures(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused = QPixmap());

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap normal_;
  QPixmap pressed_;
  QPixmap focused_;
};

// Draws the keyboard focus ring of the start screen's buttons into `rect`
// (the same ring that the pictures with a focus picture of their own show).
void DrawPictureFocusRing(QPainter& painter, const QRectF& rect);
