// The tension diagram's geometry and its page items.
#include "sheet/tension_diagram.h"

#include <algorithm>
#include <cmath>

namespace dtii {
namespace {

constexpr double tickLength = 1.5;   // [mm]
constexpr double labelHeight = 4.5;  // [mm]
constexpr double labelWidth = 24;    // room for "T1 = 120.35 kN" in small type [mm]
constexpr double pointGap = 1.5;     // between a point and its label [mm]
constexpr int mostTicks = 7;
constexpr int labelSteps = 4;  // how many label heights a label may move away from its point

struct LegendEntry {
    Stroke stroke;
    const char* text;
};

constexpr std::array<LegendEntry, 4> legend{{
    {Stroke::carrying, "承载分支张力"},
    {Stroke::returning, "回程分支张力"},
    {Stroke::carryingSag, "承载分支垂度限制的最小张力"},
    {Stroke::returnSag, "回程分支垂度限制的最小张力"},
}};

double niceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough * (1 - 1e-9)) {
            return factor * power;
        }
    }
    return 10 * power;
}

// Tick text without a trailing ".0" and without a "-0".
QString tickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    const QString text = QString::number(value, 'f', decimals);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

std::vector<AxisTick> placeTicks(const std::vector<double>& values, double start, double end) {
    std::vector<AxisTick> ticks;
    const double low = values.front();
    const double span = values.back() - low;
    const double step = values.size() > 1 ? values[1] - values[0] : 1;
    for (const double value : values) {
        ticks.push_back(
            {value, start + (value - low) / span * (end - start), tickText(value, step)});
    }
    return ticks;
}

double kiloNewtons(double newtons) {
    return newtons / 1000;
}

QRectF labelBoxAt(const TensionPoint& point, bool above, int step) {
    const double away = pointGap + step * labelHeight;
    const double left =
        point.labelLeft ? point.at.x() - pointGap - labelWidth : point.at.x() + pointGap;
    const double top = above ? point.at.y() - away - labelHeight : point.at.y() + away;
    return QRectF(left, top, labelWidth, labelHeight);
}

// Moves each label, in turn, to the nearest place beside its point that no line runs through and
// no earlier label covers, first on its preferred side; it stays put when there is none.
void placeLabels(TensionDiagram& diagram) {
    const std::array<QLineF, 4> lines{
        diagram.carrying, diagram.returning,
        QLineF(diagram.plot.left(), diagram.carryingSagY, diagram.plot.right(),
               diagram.carryingSagY),
        QLineF(diagram.plot.left(), diagram.returnSagY, diagram.plot.right(), diagram.returnSagY)};
    const QRectF room = diagram.plot.adjusted(0, -labelHeight, 0, 0);
    std::vector<QRectF> placed;
    for (TensionPoint& point : diagram.points) {
        point.labelBox = labelBoxAt(point, point.labelAbove, 0);
        bool found = false;
        for (int step = 0; step < labelSteps && !found; ++step) {
            for (const bool above : {point.labelAbove, !point.labelAbove}) {
                const QRectF box = labelBoxAt(point, above, step);
                const bool clear =
                    room.contains(box) &&
                    std::none_of(lines.begin(), lines.end(),
                                 [&box](const QLineF& line) { return crossesBox(line, box); }) &&
                    std::none_of(placed.begin(), placed.end(),
                                 [&box](const QRectF& other) { return other.intersects(box); });
                if (clear) {
                    point.labelBox = box;
                    point.labelAbove = above;
                    found = true;
                    break;
                }
            }
        }
        placed.push_back(point.labelBox);
    }
}

}  // namespace

bool crossesBox(const QLineF& line, const QRectF& box) {
    // Clipping the segment's parameter range to the box, one edge pair at a time.
    double enter = 0;
    double leave = 1;
    const std::array<std::array<double, 2>, 4> edges{{
        {-line.dx(), line.x1() - box.left()},
        {line.dx(), box.right() - line.x1()},
        {-line.dy(), line.y1() - box.top()},
        {line.dy(), box.bottom() - line.y1()},
    }};
    for (const auto& [direction, room] : edges) {
        if (direction == 0) {
            if (room <= 0) {
                return false;  // parallel to this edge and outside it (or on it)
            }
            continue;
        }
        const double t = room / direction;
        if (direction < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    return enter < leave;
}

std::vector<double> axisTicks(double low, double high, int most) {
    if (!(std::isfinite(low) && std::isfinite(high))) {
        return {0, 1};
    }
    if (high <= low) {
        high = low + (low == 0 ? 1 : std::fabs(low));
    }
    double step = niceStep((high - low) / std::max(most - 1, 1));
    while (std::ceil(high / step - 1e-9) - std::floor(low / step + 1e-9) + 1 > most) {
        step = niceStep(step * 1.01);
    }
    std::vector<double> ticks;
    const double first = std::floor(low / step + 1e-9);
    const double last = std::ceil(high / step - 1e-9);
    for (double index = first; index <= last; ++index) {
        ticks.push_back(index * step);
    }
    return ticks;
}

TensionDiagram tensionDiagram(const TensionProfile& tensions, const QRectF& plot) {
    const double length =
        tensions.length > 0 && std::isfinite(tensions.length) ? tensions.length : 1;
    const std::array<double, 6> values{tensions.T1,
                                       tensions.T2,
                                       tensions.T3,
                                       tensions.T4,
                                       tensions.carryingSagTension,
                                       tensions.returnSagTension};
    const auto [least, most] = std::minmax_element(values.begin(), values.end());

    TensionDiagram diagram;
    diagram.plot = plot;
    diagram.xTicks = placeTicks(axisTicks(0, length, mostTicks), plot.left(), plot.right());
    diagram.yTicks =
        placeTicks(axisTicks(std::min(0.0, kiloNewtons(*least)), kiloNewtons(*most), mostTicks),
                   plot.bottom(), plot.top());

    const double xLow = diagram.xTicks.front().value;
    const double xSpan = diagram.xTicks.back().value - xLow;
    const double yLow = diagram.yTicks.front().value;
    const double ySpan = diagram.yTicks.back().value - yLow;
    const auto at = [&](double distance, double tension) {
        return QPointF(plot.left() + (distance - xLow) / xSpan * plot.width(),
                       plot.bottom() - (kiloNewtons(tension) - yLow) / ySpan * plot.height());
    };
    const QPointF head1 = at(length, tensions.T1);
    const QPointF head2 = at(length, tensions.T2);
    const QPointF tail3 = at(0, tensions.T3);
    const QPointF tail4 = at(0, tensions.T4);
    diagram.carrying = QLineF(tail4, head1);
    diagram.returning = QLineF(head2, tail3);
    diagram.carryingSagY = at(0, tensions.carryingSagTension).y();
    diagram.returnSagY = at(0, tensions.returnSagTension).y();

    const auto label = [](int number, double tension) {
        return QStringLiteral("T%1 = %2 kN").arg(number).arg(kiloNewtons(tension), 0, 'f', 2);
    };
    // A label sits on the side of its point away from the point's strand, so the line never runs
    // through it; when the two points at one end are too close for that, the higher tension is
    // labelled above and the lower one below.
    const double crowded = labelHeight + 2 * pointGap;
    const auto above = [crowded](double tension, double strandEnd, QPointF point,
                                 double otherTension, QPointF other, bool carrying) {
        if (std::fabs(point.y() - other.y()) < crowded) {
            return tension > otherTension || (tension == otherTension && carrying);
        }
        return strandEnd <= tension;
    };
    diagram.points = {{
        {1, head1, label(1, tensions.T1), true,
         above(tensions.T1, tensions.T4, head1, tensions.T2, head2, true), QRectF()},
        {2, head2, label(2, tensions.T2), true,
         above(tensions.T2, tensions.T3, head2, tensions.T1, head1, false), QRectF()},
        {3, tail3, label(3, tensions.T3), false,
         above(tensions.T3, tensions.T2, tail3, tensions.T4, tail4, false), QRectF()},
        {4, tail4, label(4, tensions.T4), false,
         above(tensions.T4, tensions.T1, tail4, tensions.T3, tail3, true), QRectF()},
    }};
    placeLabels(diagram);
    return diagram;
}

void drawTensionDiagram(const TensionProfile& tensions, const QRectF& frame, SheetPage& page) {
    const QRectF plot(frame.left() + 16, frame.top() + 7, frame.width() - 22, frame.height() - 30);
    const TensionDiagram diagram = tensionDiagram(tensions, plot);
    auto line = [&page](QPolygonF points, Stroke stroke) {
        page.lines.push_back({std::move(points), stroke});
    };
    auto text = [&page](QRectF box, QString content, TextAlign align) {
        page.texts.push_back({box, std::move(content), FontRole::small, align});
    };

    line({plot.bottomLeft(), plot.bottomRight()}, Stroke::axis);
    line({plot.bottomLeft(), plot.topLeft()}, Stroke::axis);
    for (const AxisTick& tick : diagram.xTicks) {
        line({QPointF(tick.position, plot.bottom()),
              QPointF(tick.position, plot.bottom() + tickLength)},
             Stroke::axis);
        text(QRectF(tick.position - 6, plot.bottom() + tickLength, 12, labelHeight), tick.label,
             TextAlign::centre);
    }
    for (const AxisTick& tick : diagram.yTicks) {
        line(
            {QPointF(plot.left() - tickLength, tick.position), QPointF(plot.left(), tick.position)},
            Stroke::axis);
        text(QRectF(frame.left(), tick.position - labelHeight / 2, 16 - tickLength - 0.8,
                    labelHeight),
             tick.label, TextAlign::right);
    }
    text(QRectF(frame.left(), frame.top(), 60, labelHeight), QStringLiteral("张力 T（kN）"),
         TextAlign::left);
    text(QRectF(plot.left(), plot.bottom() + tickLength + labelHeight, plot.width(), labelHeight),
         QStringLiteral("距机尾的距离 x（m）    机尾 x = 0，机头 x = L"), TextAlign::centre);

    line({QPointF(plot.left(), diagram.carryingSagY), QPointF(plot.right(), diagram.carryingSagY)},
         Stroke::carryingSag);
    line({QPointF(plot.left(), diagram.returnSagY), QPointF(plot.right(), diagram.returnSagY)},
         Stroke::returnSag);
    line({diagram.carrying.p1(), diagram.carrying.p2()}, Stroke::carrying);
    line({diagram.returning.p1(), diagram.returning.p2()}, Stroke::returning);

    for (const TensionPoint& point : diagram.points) {
        page.marks.push_back({point.at, MarkShape::disc});
        text(point.labelBox, point.label, point.labelLeft ? TextAlign::right : TextAlign::left);
    }

    // The legend: two entries a row below the axis title.
    const double legendTop = plot.bottom() + tickLength + 2 * labelHeight + 1;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const double x = plot.left() + static_cast<double>(i % 2) * plot.width() / 2;
        const double y = legendTop + static_cast<double>(i / 2) * labelHeight + labelHeight / 2;
        line({QPointF(x, y), QPointF(x + 12, y)}, legend[i].stroke);
        text(QRectF(x + 14, y - labelHeight / 2, plot.width() / 2 - 14, labelHeight),
             QString::fromUtf8(legend[i].text), TextAlign::left);
    }
}

}  // namespace dtii
