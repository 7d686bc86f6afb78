#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace vantrel {
namespace {

TEST(ClearComments, DropsTheCommentAndTrimsOnlyLinesThatHadOne) {
    EXPECT_EQ(ClearComments("  REF Earth ; my station"), "REF Earth");
    EXPECT_EQ(ClearComments("  REF Earth"), "  REF Earth");
    EXPECT_EQ(ClearComments("; a comment line"), "");
    EXPECT_EQ(ClearComments(""), "");
}

TEST(ClearComments, RemovesTrailingControlCharactersButStopsAtABlank) {
    EXPECT_EQ(ClearComments("abc\t"), "abc");
    EXPECT_EQ(ClearComments("abc \t"), "abc ");
    EXPECT_EQ(ClearComments("\t"), "");
    EXPECT_EQ(ClearComments("abc\r\n"), "abc");
    EXPECT_EQ(ClearComments("\tabc"), "\tabc");
}

TEST(GetNumberValue, GluesTheDigitsIntoAWholeNumber) {
    EXPECT_EQ(GetNumberValue("Dock 12"), "12");
    EXPECT_EQ(GetNumberValue("Landing pad 03"), "3");
    EXPECT_EQ(GetNumberValue("1.5"), "15");
    EXPECT_EQ(GetNumberValue("-7"), "7");
    EXPECT_EQ(GetNumberValue(""), "0");
    EXPECT_EQ(GetNumberValue("none"), "0");
    EXPECT_EQ(GetNumberValue("000"), "0");
    // Past 15 significant digits the number is not exact any more and comes back in its E form.
    EXPECT_EQ(GetNumberValue("Port 00123456789012345"), "123456789012345");
    EXPECT_EQ(GetNumberValue("1234567890123456"), "1.23456789012346E+15");
    EXPECT_EQ(GetNumberValue("Dock 1234567890123456789012345"), "1.23456789012346E+24");
}

TEST(IsANumber, AcceptsAnOptionalMinusDigitsAndOnePoint) {
    for (const char* yes : {" -12.5 ", ".", "5.", ".5", "0", "-0.25", "007"})
        EXPECT_TRUE(IsANumber(yes)) << yes;
    for (const char* no : {"-", "", "   ", "1.2.3", "1e5", "+1", "1,5", "--1", "1 2", "\t1", "abc"})
        EXPECT_FALSE(IsANumber(no)) << no;
}

TEST(LeadingNumberValue, ReadsTheNumberATextBeginsWith) {
    EXPECT_DOUBLE_EQ(leadingNumberValue("12.5 %"), 12.5);
    EXPECT_DOUBLE_EQ(leadingNumberValue("  -.3"), -0.3);
    EXPECT_DOUBLE_EQ(leadingNumberValue("1E3"), 1000.0);
    EXPECT_DOUBLE_EQ(leadingNumberValue("2E"), 2.0);
    EXPECT_DOUBLE_EQ(leadingNumberValue("+5x"), 5.0);
    EXPECT_DOUBLE_EQ(leadingNumberValue("No Data"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumberValue("."), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumberValue("-"), 0.0);
    EXPECT_GT(leadingNumberValue("1E999"), 1e300);
    EXPECT_LT(leadingNumberValue("-1234567890123456789012345678901234567890E300"), -1e300);
    EXPECT_EQ(leadingNumberValue("0.0001E-999"), 0.0);
    // An exponent at the very end of what a 64-bit number holds still saturates or vanishes.
    EXPECT_GT(leadingNumberValue("200E9223372036854775807"), 1e300);
    EXPECT_EQ(leadingNumberValue("0.002E-9223372036854775808"), 0.0);
    EXPECT_GT(leadingNumberValue("2d0009223372036854775807"), 1e300);
}

// The desktop runs under the person's locale; a comma locale must not change how a point is
// read or written (under one, "0.5" read as 0 and every fuel level was saved as 0).
TEST(LeadingNumberValue, ReadsAPointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"})
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    if (!comma)
        GTEST_SKIP() << "no comma locale installed";
    EXPECT_DOUBLE_EQ(leadingNumberValue("0.5"), 0.5);
    EXPECT_TRUE(plainNumberValue("45.5").has_value());
    EXPECT_EQ(displayForm(0.25), " .25");
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(PlainNumberValue, TakesOnlyATextThatIsANumberAsAWhole) {
    EXPECT_EQ(plainNumberValue("-1.5e2"), -150.0);
    EXPECT_EQ(plainNumberValue("+45"), 45.0);
    EXPECT_EQ(plainNumberValue(".5"), 0.5);
    for (const char* no : {"", "Toto", "45 deg", "inf", "nan", "--1", "0x10", "1,5"})
        EXPECT_FALSE(plainNumberValue(no).has_value()) << no;
}

TEST(DisplayForm, ShowsABlankOrMinusAndNoLeadingZero) {
    EXPECT_EQ(displayForm(50), " 50");
    EXPECT_EQ(displayForm(0.5), " .5");
    EXPECT_EQ(displayForm(-0.25), "-.25");
    EXPECT_EQ(displayForm(0), " 0");
    EXPECT_EQ(displayForm(-30), "-30");
    EXPECT_EQ(displayForm(2e6), " 2000000");
    EXPECT_EQ(displayForm(2e15), " 2E+15");
    EXPECT_EQ(displayForm(999999999999999.0), " 999999999999999");
    EXPECT_EQ(displayForm(6371010.5), " 6371010.5");
    EXPECT_EQ(displayForm(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(displayForm(0.001), " .001");
    EXPECT_EQ(displayForm(-1.5e-7), "-1.5E-07");
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNumber) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(33.3), 33);
    EXPECT_GT(roundHalfEven(2.69e237), 0); // saturates instead of overflowing
    EXPECT_LT(roundHalfEven(-1e300), 0);
}

} // namespace
} // namespace vantrel
