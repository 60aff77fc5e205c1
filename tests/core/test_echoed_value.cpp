// Texts echoed in messages: control characters and broken UTF-8 shown escaped, so a message is
// one readable line, and cut after 200 shown characters without splitting a character.
#include <gtest/gtest.h>

#include <string>

#include "core/echoed_value.h"

namespace dtii {
namespace {

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(EchoedValue, ControlCharactersAndBrokenUtf8AreEscaped) {
    struct Case {
        std::string value;
        std::string shown;
    };
    const Case cases[] = {
        {"plain 带宽 800", "plain 带宽 800"},
        {"a\nb\rc\td", "a\\nb\\rc\\td"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"\x1b[2J\x7f", "\\x1B[2J\\x7F"},
        {"next\xc2\x85line", "next\\u0085line"},       // U+0085, a control character
        {"\xc2\xa0", "\xc2\xa0"},                      // U+00A0 is text
        {"\xff\xfe", "\\xFF\\xFE"},                    // bytes that are never UTF-8
        {"\xe5\xb8", "\\xE5\\xB8"},                    // a character cut short
        {"\xc0\xaf", "\\xC0\\xAF"},                    // an overlong slash
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},           // a surrogate
        {"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // beyond U+10FFFF
        {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},      // U+1F600 is text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(echoedValue(c.value), c.shown) << c.shown;
        EXPECT_EQ(escapedControls(c.value), c.shown) << c.shown;
    }
}

TEST(EchoedValue, LongValuesAreCutAfterTwoHundredShownCharacters) {
    struct Case {
        std::string value;
        std::string shown;
    };
    const Case cases[] = {
        {std::string(200, 'x'), std::string(200, 'x')},
        {std::string(201, 'x'), std::string(200, 'x') + "…"},
        {repeated("带", 200), repeated("带", 200)},
        {repeated("带", 201), repeated("带", 200) + "…"},
        // An escape is never split: it counts as the characters it shows.
        {std::string(198, 'x') + "\n", std::string(198, 'x') + "\\n"},
        {std::string(199, 'x') + "\n", std::string(199, 'x') + "…"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(echoedValue(c.value), c.shown) << c.value.size();
    }
    EXPECT_EQ(escapedControls(std::string(5000, 'x')), std::string(5000, 'x'));
}

}  // namespace
}  // namespace dtii
