// Reading typed numbers, rounding to 16-bit codes, and the program's number-to-text rule. Every
// conversion goes through std::from_chars / std::to_chars, so the process locale never matters.
#include "core/numbers.h"

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

double readCleanNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string mantissa;
    bool anyDigit = false;
    bool seenNonZero = false;
    long leadingPosition = 0;  // decimal exponent of the first non-zero digit, before the exponent
    long integerDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (text[pos] != '0' && !seenNonZero) {
            seenNonZero = true;
        }
        if (seenNonZero) {
            ++integerDigits;
        }
        mantissa += text[pos++];
        anyDigit = true;
    }
    leadingPosition = integerDigits - 1;
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
        return 0.0;
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
        }
    }
    if (!seenNonZero) {
        return negative ? -0.0 : 0.0;
    }
    const std::string buffer = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinite, too small as zero.
        value = leadingPosition + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

// ---- writing ----------------------------------------------------------------------------------

// The decimal digits of a magnitude rounded to a number of significant digits, and the decimal
// exponent of the first digit.
struct RoundedDigits {
    std::string digits;  // without point, leading digit non-zero, trailing zeros kept
    int exponent = 0;
};

RoundedDigits scientificDigits(double magnitude, int significantDigits) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t ePos = text.find('e');
    RoundedDigits rounded;
    for (const char c : text.substr(0, ePos)) {
        if (c != '.') {
            rounded.digits += c;
        }
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(ePos + 1);
    const char* first = exponentText.data();
    if (*first == '+') {
        ++first;
    }
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);
    rounded.exponent = exponent;
    return rounded;
}

// True when the exact binary value lies exactly halfway between two numbers of
// `significantDigits` digits: its exact decimal expansion has significantDigits + 1 digits and
// ends in 5. to_chars rounds such ties to even; this program rounds them away from zero.
bool isExactTie(double magnitude, int significantDigits, int leadingExponent) {
    if (magnitude >= 0x1p64) {
        return false;  // such a tie would need more mantissa bits than a double has
    }
    if (magnitude == std::floor(magnitude)) {
        auto whole = static_cast<std::uint64_t>(magnitude);
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
    // A non-whole binary value m * 2^k (m odd, k < 0) has exactly -k digits after the point, the
    // last of them a 5.
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int lowestBit = binaryExponent - 64 + std::countr_zero(mantissa);
    const int exactDigits = leadingExponent - lowestBit + 1;
    return exactDigits == significantDigits + 1;
}

RoundedDigits roundHalfAwayFromZero(double magnitude, int significantDigits) {
    RoundedDigits rounded = scientificDigits(magnitude, significantDigits);
    const RoundedDigits longer = scientificDigits(magnitude, significantDigits + 1);
    if (longer.digits.back() != '5' || !isExactTie(magnitude, significantDigits, longer.exponent)) {
        return rounded;
    }
    // Exact tie: the longer form is exact; drop its final 5 and round the rest up.
    rounded.digits = longer.digits.substr(0, longer.digits.size() - 1);
    rounded.exponent = longer.exponent;
    std::size_t i = rounded.digits.size();
    while (i > 0 && rounded.digits[i - 1] == '9') {
        rounded.digits[--i] = '0';
    }
    if (i == 0) {
        rounded.digits.insert(rounded.digits.begin(), '1');
        rounded.digits.pop_back();
        ++rounded.exponent;
    } else {
        ++rounded.digits[i - 1];
    }
    return rounded;
}

std::string formatNumber(double value, int significantDigits) {
    if (std::isnan(value)) {
        return " NaN";
    }
    std::string text = std::signbit(value) && value != 0.0 ? "-" : " ";
    if (std::isinf(value)) {
        return text + "Inf";
    }
    if (value == 0.0) {
        return text + "0";
    }
    RoundedDigits rounded = roundHalfAwayFromZero(std::fabs(value), significantDigits);
    std::string& digits = rounded.digits;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int exponent = rounded.exponent;
    if (exponent < -4 || exponent >= significantDigits) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
        return text;
    }
    if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
        return text;
    }
    text.append(digits, 0, wholeDigits);
    text += '.';
    text.append(digits, wholeDigits);
    return text;
}

}  // namespace

double readLeadingNumber(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char c : text) {
        if (!isIgnoredBlank(c)) {
            cleaned += c;
        }
    }
    return readCleanNumber(cleaned);
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
