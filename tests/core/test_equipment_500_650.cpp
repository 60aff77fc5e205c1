// The 500 and 650 mm tables: the entry checks that stop and move the focus, the idler and pulley
// rows with their messages in order, the leg heights around their bounds, the head chute by speed
// and one whole report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/equipment/width_tables.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using namespace testing;
using enum SlotId;

constexpr const char* drivePulley500 = "此带宽值下推荐选用传动滚筒直径为：500，请重新输入。";
constexpr const char* snubPulley315 = "此带宽值下推荐选用增面轮直径为：315，请重新输入。";
constexpr const char* drivePulley650 = "此带宽值下推荐选用传动滚筒直径为：500或630，请重新输入。";
constexpr const char* legPrompt89 =
    "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200，请输入具体值：";

// A troughed 89 mm set that every 500 mm row accepts, with a load well inside the ladder.
constexpr SelectionInputs base500{.form = 3,
                                  .d = 89,
                                  .bearing = 1,
                                  .trough = 35,
                                  .tilt = 0,
                                  .a0 = 1.2,
                                  .V = 2,
                                  .D = 500,
                                  .Ds = 315,
                                  .Fh = 30};

struct SelectionCase {
    const char* name;
    SelectionInputs inputs;
    std::string legAnswer;
    std::vector<std::string> messages;
    std::size_t inputBoxes;
    std::vector<SlotExpectation> slots;
};

SelectionInputs with(auto change) {
    SelectionInputs inputs = base500;
    change(inputs);
    return inputs;
}

TEST(Width500Selection, MessagesInOrderAndTheSlotsEachRowFills) {
    const std::vector<SelectionCase> cases{
        {"worked design",
         base500,
         "1100",
         {},
         1,
         {{carryingIdler, "0111", 15.3},
          {impactIdler, "0711", 17.5},
          {drivePulley, "4083Y/Z", 264},
          {transitionIdler10, std::nullopt, std::nullopt},
          {transitionIdler20, std::nullopt, std::nullopt},
          {transitionIdler30, std::nullopt, std::nullopt},
          {intermediateFrame, "121", 121.7},
          {convexFrame, "122", 121.7},
          {concaveFrameR80000, "123", 121.7},
          {concaveFrameR120000, "None", 0},
          {legI, "1301", 16.26},
          {legII, "1302", 23.86},
          {headChute, "141", 302},
          {headCleaner, std::nullopt, 61.2},
          {emptySectionCleaner, std::nullopt, 15.2},
          {skirtFront, std::nullopt, 106.6},
          {skirtMiddle, std::nullopt, 104.2},
          {skirtRear, std::nullopt, 115.2},
          {snubPulley, std::nullopt, std::nullopt}}},
        {"tilted 35 degree set",
         with([](SelectionInputs& i) { i.tilt = 1.5; }),
         "1000",
         {},
         1,
         {{carryingIdler, "0311", 15.3}, {impactIdler, "0711", 17.5}}},
        {"45 degree set whatever the tilt",
         with([](SelectionInputs& i) {
             i.trough = 45;
             i.tilt = 1.5;
         }),
         "1000",
         {},
         1,
         {{carryingIdler, "0211", 16.2}, {impactIdler, "0811", 18.4}}},
        {"40 degrees: trough message, then impact message",
         with([](SelectionInputs& i) { i.trough = 40; }),
         "1000",
         {troughAngleText, noImpactText},
         1,
         {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
        {"0 degrees: trough message, impact empty without a message",
         with([](SelectionInputs& i) { i.trough = 0; }),
         "1000",
         {troughAngleText},
         1,
         {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
        {"bearing 2 is not listed but the impact idler ignores the bearing",
         with([](SelectionInputs& i) { i.bearing = 2; }),
         "1000",
         {},
         1,
         {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "0711", 17.5}}},
        {"V set is refused at this width",
         with([](SelectionInputs& i) { i.form = 2; }),
         "1000",
         {vSetUnsuitableText},
         1,
         {{carryingIdler, "", 0}, {impactIdler, "", 0}}},
        {"flat set",
         with([](SelectionInputs& i) { i.form = 1; }),
         "1000",
         {},
         1,
         {{carryingIdler, "1411", 11.6}, {impactIdler, "", 0}}},
        {"flat set on bearing 3 has no row",
         with([](SelectionInputs& i) {
             i.form = 1;
             i.bearing = 3;
         }),
         "1000",
         {},
         1,
         {{carryingIdler, std::nullopt, std::nullopt}, {impactIdler, "", 0}}},
        {"108 mm rollers: no idler, no legs, no skirt weights",
         with([](SelectionInputs& i) { i.d = 108; }),
         "",
         {noImpactText},
         0,
         {{carryingIdler, std::nullopt, std::nullopt},
          {impactIdler, "", 0},
          {legI, std::nullopt, std::nullopt},
          {legII, std::nullopt, std::nullopt},
          {skirtFront, std::nullopt, std::nullopt},
          {skirtRear, std::nullopt, std::nullopt},
          {headCleaner, std::nullopt, 61.2},
          {drivePulley, "4083Y/Z", 264},
          {headChute, "141", 302}}},
        {"spacing 1",
         with([](SelectionInputs& i) { i.a0 = 1; }),
         "1000",
         {},
         1,
         {{intermediateFrame, "111", 121.7},
          {convexFrame, "112", 121.7},
          {concaveFrameR80000, "113", 121.7},
          {concaveFrameR120000, "None", 0}}},
        {"other spacing leaves every frame unset, R120000 included",
         with([](SelectionInputs& i) { i.a0 = 1.1; }),
         "1000",
         {},
         1,
         {{intermediateFrame, std::nullopt, std::nullopt},
          {convexFrame, std::nullopt, std::nullopt},
          {concaveFrameR80000, std::nullopt, std::nullopt},
          {concaveFrameR120000, std::nullopt, std::nullopt}}},
        {"load exactly on the limit",
         with([](SelectionInputs& i) { i.Fh = 49; }),
         "1000",
         {},
         1,
         {{drivePulley, "4083Y/Z", 264}}},
        {"load past the limit: message, the rules go on",
         with([](SelectionInputs& i) { i.Fh = 49.000001; }),
         "1000",
         {noDrivePulleyText},
         1,
         {{drivePulley, std::nullopt, std::nullopt},
          {intermediateFrame, "121", 121.7},
          {legI, "1111", 15.1},
          {headChute, "141", 302}}},
        {"speed on the 2.5 m/s limit",
         with([](SelectionInputs& i) { i.V = 2.5; }),
         "1000",
         {},
         1,
         {{headChute, "141", 302}}},
        {"speed past the limit",
         with([](SelectionInputs& i) { i.V = 2.5000001; }),
         "1000",
         {},
         1,
         {{headChute, "241", 400}}},
        {"every continuing message in the order of the slots",
         with([](SelectionInputs& i) {
             i.trough = 40;
             i.Fh = 50;
         }),
         "999",
         {troughAngleText, noImpactText, noDrivePulleyText, invalidLegText},
         1,
         {{legI, "", 0}, {legII, "", 0}}},
    };
    for (const SelectionCase& c : cases) {
        const WidthRun run = runWidth(width500Rules, "01", c.inputs, c.legAnswer);
        EXPECT_FALSE(run.result.stopped) << c.name;
        EXPECT_EQ(run.selection.widthCode, "01") << c.name;
        EXPECT_EQ(run.dialogs.messageTexts(), c.messages) << c.name;
        EXPECT_EQ(inputBoxCount(run.dialogs), c.inputBoxes) << c.name;
        expectSlots(run.selection, c.slots, c.name);
        // Both head-chute rows share one length: 900 - 795 / 2.
        EXPECT_EQ(run.selection.chuteLengthBase, 900.0) << c.name;
        EXPECT_EQ(run.selection.chuteLengthDeduction, 795.0) << c.name;
    }
}

TEST(Width500Selection, DrivePulleyMessageCarriesTheEquipmentCaptionTheOthersTheTitle) {
    const WidthRun run = runWidth(width500Rules, "01", with([](SelectionInputs& i) {
                                      i.form = 2;
                                      i.Fh = 60;
                                  }),
                                  "1000");
    std::vector<std::string> captions;
    for (const ShownBox& box : run.dialogs.shown) {
        captions.push_back(box.caption);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{std::string(programTitle), "消息框", "输入框"}));
}

TEST(Width500Legs, HeightsOnAndAroundEveryBound) {
    const std::vector<LegCase> cases{
        {89, "999", std::nullopt, 0, "", 0},
        {89, "999.99", std::nullopt, 0, "", 0},
        {89, "1000", "1111", 15.1, "1112", 22.8},
        {89, "1000.0", "1111", 15.1, "1112", 22.8},
        {89, "1000.01", "1301", 17.4 - 199.99 / 100 * 1.14, "1302", 25 - 199.99 / 100 * 1.14},
        {89, "1100", "1301", 16.26, "1302", 23.86},
        {89, "1200", "1301", 17.4, "1302", 25},
        {89, "1200.01", std::nullopt, 0, "", 0},
        {89, "1225", std::nullopt, 0, "", 0},  // the 800 mm upper range does not exist here
        {89, "1500", std::nullopt, 0, "", 0},
        {89, "", std::nullopt, 0, "", 0},
        {89, "abc", std::nullopt, 0, "", 0},
    };
    for (const LegCase& c : cases) {
        const WidthRun run =
            runWidth(width500Rules, "01", with([](SelectionInputs& i) { i.form = 1; }), c.answer);
        expectLegs(run, c);
        EXPECT_EQ(run.dialogs.shown[0].text, legPrompt89);
    }
}

// The entry checks through the confirm: which message, which box gets the focus, and that a stop
// shows nothing else and builds no report.
struct EntryCase {
    std::int16_t B;
    std::string D;
    std::string Ds;
    const char* message;  // nullptr: the confirm completes
    int focusBox;
};

TEST(Width500And650Entries, DiameterChecksStopWithFocusOnTheirBox) {
    const std::vector<EntryCase> cases{
        {500, "630", "315", drivePulley500, 1},
        {500, "630", "", drivePulley500, 1},  // D is checked before Ds
        {500, "500", "", snubPulley315, 5},   // an empty snub box reads 0
        {500, "500", "200", snubPulley315, 5},
        {500, "500", "315.5", snubPulley315, 5},
        {500, "501.5", "315", drivePulley500, 1},  // rounds to 502
        {500, "99999", "315", drivePulley500, 1},  // does not fit 16 bits
        {500, "500.5", "315", nullptr, 0},         // rounds to 500
        {500, "500", "315.0", nullptr, 0},
        {500, "500mm", "315 mm", nullptr, 0},
        {650, "500", "315", drivePulley650, 1},
        {650, "630", "315", drivePulley650, 1},
        {650, "800", "", drivePulley650, 1},
    };
    for (const EntryCase& c : cases) {
        const std::string context = std::to_string(c.B) + " D=" + c.D + " Ds=" + c.Ds;
        ConveyorDesign design = baseDesign(c.B);
        design.shared.carryingRollerDiameter = 89;
        design.shared.carryingBearing = 1;
        design.shared.T1 = 20000;
        design.shared.T2 = 7000;
        EquipmentWindowValues earlier;
        earlier.widthCode = "03";  // left by an earlier selection
        const ConfirmedWindow run =
            confirmWindow(design, filledWindow(c.D, c.Ds), {"1000"}, earlier);

        if (c.message == nullptr) {
            EXPECT_EQ(run.result.outcome, SelectionOutcome::completed) << context;
            EXPECT_FALSE(run.window.focusBox.has_value()) << context;
            EXPECT_EQ(run.values.widthCode, "01") << context;
            continue;
        }
        EXPECT_EQ(run.result.outcome, SelectionOutcome::stopped) << context;
        EXPECT_TRUE(run.result.reportText.empty()) << context;
        ASSERT_EQ(run.dialogs.shown.size(), 1u) << context;
        EXPECT_EQ(run.dialogs.shown[0].text, c.message) << context;
        EXPECT_EQ(run.dialogs.shown[0].caption, programTitle) << context;
        EXPECT_EQ(run.window.focusBox.value_or(0), c.focusBox) << context;
        EXPECT_EQ(run.window.boxes[1], c.D) << context << ": the entries stay as typed";
        // 650 mm writes its code before stopping; 500 mm checks before writing its code.
        EXPECT_EQ(run.values.widthCode, c.B == 650 ? "02" : "03") << context;
    }
}

TEST(Width500Report, WholeReportOfOneDesign) {
    ConveyorDesign design = baseDesign(500);
    SharedDesign& s = design.shared;
    s.carryingRollerDiameter = 89;
    s.carryingBearing = 1;
    s.carryingTiltAngle = 0;
    s.T1 = 20000;
    s.T2 = 7000;  // Fh = 29.7 kN
    const ConfirmedWindow run = confirmWindow(design, filledWindow("500", "315"), {"1100"});
    ASSERT_EQ(run.result.outcome, SelectionOutcome::completed);
    EXPECT_TRUE(run.dialogs.messageTexts().empty());
    expectReportLines(run.result.reportText, baseReportOpening("500", "2", "20000", "7000"),
                      {
                          "三.设备列表（名称/型号/单重(kg)）",
                          "  1.传动滚筒         DTⅡ01A4083Y/Z      264",
                          "  2.过渡托辊10度     DTⅡ01C         0",
                          "  3.过渡托辊20度     DTⅡ01C         0",
                          "  4.过渡托辊30度     DTⅡ01C         0",
                          "  5.缓冲托辊         DTⅡ01C0711         17.5",
                          "  6.上托辊           DTⅡ01C0111         15.3",
                          "  7.上调心托辊       DTⅡ01C      0",
                          "  8.尾部改向滚筒     DTⅡ01B      0",
                          "  9.下托辊           DTⅡ01C      0",
                          "  10.下调心托辊      DTⅡ01C      0",
                          "  11.头部清扫器      DTⅡ01E1      61.2",
                          "  12.空段清扫器      DTⅡ01E2      15.2",
                          "  13.拉紧装置        DTⅡ01D      0",
                          "  14.增面轮          DTⅡ01B      0",
                          "",
                          "四.结构件清单",
                          "  1.头部支架                              DTⅡ01J01         0",
                          "  2.头部漏斗L= 502.5                        DTⅡ01J22141      302",
                          "  3.中间架L6000                           DTⅡ01J07121      121.7",
                          "  4.中间架L3000~6000                      DTⅡ01J07101      0",
                          "  5.凸弧段中间架L6000                     DTⅡ01J07122      121.7",
                          "  6.凸弧段中间架L3000~6000                DTⅡ01J07102      0",
                          "  7.凹弧段中间架（R80000）L6000           DTⅡ01J07123      121.7",
                          "  8.凹弧段中间架（R120000）L6000          DTⅡ01J07None      0",
                          "  9.凹弧段中间架（R80000）L3000~6000      DTⅡ01J07103      0",
                          "  10.凹弧段中间架（R120000）L3000~6000    DTⅡ01J07104      0",
                          "  11.落料段中间架                         DTⅡ01J07105      0",
                          "  12.支腿Ⅰ                               DTⅡ01J081301      16.26",
                          "  13.支腿Ⅱ                               DTⅡ01J081302      23.86",
                          "  14.拉紧装置架                           DTⅡ",
                          "  16.导料槽前段                           DTⅡ01J21111      106.6",
                          "  17.导料槽中段                           DTⅡ01J21121      104.2",
                          "  18.导料槽后段                           DTⅡ01J21131      115.2",
                      });
}

}  // namespace
}  // namespace dtii
