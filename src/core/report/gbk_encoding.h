// Conversion of the program's UTF-8 text to GBK, the encoding of the report file on every system.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace dtii {

// The first character that GBK cannot represent (or a malformed UTF-8 sequence), as UTF-8 text;
// empty when this system offers no GBK conversion at all.
struct UnencodableCharacter {
    std::string character;
};

// GBK bytes of the whole text, or the first character that stopped the conversion.
std::variant<std::string, UnencodableCharacter> encodeGbk(std::string_view utf8);

}  // namespace dtii
