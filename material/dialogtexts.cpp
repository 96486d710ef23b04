#include "dialogtexts.h"

#include "messages.h"

QString TextOr(int entry, const QString& fallback) {
  const QString text = LangText(entry);
  return text.isEmpty() ? fallback : text;
}
