#pragma once

#include <QString>

// The current dealer coefficient of this run of the program: 0 at start,
// replaced by every confirmed new camera dialog, handed to the pricing
// library with every camera price. One value for the whole program, not one
// per camera window. User-interface thread only.
double DealerCoefficient();
void SetDealerCoefficient(double value);

// A dealer coefficient as the user types it: a fraction ("0.15"), a
// percentage ("15 %", "15%"), or a bare number above 1, which can only mean a
// percentage ("10" is 10 %). The pricing takes a fraction below 1 and
// ignores anything else, so a coefficient of 100 % or more, or a negative
// one, is refused rather than silently dropped.
enum class CoefficientInput { kOk, kNotANumber, kOutOfRange };
CoefficientInput ParseDealerCoefficient(const QString& text, double* fraction);
// "10 %": how the program shows a coefficient back.
QString FormatDealerCoefficient(double fraction);
