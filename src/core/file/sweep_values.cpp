// Expanding the values of a varied key.
#include "core/file/sweep_values.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "core/echoed_value.h"
#include "core/file/design_file.h"

namespace dtii {
namespace {

// A whole text as one number (an optional "+" allowed), or nothing.
std::optional<double> wholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

SweepValuesResult rangeValues(std::string_view text) {
    const std::string quoted = "“" + echoedValue(text) + "”";
    const std::vector<std::string_view> parts = split(text, ':');
    std::optional<double> start, stop, step;
    if (parts.size() == 3) {
        start = wholeNumber(parts[0]);
        stop = wholeNumber(parts[1]);
        step = wholeNumber(parts[2]);
    }
    if (!start || !stop || !step) {
        return {{}, "范围" + quoted + "应为 起点:终点:步长，三者都是数"};
    }
    if (*step == 0) {
        return {{}, "范围" + quoted + "的步长不能为 0"};
    }
    const double steps = (*stop - *start) / *step;
    // Rounding may leave STOP a hair short of the last step; a billionth of a step absorbs it.
    const double lastStep = std::floor(steps + 1e-9 * std::max(1.0, std::abs(steps)));
    if (!std::isfinite(steps) || lastStep < 0) {
        return {{}, "范围" + quoted + "是空的：从起点按步长走不到终点"};
    }
    if (lastStep >= static_cast<double>(largestSweep)) {
        return {{}, "范围" + quoted + "的值超过 " + std::to_string(largestSweep) + " 个"};
    }
    SweepValuesResult result;
    const auto count = static_cast<std::size_t>(lastStep) + 1;
    result.values.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        result.values.push_back(typedNumberText(*start + static_cast<double>(k) * *step));
    }
    return result;
}

}  // namespace

SweepValuesResult sweepValues(std::string_view text) {
    if (text.empty()) {
        return {{}, "没有给出任何值"};
    }
    if (text.find(':') != std::string_view::npos && text.find(',') == std::string_view::npos) {
        return rangeValues(text);
    }
    SweepValuesResult result;
    for (const std::string_view part : split(text, ',')) {
        result.values.emplace_back(part);
    }
    return result;
}

}  // namespace dtii
