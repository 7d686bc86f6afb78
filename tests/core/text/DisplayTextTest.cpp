#include "core/text/DisplayText.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel::text {
namespace {

// Bytes as a file holds them, the text a control shows for them, and whether they are UTF-8.
struct Shown {
    const char* what;
    std::string bytes;
    std::u16string text;
    bool utf8;
};

void PrintTo(const Shown& c, std::ostream* os) { *os << c.what; }

class DisplayTextShows : public testing::TestWithParam<Shown> {};

TEST_P(DisplayTextShows, TheBytesAndGivesThemBackUntouched) {
    const Shown& c = GetParam();
    EXPECT_EQ(isValidUtf8(c.bytes), c.utf8);
    EXPECT_EQ(toDisplay(c.bytes), c.text);
    EXPECT_EQ(fromDisplay(toDisplay(c.bytes), c.bytes), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayTextShows,
    testing::Values(
        Shown{"ascii", "ISS 1", u"ISS 1", true}, Shown{"empty", "", u"", true},
        Shown{"utf-8 two bytes", "Ob\xC3\xA9ron", u"Ob\u00E9ron", true},
        Shown{"utf-8 three bytes", "\xE2\x82\xAC 5", u"\u20AC 5", true},
        Shown{"utf-8 four bytes, a surrogate pair", "\xF0\x9F\x9A\x80!", u"\U0001F680!", true},
        Shown{"utf-8 highest code", "\xF4\x8F\xBF\xBF", u"\U0010FFFF", true},
        Shown{"windows-1252 e acute", "Ob\xE9ron", u"Ob\u00E9ron", false},
        Shown{"windows-1252 euro and quotes", "\x80 \x93x\x94", u"\u20AC \u201Cx\u201D", false},
        Shown{"windows-1252 undefined bytes keep their value", "\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D",
              false},
        Shown{"overlong slash", "\xC0\xAF", u"\u00C0\u00AF", false},
        Shown{"encoded surrogate", "\xED\xA0\x80", u"\u00ED\u00A0\u20AC", false},
        Shown{"truncated sequence at the end", "a\xE2\x82", u"a\u00E2\u201A", false},
        Shown{"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC", false},
        Shown{"lone continuation byte", "x\xA9", u"x\u00A9", false},
        Shown{"five-byte lead", "\xF8\x88\x80\x80\x80", u"\u00F8\u02C6\u20AC\u20AC\u20AC", false}));

TEST(DisplayText, EveryByteSurvivesARoundTripAsWindows1252) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    ASSERT_FALSE(isValidUtf8(all));
    const std::u16string shown = toDisplay(all);
    ASSERT_EQ(shown.size(), all.size());
    EXPECT_EQ(fromDisplay(shown, all), all);
}

// A typed text, what the control held before, and the bytes stored.
struct Typed {
    const char* what;
    std::u16string text;
    std::string previous;
    std::string bytes;
};

void PrintTo(const Typed& c, std::ostream* os) { *os << c.what; }

class DisplayTextStores : public testing::TestWithParam<Typed> {};

TEST_P(DisplayTextStores, ATypedTextInTheFormTheControlHeld) {
    const Typed& c = GetParam();
    EXPECT_EQ(fromDisplay(c.text, c.previous), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayTextStores,
    testing::Values(
        Typed{"windows-1252 stays windows-1252", u"Ob\u00E9rons", "Ob\xE9ron", "Ob\xE9rons"},
        Typed{"the euro sign in windows-1252", u"\u20AC\u2122", "\xE9", "\x80\x99"},
        Typed{"a character outside windows-1252 makes it utf-8", u"Ob\u00E9ron \u2713", "Ob\xE9ron",
              "Ob\xC3\xA9ron \xE2\x9C\x93"},
        Typed{"cyrillic outside windows-1252", u"\u041C\u0438\u0440", "Ob\xE9ron", "\xD0\x9C\xD0\xB8\xD1\x80"},
        Typed{"after plain ascii, utf-8", u"\u00E9", "e", "\xC3\xA9"},
        Typed{"after utf-8, utf-8", u"\u00E9", "\xC3\xA8", "\xC3\xA9"},
        Typed{"with nothing before, utf-8", u"\u00E9", "", "\xC3\xA9"},
        Typed{"a surrogate pair", u"\U0001F680", "\xE9", "\xF0\x9F\x9A\x80"},
        Typed{"a lone surrogate cannot be written", std::u16string{u'a', char16_t(0xD800), u'b'}, "", "a?b"},
        Typed{"a lone low surrogate cannot be written", std::u16string{char16_t(0xDC00)}, "\xE9", "?"}));

TEST(DisplayTextLines, ShowLfAndStoreCrLf) {
    EXPECT_EQ(toDisplayLines("a\r\nb\rc\nd"), u"a\nb\nc\nd");
    EXPECT_EQ(toDisplayLines("\r\n\r\n"), u"\n\n");
    EXPECT_EQ(fromDisplayLines(u"a\nb", ""), "a\r\nb");
    EXPECT_EQ(fromDisplayLines(u"a\r\nb\rc\n", ""), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(fromDisplayLines(u"\r\r\n", ""), "\r\n\r\n");
    // A description in Windows-1252 stays in it, line breaks and all.
    const std::string description = "Vol \xE0 vue\r\nd\x92\x65t\xE9";
    EXPECT_EQ(fromDisplayLines(toDisplayLines(description), description), description);
    EXPECT_EQ(fromDisplayLines(u"\u00E9\n\u2713", "\xE9"), "\xC3\xA9\r\n\xE2\x9C\x93");
}

} // namespace
} // namespace vantrel::text
