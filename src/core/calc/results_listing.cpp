// The results listing: one row per listed line, label, value and unit.
#include "core/calc/results_listing.h"

#include <array>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/numbers.h"

namespace dtii {
namespace {

struct ListingLine {
    std::string_view label;
    std::string_view unit;
    double (*value)(const ConveyorDesign&);
};

constexpr std::array<ListingLine, 14> listingLines{{
    {"1.圆周驱动力Fu=", "N", [](const ConveyorDesign& d) { return d.shared.Fu; }},
    {"2.起动时的圆周驱动力FA=", "N", [](const ConveyorDesign& d) { return d.working.FA; }},
    {"3.传动滚筒圆周驱动功率Pa=", "kw", [](const ConveyorDesign& d) { return d.shared.Pa; }},
    {"4.驱动电机所需功率Pm=", "kw", [](const ConveyorDesign& d) { return d.shared.Pm; }},
    {"5.T1=", "N", [](const ConveyorDesign& d) { return d.shared.T1; }},
    {"6.T2=", "N", [](const ConveyorDesign& d) { return d.shared.T2; }},
    {"7.T3=", "N", [](const ConveyorDesign& d) { return d.shared.T3; }},
    {"8.T4=", "N", [](const ConveyorDesign& d) { return d.shared.T4; }},
    {"9.承载面阻力Fw：", "N", [](const ConveyorDesign& d) { return d.shared.Fw; }},
    {"10.回程面阻力Fk：", "N", [](const ConveyorDesign& d) { return d.shared.Fk; }},
    {"11.承载分支托辊旋转部分质量qRO：", "kg/m",
     [](const ConveyorDesign& d) { return d.input.qRO; }},
    {"12.回程分支托辊旋转部分质量qRU：", "kg/m",
     [](const ConveyorDesign& d) { return d.input.qRU; }},
    {"13.每米物料质量qG：", "kg/m", [](const ConveyorDesign& d) { return d.input.qG; }},
    {"14.每米输送带质量qB：", "kg/m", [](const ConveyorDesign& d) { return d.input.qB; }},
}};

constexpr double largestSingle = std::numeric_limits<float>::max();

// Conversion to single precision; magnitudes beyond its range become infinite explicitly rather
// than through an out-of-range conversion.
float toSingle(double value) {
    if (std::fabs(value) > largestSingle && std::isfinite(value)) {
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

}  // namespace

std::vector<ListedResult> listedResults(const ConveyorDesign& design) {
    std::vector<ListedResult> results;
    results.reserve(listingLines.size());
    for (const ListingLine& line : listingLines) {
        results.push_back({line.label, numberText(toSingle(line.value(design))), line.unit});
    }
    return results;
}

std::string resultsText(const ConveyorDesign& design) {
    std::string text;
    text.reserve(600);
    for (const ListedResult& line : listedResults(design)) {
        if (!text.empty()) {
            text += "\r\n";
        }
        text += line.label;
        text += line.value;
        text += line.unit;
    }
    return text;
}

bool listedValuesFitSinglePrecision(const ConveyorDesign& design) {
    for (const ListingLine& line : listingLines) {
        if (!std::isfinite(toSingle(line.value(design)))) {
            return false;
        }
    }
    return true;
}

}  // namespace dtii
