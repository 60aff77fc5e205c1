// The bytes of the one UTF-8 sequence that starts at a place in a text, for naming the character
// that an encoding could not convert.
#pragma once

#include <cstddef>
#include <string_view>

namespace dtii {

// The sequence its lead byte announces, cut short at the first byte that does not continue it,
// so that a malformed sequence never takes the next character with it. At least one byte, so a
// scan always moves on.
constexpr std::string_view utf8SequenceAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t announced = lead >= 0xF8   ? 1
                                  : lead >= 0xF0 ? 4
                                  : lead >= 0xE0 ? 3
                                  : lead >= 0xC0 ? 2
                                                 : 1;
    std::size_t length = 1;
    while (length < announced && at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return text.substr(at, length);
}

}  // namespace dtii
