// Number texts of the sheet, independent of the process locale.
#include "core/report/sheet_figures.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace dtii {

std::string workingFigure(double value) {
    if (!std::isfinite(value)) {
        return "—";
    }
    const int leading = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::max(1, 4 - leading);
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
    const std::size_t point = text.find('.');
    while (point != std::string::npos && text.size() > point + 2 && text.back() == '0') {
        text.pop_back();
    }
    return text == "-0.0" ? "0.0" : text;
}

}  // namespace dtii
