// Typed numbers: lenient reading never wraps or invents a value, strict
// reading takes only a whole number.
#include <gtest/gtest.h>

#include "numbertext.h"

namespace {

TEST(NumberText, LenientIntegersReadAsFarAsTheNumberGoes) {
  EXPECT_EQ(LenientInt(QStringLiteral("  1500")), 1500);
  EXPECT_EQ(LenientInt(QStringLiteral("-40")), -40);
  EXPECT_EQ(LenientInt(QStringLiteral("12abc")), 12);
  EXPECT_EQ(LenientInt(QStringLiteral("abc")), 0);
  EXPECT_EQ(LenientInt(QString()), 0);
  EXPECT_EQ(LenientInt(QStringLiteral("2147483647")), 2147483647);
  EXPECT_EQ(LenientInt(QStringLiteral("2147483648")), 0);  // does not fit: nothing
  EXPECT_EQ(LenientInt(QStringLiteral("-99999999999999999999999")), 0);
  EXPECT_EQ(LenientUnsigned(QStringLiteral("-5")), 0);
  EXPECT_EQ(LenientUnsigned(QStringLiteral("2040")), 2040);
}

TEST(NumberText, LenientDecimalsTakeEitherPointAndNoInfinities) {
  EXPECT_DOUBLE_EQ(LenientDouble(QStringLiteral("0.15")), 0.15);
  EXPECT_DOUBLE_EQ(LenientDouble(QStringLiteral("0,15")), 0.15);
  EXPECT_DOUBLE_EQ(LenientDouble(QStringLiteral("1.5x")), 1.5);
  EXPECT_DOUBLE_EQ(LenientDouble(QStringLiteral(".5")), 0.5);
  EXPECT_DOUBLE_EQ(LenientDouble(QStringLiteral("2e1")), 20.0);
  EXPECT_DOUBLE_EQ(LenientDouble(QStringLiteral("2e")), 2.0);
  EXPECT_EQ(LenientDouble(QStringLiteral("inf")), 0.0);
  EXPECT_EQ(LenientDouble(QStringLiteral("nan")), 0.0);
  EXPECT_EQ(LenientDouble(QStringLiteral("1e999")), 0.0);
  EXPECT_EQ(LenientDouble(QStringLiteral(".")), 0.0);
}

TEST(NumberText, StrictReadingWantsTheWholeText) {
  EXPECT_EQ(ParseWholeNumber(QStringLiteral(" 3000 ")), 3000);
  EXPECT_EQ(ParseWholeNumber(QStringLiteral("-3000")), -3000);
  EXPECT_FALSE(ParseWholeNumber(QStringLiteral("3000mm")));
  EXPECT_FALSE(ParseWholeNumber(QStringLiteral("30 00")));
  EXPECT_FALSE(ParseWholeNumber(QString()));
  EXPECT_GT(*ParseWholeNumber(QStringLiteral("99999999999999999999999")), 1000000);
  EXPECT_LT(*ParseWholeNumber(QStringLiteral("-99999999999999999999999")), -1000000);

  EXPECT_DOUBLE_EQ(*ParseDecimal(QStringLiteral("1.")), 1.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal(QStringLiteral("12,50")), 12.5);
  EXPECT_FALSE(ParseDecimal(QStringLiteral("1.2.3")));
  EXPECT_FALSE(ParseDecimal(QStringLiteral("nan")));
  EXPECT_FALSE(ParseDecimal(QStringLiteral("1e999")));
}

TEST(NumberText, TwoDecimalsWhateverTheLocale) {
  EXPECT_EQ(FormatTwoDecimals(1.0), QStringLiteral("1.00"));
  EXPECT_EQ(FormatTwoDecimals(12.0), QStringLiteral("12.00"));
  EXPECT_EQ(FormatTwoDecimals(2.5), QStringLiteral("2.50"));
}

}  // namespace
