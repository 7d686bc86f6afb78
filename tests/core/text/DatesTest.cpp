#include "core/text/Dates.h"
#include "core/text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace vantrel {
namespace {

TEST(Dates, CalendarDaysCountFromTheLastDaysOf1899) {
    EXPECT_EQ(0, dayFromCivil(1899, 12, 30));
    EXPECT_EQ(2, dayFromCivil(1900, 1, 1));
    EXPECT_EQ(36526, dayFromCivil(2000, 1, 1));
    EXPECT_EQ(36526 + 60, dayFromCivil(2000, 3, 1)); // 2000 is a leap year
    const CivilDate c = civilFromDay(dayFromCivil(2024, 2, 29));
    EXPECT_EQ(2024, c.year);
    EXPECT_EQ(2, c.month);
    EXPECT_EQ(29, c.day);
    EXPECT_EQ(51544.0, mjdFromDate(36526));
}

TEST(Dates, MjdJdAndJulianEpochNameTheSameNoon) {
    for (double mjd : {51544.5, mjdFromJulianDate(2451545.0), mjdFromJulianEpoch(2000.0)}) {
        const auto t = splitDate(dateFromMjd(mjd));
        ASSERT_TRUE(t);
        EXPECT_EQ(dayFromCivil(2000, 1, 1), t->day);
        EXPECT_EQ(12, t->hour);
        EXPECT_EQ(0, t->minute);
    }
}

TEST(Dates, SecondsAreDroppedNotRoundedUp) {
    const auto t = splitDate(36526 + (10 * 3600 + 31 * 60 + 45) / 86400.0);
    ASSERT_TRUE(t);
    EXPECT_EQ(10, t->hour);
    EXPECT_EQ(31, t->minute);
    const auto lastSecond = splitDate(36526 + 86399.0 / 86400.0);
    ASSERT_TRUE(lastSecond);
    EXPECT_EQ(36526, lastSecond->day);
    EXPECT_EQ(23, lastSecond->hour);
    EXPECT_EQ(59, lastSecond->minute);
}

TEST(Dates, EveryMinuteOfTheDayReadsBackAsWritten) {
    // The writer gives 15 significant digits; the reader must find the same minute again.
    for (int day : {36526, 2, 75000}) {
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const std::string text = numberText(mjdFromDayTime(day, minute / 60, minute % 60));
            const auto t = splitDate(dateFromMjd(std::strtod(text.c_str(), nullptr)));
            ASSERT_TRUE(t) << text;
            ASSERT_EQ(day, t->day) << text;
            ASSERT_EQ(minute, t->hour * 60 + t->minute) << text;
        }
    }
}

TEST(Dates, ValuesOutsideTheYears100To9999HaveNoDay) {
    EXPECT_TRUE(splitDate(dayFromCivil(100, 1, 1)));
    EXPECT_FALSE(splitDate(dayFromCivil(100, 1, 1) - 0.5));
    EXPECT_TRUE(splitDate(dayFromCivil(9999, 12, 31) + 0.5));
    EXPECT_FALSE(splitDate(dayFromCivil(10000, 1, 1)));
    EXPECT_FALSE(splitDate(dateFromMjd(1e300)));
    EXPECT_FALSE(splitDate(std::nan("")));
}

TEST(Dates, NumberTextHasFifteenDigitsAndNoTrailingZeros) {
    EXPECT_EQ("51544.5", numberText(51544.5));
    EXPECT_EQ("51544", numberText(51544.0));
    EXPECT_EQ("51544.4381944444", numberText(mjdFromDayTime(36526, 10, 31)));
    EXPECT_EQ("0.5", numberText(0.5));
    EXPECT_EQ("-0.3", numberText(-0.3));
    EXPECT_EQ("0", numberText(0.0));
    EXPECT_EQ("0", numberText(-0.0));
    EXPECT_EQ("0.000125", numberText(0.000125));
    EXPECT_EQ("123456789012345", numberText(123456789012345.0));
    EXPECT_EQ("1234567890123460", numberText(1234567890123456.0));
    EXPECT_EQ(1e25, std::strtod(numberText(1e25).c_str(), nullptr));
    EXPECT_EQ("0.1", numberText(0.1 + 0.2 - 0.2));
}

// A text already in its written form is taken as it is; every other one is read and formatted.
// Either way the answer is numberText of its leading value.
TEST(Dates, WrittenNumberIsTheTextOfTheLeadingValue) {
    const std::string twentyZeros = "0.00000000000000000001"; // 1E-20: still written out in full
    for (const std::string& text :
         {std::string("0.75"), std::string(" 0.75 "), std::string("-12"), std::string("0"), std::string("-0"),
          std::string("-0.5"), std::string("1.50"), std::string("007"), std::string("+3"), std::string(".5"),
          std::string("1."), std::string("1e3"), std::string("12 %"), std::string("abc"), std::string(""),
          std::string("123456789012345"), std::string("1234567890123456"), std::string("0.999999999999999"),
          std::string("0.9999999999999999"), std::string("100000000000000000000"), twentyZeros,
          "0.0" + twentyZeros.substr(2)})
        EXPECT_EQ(numberText(leadingNumberValue(text)), writtenNumber(text)) << "'" << text << "'";
    EXPECT_EQ("0", writtenNumber("-0"));
    EXPECT_EQ("1.5", writtenNumber("1.50"));
    EXPECT_EQ("1e-21", writtenNumber("0.0" + twentyZeros.substr(2)));
}

} // namespace
} // namespace vantrel
