// The input window's own commands: the belt-width box, the plough-tripper box and reset.
#include <gtest/gtest.h>

#include "core/design/list_choices.h"
#include "core/windows/input_window.h"
#include "support/example_design.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

using testing::ShownBox;

TEST(BeltWidthBox, StoresTheRoundedLeadingNumberWhenItLosesFocus) {
    struct Case {
        const char* text;
        std::int16_t B;
    };
    for (const Case& c : {
             Case{"800", 800},
             Case{"800mm", 800},
             Case{"", 0},
             Case{"宽", 0},
             Case{"650.5", 650},
             Case{"651.5", 652},
             Case{" 1 000 ", 1000},
             Case{"-32768", -32768},
         }) {
        ConveyorDesign design;
        design.shared.B = 1234;
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        loadInputWindow(window, design);
        window.boxes[InputBox::beltWidth] = c.text;
        beltWidthLostFocus(window, design, dialogs);
        EXPECT_EQ(design.shared.B, c.B) << c.text;
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST(BeltWidthBox, AWidthBeyondSixteenBitsIsRefusedAndNotStored) {
    for (const char* text : {"32767.5", "40000", "-32769", "1e999"}) {
        ConveyorDesign design;
        design.shared.B = 800;
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        window.boxes[InputBox::beltWidth] = text;
        beltWidthLostFocus(window, design, dialogs);
        EXPECT_EQ(design.shared.B, 800) << text;
        ASSERT_EQ(dialogs.shown.size(), 1u) << text;
        EXPECT_EQ(dialogs.shown[0],
                  (ShownBox{ShownBox::Kind::message, "输入的带宽值超出范围，请重新输入！",
                            std::string(programTitle), MessageIcon::none, ""}));
        EXPECT_EQ(window.focusBox, InputBox::beltWidth);
    }
}

TEST(BeltWidthBox, ANewWidthRefillsTheListsOfAChosenIdlerFormKeepingPicksStillOffered) {
    struct Case {
        const char* newWidth;
        const char* carryingDiameter;  // what Combo6 shows afterwards
        const char* carryingBearing;   // Combo4
        std::int16_t carryingDiameterCode;
        std::vector<std::string> carryingDiameters;  // Combo6 items
        std::vector<std::string> returnBearings;     // Combo5 items
    };
    for (const Case& c : {
             Case{"1000", "D=108", "4G205", 108, {"D=108", "D=133"}, {"4G205", "4G305"}},
             Case{"650", "选取辊子直径", "选择辊子轴承", 108, {"D=89"}, {"4G204"}},
             Case{"800", "D=108", "4G205", 108, {"D=89", "D=108"}, {"4G204", "4G205", "4G305"}},
         }) {
        ConveyorDesign design;
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        testing::enterExampleDesign(design, window, dialogs);
        window.boxes[InputBox::beltWidth] = c.newWidth;
        beltWidthLostFocus(window, design, dialogs);
        EXPECT_EQ(window.lists[InputList::carryingRollerDiameter].text, c.carryingDiameter)
            << c.newWidth;
        EXPECT_EQ(window.lists[InputList::carryingBearing].text, c.carryingBearing) << c.newWidth;
        EXPECT_EQ(window.lists[InputList::carryingRollerDiameter].items, c.carryingDiameters)
            << c.newWidth;
        EXPECT_EQ(window.lists[InputList::returnBearing].items, c.returnBearings) << c.newWidth;
        EXPECT_EQ(design.shared.carryingRollerDiameter, c.carryingDiameterCode);
    }
}

TEST(PloughTrippers, AskForTheCountAndStoreItsResistance) {
    struct Case {
        const char* B;
        std::optional<std::string> answer;  // empty: cancelled
        double resistance;
    };
    for (const Case& c : {
             Case{"1000", "2", 3000},
             Case{"1000", "0", 0},
             Case{"1000", std::nullopt, 0},
             Case{"1000", "两个", 0},
             Case{"800", "3", 3600},
         }) {
        ConveyorDesign design;
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        loadInputWindow(window, design);
        window.boxes[InputBox::beltWidth] = c.B;
        beltWidthLostFocus(window, design, dialogs);
        if (c.answer) {
            dialogs.textAnswers.push_back(*c.answer);
        }
        window.ploughTrippers = true;
        ploughTrippersChanged(window, design, dialogs, true);
        EXPECT_EQ(design.input.ploughResistance, c.resistance);
        EXPECT_TRUE(window.ploughTrippers);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0], (ShownBox{ShownBox::Kind::input, "请输入卸料器的个数：",
                                              "输入框", MessageIcon::none, "1"}));
        // Unchecking keeps the stored values.
        window.ploughTrippers = false;
        ploughTrippersChanged(window, design, dialogs, false);
        EXPECT_EQ(design.input.ploughResistance, c.resistance);
        EXPECT_EQ(dialogs.shown.size(), 1u);
    }
}

TEST(PloughTrippers, WithoutABeltWidthTheBoxIsUncheckedAgain) {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;
    loadInputWindow(window, design);
    window.ploughTrippers = true;
    ploughTrippersChanged(window, design, dialogs, true);
    EXPECT_FALSE(window.ploughTrippers);
    EXPECT_EQ(window.focusBox, InputBox::beltWidth);
    EXPECT_EQ(design.input.ploughCount, 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0],
              (ShownBox{ShownBox::Kind::message, "请先在下面输入框中输入输送带宽度B的值！",
                        "提示框", MessageIcon::information, ""}));
}

TEST(ResetCommand, ClearsTheWindowButNotTheRecordAndComputingAgainIsRefused) {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;
    testing::ExampleDesign example;
    example.ploughTrippers = "2";
    ASSERT_EQ(testing::computeExampleDesign(design, window, dialogs, example),
              ComputeOutcome::computed);
    const std::vector<std::string> rollerItems =
        window.lists[InputList::carryingRollerDiameter].items;
    const ConveyorDesign before = design;

    resetInputWindow(window);
    for (const InputBox box : inputBoxes) {
        EXPECT_TRUE(window.boxes[box].empty()) << controlNumber(box);
    }
    EXPECT_FALSE(window.carryingIdlerButton);
    EXPECT_FALSE(window.returnIdlerButton);
    EXPECT_TRUE(window.ploughTrippers);
    const std::array<const char*, inputListCount> prompts{"工作条件（请选择）",
                                                          "运行条件（请选择）",
                                                          "滚筒覆盖面形式（请选择）",
                                                          "选择辊子轴承",
                                                          "选择辊子轴承",
                                                          "选取辊子直径",
                                                          "选取辊子直径",
                                                          "请选择胶带上/下胶厚度（mm/mm）",
                                                          "请选择输送带型号"};
    for (std::size_t index = 0; index < inputLists.size(); ++index) {
        EXPECT_EQ(window.lists[inputLists[index]].text, prompts[index]) << index;
    }
    EXPECT_EQ(window.lists[InputList::carryingRollerDiameter].items, rollerItems);
    EXPECT_EQ(design.shared.B, before.shared.B);
    EXPECT_EQ(design.input.ploughResistance, before.input.ploughResistance);

    dialogs.shown.clear();
    EXPECT_EQ(computeDrive(window, design, dialogs), ComputeOutcome::refused);
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>{"请检查您是否已经完整地输入了各项数据！"});
}

TEST(IncompleteDesign, FocusGoesToTheFirstEmptyEntryAsTheWindowReads) {
    struct Case {
        const char* gaps;
        std::vector<InputEntry> emptied;
        InputEntry focused;
    };
    for (const Case& c : {
             Case{"first list", {InputList::workingCondition}, InputList::workingCondition},
             Case{"L before wrap angle",
                  {InputBox::wrapAngle, InputBox::conveyorLength},
                  InputBox::conveyorLength},
             Case{"belt type before plies",
                  {InputBox::plies, InputList::beltType},
                  InputList::beltType},
             Case{"carrying bearing before return trough",
                  {InputBox::returnTroughAngle, InputList::carryingBearing},
                  InputList::carryingBearing},
         }) {
        ConveyorDesign design;
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        testing::enterExampleDesign(design, window, dialogs);
        for (const InputEntry entry : c.emptied) {
            if (const auto* box = std::get_if<InputBox>(&entry)) {
                window.boxes[*box].clear();
            } else {
                const InputList list = std::get<InputList>(entry);
                window.lists[list].text = std::string(listPrompt(list));
            }
        }
        dialogs.shown.clear();
        EXPECT_EQ(computeDrive(window, design, dialogs), ComputeOutcome::refused) << c.gaps;
        EXPECT_EQ(dialogs.messageTexts(),
                  std::vector<std::string>{"请检查您是否已经完整地输入了各项数据！"})
            << c.gaps;
        const InputEntry focused =
            window.focusBox ? InputEntry(*window.focusBox) : InputEntry(window.focusList.value());
        EXPECT_EQ(focused, c.focused) << c.gaps;
        EXPECT_FALSE(window.focusBox && window.focusList) << c.gaps;
    }
}

}  // namespace
}  // namespace dtii
