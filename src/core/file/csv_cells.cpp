#include "core/file/csv_cells.h"

#include <array>
#include <charconv>
#include <cmath>

namespace dtii {

void appendCsvCell(std::string& csv, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        csv += text;
        return;
    }
    csv += '"';
    for (const char c : text) {
        csv += c;
        if (c == '"') {
            csv += '"';
        }
    }
    csv += '"';
}

void appendCsvNumber(std::string& csv, double value) {
    if (!std::isfinite(value)) {
        return;
    }
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error == std::errc{}) {
        csv.append(buffer.data(), end);
    }
}

}  // namespace dtii
