// Laying the calculation sheet out page by page.
#include "sheet/sheet_layout.h"

#include <algorithm>
#include <array>
#include <span>

#include "sheet/tension_diagram.h"

namespace dtii {
namespace {

constexpr double titleHeight = 12;    // [mm]
constexpr double signLineHeight = 8;  // a title-block line with its rule [mm]
constexpr double headingHeight = 10;  // a section heading with space above [mm]
constexpr double sectionGap = 3;      // below a table or diagram [mm]

struct Column {
    const char* heading;
    double width;  // [mm]
    TextAlign align;
};

constexpr std::array<Column, 3> fieldColumns{{
    {"项目", 80, TextAlign::left},
    {"数值", 65, TextAlign::left},
    {"单位", 25, TextAlign::left},
}};
constexpr std::array<Column, 3> resultColumns{{
    {"项目", 80, TextAlign::left},
    {"计算值", 65, TextAlign::right},
    {"单位", 25, TextAlign::left},
}};
constexpr std::array<Column, 5> checkColumns{{
    {"校核项目", 28, TextAlign::left},
    {"计算值", 38, TextAlign::left},
    {"要求", 38, TextAlign::left},
    {"结论", 16, TextAlign::centre},
    {"建议", 50, TextAlign::left},
}};
constexpr std::array<Column, 5> equipmentColumns{{
    {"序号", 11, TextAlign::centre},
    {"类别", 15, TextAlign::centre},
    {"名称", 70, TextAlign::left},
    {"型号", 48, TextAlign::left},
    {"单重(kg)", 26, TextAlign::right},
}};

using Row = std::vector<QString>;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fills pages from the top down, starting a new page when the next piece does not fit.
class PageFlow {
public:
    explicit PageFlow(const TextMeasure& measure) : measure_(measure) { newPage(); }

    SheetPage& page() { return pages_.back(); }
    double y() const { return y_; }
    void advance(double height) { y_ += height; }
    bool fits(double height) const { return y_ + height <= contentBottom + 1e-9; }
    void newPage() {
        pages_.emplace_back();
        y_ = contentTop;
    }

    void title(const QString& text) {
        page().texts.push_back({QRectF(contentLeft, y_, contentWidth, titleHeight), text,
                                FontRole::title, TextAlign::centre});
        advance(titleHeight + 2);
    }

    // "label：value" over a rule to sign on, across [left, left + width].
    void signLine(double left, double width, const QString& label, const QString& value) {
        const double labelWidth = measure_.width(label, FontRole::body) + 1;
        const QRectF box(left, y_, width, signLineHeight - 2);
        page().texts.push_back({QRectF(box.left(), box.top(), labelWidth, box.height()), label,
                                FontRole::body, TextAlign::left});
        page().texts.push_back(
            {QRectF(box.left() + labelWidth, box.top(), box.width() - labelWidth - 3, box.height()),
             value, FontRole::body, TextAlign::left});
        page().lines.push_back({{QPointF(box.left() + labelWidth, box.bottom()),
                                 QPointF(box.right() - 3, box.bottom())},
                                Stroke::rule});
    }

    void heading(const QString& text, double keepWithNext) {
        if (!fits(headingHeight + keepWithNext)) {
            newPage();
        }
        page().texts.push_back({QRectF(contentLeft, y_ + 3, contentWidth, headingHeight - 4), text,
                                FontRole::heading, TextAlign::left});
        advance(headingHeight);
    }

    template <std::size_t N>
    void table(const std::array<Column, N>& columns, const std::vector<Row>& rows) {
        Row headings;
        for (const Column& column : columns) {
            headings.push_back(QString::fromUtf8(column.heading));
        }
        const auto headingCells = cells(columns, headings, FontRole::bold);
        tableRow(columns, headingCells, FontRole::bold, true);
        for (const Row& row : rows) {
            const auto rowCells = cells(columns, row, FontRole::body);
            if (!fits(rowHeight(rowCells))) {
                newPage();
                tableRow(columns, headingCells, FontRole::bold, true);
            }
            tableRow(columns, rowCells, FontRole::body, false);
        }
        advance(sectionGap);
    }

    // The height of the table's heading row and first row, kept with the section heading.
    template <std::size_t N>
    double tableStart(const std::array<Column, N>& columns, const std::vector<Row>& rows) {
        double height = tableLineHeight + 2 * cellPadding;
        if (!rows.empty()) {
            height += rowHeight(cells(columns, rows.front(), FontRole::body));
        }
        return height;
    }

    std::vector<SheetPage> finish() {
        const int total = static_cast<int>(pages_.size());
        for (int number = 1; number <= total; ++number) {
            pages_[static_cast<std::size_t>(number - 1)].texts.push_back(
                {QRectF(contentLeft, contentBottom, contentWidth, footerHeight),
                 QStringLiteral("第 %1 页 共 %2 页").arg(number).arg(total), FontRole::small,
                 TextAlign::centre});
        }
        return std::move(pages_);
    }

private:
    template <std::size_t N>
    std::vector<QStringList> cells(const std::array<Column, N>& columns, const Row& row,
                                   FontRole role) const {
        std::vector<QStringList> wrapped;
        for (std::size_t i = 0; i < N; ++i) {
            const QString text = i < row.size() ? row[i] : QString();
            wrapped.push_back(wrapText(text, columns[i].width - 2 * cellPadding, role, measure_));
        }
        return wrapped;
    }

    static double rowHeight(const std::vector<QStringList>& cells) {
        qsizetype lines = 1;
        for (const QStringList& cell : cells) {
            lines = std::max(lines, cell.size());
        }
        return static_cast<double>(lines) * tableLineHeight + 2 * cellPadding;
    }

    template <std::size_t N>
    void tableRow(const std::array<Column, N>& columns, const std::vector<QStringList>& cells,
                  FontRole role, bool headingRow) {
        const double height = rowHeight(cells);
        const Stroke edge = headingRow ? Stroke::heavyRule : Stroke::rule;
        double x = contentLeft;
        for (std::size_t i = 0; i < N; ++i) {
            double lineTop = y_ + cellPadding;
            for (const QString& line : cells[i]) {
                page().texts.push_back({QRectF(x + cellPadding, lineTop,
                                               columns[i].width - 2 * cellPadding, tableLineHeight),
                                        line, role,
                                        headingRow ? TextAlign::centre : columns[i].align});
                lineTop += tableLineHeight;
            }
            page().lines.push_back({{QPointF(x, y_), QPointF(x, y_ + height)}, Stroke::rule});
            x += columns[i].width;
        }
        page().lines.push_back({{QPointF(x, y_), QPointF(x, y_ + height)}, Stroke::rule});
        page().lines.push_back({{QPointF(contentLeft, y_), QPointF(x, y_)}, edge});
        page().lines.push_back(
            {{QPointF(contentLeft, y_ + height), QPointF(x, y_ + height)}, edge});
        advance(height);
    }

    const TextMeasure& measure_;
    std::vector<SheetPage> pages_;
    double y_ = contentTop;
};

std::vector<Row> fieldRows(const std::vector<SheetField>& fields) {
    std::vector<Row> rows;
    for (const SheetField& field : fields) {
        rows.push_back({qt(field.label), qt(field.value), qt(field.unit)});
    }
    return rows;
}

QString verdictText(const std::optional<bool>& ok) {
    if (!ok) {
        return QStringLiteral("—");
    }
    return *ok ? QStringLiteral("合格") : QStringLiteral("不合格");
}

std::vector<Row> checkRowsOf(const std::vector<CheckRow>& checks) {
    std::vector<Row> rows;
    for (const CheckRow& check : checks) {
        rows.push_back({qt(check.name), qt(check.value), qt(check.requirement),
                        verdictText(check.ok), qt(check.advice)});
    }
    return rows;
}

std::vector<Row> equipmentRowsOf(const std::vector<EquipmentListRow>& equipment) {
    std::vector<Row> rows;
    for (const EquipmentListRow& item : equipment) {
        rows.push_back({QString::number(item.number), qt(item.category), qt(item.name),
                        qt(item.designation), qt(item.unitWeightText)});
    }
    return rows;
}

void titleBlock(PageFlow& flow, const ProjectInfo& project) {
    flow.title(QStringLiteral("带式输送机设计计算书"));
    flow.signLine(contentLeft, contentWidth, QStringLiteral("工程名称："), qt(project.name));
    flow.advance(signLineHeight);
    const double third = contentWidth / 3;
    flow.signLine(contentLeft, third, QStringLiteral("设计："), qt(project.designer));
    flow.signLine(contentLeft + third, third, QStringLiteral("校核："), qt(project.checker));
    flow.signLine(contentLeft + 2 * third, third, QStringLiteral("日期："), qt(project.date));
    flow.advance(signLineHeight);
}

template <std::size_t N>
void tableSection(PageFlow& flow, const QString& heading, const std::array<Column, N>& columns,
                  const std::vector<Row>& rows) {
    flow.heading(heading, flow.tableStart(columns, rows));
    flow.table(columns, rows);
}

}  // namespace

QStringList wrapText(const QString& text, double width, FontRole role, const TextMeasure& measure) {
    QStringList lines;
    QString line;
    qsizetype lastBlank = -1;  // in `line`
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is two code units and never split.
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, units);
        i += units - 1;
        if (character == QLatin1String("\n")) {
            lines.push_back(line);
            line.clear();
            lastBlank = -1;
            continue;
        }
        if (!line.isEmpty() && measure.width(line + character, role) > width) {
            if (lastBlank > 0 && character != QLatin1String(" ")) {
                lines.push_back(line.left(lastBlank));
                line = line.mid(lastBlank + 1);
            } else {
                lines.push_back(line);
                line.clear();
            }
            lastBlank = -1;
            if (character == QLatin1String(" ")) {
                continue;  // a blank at a break is dropped
            }
        }
        if (character == QLatin1String(" ")) {
            lastBlank = line.size();
        }
        line += character;
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<SheetPage> layOutSheet(const CalculationSheet& sheet, const TextMeasure& measure) {
    PageFlow flow(measure);
    titleBlock(flow, sheet.project);
    tableSection(flow, QStringLiteral("一、原始数据"), fieldColumns, fieldRows(sheet.inputs));
    tableSection(flow, QStringLiteral("二、计算结果"), resultColumns, fieldRows(sheet.results));

    flow.heading(QStringLiteral("三、张力分布图"), diagramHeight);
    drawTensionDiagram(sheet.tensions, QRectF(contentLeft, flow.y(), contentWidth, diagramHeight),
                       flow.page());
    flow.advance(diagramHeight + sectionGap);

    tableSection(flow, QStringLiteral("四、设计校核"), checkColumns, checkRowsOf(sheet.checks));
    tableSection(flow, QStringLiteral("五、设备及结构件"), equipmentColumns,
                 equipmentRowsOf(sheet.equipment));
    return flow.finish();
}

}  // namespace dtii
