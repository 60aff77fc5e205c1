// Starting, holdback or brake, take-up travel and idler bearing life on hand-built records; the
// figures were worked out apart from the program.
#include <gtest/gtest.h>

#include "core/checks/check_parameters.h"
#include "core/checks/design_checks.h"

namespace dtii {
namespace {

// 100 m with 5 m of lift; 800 mm, five plies of 200 N/mm: breaking force 800 kN.
ConveyorDesign liftedRecord(double H) {
    ConveyorDesign record;
    record.shared.B = 800;
    record.shared.V = 2;
    record.shared.H = H;
    record.input.L = 100;
    record.input.plies = 5;
    record.input.qB = 10;
    record.input.qG = 50;
    record.input.qRO = 8;
    record.input.qRU = 3;
    record.shared.Fu = 10000;
    record.working.FA = 15000;
    record.shared.T1 = 20000;
    record.shared.carryingIdlerForm = 3;
    record.shared.returnIdlerForm = 1;
    record.shared.a0 = 1.2;
    record.input.au = 3;
    record.shared.carryingRollerDiameter = 108;
    record.shared.returnRollerDiameter = 108;
    record.shared.carryingBearing = 2;  // 4G205
    record.input.returnBearing = 5;     // 310KA
    record.input.carryingRollerMass = 3.5;
    record.input.returnRollerMass = 8.7;
    return record;
}

constexpr const char* nylon = "尼龙帆布NN-200";

TEST(StartingCheck, AcceleratesTheBeltLoadAndRollsWithTheSurplusForce) {
    const DesignChecks checks = runDesignChecks(liftedRecord(5), nylon, {}, {});
    ASSERT_TRUE(checks.starting);
    // m = 100 x (2 x 10 + 50) + 0.9 x 100 x 11 = 7990 kg; FA - Fu = 5000 N.
    EXPECT_DOUBLE_EQ(checks.starting->movingMass, 7990);
    EXPECT_DOUBLE_EQ(checks.starting->acceleration, 5000.0 / 7990);
    EXPECT_DOUBLE_EQ(checks.starting->time, 3.196);
    EXPECT_DOUBLE_EQ(checks.starting->peakTension, 25000);
    EXPECT_DOUBLE_EQ(checks.starting->safetyFactor, 32);

    ConveyorDesign generating = liftedRecord(-5);
    generating.shared.Fu = -4000;
    EXPECT_FALSE(runDesignChecks(generating, nylon, {}, {}).starting);
    EXPECT_EQ(checkRows(runDesignChecks(generating, nylon, {}, {}))[5].value,
              "驱动力 Fu ≤ 0（发电工况），不计算起动");
}

TEST(HoldbackCheck, UphillNeedsAHoldbackDownhillABrakeWhenTheLoadOutrunsTheLeastResistance) {
    const struct {
        double H;
        std::optional<double> D;
        double liftForce;
        double runawayForce;
        RunawayDevice device;
        std::optional<double> ratedTorque;
    } cases[] = {
        {5, 800, 2452.5, 1499.998694587236, RunawayDevice::holdback, 899.9992167523417},
        {-5, 800, -2452.5, 1499.998694587236, RunawayDevice::brake, 899.9992167523417},
        {5, {}, 2452.5, 1499.998694587236, RunawayDevice::holdback, {}},
        {0.5, 800, 245.25, -708.271699435621, RunawayDevice::none, {}},
        {0, 800, 0, -(0.012 * 9.81 * 100 * 81), RunawayDevice::none, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.H);
        const HoldbackCheck check = runDesignChecks(liftedRecord(c.H), nylon, {}, c.D).holdback;
        EXPECT_DOUBLE_EQ(check.liftForce, c.liftForce);
        EXPECT_NEAR(check.runawayForce, c.runawayForce, 1e-9);
        EXPECT_EQ(check.device, c.device);
        EXPECT_EQ(check.torque.has_value(), c.ratedTorque.has_value());
        if (c.ratedTorque) {
            EXPECT_NEAR(*check.ratedTorque, *c.ratedTorque, 1e-9);
        }
    }
}

TEST(TakeUpTravelCheck, ElongationAllowanceAndTheScrewTakeUpLimit) {
    const struct {
        const char* belt;
        const char* type;
        std::optional<double> allowance;
        double L;
        double elongation;
        double travel;
        std::optional<bool> ok;
    } cases[] = {
        {nylon, "垂直重锤拉紧", {}, 100, 0.020, 3.6, true},
        {"st1000", "车式重锤拉紧", {}, 1000, 0.002, 6.0, true},
        {"聚酯帆布EP-200", "螺旋拉紧", {}, 40, 0.015, 0.64, true},
        {"涤纶帆布EP-100", "绞车拉紧", {}, 100, 0.015, 3.1, true},
        {nylon, "螺旋拉紧", {}, 50, 0.020, 1.05, true},  // the longest a screw serves
        {nylon, "螺旋拉紧", {}, 80, 0.020, 1.68, false},
        {nylon, "螺旋拉紧", 0.5, 100, 0.020, 2.6, false},
        {nylon, "请选择拉紧装置型式", {}, 100, 0.020, 3.6, {}},
        {"st1000", "", 0, 1000, 0.002, 3.0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.belt) + " " + c.type);
        ConveyorDesign record = liftedRecord(0);
        record.input.L = c.L;
        CheckParameters parameters;
        parameters.takeUpAllowance = c.allowance;
        const DesignChecks checks = runDesignChecks(record, c.belt, parameters, {}, c.type);
        EXPECT_DOUBLE_EQ(checks.takeUpTravel.elongation, c.elongation);
        EXPECT_NEAR(checks.takeUpTravel.travel, c.travel, 1e-12);
        EXPECT_EQ(checks.takeUpTravel.ok, c.ok);
        EXPECT_EQ(checks.takeUpTravel.type.has_value(), c.ok.has_value());
        const CheckRow row = checkRows(checks)[7];
        EXPECT_EQ(row.ok, c.ok);
        EXPECT_EQ(row.advice.empty(), c.ok != false) << row.advice;
    }
}

TEST(IdlerCheck, BearingLifeOfTheMostLoadedRollOnEachSide) {
    const struct {
        const char* what;
        double a0;
        double qG;
        double V;
        std::int16_t diameter;
        std::int16_t bearing;
        double bearingLoad;
        std::optional<double> life;
        std::optional<bool> ok;
    } cases[] = {
        {"6205 lasts", 1.2, 50, 2, 108, 2, 424.6011288, 1689202.8503561986, true},
        {"6204 overloaded", 1.5, 290, 2, 108, 1, 2563.6276800000005, 5865.515467723949, false},
        {"too fast", 1.2, 50, 5, 89, 4, 424.6011288, {}, false},
        {"310KA has no rating", 1.2, 50, 2, 108, 5, 424.6011288, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConveyorDesign record = liftedRecord(0);
        record.shared.a0 = c.a0;
        record.input.qG = c.qG;
        record.shared.V = c.V;
        record.shared.carryingRollerDiameter = c.diameter;
        record.shared.carryingBearing = c.bearing;
        const DesignChecks checks = runDesignChecks(record, nylon, {}, {});
        const IdlerCheck& carrying = checks.idlers.carrying;
        EXPECT_DOUBLE_EQ(carrying.loadFactor, 0.8);
        EXPECT_DOUBLE_EQ(carrying.bearingLoad, c.bearingLoad);
        if (c.life) {
            EXPECT_NEAR(*carrying.life / *c.life, 1, 1e-12);
        }
        EXPECT_EQ(carrying.ok, c.ok);
        EXPECT_EQ(checkRows(checks)[8].ok, c.ok);
    }
    // The flat return roll: e = 1, no impact; 310KA gives no life and the row says why.
    const DesignChecks checks = runDesignChecks(liftedRecord(0), nylon, {}, {});
    EXPECT_DOUBLE_EQ(checks.idlers.returnSide.bearingLoad, 228.81824999999998);
    EXPECT_FALSE(checks.idlers.returnSide.bearing);
    EXPECT_FALSE(checks.idlers.returnSide.ok);
    EXPECT_NE(checkRows(checks)[8].value.find("下托辊 310KA 无额定动载荷"), std::string::npos);
}

TEST(FurtherCheckParameters, RefusedAtTheirBounds) {
    const struct {
        const char* key;
        const char* text;
        bool reads;
    } cases[] = {
        {"idlerLifeHours", "0", false},    {"idlerLifeHours", "0.5", true},
        {"idlerLifeHours", "inf", false},  {"idlerLifeHours", "-30000", false},
        {"takeUpAllowance", "0", true},    {"takeUpAllowance", "-0.01", false},
        {"takeUpAllowance", "nan", false}, {"takeUpAllowance", "2米", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.text);
        EXPECT_EQ(checkParameterProblem(c.key, c.text).empty(), c.reads);
    }
    CheckTexts texts;
    texts.idlerLifeHours = "50000";
    texts.takeUpAllowance = "0";
    const CheckParameters read = *readCheckParameters(texts).parameters;
    EXPECT_DOUBLE_EQ(read.idlerLifeHours, 50000);
    EXPECT_EQ(read.takeUpAllowance, 0.0);
    EXPECT_DOUBLE_EQ(CheckParameters{}.idlerLifeHours, 30000);
}

}  // namespace
}  // namespace dtii
