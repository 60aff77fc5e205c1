// Reading typed numbers, rounding them to 16-bit codes, and writing numbers as the program
// displays them. Nothing here depends on the process locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dtii {

// The leading-number rule: blanks, tabs and line feeds anywhere in the text are ignored; then an
// optional sign, digits, an optional "." with digits and an optional exponent (E, e, D or d with a
// signed whole number) are taken, up to the first other character. No number reads as 0; a value
// too large for a double reads as an infinity.
double readLeadingNumber(std::string_view text);

// How a typed text fares under the leading-number rule, for warning the person while they type:
// a text that is not empty but has no leading number, or has another digit after its number
// ("1,2" reads 1), will likely not read as they meant.
struct TypedNumberReading {
    double value = 0.0;             // what readLeadingNumber makes of the text
    bool noNumber = false;          // not empty, yet no leading number: reads as 0
    bool digitAfterNumber = false;  // a digit follows where the number ended
    bool textAfterNumber = false;   // anything at all follows where the number ended
};
TypedNumberReading inspectTypedNumber(std::string_view text);

// Rounds to the nearest whole number with halves going to the even neighbour; empty when the
// result does not fit a 16-bit signed integer (or the value is not finite).
std::optional<std::int16_t> roundToInt16(double value);

// The one number-to-text rule of all displayed output: a blank before zero and positive numbers,
// "-" before negative ones, at most 15 (double) or 7 (float) significant digits, no "0" before the
// point below 1, trailing zeros dropped, exponent form "E+07" for very large or small magnitudes.
std::string numberText(double value);
std::string numberText(float value);

}  // namespace dtii
