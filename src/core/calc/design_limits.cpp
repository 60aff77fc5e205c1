// The limits of a design that can be computed, as two tables of rules tried in order.
#include "core/calc/design_limits.h"

#include <array>
#include <cmath>

namespace dtii {
namespace {

// An entered design: the record with the entries stored, and the plough-tripper box.
struct EnteredDesign {
    const ConveyorDesign& design;
    bool ploughTrippersChecked;
};

struct EntryLimit {
    bool (*holds)(const EnteredDesign&);
    std::string_view message;
    std::optional<InputBox> focusBox;
};

// An idler angle from 90 degrees on stands the rollers on end; a negative forward tilt turns
// the tilt resistance into a drive.
bool idlerAngle(double degrees) {
    return degrees >= 0 && degrees < 90;
}

// A whole count; an infinite one passes here and is refused with the results out of range.
bool wholeCount(double count) {
    return count >= 0 && count == std::floor(count);
}

// In the order the rules are tried.
constexpr std::array<EntryLimit, 7> entryLimits{{
    {[](const EnteredDesign& e) { return idlerAngle(e.design.shared.carryingTroughAngle); },
     "上托辊槽角必须不小于0且小于90度，请重新输入！", InputBox::carryingTroughAngle},
    {[](const EnteredDesign& e) { return idlerAngle(e.design.shared.carryingTiltAngle); },
     "上托辊前倾角必须不小于0且小于90度，请重新输入！", InputBox::carryingTiltAngle},
    {[](const EnteredDesign& e) { return idlerAngle(e.design.input.returnTroughAngle); },
     "下托辊槽角必须不小于0且小于90度，请重新输入！", InputBox::returnTroughAngle},
    {[](const EnteredDesign& e) { return idlerAngle(e.design.input.returnTiltAngle); },
     "下托辊前倾角必须不小于0且小于90度，请重新输入！", InputBox::returnTiltAngle},
    // The belt climbs or falls at most its own length, and its horizontal projection is no
    // longer than the belt.
    {[](const EnteredDesign& e) { return std::abs(e.design.shared.H) <= e.design.input.L; },
     "物料提升高度H的绝对值不能大于输送机长度L，请重新输入！", InputBox::lift},
    {[](const EnteredDesign& e) { return e.design.shared.Lh <= e.design.input.L; },
     "输送机水平投影长度L0不能大于输送机长度L，请重新输入！", InputBox::horizontalLength},
    // An unchecked box means no trippers whatever count was entered before.
    {[](const EnteredDesign& e) {
         return !e.ploughTrippersChecked || wholeCount(e.design.input.ploughCount);
     },
     "犁式卸料器的个数必须是不小于0的整数，请重新输入！", std::nullopt},
}};

struct TensionLimit {
    double SharedDesign::*tension;
    std::string_view message;
};

constexpr std::array<TensionLimit, 4> tensionLimits{{
    {&SharedDesign::T1, "输送带张力T1必须大于0，本设计的计算结果不满足，请检查输入的数据！"},
    {&SharedDesign::T2, "输送带张力T2必须大于0，本设计的计算结果不满足，请检查输入的数据！"},
    {&SharedDesign::T3, "输送带张力T3必须大于0，本设计的计算结果不满足，请检查输入的数据！"},
    {&SharedDesign::T4, "输送带张力T4必须大于0，本设计的计算结果不满足，请检查输入的数据！"},
}};

}  // namespace

std::optional<BrokenLimit> firstBrokenEntryLimit(const ConveyorDesign& design,
                                                 bool ploughTrippersChecked) {
    const EnteredDesign entered{design, ploughTrippersChecked};
    for (const EntryLimit& limit : entryLimits) {
        if (!limit.holds(entered)) {
            return BrokenLimit{limit.message, limit.focusBox};
        }
    }
    return std::nullopt;
}

std::optional<BrokenLimit> firstBrokenTensionLimit(const ConveyorDesign& design) {
    for (const TensionLimit& limit : tensionLimits) {
        if (!(design.shared.*limit.tension > 0)) {
            return BrokenLimit{limit.message, std::nullopt};
        }
    }
    return std::nullopt;
}

}  // namespace dtii
