// The checks as rows of text: what was found, what it must meet, the verdict and the advice.
#include <array>
#include <charconv>
#include <cmath>

#include "core/checks/design_checks.h"

namespace dtii {
namespace {

// A value with a fixed number of decimals, as the rows show it ("12.35", "24567").
std::string fixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value > 0 ? "∞" : "—";
    }
    // A value that rounds to nothing shows as 0, never as "-0".
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) {
        value = 0;
    }
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("—");
}

// The shortest text of a table value ("18.5", "2500").
std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : fixed(value, 2);
}

CheckRow beltStrengthRow(const BeltStrengthCheck& c) {
    CheckRow row{"输送带强度",
                 "安全系数 " + fixed(c.safetyFactor, 2) + "（最大张力 " + fixed(c.maxTension, 0) +
                     " N，破断力 " + fixed(c.breakingForce, 0) + " N）",
                 "安全系数 ≥ " + shortest(c.required),
                 c.ok,
                 {}};
    if (c.ok) {
        return row;
    }
    if (c.minPlies) {
        row.advice = "帆布层数至少 " + std::to_string(*c.minPlies) + " 层";
    } else if (c.minSteelCord) {
        row.advice = "改用 " + *c.minSteelCord + " 或更强的钢绳芯输送带";
    } else if (c.strengthPerWidth <= 0) {
        row.advice = "从输送带型号读不出强度";
    } else {
        row.advice = "st5000 仍不够：加宽输送带或降低张力";
    }
    return row;
}

CheckRow capacityRow(const CapacityCheck& c) {
    CheckRow row{"输送能力",
                 "最大输送量 " + fixed(c.maxCapacity, 1) + " t/h，填充率 " +
                     fixed(c.fillRatio * 100, 1) + "%",
                 "输送量 " + fixed(c.fillRatio * c.maxCapacity, 1) + " t/h 不超过最大输送量",
                 c.ok,
                 {}};
    if (!c.ok) {
        row.advice = "加大带宽、提高带速或加大槽角";
    }
    return row;
}

CheckRow motorRow(const MotorCheck& c) {
    CheckRow row{
        "电动机",
        "所需功率 " + fixed(c.required, 2) + " kW",
        c.rated ? "选用 " + shortest(*c.rated) + " kW 标准电动机" : "标准电动机最大 2500 kW",
        c.rated.has_value(),
        {}};
    if (!c.rated) {
        row.advice = "超出标准电动机，宜采用多台驱动";
    }
    if (c.generating) {
        row.advice += (row.advice.empty() ? "" : "；") +
                      std::string("发电工况：输送带带动驱动滚筒，电动机作发电机运行，须设制动器");
    }
    return row;
}

CheckRow reducerRow(const std::optional<ReducerCheck>& c) {
    if (!c) {
        return {
            "减速器速比", "等待传动滚筒直径 D", "在设备清单窗口输入 D 后计算", std::nullopt, {}};
    }
    return {"减速器速比",
            "速比 " + fixed(c->ratio, 2),
            "电动机 " + fixed(c->motorSpeed, 0) + " r/min，传动滚筒 D" +
                fixed(c->pulleyDiameter, 0) + " mm 转速 " + fixed(c->pulleySpeed, 2) + " r/min",
            std::nullopt,
            {}};
}

CheckRow takeUpRow(const TakeUpCheck& c) {
    return {"拉紧装置",
            "尾部滚筒拉紧力 " + fixed(c.force, 0) + " N",
            "重锤拉紧的重锤质量 " + fixed(c.counterweight, 0) + " kg",
            std::nullopt,
            {}};
}

struct CheckRule {
    std::string_view name;
    std::string_view rule;
};

// The rule each check follows, by the name of its row.
constexpr std::array<CheckRule, 5> checkRules{{
    {"输送带强度", "GB 50431 输送带安全系数"},
    {"输送能力", "ISO 5048 输送能力"},
    {"电动机", "GB 50431、DTⅡ 电动机功率系列"},
    {"减速器速比", "DTⅡ 驱动装置选型表"},
    {"拉紧装置", "ISO 5048 拉紧力"},
}};

}  // namespace

std::string_view checkRule(std::string_view checkName) {
    for (const CheckRule& entry : checkRules) {
        if (entry.name == checkName) {
            return entry.rule;
        }
    }
    return {};
}

std::vector<CheckRow> checkRows(const DesignChecks& checks) {
    return {beltStrengthRow(checks.beltStrength), capacityRow(checks.capacity),
            motorRow(checks.motor), reducerRow(checks.reducer), takeUpRow(checks.takeUp)};
}

}  // namespace dtii
