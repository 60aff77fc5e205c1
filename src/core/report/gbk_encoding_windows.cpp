// UTF-8 to GBK through the Windows API (code page 936), so the report file gets the same bytes
// as on a Simplified Chinese Windows whatever the machine's own code page.
#include "core/report/gbk_encoding.h"

#include <windows.h>

#include <climits>
#include <optional>

#include "core/report/utf8_sequence.h"

namespace dtii {
namespace {

constexpr UINT gbkCodePage = 936;

// The GBK bytes of the text, or nothing when it is malformed UTF-8 or holds a character GBK
// lacks. Best-fit mappings are refused: "ä" must not quietly become "a".
std::optional<std::string> convertToGbk(std::string_view utf8) {
    if (utf8.empty()) {
        return std::string();
    }
    if (utf8.size() > INT_MAX / 2) {
        return std::nullopt;
    }
    const int utf8Length = static_cast<int>(utf8.size());
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, nullptr, 0);
    if (wideLength == 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, wide.data(),
                        wideLength);
    BOOL usedDefault = FALSE;
    const int gbkLength = WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                              wideLength, nullptr, 0, nullptr, &usedDefault);
    if (gbkLength == 0 || usedDefault) {
        return std::nullopt;
    }
    std::string gbk(static_cast<std::size_t>(gbkLength), '\0');
    WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, gbk.data(),
                        gbkLength, nullptr, &usedDefault);
    return gbk;
}

}  // namespace

std::variant<std::string, UnencodableCharacter> encodeGbk(std::string_view utf8) {
    if (!IsValidCodePage(gbkCodePage)) {
        return UnencodableCharacter{};
    }
    if (auto whole = convertToGbk(utf8)) {
        return *std::move(whole);
    }
    // Name the first character that stopped it, one UTF-8 sequence at a time.
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string_view character = utf8SequenceAt(utf8, at);
        if (!convertToGbk(character)) {
            return UnencodableCharacter{std::string(character)};
        }
        at += character.size();
    }
    return UnencodableCharacter{};
}

}  // namespace dtii
