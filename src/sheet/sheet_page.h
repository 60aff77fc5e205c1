// A laid-out page of the calculation sheet as plain data: texts, lines and point marks placed in
// millimetres from the top left corner of an A4 sheet. The painter draws exactly this.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

namespace dtii {

inline constexpr double pageWidth = 210;   // A4 portrait [mm]
inline constexpr double pageHeight = 297;  // [mm]
inline constexpr double pageMargin = 20;   // on every side [mm]

enum class FontRole { title, heading, body, bold, small };

// How a line is stroked; the painter gives each its pen. The diagram's strands and limits differ
// in dash pattern as well as weight, so they stay apart in black-and-white print.
enum class Stroke { rule, heavyRule, axis, carrying, returning, carryingSag, returnSag };

enum class TextAlign { left, centre, right };

struct SheetText {
    QRectF box;  // one line of text, vertically centred in the box
    QString text;
    FontRole role = FontRole::body;
    TextAlign align = TextAlign::left;
};

struct SheetLine {
    QPolygonF points;  // an open polyline
    Stroke stroke = Stroke::rule;
};

enum class MarkShape { disc, square };

struct SheetMark {
    QPointF centre;
    MarkShape shape = MarkShape::disc;
};

struct SheetPage {
    std::vector<SheetText> texts;
    std::vector<SheetLine> lines;
    std::vector<SheetMark> marks;
};

// Widths of texts in millimetres, as the painter's fonts will set them.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double width(const QString& text, FontRole role) const = 0;
};

}  // namespace dtii
