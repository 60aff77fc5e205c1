// The calculation sheet's contents.
#include "core/report/calculation_sheet.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>

#include "core/calc/results_listing.h"
#include "core/report/sheet_entries.h"
#include "core/report/sheet_notes.h"
#include "core/report/sheet_working.h"

namespace dtii {
namespace {

enum class InputSource { box, list, carryingForm, returnForm, ploughTrippers };

struct InputLine {
    std::string_view label;
    std::string_view unit;
    InputSource source;
    InputBox box = InputBox::beltWidth;    // for InputSource::box
    InputList list = InputList::beltType;  // for InputSource::list
};

constexpr InputLine boxLine(std::string_view label, std::string_view unit, InputBox box) {
    return {label, unit, InputSource::box, box};
}

constexpr InputLine listLine(std::string_view label, std::string_view unit, InputList list) {
    return {label, unit, InputSource::list, InputBox::beltWidth, list};
}

// The inputs in the order the input window shows them: the entries, the two idler frames, the
// conditions and the belt.
constexpr std::array<InputLine, 27> inputLines{{
    boxLine("输送带宽度 B", "mm", InputBox::beltWidth),
    boxLine("承载分支托辊间距 a0", "m", InputBox::carryingSpacing),
    boxLine("回程分支托辊间距 au", "m", InputBox::returnSpacing),
    boxLine("物料密度 r", "kg/m³", InputBox::materialDensity),
    boxLine("带速 V", "m/s", InputBox::beltSpeed),
    boxLine("每小时输送量 Q", "t/h", InputBox::capacity),
    boxLine("输送机长度 L", "m", InputBox::conveyorLength),
    boxLine("物料提升高度 H（向上为+，向下为-）", "m", InputBox::lift),
    boxLine("胶带在传动滚筒上的包角", "°", InputBox::wrapAngle),
    boxLine("输送机水平投影长度 L0", "m", InputBox::horizontalLength),
    {"上托辊形式", "", InputSource::carryingForm},
    boxLine("上托辊槽角", "°", InputBox::carryingTroughAngle),
    boxLine("上托辊前倾角", "°", InputBox::carryingTiltAngle),
    listLine("上托辊直径", "", InputList::carryingRollerDiameter),
    listLine("上托辊轴承", "", InputList::carryingBearing),
    {"下托辊形式", "", InputSource::returnForm},
    boxLine("下托辊槽角", "°", InputBox::returnTroughAngle),
    boxLine("下托辊前倾角", "°", InputBox::returnTiltAngle),
    listLine("下托辊直径", "", InputList::returnRollerDiameter),
    listLine("下托辊轴承", "", InputList::returnBearing),
    listLine("工作条件", "", InputList::workingCondition),
    listLine("运行条件", "", InputList::runningCondition),
    listLine("传动滚筒表面", "", InputList::drumSurface),
    {"犁式卸料器", "台", InputSource::ploughTrippers},
    listLine("输送带类型", "", InputList::beltType),
    boxLine("输送带层数", "层", InputBox::plies),
    listLine("覆盖层厚度（上+下）", "mm", InputList::covers),
}};

std::string inputValue(const InputLine& line, const DesignFile& typed) {
    switch (line.source) {
        case InputSource::box:
            return typed.boxes[line.box];
        case InputSource::list:
            return typed.lists[line.list].value_or(std::string());
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

}  // namespace

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

std::time_t sheetTimeNow() {
    return epochSeconds(std::getenv("SOURCE_DATE_EPOCH")).value_or(std::time(nullptr));
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
    sheet.equipmentEntries = equipmentEntryFields(source.typed);
    sheet.checkParameters = checkParameterFields(source.typed);
    sheet.coefficients = coefficientFields(source.record);
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
    sheet.working = workingSteps(record);
    sheet.checks = source.checks;
    sheet.equipment = equipmentListRows(source.selection);
    sheet.notes = sheetNotes(source.typed, source.messages, sheet.equipment);
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
