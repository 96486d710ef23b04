// Renders the program icon's SVG into the PNG sizes the desktop's icon
// theme looks for: render-icons ICON.svg OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ICON.svg OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  for (int side : {48, 128, 256}) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString path = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/zamo-%1.png").arg(side);
    if (!image.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
