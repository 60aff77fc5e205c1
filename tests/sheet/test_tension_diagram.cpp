// The tension diagram's geometry: round ticks that cover the tensions, and every point, strand
// and limit where its tension and distance put it on the axes.
#include <gtest/gtest.h>

#include <cmath>

#include "sheet/tension_diagram.h"

namespace dtii {
namespace {

struct TickCase {
    double low, high;
    int most;
};

TEST(AxisTicks, CoverTheRangeInAtMostTheAllowedCountOfRoundEqualSteps) {
    const TickCase cases[] = {
        {0, 100, 7},   {0, 20.11, 7}, {-0.25, 20.11, 7}, {0, 0, 7},
        {12, 12.4, 7}, {0, 3.5, 5},   {-40, -3, 6},      {0, 1234567, 7},
    };
    for (const TickCase& c : cases) {
        const std::vector<double> ticks = axisTicks(c.low, c.high, c.most);
        SCOPED_TRACE(testing::Message() << c.low << " .. " << c.high);
        ASSERT_GE(ticks.size(), 2u);
        EXPECT_LE(static_cast<int>(ticks.size()), c.most);
        EXPECT_LE(ticks.front(), c.low + 1e-9);
        EXPECT_GE(ticks.back(), c.high - 1e-9);
        const double step = ticks[1] - ticks[0];
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
                    std::fabs(mantissa - 5) < 1e-6)
            << step;
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            EXPECT_NEAR(ticks[i] - ticks[i - 1], step, step * 1e-9);
        }
    }
}

// The tension [kN] the diagram's y axis reads at page height y, from its outer ticks.
double tensionAt(const TensionDiagram& diagram, double y) {
    const AxisTick& low = diagram.yTicks.front();
    const AxisTick& high = diagram.yTicks.back();
    return low.value +
           (y - low.position) / (high.position - low.position) * (high.value - low.value);
}

TEST(TensionDiagram, PointsStrandsAndLimitsLieWhereTheTensionsPutThem) {
    const TensionProfile cases[] = {
        {100, 20109.99, 4180.456, 11341.37, 11795.02, 12000, 4000},  // the 800 mm example
        {250, 8000, 1500, 1800, -300, 2500, 900},                    // generating: T4 below 0
        {40, 5000, 5000, 5000, 5000, 5000, 5000},                    // nothing to tell apart
    };
    const QRectF plot(40, 60, 150, 70);
    for (const TensionProfile& t : cases) {
        SCOPED_TRACE(testing::Message() << "T1 " << t.T1 << ", L " << t.length);
        const TensionDiagram diagram = tensionDiagram(t, plot);
        const double tensions[] = {t.T1, t.T2, t.T3, t.T4};
        for (int i = 0; i < 4; ++i) {
            const TensionPoint& point = diagram.points[static_cast<std::size_t>(i)];
            EXPECT_EQ(point.number, i + 1);
            // Points 1 and 2 are at the head (x = L), 3 and 4 at the tail (x = 0).
            EXPECT_NEAR(point.at.x(), i < 2 ? plot.right() : plot.left(), 1e-9);
            EXPECT_NEAR(tensionAt(diagram, point.at.y()), tensions[i] / 1000, 1e-9);
            EXPECT_GE(point.at.y(), plot.top() - 1e-9);
            EXPECT_LE(point.at.y(), plot.bottom() + 1e-9);
            EXPECT_EQ(point.label,
                      QStringLiteral("T%1 = %2 kN").arg(i + 1).arg(tensions[i] / 1000, 0, 'f', 2));
        }
        EXPECT_EQ(diagram.carrying.p1(), diagram.points[3].at);   // T4 at the tail
        EXPECT_EQ(diagram.carrying.p2(), diagram.points[0].at);   // to T1 at the head
        EXPECT_EQ(diagram.returning.p1(), diagram.points[1].at);  // T2 at the head
        EXPECT_EQ(diagram.returning.p2(), diagram.points[2].at);  // to T3 at the tail
        EXPECT_NEAR(tensionAt(diagram, diagram.carryingSagY), t.carryingSagTension / 1000, 1e-9);
        EXPECT_NEAR(tensionAt(diagram, diagram.returnSagY), t.returnSagTension / 1000, 1e-9);
        EXPECT_NEAR(diagram.xTicks.front().position, plot.left(), 1e-9);
        EXPECT_DOUBLE_EQ(diagram.xTicks.front().value, 0);
        EXPECT_GE(diagram.xTicks.back().value, t.length);
    }
}

TEST(TensionDiagram, LabelsStayClearOfTheLinesAndOfEachOther) {
    const TensionProfile cases[] = {
        {100, 20109.99, 4180.456, 11341.37, 11795.02, 12000, 4000},  // the 800 mm example
        {100, 20000, 4000, 11000, 11500, 11600, 4100},               // limits beside T4 and T3
        {250, 8000, 1500, 1800, -300, 2500, 900},                    // generating: T4 below 0
        {60, 9000, 8800, 8700, 8900, 8850, 8750},                    // everything close
    };
    const QRectF plot(40, 60, 150, 70);
    for (const TensionProfile& t : cases) {
        SCOPED_TRACE(testing::Message() << "T1 " << t.T1 << ", T4 " << t.T4);
        const TensionDiagram diagram = tensionDiagram(t, plot);
        const QLineF lines[] = {
            diagram.carrying, diagram.returning,
            QLineF(plot.left(), diagram.carryingSagY, plot.right(), diagram.carryingSagY),
            QLineF(plot.left(), diagram.returnSagY, plot.right(), diagram.returnSagY)};
        for (std::size_t i = 0; i < 4; ++i) {
            const QRectF box = diagram.points[i].labelBox;
            for (const QLineF& line : lines) {
                EXPECT_FALSE(crossesBox(line, box)) << "T" << i + 1;
            }
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(box.intersects(diagram.points[j].labelBox)) << i + 1 << ", " << j + 1;
            }
        }
    }
}

}  // namespace
}  // namespace dtii
