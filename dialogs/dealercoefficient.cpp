#include "dealercoefficient.h"

#include <cmath>

#include "numbertext.h"

namespace {
double currentCoefficient = 0.0;
}  // namespace

double DealerCoefficient() { return currentCoefficient; }

void SetDealerCoefficient(double value) { currentCoefficient = value; }

CoefficientInput ParseDealerCoefficient(const QString& text, double* fraction) {
  QString number = text.trimmed();
  const bool percent = number.endsWith(QLatin1Char('%'));
  if (percent) number.chop(1);
  const std::optional<double> value = ParseDecimal(number);
  if (!value) return CoefficientInput::kNotANumber;
  const double result = percent || *value > 1.0 ? *value / 100.0 : *value;
  if (result < 0.0 || result >= 1.0) return CoefficientInput::kOutOfRange;
  *fraction = result;
  return CoefficientInput::kOk;
}

QString FormatDealerCoefficient(double fraction) {
  const double percent = std::round(fraction * 10000.0) / 100.0;
  return QString::number(percent, 'g', 6) + QStringLiteral(" %");
}
