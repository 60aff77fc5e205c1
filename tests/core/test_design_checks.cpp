// The design checks on hand-built records, each case worked out on paper.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/checks/check_parameters.h"
#include "core/checks/design_checks.h"

namespace dtii {
namespace {

// A computed 800 mm trough conveyor, level unless a case lifts it.
ConveyorDesign computedRecord() {
    ConveyorDesign record;
    record.shared.B = 800;
    record.shared.carryingIdlerForm = 3;
    record.input.carryingRollerLength = 315;
    record.shared.carryingTroughAngle = 35;
    record.shared.V = 2;
    record.shared.Q = 400;
    record.shared.r = 1000;
    record.input.L = 100;
    record.shared.H = 0;
    record.input.plies = 5;
    record.shared.T1 = 60000;
    record.shared.T2 = 20000;
    record.shared.T3 = 10000;
    record.shared.T4 = 9620;
    record.shared.Fu = 40000;
    record.shared.Pm = 94.1;
    return record;
}

struct StrengthCase {
    const char* belt;
    int plies;
    double T1;
    std::optional<double> required;
    double safetyFactor;
    double requiredFound;
    bool ok;
    std::optional<int> minPlies;
    std::optional<std::string> minSteelCord;
};

TEST(BeltStrengthCheck, ComparesBreakingForceWithTheLargestTension) {
    const StrengthCase cases[] = {
        // 200 N/mm per ply x 5 x 800 mm = 800 kN over 60 kN.
        {"尼龙帆布NN-200", 5, 60000, {}, 800000.0 / 60000, 10, true, 4, {}},
        // Three plies give 480 kN: factor 8 fails 10; 10 x 60 kN / 160 kN per ply = 3.75 -> 4.
        {"尼龙帆布NN-200", 3, 60000, {}, 8, 10, false, 4, {}},
        // Cotton needs only 8; a vinylon-cotton blend is "other fabric".
        {"棉帆布CC-56", 10, 50000, {}, 448000.0 / 50000, 8, true, 9, {}},
        {"维棉帆布VC-60", 10, 50000, {}, 480000.0 / 50000, 10, false, 11, {}},
        // st1000 on 800 mm: 800 kN over 100 kN = 8 >= 7; 700 kN needed -> st1000 (st800 640 kN).
        {"st1000", 1, 100000, {}, 8, 7, true, {}, "st1000"},
        {"st630", 1, 100000, {}, 5.04, 7, false, {}, "st1000"},
        // Even st5000 (4000 kN) is short of 7 x 600 kN.
        {"st5000", 1, 600000, {}, 4000000.0 / 600000, 7, false, {}, {}},
        // The engineer's factor replaces the default.
        {"尼龙帆布NN-200", 3, 60000, 7.5, 8, 7.5, true, 3, {}},
    };
    for (const StrengthCase& c : cases) {
        SCOPED_TRACE(std::string(c.belt) + " T1 " + std::to_string(c.T1));
        ConveyorDesign record = computedRecord();
        record.input.plies = static_cast<std::int16_t>(c.plies);
        record.shared.T1 = c.T1;
        CheckParameters parameters;
        parameters.requiredSafetyFactor = c.required;
        const BeltStrengthCheck check =
            runDesignChecks(record, c.belt, parameters, std::nullopt).beltStrength;
        EXPECT_DOUBLE_EQ(check.maxTension, c.T1);
        EXPECT_DOUBLE_EQ(check.safetyFactor, c.safetyFactor);
        EXPECT_DOUBLE_EQ(check.required, c.requiredFound);
        EXPECT_EQ(check.ok, c.ok);
        EXPECT_EQ(check.minPlies, c.minPlies);
        EXPECT_EQ(check.minSteelCord, c.minSteelCord);
    }
}

TEST(BeltStrengthCheck, TheLargestTensionMayBeAnyOfTheFour) {
    ConveyorDesign record = computedRecord();
    record.shared.T1 = 1000;
    record.shared.T4 = 70000;  // a long downhill run pulls hardest at the tail
    EXPECT_DOUBLE_EQ(runDesignChecks(record, "st1000", {}, std::nullopt).beltStrength.maxTension,
                     70000);
}

struct CapacityCase {
    const char* what;
    std::int16_t B;
    std::int16_t form;
    std::int16_t rollerLength;
    double H;
    double surcharge;
    double usableWidth;
    double area;
    double inclinationFactor;
};

TEST(CapacityCheck, CrossSectionFollowsTheIdlerFormAndTheIncline) {
    const double pi = std::numbers::pi;
    const CapacityCase cases[] = {
        {"1000 mm trough, 380 mm rollers, 30 deg", 1000, 3, 380, 0, 30, 0.85, 0.13348115520650244,
         1},
        // Steeper than the surcharge angle: k1 = 0, so k = 1 - A1 / A with A1 = 0.05631 m^2.
        {"the same lifted 40 deg", 1000, 3, 380, 100 * std::sin(40 * pi / 180), 30, 0.85,
         0.13348115520650244, 1 - 0.05631351694890314 / 0.13348115520650244},
        {"800 mm trough, 5 m in 100 m", 800, 3, 315, 5, 20, 0.67, 0.06913557271980374,
         0.9965404789598832},
        {"1000 mm V", 1000, 2, 0, 0, 20, 0.85, 0.11427507451084058, 1},
        {"2200 mm flat keeps 0.25 m of edge", 2200, 1, 0, 0, 20, 1.95, 0.23066613596620578, 1},
    };
    for (const CapacityCase& c : cases) {
        SCOPED_TRACE(c.what);
        ConveyorDesign record = computedRecord();
        record.shared.B = c.B;
        record.shared.carryingIdlerForm = c.form;
        record.input.carryingRollerLength = c.rollerLength;
        record.shared.H = c.H;
        CheckParameters parameters;
        parameters.surchargeAngle = c.surcharge;
        const CapacityCheck check = runDesignChecks(record, "st1000", parameters, {}).capacity;
        EXPECT_NEAR(check.usableWidth, c.usableWidth, 1e-12);
        EXPECT_NEAR(check.area, c.area, 1e-12);
        EXPECT_NEAR(check.inclinationFactor, c.inclinationFactor, 1e-12);
        const double maxCapacity = 3.6 * c.area * 2 * c.inclinationFactor * 1000;
        EXPECT_NEAR(check.maxCapacity, maxCapacity, 1e-9);
        EXPECT_NEAR(check.fillRatio, 400 / maxCapacity, 1e-12);
        EXPECT_EQ(check.ok, 400 <= maxCapacity);
    }
}

TEST(MotorCheck, PicksTheSmallestStandardMotorAtLeastTheRequiredPower) {
    const struct {
        double Pm;
        double Fu;
        std::optional<double> rated;
        bool generating;
    } cases[] = {
        {2.2, 1000, 2.2, false},  // exactly a rating
        {94.1, 40000, 110, false},
        {-12.4, -5000, 15, true},  // downhill: the drive brakes the belt
        {2500.5, 900000, {}, false},
    };
    for (const auto& c : cases) {
        ConveyorDesign record = computedRecord();
        record.shared.Pm = c.Pm;
        record.shared.Fu = c.Fu;
        const MotorCheck check = runDesignChecks(record, "st1000", {}, {}).motor;
        EXPECT_DOUBLE_EQ(check.required, std::abs(c.Pm));
        EXPECT_EQ(check.rated, c.rated) << c.Pm;
        EXPECT_EQ(check.generating, c.generating) << c.Pm;
    }
}

TEST(ReducerAndTakeUpChecks, FollowThePulleyDiameterAndTheTailTensions) {
    const ConveyorDesign record = computedRecord();
    CheckParameters parameters;
    EXPECT_FALSE(runDesignChecks(record, "st1000", parameters, std::nullopt).reducer);
    EXPECT_FALSE(runDesignChecks(record, "st1000", parameters, 0.0).reducer);
    parameters.motorSpeed = 1000;
    const DesignChecks checks = runDesignChecks(record, "st1000", parameters, 800.0);
    ASSERT_TRUE(checks.reducer);
    EXPECT_NEAR(checks.reducer->pulleySpeed, 47.7464829275686, 1e-12);
    EXPECT_NEAR(checks.reducer->ratio, 1000 / 47.7464829275686, 1e-12);
    EXPECT_DOUBLE_EQ(checks.takeUp.force, 19620);
    EXPECT_DOUBLE_EQ(checks.takeUp.counterweight, 2000);
}

TEST(CheckRows, NameTheVerdictAndAdviseOnlyWhereSomethingFails) {
    ConveyorDesign record = computedRecord();
    record.input.plies = 3;
    record.shared.Fu = -5000;
    record.shared.Pm = -12.4;
    const std::vector<CheckRow> rows = checkRows(runDesignChecks(record, "尼龙帆布NN-200", {}, {}));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].ok, false);
    EXPECT_NE(rows[0].advice.find("4 层"), std::string::npos) << rows[0].advice;
    EXPECT_EQ(rows[1].ok, true);
    EXPECT_EQ(rows[1].advice, "");
    EXPECT_NE(rows[2].requirement.find("15 kW"), std::string::npos) << rows[2].requirement;
    EXPECT_NE(rows[2].advice.find("制动器"), std::string::npos);
    EXPECT_EQ(rows[3].ok, std::nullopt);
    EXPECT_NE(rows[3].value.find("等待"), std::string::npos);
    EXPECT_NE(rows[4].requirement.find("2000 kg"), std::string::npos) << rows[4].requirement;
    const char* rules[] = {"GB 50431", "ISO 5048", "DTⅡ", "DTⅡ", "ISO 5048"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NE(checkRule(rows[i].name).find(rules[i]), std::string_view::npos) << rows[i].name;
    }
    EXPECT_EQ(checkRule("别的"), "");
}

TEST(CheckParameters, ReadTheTypedTextsOrRefuseNamingTheKey) {
    const struct {
        CheckTexts texts;
        const char* refusedKey;  // "" when accepted
    } cases[] = {
        {{}, ""},
        {{"12.5", " 30 ", "750"}, ""},
        {{"", "", ""}, ""},  // empty boxes take the defaults
        {{"abc", {}, {}}, "requiredSafetyFactor"},
        {{"0", {}, {}}, "requiredSafetyFactor"},
        {{"-3", {}, {}}, "requiredSafetyFactor"},
        {{"inf", {}, {}}, "requiredSafetyFactor"},
        {{"10x", {}, {}}, "requiredSafetyFactor"},
        {{{}, "0", {}}, "surchargeAngle"},
        {{{}, "45", {}}, ""},
        {{{}, "45.01", {}}, "surchargeAngle"},
        {{{}, "nan", {}}, "surchargeAngle"},
        {{{}, {}, "1450"}, "motorSpeed"},
        {{{}, {}, "3000"}, ""},
    };
    for (const auto& c : cases) {
        const CheckParametersResult result = readCheckParameters(c.texts);
        EXPECT_EQ(result.key, c.refusedKey);
        EXPECT_EQ(result.parameters.has_value(), result.key.empty());
        EXPECT_EQ(result.problem.empty(), result.key.empty());
    }
    const CheckParameters read = *readCheckParameters({"12.5", " 30 ", "750"}).parameters;
    EXPECT_EQ(read, (CheckParameters{12.5, 30, 750}));
    EXPECT_EQ(*readCheckParameters({"", "", ""}).parameters, CheckParameters{});
}

}  // namespace
}  // namespace dtii
