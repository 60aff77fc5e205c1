// A text taken from the person or a file and shown inside a message: kept to one line and to a
// length a message can hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dtii {

// The longest echoed value, in characters; a longer one is cut and ends in "…".
inline constexpr std::size_t echoedValueLimit = 200;

// `value` with every control character written as an escape (\n, \r, \t, \x1B, \u0085) and every
// byte that is not part of well-formed UTF-8 as \xFF, so that a message stays one readable line;
// cut after `echoedValueLimit` characters of what is shown, then "…".
std::string echoedValue(std::string_view value);

// The same escapes without the cut, for a whole message line.
std::string escapedControls(std::string_view text);

}  // namespace dtii
