// Escaping and cutting echoed texts for messages.
#include "core/echoed_value.h"

#include <array>
#include <limits>

namespace dtii {
namespace {

constexpr std::string_view ellipsis = "…";

std::string hexEscape(std::string_view prefix, unsigned value, int digits) {
    constexpr std::string_view hexDigits = "0123456789ABCDEF";
    std::string escape(prefix);
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        escape += hexDigits[(value >> shift) & 0xFu];
    }
    return escape;
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 when its first byte does
// not begin one (overlong forms, surrogates and values beyond U+10FFFF are not well-formed).
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    struct Form {
        unsigned char leadLow, leadHigh, secondLow, secondHigh;
        std::size_t length;
    };
    // The rows of the well-formed byte sequences by their first byte.
    constexpr std::array<Form, 7> forms{{
        {0xC2, 0xDF, 0x80, 0xBF, 2},
        {0xE0, 0xE0, 0xA0, 0xBF, 3},
        {0xE1, 0xEC, 0x80, 0xBF, 3},
        {0xED, 0xED, 0x80, 0x9F, 3},
        {0xEE, 0xEF, 0x80, 0xBF, 3},
        {0xF0, 0xF0, 0x90, 0xBF, 4},
        {0xF1, 0xF4, 0x80, 0xBF, 4},
    }};
    for (const Form& form : forms) {
        if (lead < form.leadLow || lead > form.leadHigh) {
            continue;
        }
        if (text.size() < form.length || byte(1) < form.secondLow || byte(1) > form.secondHigh ||
            (lead == 0xF4 && byte(1) > 0x8F)) {
            return 0;
        }
        for (std::size_t i = 2; i < form.length; ++i) {
            if (byte(i) < 0x80 || byte(i) > 0xBF) {
                return 0;
            }
        }
        return form.length;
    }
    return 0;
}

// What one character (or one stray byte) of `text` at its start is shown as, and how many bytes
// it takes from `text`.
struct ShownPiece {
    std::string shown;
    std::size_t consumed;
};

ShownPiece nextPiece(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = sequenceLength(text);
    if (length == 0) {
        return {hexEscape("\\x", lead, 2), 1};
    }
    if (lead < 0x20 || lead == 0x7F) {
        switch (lead) {
            case '\n':
                return {"\\n", 1};
            case '\r':
                return {"\\r", 1};
            case '\t':
                return {"\\t", 1};
            default:
                return {hexEscape("\\x", lead, 2), 1};
        }
    }
    // U+0080 ... U+009F, the second set of control characters.
    if (lead == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {
        return {hexEscape("\\u", static_cast<unsigned char>(text[1]), 4), 2};
    }
    return {std::string(text.substr(0, length)), length};
}

// Characters of shown text: an escape counts each of its characters.
std::size_t characterCount(const std::string& shown) {
    return shown.front() == '\\' ? shown.size() : 1;
}

std::string shownText(std::string_view text, std::size_t limit) {
    std::string shown;
    shown.reserve(text.size());
    std::size_t characters = 0;
    while (!text.empty()) {
        ShownPiece piece = nextPiece(text);
        characters += characterCount(piece.shown);
        if (characters > limit) {
            return shown + std::string(ellipsis);
        }
        shown += piece.shown;
        text.remove_prefix(piece.consumed);
    }
    return shown;
}

}  // namespace

std::string echoedValue(std::string_view value) {
    return shownText(value, echoedValueLimit);
}

std::string escapedControls(std::string_view text) {
    return shownText(text, std::numeric_limits<std::size_t>::max());
}

}  // namespace dtii
