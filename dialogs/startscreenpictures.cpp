#include "startscreenpictures.h"

#include <QString>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void InitStartScreenResources() { Q_INIT_RESOURCE(startscreen); }

QPixmap StartScreenPicture(const char* name, const char* variant) {
  // Resources of a static library are registered by hand, once.
  static const bool registered = (InitStartScreenResources(), true);
  (void)registered;
  QString path = QStringLiteral(":/startscreen/") + QString::fromLatin1(name);
  if (variant) path += QLatin1Char('_') + QString::fromLatin1(variant);
  return QPixmap(path + QStringLiteral(".png"));
}
