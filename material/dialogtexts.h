#pragma once

#include <QString>

// The language text of `entry`, or the dialog's own default text when the
// language file has none (missing file, shorter file): a dialog never shows
// blank buttons or labels.
QString TextOr(int entry, const QString& fallback);
