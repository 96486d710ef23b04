#include "dealercoefficient.h"

namespace {
double currentCoefficient = 0.0;
}  // namespace

double DealerCoefficient() { return currentCoefficient; }

void SetDealerCoefficient(double value) { currentCoefficient = value; }
