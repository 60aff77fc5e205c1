// Reading typed numbers, rounding to 16-bit codes, and the program's number-to-text rule. Every
// conversion goes through std::from_chars / std::to_chars, so the process locale never matters.
#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace dtii {
namespace {

// ---- reading ----------------------------------------------------------------------------------

bool isIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The exponent is saturated far beyond any double's range so that a long run of digits cannot
// overflow the integer; the saturated value still reads as infinity or zero.
constexpr long exponentLimit = 100000;

// A leading number read from text without blanks, and where it ends.
struct CleanReading {
    double value = 0.0;
    std::size_t end = 0;  // one past the last character that belongs to the number
    bool found = false;   // false when the text does not start with a number
};

CleanReading readCleanNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string mantissa;
    bool anyDigit = false;
    bool seenNonZero = false;
    long integerDigits = 0;  // from the first non-zero digit on
    while (pos < text.size() && isDigit(text[pos])) {
        seenNonZero = seenNonZero || text[pos] != '0';
        integerDigits += seenNonZero ? 1 : 0;
        mantissa += text[pos++];
        anyDigit = true;
    }
    // Decimal exponent of the first non-zero digit, before the exponent part is applied.
    long leadingPosition = integerDigits - 1;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        mantissa += '.';
        long fractionIndex = 0;
        while (pos < text.size() && isDigit(text[pos])) {
            ++fractionIndex;
            if (text[pos] != '0' && !seenNonZero) {
                seenNonZero = true;
                leadingPosition = -fractionIndex;
            }
            mantissa += text[pos++];
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return {};
    }
    long exponent = 0;
    if (pos < text.size() &&
        (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            expNegative = text[expPos] == '-';
            ++expPos;
        }
        // An exponent letter without digits ("5E") is not part of the number.
        if (expPos < text.size() && isDigit(text[expPos])) {
            while (expPos < text.size() && isDigit(text[expPos])) {
                if (exponent < exponentLimit) {
                    exponent = exponent * 10 + (text[expPos] - '0');
                }
                ++expPos;
            }
            exponent = expNegative ? -exponent : exponent;
            pos = expPos;
        }
    }
    if (!seenNonZero) {
        return {negative ? -0.0 : 0.0, pos, true};
    }
    if (exponent != 0) {
        mantissa += 'e';
        mantissa += std::to_string(exponent);
    }
    const std::string& buffer = mantissa;
    double value = 0.0;
    const auto [end, error] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinite, too small as zero.
        value = leadingPosition + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return {negative ? -value : value, pos, true};
}

std::string withoutIgnoredBlanks(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char c : text) {
        if (!isIgnoredBlank(c)) {
            cleaned += c;
        }
    }
    return cleaned;
}

// ---- writing ----------------------------------------------------------------------------------

// The decimal digits of a magnitude rounded to a number of significant digits, and the decimal
// exponent of the first digit.
struct RoundedDigits {
    std::array<char, 24> digits{};  // without point, leading digit non-zero, trailing zeros kept
    int count = 0;
    int exponent = 0;
};

RoundedDigits scientificDigits(double magnitude, int significantDigits) {
    std::array<char, 48> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    RoundedDigits rounded;
    const char* c = buffer.data();
    for (; *c != 'e'; ++c) {
        if (*c != '.') {
            rounded.digits[static_cast<std::size_t>(rounded.count++)] = *c;
        }
    }
    ++c;  // 'e'
    const bool negative = *c == '-';
    ++c;  // sign
    int exponent = 0;
    std::from_chars(c, result.ptr, exponent);
    rounded.exponent = negative ? -exponent : exponent;
    return rounded;
}

// Number of significant digits of the exact decimal expansion of a non-whole binary value whose
// first digit has decimal exponent `leadingExponent`: m * 2^k (m odd, k < 0) has exactly -k digits
// after the point, the last of them a 5.
int exactDigitCount(double magnitude, int leadingExponent) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int lowestBit = binaryExponent - 64 + std::countr_zero(mantissa);
    return leadingExponent - lowestBit + 1;
}

// True when a whole value lies exactly halfway between two numbers of `significantDigits` digits.
bool isWholeTie(double magnitude, int significantDigits) {
    // A tie needs significantDigits + 1 digits ending in 5 times a power of ten, which a double's
    // mantissa can only hold below 2^64.
    if (magnitude >= 0x1p64) {
        return false;
    }
    const auto whole = static_cast<std::uint64_t>(magnitude);
    int digitCount = 0;
    for (std::uint64_t rest = whole; rest != 0; rest /= 10) {
        ++digitCount;
    }
    if (digitCount <= significantDigits) {
        return false;
    }
    std::uint64_t unit = 1;
    for (int i = 0; i < digitCount - significantDigits - 1; ++i) {
        unit *= 10;
    }
    return whole % (unit * 10) == 5 * unit;
}

// to_chars rounds the exact binary value correctly but sends exact ties to even; this program
// sends them away from zero.
bool isExactTie(double magnitude, int significantDigits, int roundedExponent) {
    if (magnitude == std::floor(magnitude)) {
        return isWholeTie(magnitude, significantDigits);
    }
    // Rounding may have carried into a new leading digit, so the exponent before rounding is
    // either the rounded one or one less. A wrong guess is harmless: the caller confirms the tie by
    // the final 5 of the longer form, which a value with more exact digits never shows (to_chars
    // rounds its own ties to an even digit).
    const int digits = exactDigitCount(magnitude, roundedExponent);
    return digits == significantDigits + 1 || digits - 1 == significantDigits + 1;
}

RoundedDigits roundHalfAwayFromZero(double magnitude, int significantDigits) {
    RoundedDigits rounded = scientificDigits(magnitude, significantDigits);
    if (!isExactTie(magnitude, significantDigits, rounded.exponent)) {
        return rounded;
    }
    // The longer form of a tie is exact: drop its final 5 and round the rest up.
    const RoundedDigits longer = scientificDigits(magnitude, significantDigits + 1);
    if (longer.digits[static_cast<std::size_t>(longer.count - 1)] != '5') {
        return rounded;
    }
    rounded = longer;
    --rounded.count;
    int i = rounded.count;
    while (i > 0 && rounded.digits[static_cast<std::size_t>(i - 1)] == '9') {
        rounded.digits[static_cast<std::size_t>(--i)] = '0';
    }
    if (i == 0) {
        // 9.99...95 becomes 10.00...0: one digit more in front, the last zero dropped.
        rounded.digits[0] = '1';
        std::fill(rounded.digits.begin() + 1, rounded.digits.begin() + rounded.count, '0');
        ++rounded.exponent;
    } else {
        ++rounded.digits[static_cast<std::size_t>(i - 1)];
    }
    return rounded;
}

std::string formatNumber(double value, int significantDigits) {
    if (std::isnan(value)) {
        return " NaN";
    }
    const char sign = std::signbit(value) && value != 0.0 ? '-' : ' ';
    if (std::isinf(value)) {
        return std::string(1, sign) + "Inf";
    }
    if (value == 0.0) {
        return " 0";
    }
    const RoundedDigits rounded = roundHalfAwayFromZero(std::fabs(value), significantDigits);
    const std::string_view allDigits(rounded.digits.data(),
                                     static_cast<std::size_t>(rounded.count));
    const std::string_view digits = allDigits.substr(0, allDigits.find_last_not_of('0') + 1);
    const int exponent = rounded.exponent;

    std::array<char, 40> out{};
    std::size_t length = 0;
    const auto put = [&out, &length](std::string_view text) {
        for (const char c : text) {
            out[length++] = c;
        }
    };
    const auto putZeros = [&out, &length](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            out[length++] = '0';
        }
    };
    out[length++] = sign;
    if (exponent < -4 || exponent >= significantDigits) {
        put(digits.substr(0, 1));
        if (digits.size() > 1) {
            put(".");
            put(digits.substr(1));
        }
        put(exponent < 0 ? "E-" : "E+");
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            put("0");
        }
        const auto result = std::to_chars(out.data() + length, out.data() + out.size(), magnitude);
        length = static_cast<std::size_t>(result.ptr - out.data());
    } else if (exponent < 0) {
        put(".");
        putZeros(static_cast<std::size_t>(-exponent - 1));
        put(digits);
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            put(digits);
            putZeros(wholeDigits - digits.size());
        } else {
            put(digits.substr(0, wholeDigits));
            put(".");
            put(digits.substr(wholeDigits));
        }
    }
    return std::string(out.data(), length);
}

}  // namespace

double readLeadingNumber(std::string_view text) {
    return readCleanNumber(withoutIgnoredBlanks(text)).value;
}

TypedNumberReading inspectTypedNumber(std::string_view text) {
    const std::string cleaned = withoutIgnoredBlanks(text);
    const CleanReading reading = readCleanNumber(cleaned);
    const bool digitAfter =
        reading.found && std::any_of(cleaned.begin() + static_cast<std::ptrdiff_t>(reading.end),
                                     cleaned.end(), isDigit);
    return {reading.value, !cleaned.empty() && !reading.found, digitAfter,
            reading.found && reading.end < cleaned.size()};
}

std::optional<std::int16_t> roundToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double below = std::floor(value);
    const double excess = value - below;
    double rounded = below;
    if (excess > 0.5 || (excess == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string numberText(double value) {
    return formatNumber(value, 15);
}

std::string numberText(float value) {
    return formatNumber(static_cast<double>(value), 7);
}

}  // namespace dtii
