// Laying the calculation sheet out section by section.
#include "sheet/sheet_layout.h"

#include <array>
#include <string_view>

#include "sheet/tension_diagram.h"

namespace dtii {
namespace {

constexpr double labelWidth = 24;       // a title-block label column [mm]
constexpr double signatureHeight = 9;   // a signature cell, room to sign under the name [mm]
constexpr double workingIndent = 6;     // continued lines of a working step [mm]
constexpr double noteIndent = 5;        // continued lines of a note [mm]
constexpr double stepGap = 1.2;         // between working steps [mm]
constexpr double keepWithHeading = 20;  // a section heading is not left alone at a page foot [mm]

constexpr std::array<std::string_view, 10> sectionNumerals{"一", "二", "三", "四", "五",
                                                           "六", "七", "八", "九", "十"};

const std::vector<ColumnSpec> fieldColumns{
    {"项目", TextAlign::left}, {"数值", TextAlign::left}, {"单位", TextAlign::left}};
const std::vector<ColumnSpec> resultColumns{
    {"项目", TextAlign::left}, {"计算值", TextAlign::right}, {"单位", TextAlign::left}};
const std::vector<ColumnSpec> checkColumns{
    {"校核项目", TextAlign::left}, {"计算值", TextAlign::left}, {"要求", TextAlign::left},
    {"依据", TextAlign::left},     {"结论", TextAlign::centre}, {"建议", TextAlign::left}};
const std::vector<ColumnSpec> equipmentColumns{{"序号", TextAlign::centre},
                                               {"类别", TextAlign::centre},
                                               {"名称", TextAlign::left},
                                               {"型号", TextAlign::left},
                                               {"单重(kg)", TextAlign::right}};

// Sheet text from the core's UTF-8, with the power unit as the sheet writes it.
QString qt(const std::string& text) {
    return sheetUnits(QString::fromStdString(text));
}

// Numbers the sections in the order they appear: "一、原始数据", "二、计算结果", ...
class SectionNumbers {
public:
    QString next(const char* title) {
        const std::string_view numeral = sectionNumerals[count_++ % sectionNumerals.size()];
        return QString::fromUtf8(numeral.data(), static_cast<qsizetype>(numeral.size())) +
               QStringLiteral("、") + QString::fromUtf8(title);
    }

private:
    std::size_t count_ = 0;
};

std::vector<Row> fieldRows(const std::vector<SheetField>& fields) {
    std::vector<Row> rows;
    for (const SheetField& field : fields) {
        rows.push_back({qt(field.label), qt(field.value), qt(field.unit)});
    }
    return rows;
}

// A failing verdict stands out without colour: bold and marked.
Cell verdictCell(const std::optional<bool>& ok) {
    if (!ok) {
        return Cell(QStringLiteral("—"));
    }
    return *ok ? Cell(QStringLiteral("合格")) : Cell(QStringLiteral("× 不合格"), FontRole::bold);
}

std::vector<Row> checkRowsOf(const std::vector<CheckRow>& checks) {
    std::vector<Row> rows;
    for (const CheckRow& check : checks) {
        rows.push_back({qt(check.name), qt(check.value), qt(check.requirement),
                        qt(std::string(checkRule(check.name))), verdictCell(check.ok),
                        qt(check.advice)});
    }
    return rows;
}

std::vector<Row> equipmentRowsOf(const std::vector<EquipmentListRow>& equipment) {
    std::vector<Row> rows;
    for (const EquipmentListRow& item : equipment) {
        rows.push_back({QString::number(item.number), qt(std::string(item.category)), qt(item.name),
                        qt(item.designation), qt(item.unitWeightText)});
    }
    return rows;
}

PageHeader pageHeader(const ProjectInfo& project) {
    PageHeader header;
    header.left = project.name.empty() ? QStringLiteral("带式输送机设计计算书") : qt(project.name);
    if (!project.number.empty()) {
        header.right = QStringLiteral("计算书编号：") + qt(project.number);
    }
    return header;
}

void titleBlock(PageFlow& flow, const ProjectInfo& project) {
    flow.title(QStringLiteral("带式输送机设计计算书"));
    const std::vector<double> wide{labelWidth, contentWidth - labelWidth};
    const std::vector<TextAlign> wideAligns{TextAlign::centre, TextAlign::left};
    flow.grid(wide, wideAligns,
              {{QStringLiteral("工程名称"), qt(project.name)},
               {QStringLiteral("设计单位"), qt(project.company)}},
              0);
    const double half = contentWidth / 2 - labelWidth;
    const std::vector<double> halves{labelWidth, half, labelWidth, half};
    const std::vector<TextAlign> halfAligns{TextAlign::centre, TextAlign::left, TextAlign::centre,
                                            TextAlign::left};
    flow.grid(
        halves, halfAligns,
        {{QStringLiteral("计算书编号"), qt(project.number), QStringLiteral("版次"),
          qt(project.revision)},
         {QStringLiteral("设计阶段"), qt(project.stage), QStringLiteral("日期"), qt(project.date)}},
        0);
    flow.grid(halves, halfAligns,
              {{QStringLiteral("设计"), qt(project.designer), QStringLiteral("校核"),
                qt(project.checker)},
               {QStringLiteral("审核"), qt(project.reviewer), QStringLiteral("审定"),
                qt(project.approver)}},
              signatureHeight);
    flow.advance(3);
}

// The inputs, then the equipment entries, check parameters and coefficients when there are any,
// each its own numbered table.
void inputTables(PageFlow& flow, const CalculationSheet& sheet, const QString& heading) {
    struct Group {
        const char* caption;
        const std::vector<SheetField>* fields;
    };
    const std::array<Group, 4> groups{{
        {"输入数据", &sheet.inputs},
        {"设备参数", &sheet.equipmentEntries},
        {"校核参数", &sheet.checkParameters},
        {"计算系数", &sheet.coefficients},
    }};
    flow.heading(heading, FontRole::heading, keepWithHeading);
    int number = 0;
    for (const Group& group : groups) {
        if (group.fields->empty()) {
            continue;
        }
        flow.table(QStringLiteral("%1. %2").arg(++number).arg(QString::fromUtf8(group.caption)),
                   FontRole::bold, fieldColumns, fieldRows(*group.fields));
    }
}

// Each step as one line of symbols, values and result, its reason under it in small type.
void workingSteps(PageFlow& flow, const std::vector<WorkingStep>& working, const QString& heading) {
    flow.heading(heading, FontRole::heading, keepWithHeading);
    for (const WorkingStep& step : working) {
        QString line = qt(step.formula);
        if (!step.substituted.empty()) {
            line += QStringLiteral(" = ") + qt(step.substituted);
        }
        if (!step.result.empty()) {
            line += QStringLiteral(" = ") + qt(step.result);
        }
        const QString reason = qt(step.reason);
        const double reasonHeight =
            reason.isEmpty() ? 0 : flow.paragraphHeight(reason, FontRole::small, workingIndent);
        flow.paragraph(line, FontRole::body, 0, workingIndent, reasonHeight);
        if (!reason.isEmpty()) {
            flow.paragraph(reason, FontRole::small, workingIndent, workingIndent, 0);
        }
        flow.advance(stepGap);
    }
}

void notesSection(PageFlow& flow, const std::vector<std::string>& notes, const QString& heading) {
    flow.heading(heading, FontRole::heading, keepWithHeading);
    int number = 0;
    for (const std::string& note : notes) {
        flow.paragraph(QStringLiteral("%1. ").arg(++number) + qt(note), FontRole::body, 0,
                       noteIndent, 0);
    }
}

}  // namespace

std::vector<SheetPage> layOutSheet(const CalculationSheet& sheet, const TextMeasure& measure) {
    PageFlow flow(measure, pageHeader(sheet.project));
    SectionNumbers sections;
    titleBlock(flow, sheet.project);
    inputTables(flow, sheet, sections.next("原始数据"));
    flow.table(sections.next("计算结果"), FontRole::heading, resultColumns,
               fieldRows(sheet.results));
    if (!sheet.working.empty()) {
        workingSteps(flow, sheet.working, sections.next("计算过程"));
    }

    flow.heading(sections.next("张力分布图"), FontRole::heading, diagramHeight);
    drawTensionDiagram(sheet.tensions, QRectF(contentLeft, flow.y(), contentWidth, diagramHeight),
                       flow.page());
    flow.advance(diagramHeight + 3);

    flow.table(sections.next("设计校核"), FontRole::heading, checkColumns,
               checkRowsOf(sheet.checks));
    flow.table(sections.next("设备及结构件"), FontRole::heading, equipmentColumns,
               equipmentRowsOf(sheet.equipment));
    if (!sheet.notes.empty()) {
        notesSection(flow, sheet.notes, sections.next("说明与警告"));
    }
    return flow.finish();
}

}  // namespace dtii
