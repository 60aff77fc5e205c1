// Filling A4 pages from the top down: a running header on every page, headings kept with what
// follows, ruled tables that continue on the next page under "续表" with their heading row
// repeated, wrapped paragraphs, and the footer "第 n 页 共 m 页" once the count is known.
#pragma once

#include <QString>
#include <vector>

#include "sheet/sheet_page.h"

namespace dtii {

// Where content may go: the page inside its margins, less the footer line at the bottom [mm].
inline constexpr double contentTop = pageMargin;
inline constexpr double contentLeft = pageMargin;
inline constexpr double contentWidth = pageWidth - 2 * pageMargin;
inline constexpr double footerHeight = 6;
inline constexpr double footerGap = 2;  // between the content and the footer [mm]
inline constexpr double contentBottom = pageHeight - pageMargin - footerHeight;
inline constexpr double tableLineHeight = 4.6;  // one line of body text in a table cell [mm]
inline constexpr double cellPadding = 1.0;      // above, below and beside the text of a cell [mm]

// One cell's text and how it is set.
struct Cell {
    Cell(QString text, FontRole role = FontRole::body) : text(std::move(text)), role(role) {}
    QString text;
    FontRole role;
};

using Row = std::vector<Cell>;

struct ColumnSpec {
    const char* heading;
    TextAlign align;
};

// A page's running header: the project name at the left, the document number at the right.
struct PageHeader {
    QString left;
    QString right;
};

class PageFlow {
public:
    PageFlow(const TextMeasure& measure, const PageHeader& header);

    SheetPage& page() { return pages_.back(); }
    double y() const { return y_; }
    void advance(double height) { y_ += height; }
    // Whether `height` [mm] fits above the footer, a little clear of it.
    bool fits(double height) const { return y_ + height <= contentBottom - footerGap + 1e-9; }
    void newPage();

    void title(const QString& text);
    // A heading in `role`, on a new page when it and `keepWithNext` [mm] do not fit here.
    void heading(const QString& text, FontRole role, double keepWithNext);

    // Rows ruled on every side in columns of the given widths, without a heading row; each row
    // at least `leastHeight` [mm] high.
    void grid(const std::vector<double>& widths, const std::vector<TextAlign>& aligns,
              const std::vector<Row>& rows, double leastHeight);

    // A table under `caption` (its section heading), columns sized to their contents; the
    // caption stays with the heading row and the first rows.
    void table(const QString& caption, FontRole captionRole, const std::vector<ColumnSpec>& columns,
               const std::vector<Row>& rows);

    // Lines of `role` text, the first `firstIndent` [mm] in and the rest `indent` [mm] in, kept
    // on one page with `following` [mm] of what comes next.
    void paragraph(const QString& text, FontRole role, double firstIndent, double indent,
                   double following);
    double paragraphHeight(const QString& text, FontRole role, double indent) const;

    std::vector<SheetPage> finish();

private:
    std::vector<QStringList> cells(const std::vector<double>& widths, const Row& row) const;
    static double rowHeight(const std::vector<QStringList>& cells, double leastHeight);
    void ruledRow(const std::vector<double>& widths, const std::vector<TextAlign>& aligns,
                  const Row& row, const std::vector<QStringList>& lines, double height,
                  Stroke edge);
    std::vector<double> columnWidths(const std::vector<ColumnSpec>& columns,
                                     const std::vector<Row>& rows) const;

    const TextMeasure& measure_;
    PageHeader header_;
    std::vector<SheetPage> pages_;
    double y_ = contentTop;
};

}  // namespace dtii
