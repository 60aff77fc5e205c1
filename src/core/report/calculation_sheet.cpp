// The calculation sheet's contents.
#include "core/report/calculation_sheet.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>

#include "core/calc/results_listing.h"

namespace dtii {
namespace {

enum class InputSource { box, list, carryingForm, returnForm, ploughTrippers };

struct InputLine {
    std::string_view label;
    std::string_view unit;
    InputSource source;
    int number = 0;  // Text<number> or Combo<number>
};

// The inputs in the order the input window shows them: the entries, the two idler frames, the
// conditions and the belt.
constexpr std::array<InputLine, 27> inputLines{{
    {"输送带宽度 B", "mm", InputSource::box, 3},
    {"承载分支托辊间距 a0", "m", InputSource::box, 4},
    {"回程分支托辊间距 au", "m", InputSource::box, 5},
    {"物料密度 r", "kg/m³", InputSource::box, 6},
    {"带速 V", "m/s", InputSource::box, 7},
    {"每小时输送量 Q", "t/h", InputSource::box, 8},
    {"输送机长度 L", "m", InputSource::box, 1},
    {"物料提升高度 H（向上为+，向下为-）", "m", InputSource::box, 2},
    {"胶带在传动滚筒上的包角", "°", InputSource::box, 14},
    {"输送机水平投影长度 L0", "m", InputSource::box, 15},
    {"上托辊形式", "", InputSource::carryingForm},
    {"上托辊槽角", "°", InputSource::box, 10},
    {"上托辊前倾角", "°", InputSource::box, 11},
    {"上托辊直径", "", InputSource::list, 6},
    {"上托辊轴承", "", InputSource::list, 4},
    {"下托辊形式", "", InputSource::returnForm},
    {"下托辊槽角", "°", InputSource::box, 12},
    {"下托辊前倾角", "°", InputSource::box, 13},
    {"下托辊直径", "", InputSource::list, 7},
    {"下托辊轴承", "", InputSource::list, 5},
    {"工作条件", "", InputSource::list, 1},
    {"运行条件", "", InputSource::list, 2},
    {"传动滚筒表面", "", InputSource::list, 3},
    {"犁式卸料器", "台", InputSource::ploughTrippers},
    {"输送带类型", "", InputSource::list, 9},
    {"输送带层数", "层", InputSource::box, 9},
    {"覆盖层厚度（上+下）", "mm", InputSource::list, 8},
}};

std::string inputValue(const InputLine& line, const DesignFile& typed) {
    const auto index = static_cast<std::size_t>(line.number);
    switch (line.source) {
        case InputSource::box:
            return typed.boxes[index];
        case InputSource::list:
            return typed.lists[index].value_or(std::string());
        case InputSource::carryingForm:
            return typed.carryingIdlerForm;
        case InputSource::returnForm:
            return typed.returnIdlerForm;
        case InputSource::ploughTrippers:
            return typed.ploughTrippers.value_or("无");
    }
    return {};
}

// "5.T1=" -> "T1", "9.承载面阻力Fw：" -> "承载面阻力Fw".
std::string resultLabel(std::string_view label) {
    label.remove_prefix(label.find('.') + 1);
    for (const std::string_view ending : {"=", "："}) {
        if (label.ends_with(ending)) {
            label.remove_suffix(ending.size());
        }
    }
    return std::string(label);
}

std::string withoutSignBlank(const std::string& text) {
    return !text.empty() && text.front() == ' ' ? text.substr(1) : text;
}

std::string dateText(const std::tm& day) {
    return std::to_string(day.tm_year + 1900) + "年" + std::to_string(day.tm_mon + 1) + "月" +
           std::to_string(day.tm_mday) + "日";
}

// Seconds since 1970 in SOURCE_DATE_EPOCH; anything but a whole number is ignored.
std::optional<std::time_t> epochSeconds(const char* text) {
    if (text == nullptr || *text == '\0') {
        return std::nullopt;
    }
    const std::string_view digits(text);
    long long seconds = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), seconds);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<std::time_t>(seconds);
}

}  // namespace

std::string sheetDate(const std::string& projectDate, const char* sourceDateEpoch,
                      std::time_t now) {
    if (!projectDate.empty()) {
        return projectDate;
    }
    if (const std::optional<std::time_t> fixed = epochSeconds(sourceDateEpoch)) {
        if (const std::tm* day = std::gmtime(&*fixed)) {
            return dateText(*day);
        }
    }
    const std::tm* today = std::localtime(&now);
    return today != nullptr ? dateText(*today) : std::string();
}

std::string sheetDateNow(const std::string& projectDate) {
    return sheetDate(projectDate, std::getenv("SOURCE_DATE_EPOCH"), std::time(nullptr));
}

CalculationSheet calculationSheetNow(const SheetSource& source) {
    return calculationSheet(source,
                            sheetDateNow(source.typed.project.value_or(ProjectInfo{}).date));
}

CalculationSheet calculationSheet(const SheetSource& source, const std::string& date) {
    CalculationSheet sheet;
    sheet.project = source.typed.project.value_or(ProjectInfo{});
    sheet.project.date = date;
    for (const InputLine& line : inputLines) {
        sheet.inputs.push_back(
            {std::string(line.label), inputValue(line, source.typed), std::string(line.unit)});
    }
    for (const ListedResult& result : listedResults(source.record)) {
        sheet.results.push_back(
            {resultLabel(result.label), withoutSignBlank(result.value), std::string(result.unit)});
    }
    const ConveyorDesign& record = source.record;
    sheet.tensions = {record.input.L,
                      record.shared.T1,
                      record.shared.T2,
                      record.shared.T3,
                      record.shared.T4,
                      record.working.carryingSagTension,
                      record.working.returnSagTension};
    sheet.checks = source.checks;
    sheet.equipment = equipmentListRows(source.selection);
    return sheet;
}

std::string projectFileName(const ProjectInfo& project, std::string_view fallback,
                            std::string_view ending) {
    std::string name = project.name.empty() ? std::string(fallback) : project.name;
    for (char& c : name) {
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 0x20) {
            c = '_';
        }
    }
    return name + std::string(ending);
}

}  // namespace dtii
