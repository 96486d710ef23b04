#pragma once

#include <QPixmap>

// The start screen's pictures, compiled into the program: "background", and
// "<button>" with the variant "normal", "pressed" or "focused". A picture
// that is missing comes back null.
QPixmap StartScreenPicture(const char* name, const char* variant = nullptr);
