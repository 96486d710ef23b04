// Draws the start screen's pictures into data/startscreen/: the background
// and, for each of the seven buttons, a resting and a pressed picture (the
// components button also a focused one). Run through
// scripts/make-startscreen-images; the PNG files it writes are committed.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kNavy(0x1d, 0x43, 0x70);
const QColor kIce(0xd4, 0xe9, 0xf8);
const QColor kIceMid(0xa9, 0xd2, 0xef);
const QColor kIceDark(0x74, 0xb2, 0xe0);
const QColor kCyan(0x2f, 0xa7, 0xdf);
const QColor kSteel(0xa7, 0xb6, 0xc6);
const QColor kFoam(0xf2, 0xc6, 0x4f);
const QColor kGreen(0x2f, 0x9e, 0x5a);
const QColor kRed(0xd9, 0x48, 0x2b);
const QColor kPaper(0xfb, 0xfd, 0xff);

constexpr int kTile = 120;

QPen NavyPen(qreal width = 2.4) {
  QPen pen(kNavy, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// Isometric projection: x runs to the lower right, y to the lower left, z up.
struct Iso {
  QPointF origin;
  qreal scale;
  QPointF operator()(qreal x, qreal y, qreal z) const {
    return origin + QPointF((x - y) * 0.866 * scale, ((x + y) * 0.5 - z) * scale);
  }
};

QPolygonF Quad(QPointF a, QPointF b, QPointF c, QPointF d) { return QPolygonF({a, b, c, d}); }

// A box from (0,0,0) to (a,b,c): top, left (y = b) and right (x = a) faces.
void DrawBox(QPainter& p, const Iso& iso, qreal a, qreal b, qreal c, const QColor& top, const QColor& left,
             const QColor& right, const QPen& pen) {
  p.setPen(pen);
  p.setBrush(left);
  p.drawPolygon(Quad(iso(0, b, 0), iso(a, b, 0), iso(a, b, c), iso(0, b, c)));
  p.setBrush(right);
  p.drawPolygon(Quad(iso(a, 0, 0), iso(a, b, 0), iso(a, b, c), iso(a, 0, c)));
  p.setBrush(top);
  p.drawPolygon(Quad(iso(0, 0, c), iso(a, 0, c), iso(a, b, c), iso(0, b, c)));
}

void DrawSnowflake(QPainter& p, QPointF centre, qreal radius, const QPen& pen) {
  p.save();
  p.setPen(pen);
  for (int i = 0; i < 6; ++i) {
    const qreal angle = qDegreesToRadians(60.0 * i - 90.0);
    const QPointF dir(qCos(angle), qSin(angle));
    const QPointF tip = centre + dir * radius;
    p.drawLine(centre, tip);
    const QPointF branch = centre + dir * radius * 0.6;
    for (int side : {-1, 1}) {
      const qreal a2 = angle + side * qDegreesToRadians(40.0);
      p.drawLine(branch, branch + QPointF(qCos(a2), qSin(a2)) * radius * 0.35);
    }
  }
  p.restore();
}

void DrawBadge(QPainter& p, QPointF centre, qreal radius, const QColor& colour, bool plus) {
  p.save();
  p.setPen(QPen(Qt::white, 2.2));
  p.setBrush(colour);
  p.drawEllipse(centre, radius, radius);
  QPen mark(Qt::white, 3.2);
  mark.setCapStyle(Qt::RoundCap);
  p.setPen(mark);
  p.drawLine(centre - QPointF(radius * 0.5, 0), centre + QPointF(radius * 0.5, 0));
  if (plus) p.drawLine(centre - QPointF(0, radius * 0.5), centre + QPointF(0, radius * 0.5));
  p.restore();
}

// ---- the seven icons, drawn in the 120 x 120 frame of their tile ---------

void IconNewCamera(QPainter& p) {
  const Iso iso{QPointF(62, 37), 30};
  const qreal a = 1.15, b = 0.95, c = 1.0;
  DrawBox(p, iso, a, b, c, kIce, kIceMid, kIceDark, NavyPen());
  // The door on the right face, its handle, and frost on the left face.
  p.setPen(NavyPen(2.0));
  p.setBrush(kPaper);
  p.drawPolygon(Quad(iso(a, 0.25, 0), iso(a, 0.7, 0), iso(a, 0.7, 0.78), iso(a, 0.25, 0.78)));
  p.setBrush(kNavy);
  p.drawEllipse(iso(a, 0.62, 0.4), 1.6, 1.6);
  DrawSnowflake(p, iso(0.55, b, 0.5), 9, QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
  DrawBadge(p, QPointF(88, 86), 13, kGreen, true);
}

void IconArchive(QPainter& p) {
  // Two camera files standing in an open archive box.
  p.setPen(NavyPen(2.0));
  for (int i = 0; i < 2; ++i) {
    const QRectF sheet(36 + i * 12, 20 + i * 6, 40, 48);
    p.setBrush(kPaper);
    p.drawRoundedRect(sheet, 3, 3);
    p.setPen(QPen(kIceDark, 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 3; ++line) {
      p.drawLine(sheet.topLeft() + QPointF(8, 10 + line * 8), sheet.topLeft() + QPointF(32, 10 + line * 8));
    }
    p.setPen(NavyPen(2.0));
  }
  // The box: front panel with a label holder.
  QPainterPath box;
  box.moveTo(24, 52);
  box.lineTo(96, 52);
  box.lineTo(92, 98);
  box.lineTo(28, 98);
  box.closeSubpath();
  QLinearGradient fill(0, 52, 0, 98);
  fill.setColorAt(0, kIceMid);
  fill.setColorAt(1, kIceDark);
  p.setBrush(fill);
  p.drawPath(box);
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(46, 64, 28, 14), 3, 3);
  DrawSnowflake(p, QPointF(60, 71), 5, QPen(kCyan, 1.6, Qt::SolidLine, Qt::RoundCap));
}

void DrawGear(QPainter& p, QPointF centre, qreal outer, qreal inner, int teeth) {
  QPainterPath gear;
  for (int i = 0; i < teeth * 2; ++i) {
    const qreal r = (i % 2 == 0) ? outer : outer * 0.78;
    const qreal a0 = qDegreesToRadians(360.0 / (teeth * 2) * i - 7.0);
    const qreal a1 = qDegreesToRadians(360.0 / (teeth * 2) * i + 7.0);
    const QPointF p0 = centre + QPointF(qCos(a0), qSin(a0)) * r;
    const QPointF p1 = centre + QPointF(qCos(a1), qSin(a1)) * r;
    if (i == 0) gear.moveTo(p0); else gear.lineTo(p0);
    gear.lineTo(p1);
  }
  gear.closeSubpath();
  gear.addEllipse(centre, inner, inner);
  gear.setFillRule(Qt::OddEvenFill);
  p.drawPath(gear);
}

void IconPrices(QPainter& p) {
  p.save();
  p.translate(54, 52);
  p.rotate(-32);
  QPainterPath tag;
  tag.moveTo(-34, -16);
  tag.lineTo(16, -16);
  tag.lineTo(34, 0);
  tag.lineTo(16, 16);
  tag.lineTo(-34, 16);
  tag.closeSubpath();
  p.setPen(NavyPen());
  p.setBrush(QColor(0xfd, 0xf1, 0xcf));
  p.drawPath(tag);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(20, 0), 4, 4);
  p.setPen(QPen(kNavy, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-24, -5), QPointF(4, -5));
  p.setPen(QPen(kIceDark, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-24, 5), QPointF(-2, 5));
  p.restore();
  p.setPen(NavyPen(2.0));
  p.setBrush(kSteel);
  DrawGear(p, QPointF(82, 82), 15, 5, 8);
}

void IconMaterial(QPainter& p) {
  // A sandwich panel cut open: steel skins round a foam core.
  const Iso iso{QPointF(50, 30), 26};
  const qreal a = 1.5, b = 1.0;
  const qreal skin = 0.1, core = 0.55;
  auto slab = [&](qreal z0, qreal z1, const QColor& top, const QColor& left, const QColor& right) {
    const Iso lifted{iso(0, 0, z0), iso.scale};
    DrawBox(p, lifted, a, b, z1 - z0, top, left, right, NavyPen(1.8));
  };
  slab(0, skin, kSteel, kSteel.darker(110), kSteel.darker(125));
  slab(skin, skin + core, kFoam, kFoam.darker(108), kFoam.darker(118));
  slab(skin + core, skin * 2 + core, kIce, kIceMid, kIceDark);
  // Foam cells on the cut.
  p.setPen(QPen(kFoam.darker(140), 1.4));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 4; ++i) p.drawEllipse(iso(a, 0.15 + i * 0.22, skin + core * 0.5), 2.2, 2.2);
  // Swatches of the choosable skins.
  const QColor swatches[] = {Qt::white, kSteel, kIceDark};
  for (int i = 0; i < 3; ++i) {
    p.setPen(NavyPen(1.6));
    p.setBrush(swatches[i]);
    p.drawRoundedRect(QRectF(22 + i * 15, 80, 12, 12), 2, 2);
  }
}

void IconComponents(QPainter& p) {
  // Three loose panels, and the size of one of them.
  for (int i = 2; i >= 0; --i) {
    const Iso iso{QPointF(46 + i * 8, 40 + i * 12), 24};
    DrawBox(p, iso, 1.8, 0.75, 0.22, kIce, kIceMid, kIceDark, NavyPen(1.8));
  }
  const Iso front{QPointF(46, 40), 24};
  QPen dim(kRed, 2.0, Qt::SolidLine, Qt::RoundCap);
  p.setPen(dim);
  const QPointF from = front(0, -0.35, 0.22);
  const QPointF to = front(1.8, -0.35, 0.22);
  p.drawLine(from, to);
  const QPointF along = (to - from) / std::hypot((to - from).x(), (to - from).y());
  const QPointF across(-along.y(), along.x());
  for (const QPointF& end : {from, to}) p.drawLine(end - across * 5, end + across * 5);
  p.drawLine(from, from + along * 7 + across * 4);
  p.drawLine(from, from + along * 7 - across * 4);
  p.drawLine(to, to - along * 7 + across * 4);
  p.drawLine(to, to - along * 7 - across * 4);
}

void IconHeatLoad(QPainter& p) {
  // A thermometer between the cold and the heat it keeps out.
  QPainterPath tube;
  tube.addRoundedRect(QRectF(52, 14, 16, 58), 8, 8);
  tube.addEllipse(QPointF(60, 80), 13, 13);
  tube = tube.simplified();
  p.setPen(NavyPen());
  p.setBrush(kPaper);
  p.drawPath(tube);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(60, 80), 8.5, 8.5);
  p.drawRoundedRect(QRectF(56.5, 40, 7, 40), 3.5, 3.5);
  p.setPen(QPen(kNavy, 1.6));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(68, 24 + i * 10), QPointF(72, 24 + i * 10));
  DrawSnowflake(p, QPointF(30, 36), 12, QPen(kCyan, 2.4, Qt::SolidLine, Qt::RoundCap));
  QPen wave(QColor(0xe8, 0x7a, 0x2c), 2.6, Qt::SolidLine, Qt::RoundCap);
  p.setPen(wave);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    QPainterPath path;
    const qreal x = 84 + i * 9;
    path.moveTo(x, 66);
    path.cubicTo(x - 6, 58, x + 6, 50, x, 42);
    path.cubicTo(x - 6, 34, x + 4, 28, x, 22);
    p.drawPath(path);
  }
}

void IconExit(QPainter& p) {
  // An open door and the way out.
  p.setPen(NavyPen());
  p.setBrush(kIce);
  p.drawRect(QRectF(24, 16, 40, 76));
  p.setBrush(QColor(0x24, 0x3b, 0x58));
  p.drawRect(QRectF(30, 22, 28, 70));
  QLinearGradient leaf(30, 0, 50, 0);
  leaf.setColorAt(0, kIceMid);
  leaf.setColorAt(1, kIceDark);
  p.setBrush(leaf);
  p.drawPolygon(QPolygonF({QPointF(30, 22), QPointF(48, 14), QPointF(48, 100), QPointF(30, 92)}));
  p.setBrush(kNavy);
  p.drawEllipse(QPointF(43, 58), 2, 2);
  QPen arrow(kGreen, 5.0, Qt::SolidLine, Qt::RoundCap);
  arrow.setJoinStyle(Qt::RoundJoin);
  p.setPen(arrow);
  p.drawLine(QPointF(62, 56), QPointF(98, 56));
  p.drawPolyline(QPolygonF({QPointF(86, 44), QPointF(98, 56), QPointF(86, 68)}));
}

// ---- tiles ---------------------------------------------------------------

enum class Variant { Normal, Pressed, Focused };

// Same ring as the buttons draw for keyboard focus.
void DrawFocusRing(QPainter& p, const QRectF& rect) {
  QPen pen(QColor(0x2b, 0x7c, 0xd9));
  pen.setWidthF(3.0);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(rect.adjusted(3.5, 3.5, -3.5, -3.5), 12, 12);
}

QImage Tile(const std::function<void(QPainter&)>& icon, Variant variant) {
  QImage image(kTile, kTile, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body(4, 3, kTile - 8, kTile - 9);
  const bool pressed = variant == Variant::Pressed;
  if (!pressed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 40, 80, 45));
    p.drawRoundedRect(body.translated(0, 3), 14, 14);
  }
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, pressed ? QColor(0xc6, 0xda, 0xee) : QColor(0xff, 0xff, 0xff));
  fill.setColorAt(1, pressed ? QColor(0xe4, 0xee, 0xf8) : QColor(0xdf, 0xeb, 0xf7));
  p.setPen(QPen(pressed ? QColor(0x3f, 0x6c, 0x9c) : QColor(0x8a, 0xa6, 0xc4), pressed ? 1.8 : 1.3));
  p.setBrush(fill);
  p.drawRoundedRect(body.translated(0, pressed ? 2 : 0), 14, 14);
  p.save();
  p.translate(pressed ? 1 : 0, pressed ? 3 : 0);
  // Icons are drawn in a 120 x 120 frame around the tile's middle.
  icon(p);
  p.restore();
  if (variant == Variant::Focused) DrawFocusRing(p, QRectF(0, 0, kTile, kTile));
  return image;
}

QImage Background() {
  const int w = 680;
  const int h = 480;
  const int header = 150;
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient body(0, header, 0, h);
  body.setColorAt(0, QColor(0xf3, 0xf8, 0xfd));
  body.setColorAt(1, QColor(0xd3, 0xe2, 0xf0));
  p.fillRect(0, 0, w, h, body);

  QLinearGradient band(0, 0, w, header);
  band.setColorAt(0, QColor(0x0d, 0x2f, 0x55));
  band.setColorAt(1, QColor(0x1f, 0x62, 0x9b));
  p.fillRect(0, 0, w, header, band);

  // Frost in the corner of the band.
  QRadialGradient glow(QPointF(w - 120, 40), 260);
  glow.setColorAt(0, QColor(255, 255, 255, 45));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(0, 0, w, header, glow);
  const struct { qreal x, y, r; int alpha; } flakes[] = {
      {w - 60, 34, 18, 70}, {w - 28, 100, 10, 55}, {w - 250, 28, 9, 45}, {440, 118, 12, 40}, {330, 40, 7, 35}};
  for (const auto& f : flakes) {
    DrawSnowflake(p, QPointF(f.x, f.y), f.r, QPen(QColor(255, 255, 255, f.alpha), 2.0, Qt::SolidLine, Qt::RoundCap));
  }
  // A camera in outline.
  const Iso iso{QPointF(w - 172, 60), 44};
  QPen outline(QColor(255, 255, 255, 150), 2.0);
  outline.setJoinStyle(Qt::RoundJoin);
  DrawBox(p, iso, 1.3, 1.0, 1.05, QColor(255, 255, 255, 28), QColor(255, 255, 255, 18), QColor(255, 255, 255, 36),
          outline);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawPolygon(Quad(iso(1.3, 0.3, 0), iso(1.3, 0.75, 0), iso(1.3, 0.75, 0.8), iso(1.3, 0.3, 0.8)));
  // Panel joints on the long wall.
  p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
  for (qreal x = 0.26; x < 1.3; x += 0.26) p.drawLine(iso(x, 1.0, 0), iso(x, 1.0, 1.05));

  p.setPen(QColor(0x3f, 0xb5, 0xea));
  p.fillRect(0, header - 3, w, 3, QColor(0x3f, 0xb5, 0xea));

  QFont title(QStringLiteral("Liberation Sans"));
  title.setPixelSize(64);
  title.setBold(true);
  title.setLetterSpacing(QFont::PercentageSpacing, 104);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QPointF(40, 84), QStringLiteral("Zamo"));
  QFont subtitle(QStringLiteral("Liberation Sans"));
  subtitle.setPixelSize(17);
  p.setFont(subtitle);
  p.setPen(QColor(255, 255, 255, 215));
  p.drawText(QPointF(43, 116), QStringLiteral("Холодильные камеры из сэндвич-панелей"));

  p.setPen(QColor(0x0e, 0x2f, 0x50));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
  return image;
}

bool Save(const QImage& image, const QDir& dir, const QString& name) {
  const QString path = dir.filePath(name + QStringLiteral(".png"));
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path())) return 1;

  const struct {
    const char* name;
    void (*draw)(QPainter&);
    bool focused;
  } icons[] = {
      {"newcamera", IconNewCamera, false}, {"archive", IconArchive, false},
      {"prices", IconPrices, false},       {"material", IconMaterial, false},
      {"components", IconComponents, true}, {"heatload", IconHeatLoad, false},
      {"exit", IconExit, false},
  };
  bool ok = Save(Background(), dir, QStringLiteral("background"));
  for (const auto& icon : icons) {
    const QString base = QString::fromLatin1(icon.name);
    ok &= Save(Tile(icon.draw, Variant::Normal), dir, base + QStringLiteral("_normal"));
    ok &= Save(Tile(icon.draw, Variant::Pressed), dir, base + QStringLiteral("_pressed"));
    if (icon.focused) ok &= Save(Tile(icon.draw, Variant::Focused), dir, base + QStringLiteral("_focused"));
  }
  return ok ? 0 : 1;
}
