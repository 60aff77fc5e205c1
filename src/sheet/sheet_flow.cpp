// Page filling for the calculation sheet.
#include "sheet/sheet_flow.h"

#include <algorithm>

#include "sheet/sheet_text_fit.h"

namespace dtii {
namespace {

constexpr double titleHeight = 12;        // [mm]
constexpr double headerLineHeight = 3.8;  // one line of the running header [mm]
constexpr double headerGap = 3;           // below the header's rule [mm]
constexpr double sectionGap = 3;          // below a table [mm]
constexpr double headerLeftShare = 0.62;  // of the content width, for the project name
constexpr std::size_t keptRows = 3;       // rows kept with a table's heading row

struct HeadingStyle {
    FontRole role;
    double height;  // with the space above [mm]
    double above;   // space above the text [mm]
};

constexpr HeadingStyle headingStyles[] = {
    {FontRole::heading, 10, 3},
    {FontRole::bold, 7, 1.5},
    {FontRole::small, 5.5, 0.5},
};

HeadingStyle headingStyle(FontRole role) {
    for (const HeadingStyle& style : headingStyles) {
        if (style.role == role) {
            return style;
        }
    }
    return headingStyles[1];
}

double lineHeight(FontRole role) {
    return role == FontRole::small ? headerLineHeight : tableLineHeight;
}

}  // namespace

PageFlow::PageFlow(const TextMeasure& measure, const PageHeader& header)
    : measure_(measure), header_(header) {
    newPage();
}

void PageFlow::newPage() {
    pages_.emplace_back();
    const double leftWidth = contentWidth * headerLeftShare;
    const double rightWidth = contentWidth - leftWidth - 2;
    const QStringList left = wrapText(header_.left, leftWidth, FontRole::small, measure_);
    const QStringList right = wrapText(header_.right, rightWidth, FontRole::small, measure_);
    const auto place = [this](const QStringList& lines, double x, double width, TextAlign align) {
        double top = contentTop;
        for (const QString& line : lines) {
            page().texts.push_back(
                {QRectF(x, top, width, headerLineHeight), line, FontRole::small, align});
            top += headerLineHeight;
        }
    };
    place(left, contentLeft, leftWidth, TextAlign::left);
    place(right, contentLeft + contentWidth - rightWidth, rightWidth, TextAlign::right);
    const double rule =
        contentTop + static_cast<double>(std::max(left.size(), right.size())) * headerLineHeight +
        0.8;
    page().lines.push_back(
        {{QPointF(contentLeft, rule), QPointF(contentLeft + contentWidth, rule)}, Stroke::rule});
    y_ = rule + headerGap;
}

void PageFlow::title(const QString& text) {
    page().texts.push_back({QRectF(contentLeft, y_, contentWidth, titleHeight), text,
                            FontRole::title, TextAlign::centre});
    advance(titleHeight + 2);
}

void PageFlow::heading(const QString& text, FontRole role, double keepWithNext) {
    const HeadingStyle style = headingStyle(role);
    const QStringList lines = wrapText(text, contentWidth, role, measure_);
    const double height = style.height + static_cast<double>(lines.size() - 1) * lineHeight(role);
    if (!fits(height + keepWithNext)) {
        newPage();
    }
    double top = y_ + style.above;
    for (const QString& line : lines) {
        page().texts.push_back(
            {QRectF(contentLeft, top, contentWidth, style.height - style.above - 1), line, role,
             TextAlign::left});
        top += lineHeight(role);
    }
    advance(height);
}

std::vector<QStringList> PageFlow::cells(const std::vector<double>& widths, const Row& row) const {
    std::vector<QStringList> wrapped;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const Cell cell = i < row.size() ? row[i] : Cell(QString());
        wrapped.push_back(wrapText(cell.text, widths[i] - 2 * cellPadding, cell.role, measure_));
    }
    return wrapped;
}

double PageFlow::rowHeight(const std::vector<QStringList>& cells, double leastHeight) {
    qsizetype lines = 1;
    for (const QStringList& cell : cells) {
        lines = std::max(lines, cell.size());
    }
    return std::max(static_cast<double>(lines) * tableLineHeight + 2 * cellPadding, leastHeight);
}

void PageFlow::ruledRow(const std::vector<double>& widths, const std::vector<TextAlign>& aligns,
                        const Row& row, const std::vector<QStringList>& lines, double height,
                        Stroke edge) {
    double x = contentLeft;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const FontRole role = i < row.size() ? row[i].role : FontRole::body;
        // A cell taller than its text keeps the text at its top.
        double lineTop = y_ + cellPadding;
        for (const QString& line : lines[i]) {
            page().texts.push_back(
                {QRectF(x + cellPadding, lineTop, widths[i] - 2 * cellPadding, tableLineHeight),
                 line, role, aligns[i]});
            lineTop += tableLineHeight;
        }
        page().lines.push_back({{QPointF(x, y_), QPointF(x, y_ + height)}, Stroke::rule});
        x += widths[i];
    }
    page().lines.push_back({{QPointF(x, y_), QPointF(x, y_ + height)}, Stroke::rule});
    page().lines.push_back({{QPointF(contentLeft, y_), QPointF(x, y_)}, edge});
    page().lines.push_back({{QPointF(contentLeft, y_ + height), QPointF(x, y_ + height)}, edge});
    advance(height);
}

void PageFlow::grid(const std::vector<double>& widths, const std::vector<TextAlign>& aligns,
                    const std::vector<Row>& rows, double leastHeight) {
    for (const Row& row : rows) {
        const std::vector<QStringList> lines = cells(widths, row);
        const double height = rowHeight(lines, leastHeight);
        if (!fits(height)) {
            newPage();
        }
        ruledRow(widths, aligns, row, lines, height, Stroke::rule);
    }
}

std::vector<double> PageFlow::columnWidths(const std::vector<ColumnSpec>& columns,
                                           const std::vector<Row>& rows) const {
    std::vector<double> natural;
    for (const ColumnSpec& column : columns) {
        natural.push_back(measure_.width(QString::fromUtf8(column.heading), FontRole::bold));
    }
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < std::min(row.size(), natural.size()); ++i) {
            for (const QString& line : row[i].text.split(u'\n')) {
                natural[i] = std::max(natural[i], measure_.width(line, row[i].role));
            }
        }
    }
    for (double& width : natural) {
        width += 2 * cellPadding + 0.5;  // the text never touches a rule
    }
    return fitColumnWidths(natural, contentWidth);
}

void PageFlow::table(const QString& caption, FontRole captionRole,
                     const std::vector<ColumnSpec>& columns, const std::vector<Row>& rows) {
    const std::vector<double> widths = columnWidths(columns, rows);
    Row headingRow;
    std::vector<TextAlign> headingAligns;
    std::vector<TextAlign> aligns;
    for (const ColumnSpec& column : columns) {
        headingRow.emplace_back(QString::fromUtf8(column.heading), FontRole::bold);
        headingAligns.push_back(TextAlign::centre);
        aligns.push_back(column.align);
    }
    const std::vector<QStringList> headingLines = cells(widths, headingRow);
    const double headingHeight = rowHeight(headingLines, 0);
    // A table starts where its heading row and first few rows fit together.
    double firstRows = 0;
    for (std::size_t i = 0; i < std::min(rows.size(), keptRows); ++i) {
        firstRows += rowHeight(cells(widths, rows[i]), 0);
    }
    if (!caption.isEmpty()) {
        heading(caption, captionRole, headingHeight + firstRows);
    } else if (!fits(headingHeight + firstRows)) {
        newPage();
    }
    ruledRow(widths, headingAligns, headingRow, headingLines, headingHeight, Stroke::heavyRule);
    for (const Row& row : rows) {
        const std::vector<QStringList> lines = cells(widths, row);
        const double height = rowHeight(lines, 0);
        if (!fits(height)) {
            newPage();
            heading(caption + QStringLiteral("（续表）"), FontRole::small, headingHeight + height);
            ruledRow(widths, headingAligns, headingRow, headingLines, headingHeight,
                     Stroke::heavyRule);
        }
        ruledRow(widths, aligns, row, lines, height, Stroke::rule);
    }
    advance(sectionGap);
}

double PageFlow::paragraphHeight(const QString& text, FontRole role, double indent) const {
    return static_cast<double>(wrapText(text, contentWidth - indent, role, measure_).size()) *
           lineHeight(role);
}

void PageFlow::paragraph(const QString& text, FontRole role, double firstIndent, double indent,
                         double following) {
    const QStringList lines =
        wrapText(text, contentWidth - std::max(firstIndent, indent), role, measure_);
    if (!fits(static_cast<double>(lines.size()) * lineHeight(role) + following)) {
        newPage();
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double left = contentLeft + (i == 0 ? firstIndent : indent);
        page().texts.push_back(
            {QRectF(left, y_, contentLeft + contentWidth - left, lineHeight(role)), lines[i], role,
             TextAlign::left});
        advance(lineHeight(role));
    }
}

std::vector<SheetPage> PageFlow::finish() {
    const int total = static_cast<int>(pages_.size());
    for (int number = 1; number <= total; ++number) {
        pages_[static_cast<std::size_t>(number - 1)].texts.push_back(
            {QRectF(contentLeft, contentBottom, contentWidth, footerHeight),
             QStringLiteral("第 %1 页 共 %2 页").arg(number).arg(total), FontRole::small,
             TextAlign::centre});
    }
    return std::move(pages_);
}

}  // namespace dtii
