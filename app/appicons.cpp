#include "appicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

#include "commandids.h"

namespace {

constexpr int kSide = 24;
const QColor kInk(0x1f, 0x3a, 0x5f);
const QColor kWall(0x6d, 0x8f, 0xb8);
const QColor kAccent(0xd9, 0x53, 0x1e);

QPixmap Canvas() {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length <= 0) return;
  const QPointF u = d / length;
  const QPointF n(-u.y(), u.x());
  QPolygonF head;
  head << to << to - u * 5 + n * 3.5 << to - u * 5 - n * 3.5;
  p.setBrush(p.pen().color());
  p.drawPolygon(head);
}

void CurvedArrow(QPainter& p, bool forward) {
  QPainterPath path;
  const double s = forward ? -1 : 1;
  const double cx = kSide / 2.0;
  path.moveTo(cx + s * 7, 17);
  path.cubicTo(cx + s * 9, 6, cx - s * 5, 4, cx - s * 7, 11);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  QPolygonF head;
  head << QPointF(cx - s * 9.5, 6.5) << QPointF(cx - s * 7.5, 14) << QPointF(cx - s * 2.5, 10.5);
  p.setBrush(p.pen().color());
  p.drawPolygon(head);
}

QPixmap Draw(int command) {
  QPixmap pixmap = Canvas();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.6));
  switch (command) {
    case Cmd::kNewCamera: {
      QPolygonF page;
      page << QPointF(5, 2.5) << QPointF(14, 2.5) << QPointF(19, 7.5) << QPointF(19, 21.5) << QPointF(5, 21.5);
      p.setBrush(Qt::white);
      p.drawPolygon(page);
      p.drawLine(QPointF(14, 2.5), QPointF(14, 7.5));
      p.drawLine(QPointF(14, 7.5), QPointF(19, 7.5));
      p.setPen(QPen(kAccent, 2));
      p.drawLine(QPointF(12, 11), QPointF(12, 19));
      p.drawLine(QPointF(8, 15), QPointF(16, 15));
      break;
    }
    case Cmd::kCornerMode: {
      p.setPen(QPen(kWall, 3.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      QPolygonF outline;
      outline << QPointF(4, 4) << QPointF(20, 4) << QPointF(20, 12) << QPointF(12, 12) << QPointF(12, 20)
              << QPointF(4, 20) << QPointF(4, 4);
      p.drawPolyline(outline);
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      p.drawEllipse(QPointF(12, 12), 3.2, 3.2);
      break;
    }
    case Cmd::kMoveWallMode: {
      p.setPen(QPen(kWall, 4, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(7, 3), QPointF(7, 21));
      p.setPen(QPen(kAccent, 2));
      Arrow(p, QPointF(10, 12), QPointF(21, 12));
      break;
    }
    case Cmd::kPartitionMode: {
      p.setPen(QPen(kWall, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      p.drawRect(QRectF(3.5, 3.5, 17, 17));
      p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(12, 5), QPointF(12, 19));
      break;
    }
    case Cmd::kUndo:
    case Cmd::kRedo:
      p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
      CurvedArrow(p, command == Cmd::kRedo);
      break;
    case Cmd::kCameraPrice: {
      p.setBrush(QColor(0xf4, 0xc4, 0x30));
      p.setPen(QPen(QColor(0x9a, 0x6b, 0x00), 1.4));
      p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
      QFont font(QStringLiteral("Arial"));
      font.setPixelSize(14);
      font.setBold(true);
      p.setFont(font);
      p.setPen(QColor(0x5a, 0x3d, 0x00));
      p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("₽"));
      break;
    }
    case Cmd::kPrintCamera: {
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 2.5, 10, 6));
      p.setBrush(QColor(0xb8, 0xc4, 0xd4));
      p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 14, 10, 7.5));
      p.setPen(QPen(kInk, 1));
      p.drawLine(QPointF(9, 17), QPointF(15, 17));
      p.drawLine(QPointF(9, 19.5), QPointF(15, 19.5));
      break;
    }
    case Cmd::k3dView: {
      // A box seen from a corner.
      p.setBrush(QColor(0xdd, 0xe6, 0xf0));
      QPolygonF left, right, top;
      left << QPointF(3, 8) << QPointF(12, 12.5) << QPointF(12, 22) << QPointF(3, 17.5);
      right << QPointF(12, 12.5) << QPointF(21, 8) << QPointF(21, 17.5) << QPointF(12, 22);
      top << QPointF(3, 8) << QPointF(12, 3.5) << QPointF(21, 8) << QPointF(12, 12.5);
      p.drawPolygon(left);
      p.setBrush(kWall);
      p.drawPolygon(right);
      p.setBrush(Qt::white);
      p.drawPolygon(top);
      break;
    }
    default:
      return QPixmap();
  }
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = side / 64.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0x9f));
    p.drawRoundedRect(QRectF(2 * s, 2 * s, 60 * s, 60 * s), 12 * s, 12 * s);
    // An L-shaped plan with a door gap: a camera seen from above.
    p.setPen(QPen(Qt::white, 6 * s, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygonF outline;
    outline << QPointF(30 * s, 14 * s) << QPointF(14 * s, 14 * s) << QPointF(14 * s, 50 * s)
            << QPointF(50 * s, 50 * s) << QPointF(50 * s, 32 * s) << QPointF(32 * s, 32 * s);
    p.drawPolyline(outline);
    p.setPen(QPen(QColor(0x9f, 0xd8, 0xff), 4 * s));
    p.drawLine(QPointF(40 * s, 14 * s), QPointF(50 * s, 14 * s));
    p.drawLine(QPointF(50 * s, 14 * s), QPointF(50 * s, 22 * s));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon ToolbarIcon(int command) {
  const QPixmap pixmap = Draw(command);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
