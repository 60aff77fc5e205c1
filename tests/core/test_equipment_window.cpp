// The equipment-list window's confirm: completeness, conversions, default codes, widths without
// tables, diameters a width does not offer, the load from the tensions, stops that keep nothing,
// and the evaluator's stop with focus.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/equipment/width_rules.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using testing::ScriptedDialogs;

constexpr const char* incomplete = "请检查您是否已经完整地输入了各项数据！";

TEST(EquipmentWindowLoad, TakeUpListShowsItsPromptAndFourTypes) {
    EquipmentWindow window;
    loadEquipmentWindow(window);
    EXPECT_EQ(window.takeUpList.text, "请选择拉紧装置型式");
    EXPECT_EQ(window.takeUpList.items,
              (std::vector<std::string>{"垂直重锤拉紧", "螺旋拉紧", "车式重锤拉紧", "绞车拉紧"}));
}

TEST(EquipmentWindowConfirm, IncompleteEntriesStopBeforeAnythingIsRead) {
    struct Gap {
        const char* name;
        int box;  // 0: the take-up list still shows its prompt
    };
    for (const Gap gap :
         {Gap{"take-up", 0}, Gap{"D", 1}, Gap{"Dt", 2}, Gap{"hH", 3}, Gap{"hT", 4}}) {
        EquipmentWindow window = testing::filledWindow("630");
        if (gap.box == 0) {
            window.takeUpList.text = "请选择拉紧装置型式";
        } else {
            window.boxes[static_cast<std::size_t>(gap.box)].clear();
        }
        EquipmentWindowValues values;
        values.D = 123;
        values.widthCode = "05";
        ScriptedDialogs dialogs;
        const ConfirmResult result =
            confirmEquipment(window, testing::baseDesign(), values, dialogs);
        EXPECT_EQ(result.outcome, SelectionOutcome::stopped) << gap.name;
        ASSERT_EQ(dialogs.shown.size(), 1u) << gap.name;
        EXPECT_EQ(dialogs.shown[0].text, incomplete);
        EXPECT_EQ(dialogs.shown[0].caption, programTitle);
        EXPECT_EQ(values.D, 123) << "nothing read: " << gap.name;
        EXPECT_EQ(values.widthCode, "05") << gap.name;
        EXPECT_EQ(window.focusTakeUpList, gap.box == 0) << gap.name;
        EXPECT_EQ(window.focusBox, gap.box == 0 ? std::nullopt : std::optional<int>(gap.box))
            << gap.name;
    }
}

TEST(EquipmentWindowConfirm, SnubPulleyBoxAndTypedTakeUpTypeAreNotRequired) {
    EquipmentWindow window = testing::filledWindow("630");
    window.boxes[5].clear();
    window.takeUpList.text = "自制拉紧";
    EquipmentWindowValues values;
    ScriptedDialogs dialogs;
    dialogs.textAnswers.push_back("1100");
    const ConfirmResult result = confirmEquipment(window, testing::baseDesign(), values, dialogs);
    EXPECT_EQ(result.outcome, SelectionOutcome::completed);
    EXPECT_EQ(values.takeUpType, "自制拉紧");
}

TEST(EquipmentWindowConfirm, EntriesAreConvertedAndKeptInTheWindowValues) {
    struct Conversion {
        std::string D, Dt, hH, hT;
        std::int16_t expectedD, expectedDt;
        double expectedhH, expectedhT;
    };
    const std::vector<Conversion> cases{
        {"630.5", "500.5", "1000.25", "800", 630, 500, 1000.25, 800},
        {"629.5", "501.5", "12abc", " 7 5", 630, 502, 12, 75},
        {"800mm", "40000", "-3", "1E3", 800, 0, -3, 1000},  // 40000 does not fit 16 bits
    };
    for (const Conversion& c : cases) {
        EquipmentWindow window = testing::filledWindow(c.D);
        window.boxes[2] = c.Dt;
        window.boxes[3] = c.hH;
        window.boxes[4] = c.hT;
        EquipmentWindowValues values;
        ScriptedDialogs dialogs;
        dialogs.textAnswers.push_back("1100");
        confirmEquipment(window, testing::baseDesign(), values, dialogs);
        EXPECT_EQ(values.D, c.expectedD) << c.D;
        EXPECT_EQ(values.Dt, c.expectedDt) << c.Dt;
        EXPECT_EQ(values.hH, c.expectedhH) << c.hH;
        EXPECT_EQ(values.hT, c.expectedhT) << c.hT;
    }
}

TEST(EquipmentWindowConfirm, WidthWithoutTablesGivesOnlyTheDefaultsAndNoWidthCode) {
    for (const std::int16_t B : {std::int16_t{1300}, std::int16_t{0}, std::int16_t{-800}}) {
        ConveyorDesign design = testing::baseDesign();
        EquipmentWindowValues values;
        EquipmentWindow first = testing::filledWindow("630");
        ScriptedDialogs firstDialogs;
        firstDialogs.textAnswers.push_back("1100");
        confirmEquipment(first, design, values, firstDialogs);
        ASSERT_EQ(values.widthCode, "03");

        design.shared.B = B;
        EquipmentWindow window = testing::filledWindow("630");
        ScriptedDialogs dialogs;
        const ConfirmResult result = confirmEquipment(window, design, values, dialogs);
        EXPECT_EQ(result.outcome, SelectionOutcome::completed) << B;
        EXPECT_TRUE(dialogs.shown.empty()) << B;
        EXPECT_EQ(result.selection.widthCode, "") << B;
        EXPECT_EQ(values.widthCode, "") << B;

        EquipmentSelection defaults;
        const std::array<std::pair<SlotId, const char*>, 10> codes{{
            {SlotId::headCleaner, "1"},
            {SlotId::emptySectionCleaner, "2"},
            {SlotId::intermediateFrameShort, "101"},
            {SlotId::convexFrameShort, "102"},
            {SlotId::concaveFrameR80000Short, "103"},
            {SlotId::concaveFrameR120000Short, "104"},
            {SlotId::loadingFrame, "105"},
            {SlotId::skirtFront, "111"},
            {SlotId::skirtMiddle, "121"},
            {SlotId::skirtRear, "131"},
        }};
        for (const auto& [slot, code] : codes) {
            defaults[slot].code = code;
        }
        EXPECT_EQ(result.selection.slots, defaults.slots) << B;
        EXPECT_FALSE(result.selection.chuteLengthBase.has_value());
        EXPECT_NE(result.reportText.find("  1.传动滚筒         DTⅡA      0\r\n"),
                  std::string::npos);
    }
}

TEST(EquipmentWindowConfirm, ConfirmAfterAStopStartsFromUnsetSlots) {
    const ConveyorDesign design = testing::baseDesign();
    EquipmentWindowValues values;
    EquipmentWindow window = testing::filledWindow("1000");
    ScriptedDialogs stoppedDialogs;
    const ConfirmResult stopped = confirmEquipment(window, design, values, stoppedDialogs);
    ASSERT_EQ(stopped.outcome, SelectionOutcome::stopped);
    EXPECT_TRUE(stopped.reportText.empty());
    EXPECT_EQ(window.boxes[1], "1000") << "the entries stay as typed";

    window.boxes[1] = "630";
    ScriptedDialogs dialogs;
    dialogs.textAnswers.push_back("1100");
    const ConfirmResult second = confirmEquipment(window, design, values, dialogs);

    EquipmentWindowValues freshValues;
    EquipmentWindow freshWindow = testing::filledWindow("630");
    ScriptedDialogs freshDialogs;
    freshDialogs.textAnswers.push_back("1100");
    const ConfirmResult fresh = confirmEquipment(freshWindow, design, freshValues, freshDialogs);
    EXPECT_EQ(second.selection.slots, fresh.selection.slots);
    EXPECT_EQ(second.reportText, fresh.reportText);
}

// A drive-pulley diameter the width's tables do not offer: one message with the equipment caption,
// no report, no focus, and the entries stay as typed.
TEST(EquipmentWindowConfirm, ADiameterTheWidthDoesNotOfferStopsWithoutReportOrFocus) {
    const std::string offers800 =
        "您输入的传动滚筒直径不合适，推荐选用直径：500,630,800。请重新输入！";
    const std::string offers1000 =
        "您输入的传动滚筒直径不合适，推荐选用直径：630,800,1000。请重新输入！";
    struct DiameterCase {
        std::int16_t B;
        std::string D;
        std::string message;
    };
    const std::vector<DiameterCase> cases{
        {800, "1000", offers800},    {800, "0", offers800},      {800, "631", offers800},
        {800, "99999", offers800},   {800, "abc", offers800},    {1000, "500", offers1000},
        {1000, "631.5", offers1000}, {1000, "1250", offers1000}, {1000, "0", offers1000},
        {1000, "99999", offers1000}, {1200, "710", offers1000},
    };
    for (const DiameterCase& c : cases) {
        const std::string context = std::to_string(c.B) + " D=" + c.D;
        const testing::ConfirmedWindow run =
            testing::confirmWindow(testing::baseDesign(c.B), testing::filledWindow(c.D));
        EXPECT_EQ(run.result.outcome, SelectionOutcome::stopped) << context;
        EXPECT_TRUE(run.result.reportText.empty()) << context;
        EXPECT_FALSE(run.window.focusBox.has_value()) << context;
        EXPECT_EQ(run.window.boxes[1], c.D) << context;
        ASSERT_EQ(run.dialogs.shown.size(), 1u) << context;
        EXPECT_EQ(run.dialogs.shown[0].text, c.message) << context;
        EXPECT_EQ(run.dialogs.shown[0].caption, equipmentMessageCaption) << context;
    }
}

// Fh is (T1 + T2) * 1.1 / 1000 with the sum taken first, so tensions that add up to a limit
// reach it exactly: 100000 N fails the 110 kN limit, 300000 N reaches the 330 kN top rungs.
TEST(EquipmentWindowConfirm, TensionsGiveTheDrivePulleyLoadSumFirstSoLimitsHoldExactly) {
    EXPECT_EQ(drivePulleyLoad(150000, 150000), 330.0);
    EXPECT_GT(drivePulleyLoad(50000, 50000), 110.0);
    struct LoadCase {
        std::int16_t B;
        double T1, T2;  // [N]
        std::string D;
        std::string code;
    };
    const std::vector<LoadCase> cases{
        {800, 60000, 40000, "800", "6163Y/Z"},
        {1000, 200000, 100000, "1000", "7203Y/Z"},
        {1200, 200000, 100000, "1000", "7223Y/Z"},
    };
    for (const LoadCase& c : cases) {
        ConveyorDesign design = testing::baseDesign(c.B);
        design.shared.T1 = c.T1;
        design.shared.T2 = c.T2;
        const testing::ConfirmedWindow run =
            testing::confirmWindow(design, testing::filledWindow(c.D), {"1200"});
        ASSERT_EQ(run.result.outcome, SelectionOutcome::completed) << c.B;
        EXPECT_EQ(run.result.selection[SlotId::drivePulley].code, c.code) << c.B;
        EXPECT_TRUE(run.dialogs.messageTexts().empty()) << c.B;
    }
}

// The stop with focus belongs to the narrow widths; a small width table here exercises it.
constexpr std::array focusChecks{
    CheckRow{{.D = other(500)}, {"D", {}}, 1},
    CheckRow{{.Ds = other(315)}, {"Ds", {}}, 5},
};
constexpr std::array cleanerRows{SlotRow{SlotId::headCleaner, {}, weightOnly(61.2)}};
constexpr std::array focusStages{checkStage(focusChecks), setWidthCode(), slotStage(cleanerRows)};
constexpr WidthRules focusRules{focusStages};

TEST(WidthRulesEvaluator, ChecksStopWithTheirFocusBoxBeforeTheWidthCodeIsWritten) {
    struct FocusCase {
        double D, Ds;
        bool stopped;
        int focusBox;
        std::vector<std::string> messages;
    };
    const std::vector<FocusCase> cases{
        {630, 315, true, 1, {"D"}},
        {500, 0, true, 5, {"Ds"}},
        {500, 315, false, 0, {}},
    };
    for (const FocusCase& c : cases) {
        EquipmentSelection selection;
        ScriptedDialogs dialogs;
        const WidthRunResult run =
            runWidthRules(focusRules, "01", {.D = c.D, .Ds = c.Ds}, selection, dialogs);
        EXPECT_EQ(run.stopped, c.stopped);
        EXPECT_EQ(run.focusBox, c.focusBox);
        EXPECT_EQ(dialogs.messageTexts(), c.messages);
        EXPECT_EQ(selection.widthCode, c.stopped ? "" : "01");
        EXPECT_EQ(selection[SlotId::headCleaner].unitWeight.has_value(), !c.stopped);
    }
}

TEST(WidthRulesEvaluator, ValueSetsCompareExactly) {
    EXPECT_TRUE(holds(is(1.2), 1.2));
    EXPECT_FALSE(holds(is(1.2), 1.2000000000000002));
    EXPECT_TRUE(holds(Values{}, 17));
    EXPECT_TRUE(holds(other(0), -0.5));
    EXPECT_FALSE(holds(other(0), -0.0));
    EXPECT_TRUE(holds(oneOf(89, 108), 108));
    EXPECT_FALSE(holds(oneOf(89, 108), 133));
}

}  // namespace
}  // namespace dtii
