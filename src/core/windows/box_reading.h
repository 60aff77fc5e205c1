// The warning a box shows while the person types a text the leading-number rule will read
// differently from what they likely meant: no leading number at all, or digits after the number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dtii {

// The tooltip of a box whose text will be read differently, naming the value it will be read as;
// nothing for an empty box or a text that reads as typed ("800mm" reads 800 as intended).
std::optional<std::string> boxReadingWarning(std::string_view text);

}  // namespace dtii
