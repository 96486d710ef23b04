// The QPainter draw context keeps the device-context look the plan was
// designed with: exact rectangle coverage, text hanging from its top-left
// corner (turned upwards at escapement 900), fonts held to their width,
// hatching on white.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <functional>

#include "painterdrawcontext.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// Runs `draw` on a white image of w x h.
QImage Painted(int w, int h, const std::function<void(CDrawContext&)>& draw) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  CPainterDrawContext dc(painter);
  draw(dc);
  painter.end();
  return image;
}

// The box (right and bottom exclusive) of the pixels that are not white.
QRect Inked(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kWhite) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

TEST(PainterDrawContextTest, RectangleCoversLeftTopUpToRightBottom) {
  const QImage image = Painted(20, 20, [](CDrawContext& dc) {
    dc.SelectBrush(DrawBrush::Solid(Rgb(200, 0, 0)));
    dc.Rectangle({8, 9, 2, 3});  // corners in any order
  });
  EXPECT_EQ(Inked(image), QRect(QPoint(2, 3), QPoint(7, 8)));
  EXPECT_EQ(image.pixel(2, 3), qRgb(0, 0, 0));  // the default pen outlines it
  EXPECT_EQ(image.pixel(7, 8), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(4, 5), qRgb(200, 0, 0));
  // Nothing for a rectangle without area.
  EXPECT_TRUE(Inked(Painted(20, 20, [](CDrawContext& dc) { dc.Rectangle({5, 5, 5, 12}); })).isNull());
}

TEST(PainterDrawContextTest, TextHangsFromItsTopLeftCornerAndTurnsUpwards) {
  DrawFont font;
  font.height = -20;
  const QImage across = Painted(200, 200, [&](CDrawContext& dc) {
    dc.SelectFont(font);
    dc.Text({50, 100}, "1200");
  });
  const QRect a = Inked(across);
  ASSERT_FALSE(a.isNull());
  EXPECT_GE(a.left(), 50);
  EXPECT_GE(a.top(), 100);
  EXPECT_LE(a.bottom(), 125);
  EXPECT_GT(a.width(), a.height());

  font.escapement = DrawFont::kUpwards;
  const QImage upwards = Painted(200, 200, [&](CDrawContext& dc) {
    dc.SelectFont(font);
    dc.Text({50, 100}, "1200");
  });
  const QRect u = Inked(upwards);
  ASSERT_FALSE(u.isNull());
  EXPECT_GE(u.left(), 50);
  EXPECT_LE(u.bottom(), 100);
  EXPECT_LE(u.right(), 75);
  EXPECT_GT(u.height(), u.width());
}

TEST(PainterDrawContextTest, FontWidthStretchesTheText) {
  const auto inkedWidth = [](int32_t charWidth) {
    DrawFont font;
    font.height = 10;
    font.width = charWidth;
    return Inked(Painted(300, 40, [&](CDrawContext& dc) {
             dc.SelectFont(font);
             dc.Text({5, 5}, "12001200");
           })).width();
  };
  const int narrow = inkedWidth(4);
  const int wide = inkedWidth(8);
  EXPECT_GT(wide, narrow * 3 / 2);
}

TEST(PainterDrawContextTest, HatchedRectangleIsCrossHatchedOnWhite) {
  const QImage image = Painted(40, 40, [](CDrawContext& dc) {
    dc.SelectBrush(DrawBrush::DiagonalCross(Rgb(100, 100, 100)));
    dc.SelectPen(DrawPen{1, Rgb(0, 0, 255)});
    dc.Rectangle({0, 0, 40, 40});
  });
  int grey = 0;
  int white = 0;
  for (int y = 1; y < 39; ++y)
    for (int x = 1; x < 39; ++x) {
      if (image.pixel(x, y) == qRgb(100, 100, 100)) ++grey;
      if (image.pixel(x, y) == kWhite) ++white;
    }
  EXPECT_GT(grey, 100);
  EXPECT_GT(white, grey);
  EXPECT_EQ(image.pixel(0, 20), qRgb(0, 0, 255));
  // Both diagonals: a pixel on x - y = 16 and one on x + y = 32.
  EXPECT_EQ(image.pixel(20, 4), qRgb(100, 100, 100));
  EXPECT_EQ(image.pixel(12, 20), qRgb(100, 100, 100));
}

TEST(PainterDrawContextTest, ReportsTheDeviceWidthAndResolution) {
  QImage image(321, 10, QImage::Format_RGB32);
  image.setDotsPerMeterY(11811);  // 300 dpi
  QPainter painter(&image);
  const CPainterDrawContext dc(painter);
  EXPECT_EQ(dc.DeviceCaps(DeviceCap::kHorzRes), 321);
  EXPECT_EQ(dc.DeviceCaps(DeviceCap::kLogPixelsY), 300);
}
