// The text form of window descriptions, as the Qt desktop writes it and the Windows program
// reads it.

#include "core/ui/FormDescription.h"

#include <gtest/gtest.h>

using namespace vantrel::ui;

TEST(FormDescription, WrittenFormsReadBackAsTheyWere) {
    FormDescription main{"Vantrel", 1200, 659, {}};
    main.items = {{"tabs", "SSTab1", "", 9, 29, 1182, 505, ""},
                  {"static", "", "SSTab1:0", 101, 474, 8, 24, "h", "Frame2"},
                  {"list", "Buffer", "-", 0, 0, 0, 0, ""}};
    FormDescription about{"About", 345, 181, {{"image", "Image1", "", 11, 11, 96, 96, ""}}};
    const auto read = readForms(writeForm(main) + writeForm(about));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0], main);
    EXPECT_EQ(read[1], about);
    EXPECT_EQ(read[0].item("SSTab1")->width, 1182);
    EXPECT_EQ(read[0].item("Nowhere"), nullptr);
}

TEST(FormDescription, LinesThatAreNotItemsAreSkipped) {
    const std::string text = "label\tBefore\t\t0\t0\t1\t1\t\n"  // before any form
                             "form\tLoadFile\t720\t560\r\n"      // CR LF
                             "button\tCommand1\t\t543\t527\t80\t22\r\n"
                             "button\tShort\t\t1\t2\n"           // too few fields
                             "edit\tWide\t\t1\t2\tx\t22\t\n"     // not a number
                             "form\tBroken\t1e3\t5\n"            // a form without a size is no form
                             "note\tLabel1\t\t277\t11\t432\t14\ta\tFrame1\tmore\n";
    const auto read = readForms(text);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].window, "LoadFile");
    ASSERT_EQ(read[0].items.size(), 2u);
    EXPECT_EQ(read[0].items[0].name, "Command1");
    EXPECT_EQ(read[0].items[1].text, "a");
    EXPECT_EQ(read[0].items[1].frame, "Frame1");
    EXPECT_EQ(read[0].items[0].frame, "");
}

TEST(FormDescription, TabsAndLineBreaksInTextsBecomeSpaces) {
    const FormDescription form{"X", 1, 1, {{"static", "", "", 0, 0, 1, 1, "one\ttwo\nthree"}}};
    EXPECT_EQ(readForms(writeForm(form)).at(0).items.at(0).text, "one two three");
}
