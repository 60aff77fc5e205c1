// Texts echoed in messages: control characters and broken UTF-8 shown escaped, so a message is
// one readable line, and cut after 200 shown characters without splitting a character.
#include <gtest/gtest.h>

#include <string>

#include "core/echoed_value.h"

namespace dtii {
namespace {

std::string times(int count, const std::string& piece) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(EchoedValue, ControlsAndBrokenUtf8AreEscapedAndLongValuesCut) {
    struct Case {
        std::string value;
        std::string shown;
    };
    const Case cases[] = {
        {"带宽 800", "带宽 800"},
        {std::string("a\nb\rc\td\0", 8), "a\\nb\\rc\\td\\x00"},
        {"\x1b[2J\x7f", "\\x1B[2J\\x7F"},
        {"\xc2\x85\xc2\xa0", "\\u0085\xc2\xa0"},  // U+0085 controls, U+00A0 is text
        {"\xff\xe5\xb8", "\\xFF\\xE5\\xB8"},      // never UTF-8; a character cut short
        {"\xc0\xaf\xed\xa0\x80", "\\xC0\\xAF\\xED\\xA0\\x80"},  // overlong; a surrogate
        {"\xf4\x90\x80\x80\xf0\x9f\x98\x80", "\\xF4\\x90\\x80\\x80\xf0\x9f\x98\x80"},
        {times(200, "带"), times(200, "带")},
        {times(201, "带"), times(200, "带") + "…"},
        // An escape is never split: it counts as the characters it shows.
        {times(198, "x") + "\n", times(198, "x") + "\\n"},
        {times(199, "x") + "\n", times(199, "x") + "…"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(echoedValue(c.value), c.shown) << c.shown;
    }
    EXPECT_EQ(escapedControls(times(500, "x\n")), times(500, "x\\n"));
}

}  // namespace
}  // namespace dtii
