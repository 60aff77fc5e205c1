// Rewriting the information object of a PDF with a classic cross-reference table.
#include "sheet/pdf_document_info.h"

#include <QString>
#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace dtii {
namespace {

constexpr std::string_view infoStart = "1 0 obj\n";
constexpr std::string_view objectEnd = "endobj\n";
constexpr std::size_t xrefEntrySize = 20;  // "0000011516 00000 n \n"
constexpr std::size_t offsetDigits = 10;

// A text string as UTF-16BE with its byte-order mark, in hexadecimal: no escaping needed.
std::string pdfText(const std::string& utf8) {
    const std::u16string units = QString::fromStdString(utf8).toStdU16String();
    std::string text = "<FEFF";
    std::array<char, 5> digits{};
    for (const char16_t unit : units) {
        std::snprintf(digits.data(), digits.size(), "%04X", static_cast<unsigned>(unit));
        text += digits.data();
    }
    return text + ">";
}

std::string infoObject(const PdfDocumentInfo& info) {
    std::string object = std::string(infoStart) + "<<\n/Title " + pdfText(info.title) + "\n";
    if (!info.author.empty()) {
        object += "/Author " + pdfText(info.author) + "\n";
    }
    object += "/Creator " + pdfText(info.creator) + "\n/Producer " + pdfText(info.producer) +
              "\n/CreationDate (" + pdfDate(info.created) + ")\n>>\n" + std::string(objectEnd);
    return object;
}

std::optional<long long> number(std::string_view digits) {
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::string padded(long long value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

}  // namespace

std::string pdfDate(std::time_t seconds) {
    std::tm day{};
    if (const std::tm* utc = std::gmtime(&seconds)) {
        day = *utc;
    }
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "D:%04d%02d%02d%02d%02d%02dZ", day.tm_year + 1900,
                  day.tm_mon + 1, day.tm_mday, day.tm_hour, day.tm_min, day.tm_sec);
    return text.data();
}

std::optional<std::string> withDocumentInfo(const std::string& pdf, const PdfDocumentInfo& info) {
    const std::size_t start = pdf.find(infoStart);
    const std::size_t end = pdf.find(objectEnd, start);
    const std::size_t xref = pdf.rfind("\nxref\n");
    const std::size_t startxref = pdf.rfind("startxref\n");
    if (start == std::string::npos || end == std::string::npos || xref == std::string::npos ||
        startxref == std::string::npos || xref < end || startxref < xref) {
        return std::nullopt;
    }
    const std::size_t oldEnd = end + objectEnd.size();
    const std::string object = infoObject(info);
    const long long shift =
        static_cast<long long>(object.size()) - static_cast<long long>(oldEnd - start);
    std::string result = pdf.substr(0, start) + object + pdf.substr(oldEnd);
    const auto moved = [shift](std::size_t at) {
        return static_cast<std::size_t>(static_cast<long long>(at) + shift);
    };

    // "xref\n0 33\n" and then one entry of 20 bytes per object.
    const std::size_t sectionLine = moved(xref) + 6;
    const std::size_t sectionEnd = result.find('\n', sectionLine);
    const std::string_view section =
        std::string_view(result).substr(sectionLine, sectionEnd - sectionLine);
    const std::size_t blank = section.find(' ');
    const std::optional<long long> count =
        blank == std::string_view::npos ? std::nullopt : number(section.substr(blank + 1));
    if (!count ||
        sectionEnd + 1 + static_cast<std::size_t>(*count) * xrefEntrySize > moved(startxref)) {
        return std::nullopt;
    }
    for (long long i = 0; i < *count; ++i) {
        const std::size_t entry = sectionEnd + 1 + static_cast<std::size_t>(i) * xrefEntrySize;
        const std::optional<long long> offset =
            number(std::string_view(result).substr(entry, offsetDigits));
        if (!offset) {
            return std::nullopt;
        }
        if (result[entry + 17] == 'n' && *offset > static_cast<long long>(start)) {
            result.replace(entry, offsetDigits, padded(*offset + shift, offsetDigits));
        }
    }

    const std::size_t valueStart = moved(startxref) + std::string_view("startxref\n").size();
    const std::size_t valueEnd = result.find_first_of(" \n", valueStart);
    const std::optional<long long> position =
        number(std::string_view(result).substr(valueStart, valueEnd - valueStart));
    if (!position) {
        return std::nullopt;
    }
    result.replace(valueStart, valueEnd - valueStart, std::to_string(*position + shift));
    return result;
}

}  // namespace dtii
