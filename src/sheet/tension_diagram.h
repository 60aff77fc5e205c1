// Where the tension diagram's axes, ticks, strands, limits and labelled points go inside its
// frame: the belt tensions along the conveyor, tail at the left, head at the right.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

#include "core/report/calculation_sheet.h"
#include "sheet/sheet_page.h"

namespace dtii {

struct AxisTick {
    double value = 0;     // in the axis unit (m or kN)
    double position = 0;  // x or y on the page [mm]
    QString label;
};

struct TensionPoint {
    int number = 0;  // 1 ... 4
    QPointF at;      // on the page [mm]
    QString label;   // "T1 = 12.35 kN"
    bool labelLeft = false;
    bool labelAbove = false;
    QRectF labelBox;  // clear of the strands, the limits and the other labels where room allows
};

struct TensionDiagram {
    QRectF plot;  // the axes' box [mm]
    std::vector<AxisTick> xTicks;
    std::vector<AxisTick> yTicks;
    QLineF carrying;   // T4 at the tail to T1 at the head
    QLineF returning;  // T2 at the head to T3 at the tail
    double carryingSagY = 0;
    double returnSagY = 0;
    std::array<TensionPoint, 4> points;
};

// Round tick values covering low ... high: steps of 1, 2 or 5 times a power of ten, at most
// `most` ticks, the first at or below low and the last at or above high.
std::vector<double> axisTicks(double low, double high, int most);

// Whether the segment `line` runs through the inside of `box`.
bool crossesBox(const QLineF& line, const QRectF& box);

// The diagram of `tensions` with its axes in `plot`.
TensionDiagram tensionDiagram(const TensionProfile& tensions, const QRectF& plot);

// The diagram as page items inside `frame` (axes, ticks, titles, strands, limits, marks, legend).
void drawTensionDiagram(const TensionProfile& tensions, const QRectF& frame, SheetPage& page);

}  // namespace dtii
