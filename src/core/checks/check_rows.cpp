// The checks as rows of text: what was found, what it must meet, the verdict and the advice.
#include <array>
#include <charconv>
#include <cmath>

#include "core/checks/check_tables.h"
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

// The shortest text of a value the engineer typed, never in exponent form ("2000000", "0.5").
std::string typedValue(double value) {
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
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
constexpr std::array<CheckRule, 9> checkRules{{
    {"输送带强度", "GB 50431 输送带安全系数"},
    {"输送能力", "ISO 5048 输送能力"},
    {"电动机", "GB 50431、DTⅡ 电动机功率系列"},
    {"减速器速比", "DTⅡ 驱动装置选型表"},
    {"拉紧装置", "ISO 5048 拉紧力"},
    {"起动", "DTⅡ 起动系数 K_A"},
    {"逆止器/制动器", "GB 50431 逆止器和制动器"},
    {"拉紧行程", "GB 50431 拉紧行程"},
    {"托辊轴承寿命", "ISO 281 轴承寿命、DTⅡ 托辊"},
}};

CheckRow startingRow(const std::optional<StartingCheck>& c) {
    if (!c) {
        return {"起动",
                "驱动力 Fu ≤ 0（发电工况），不计算起动",
                "只在 Fu > 0 时计算",
                std::nullopt,
                {}};
    }
    return {"起动",
            "加速度 " + fixed(c->acceleration, 3) + " m/s²，时间 " + fixed(c->time, 1) +
                " s，最大张力 " + fixed(c->peakTension, 0) + " N，安全系数 " +
                fixed(c->safetyFactor, 2),
            "DTⅡ：FA = 1.5 Fu；运动质量 " + fixed(c->movingMass, 0) + " kg，未计滚筒和驱动装置",
            std::nullopt,
            {}};
}

CheckRow holdbackRow(const HoldbackCheck& c) {
    const std::string_view device = c.device == RunawayDevice::holdback ? "逆止器"
                                    : c.device == RunawayDevice::brake  ? "制动器"
                                                                        : "";
    CheckRow row{
        "逆止器/制动器",
        (device.empty() ? std::string("不需逆止器或制动器") : "须设" + std::string(device)) +
            "：下滑力 " + fixed(c.runawayForce, 0) + " N（提升力 " + fixed(c.liftForce, 0) +
            " N，最小阻力 " + fixed(c.leastResistance, 0) + " N）",
        "GB 50431：上运下滑力 > 0 设逆止器，下运设制动器",
        std::nullopt,
        {}};
    if (device.empty()) {
        return row;
    }
    if (c.ratedTorque) {
        row.advice = "额定力矩 ≥ " + fixed(*c.ratedTorque, 0) + " N·m（1.5 × " +
                     fixed(*c.torque, 0) + " N·m）";
    } else {
        row.advice = "输入传动滚筒直径 D 后给出力矩";
    }
    return row;
}

CheckRow takeUpTravelRow(const TakeUpTravelCheck& c) {
    CheckRow row{"拉紧行程",
                 fixed(c.travel, 2) + " m（伸长率 " + shortest(c.elongation) + " + " +
                     shortest(c.flexure) + "，余量 " + fixed(c.allowance, 2) + " m）",
                 c.type ? "GB 50431；" + *c.type : std::string("GB 50431；等待拉紧装置型式"),
                 c.ok,
                 {}};
    if (c.ok == false) {
        row.advice = "螺旋拉紧只适用于长度不超过 50 m 的输送机，宜改用重锤拉紧";
    }
    return row;
}

// One idler side as part of the idler row's value.
std::string idlerSideText(std::string_view side, const IdlerCheck& c) {
    const std::string speed = fixed(c.speed, 1) + " r/min";
    if (!c.life) {
        return std::string(side) + " " + c.bearingText + " 无额定动载荷，" + speed;
    }
    return std::string(side) + " " + *c.bearing + " " + fixed(*c.life, 0) + " h，" + speed;
}

std::string idlerSideAdvice(std::string_view side, const IdlerCheck& c) {
    std::string advice;
    if (c.life && *c.life < c.required) {
        advice = std::string(side) + "寿命不足：加大轴承或减小间距";
    }
    if (c.life && c.speed > fastestIdlerSpeed) {
        advice += (advice.empty() ? "" : "；") + std::string(side) + "转速过高：加大辊子直径";
    }
    return advice;
}

CheckRow idlersRow(const IdlerChecks& c) {
    const std::string carryingAdvice = idlerSideAdvice("上托辊", c.carrying);
    const std::string returnAdvice = idlerSideAdvice("下托辊", c.returnSide);
    const std::optional<bool> ok = idlersVerdict(c);
    return {"托辊轴承寿命",
            idlerSideText("上托辊", c.carrying) + " / " + idlerSideText("下托辊", c.returnSide),
            "ISO 281 / DTⅡ：≥ " + typedValue(c.carrying.required) + " h，≤ 600 r/min", ok,
            carryingAdvice + (carryingAdvice.empty() || returnAdvice.empty() ? "" : "；") +
                returnAdvice};
}

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
    return {beltStrengthRow(checks.beltStrength),
            capacityRow(checks.capacity),
            motorRow(checks.motor),
            reducerRow(checks.reducer),
            takeUpRow(checks.takeUp),
            startingRow(checks.starting),
            holdbackRow(checks.holdback),
            takeUpTravelRow(checks.takeUpTravel),
            idlersRow(checks.idlers)};
}

}  // namespace dtii
