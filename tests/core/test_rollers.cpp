// Idler-form choice, the roller lists it fills, the drop-down check and the roller mass table.
#include <gtest/gtest.h>

#include "core/design/roller_tables.h"
#include "core/windows/input_window.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

using Items = std::vector<std::string>;

struct Window {
    ConveyorDesign design;
    InputWindow window;
    testing::ScriptedDialogs dialogs;

    explicit Window(const std::string& beltWidth) {
        loadInputWindow(window, design);
        window.boxes[InputBox::beltWidth] = beltWidth;
        beltWidthLostFocus(window, design, dialogs);
    }
    void choose(IdlerButton button) { chooseIdlerForm(window, design, dialogs, button); }
};

TEST(IdlerFormChoice, StoresFormAndRollerLengthAndFillsThatSidesLists) {
    struct Case {
        const char* B;
        IdlerButton button;
        std::int16_t form;
        std::int16_t length;
        Items diameters;
        Items bearings;
    };
    for (const Case& c : {
             Case{"1000",
                  IdlerButton::carryingTrough,
                  3,
                  380,
                  {"D=108", "D=133"},
                  {"4G205", "4G305"}},
             Case{"800",
                  IdlerButton::returnV,
                  2,
                  465,
                  {"D=89", "D=108"},
                  {"4G204", "4G205", "4G305"}},
             Case{"800",
                  IdlerButton::returnFlat,
                  1,
                  950,
                  {"D=89", "D=108"},
                  {"4G204", "4G205", "4G305"}},
             Case{"800", IdlerButton::carryingFlat, 1, 950, {"D=89", "D=108"}, {"4G205", "4G305"}},
             Case{"500", IdlerButton::carryingV, 2, 315, {"D="}, {""}},
             Case{"650", IdlerButton::returnTrough, 3, 250, {"D=89"}, {"4G204"}},
             Case{"1200",
                  IdlerButton::carryingV,
                  2,
                  700,
                  {"D=108", "D=133", "D=159"},
                  {"4G205", "4G305"}},
             Case{"1200",
                  IdlerButton::returnFlat,
                  1,
                  1400,
                  {"D=108", "D=133", "D=159"},
                  {"4G205", "4G305", "4G306"}},
             Case{"1400",
                  IdlerButton::carryingFlat,
                  1,
                  1600,
                  {"D=108", "D=133", "D=159"},
                  {"4G305"}},
             Case{"1600", IdlerButton::carryingTrough, 3, 600, {"D=", "D="}, {"", "", ""}},
             Case{"2000", IdlerButton::returnTrough, 3, 750, {"D=", "D=", "D="}, {"", ""}},
             Case{"2200", IdlerButton::returnV, 2, 1250, {"D=", "D="}, {"", ""}},
             Case{"1800", IdlerButton::carryingFlat, 1, 2000, {}, {}},
         }) {
        Window w(c.B);
        w.choose(c.button);
        const bool carrying = c.button <= IdlerButton::carryingFlat;
        const SCOPED_TRACE(std::string("B ") + c.B + " Option" +
                           std::to_string(controlNumber(c.button)));
        EXPECT_EQ(carrying ? w.design.shared.carryingIdlerForm : w.design.shared.returnIdlerForm,
                  c.form);
        EXPECT_EQ(
            carrying ? w.design.input.carryingRollerLength : w.design.input.returnRollerLength,
            c.length);
        EXPECT_EQ(w.window
                      .lists[carrying ? InputList::carryingRollerDiameter
                                      : InputList::returnRollerDiameter]
                      .items,
                  c.diameters);
        EXPECT_EQ(
            w.window.lists[carrying ? InputList::carryingBearing : InputList::returnBearing].items,
            c.bearings);
        // The other side is not touched.
        EXPECT_TRUE(w.window
                        .lists[carrying ? InputList::returnRollerDiameter
                                        : InputList::carryingRollerDiameter]
                        .items.empty());
        EXPECT_EQ(
            carrying ? w.design.input.returnRollerLength : w.design.input.carryingRollerLength, 0);
        EXPECT_TRUE(w.dialogs.shown.empty());
    }
}

TEST(IdlerFormChoice, AnUntabulatedWidthShowsItsMessageAndLeavesTheSidesListsEmpty) {
    struct Case {
        IdlerButton button;
        std::int16_t form;
        const char* message;
    };
    for (const Case& c : {
             Case{IdlerButton::carryingTrough, 3, "输入的带宽值不合法！请重新输入。"},
             Case{IdlerButton::carryingV, 2, "输入的带宽值不合法！请重新输入。"},
             Case{IdlerButton::carryingFlat, 1, "输入的带宽值不合法，请重新输入！"},
             Case{IdlerButton::returnFlat, 1, "输入的带宽值不合法，请重新输入！"},
             Case{IdlerButton::returnV, 2, "输入的带宽值不合法！请重新输入。"},
             Case{IdlerButton::returnTrough, 3, "输入的带宽值不合法！请重新输入。"},
         }) {
        Window w("800");
        w.choose(c.button);  // fills the lists for 800 first
        const bool carrying = c.button <= IdlerButton::carryingFlat;
        const InputList diameterList =
            carrying ? InputList::carryingRollerDiameter : InputList::returnRollerDiameter;
        const InputList bearingList =
            carrying ? InputList::carryingBearing : InputList::returnBearing;
        w.window.lists[diameterList].text = "D=108";
        // Unselected buttons keep the width change from refilling the lists.
        w.window.carryingIdlerButton.reset();
        w.window.returnIdlerButton.reset();
        w.window.boxes[InputBox::beltWidth] = "700";
        beltWidthLostFocus(w.window, w.design, w.dialogs);
        w.window.focusBox.reset();
        w.choose(c.button);
        ASSERT_EQ(w.dialogs.shown.size(), 1u) << controlNumber(c.button);
        EXPECT_EQ(w.dialogs.shown[0],
                  (testing::ShownBox{testing::ShownBox::Kind::message, c.message,
                                     std::string(programTitle), MessageIcon::none, ""}));
        EXPECT_EQ(w.window.focusBox, InputBox::beltWidth);
        EXPECT_TRUE(w.window.lists[diameterList].items.empty());
        EXPECT_TRUE(w.window.lists[bearingList].items.empty());
        EXPECT_EQ(w.window.lists[diameterList].text, "选取辊子直径");
        EXPECT_EQ(w.window.lists[bearingList].text, "选择辊子轴承");
        // The roller length of the valid width stays; the form is stored.
        const std::int16_t length =
            carrying ? w.design.input.carryingRollerLength : w.design.input.returnRollerLength;
        EXPECT_EQ(length, *rollerLength(800, c.form));
    }
}

TEST(IdlerFormChoice, PlaceholderItemsStoreNothing) {
    Window w("500");
    w.choose(IdlerButton::carryingV);
    w.design.shared.carryingRollerDiameter = 89;
    w.design.shared.carryingBearing = 1;
    w.window.lists[InputList::carryingRollerDiameter].text = "D=";
    pickListItem(w.window, w.design, InputList::carryingRollerDiameter);
    w.window.lists[InputList::carryingBearing].text = "";
    pickListItem(w.window, w.design, InputList::carryingBearing);
    EXPECT_EQ(w.design.shared.carryingRollerDiameter, 89);
    EXPECT_EQ(w.design.shared.carryingBearing, 1);
}

TEST(RollerListOpening, AsksForTheBeltWidthOnlyWhileItsBoxIsEmpty) {
    struct Case {
        InputList list;
        const char* message;
    };
    for (const Case& c : {
             Case{InputList::carryingBearing,
                  "请先选择托辊形式,在上面的输入框中输入带宽B的值并选择辊子直径！"},
             Case{InputList::returnBearing,
                  "请先选择托辊形式,在上面的输入框中输入带宽B的值并选择辊子直径！"},
             Case{InputList::carryingRollerDiameter,
                  "请先选择托辊形式，并在上面的输入框中输入带宽B的值"},
             Case{InputList::returnRollerDiameter,
                  "请先选择托辊形式，并在上面的输入框中输入带宽B的值"},
         }) {
        InputWindow window;
        testing::ScriptedDialogs dialogs;
        openList(window, dialogs, c.list);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0], (testing::ShownBox{testing::ShownBox::Kind::message, c.message,
                                                       "提示框", MessageIcon::information, ""}));
        window.boxes[InputBox::beltWidth] = " ";
        openList(window, dialogs, c.list);
        EXPECT_EQ(dialogs.shown.size(), 1u);
    }
    InputWindow window;
    testing::ScriptedDialogs dialogs;
    openList(window, dialogs, InputList::workingCondition);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(RollerMassTable, FindsListedMassesAndNothingElse) {
    struct Case {
        std::int16_t diameter;
        std::int16_t bearing;
        std::int16_t length;
        std::optional<double> mass;
    };
    for (const Case& c : {
             Case{89, 1, 200, 2.08},          Case{89, 1, 950, 7.15},
             Case{89, 2, 950, 7.23},          Case{89, 2, 315, std::nullopt},
             Case{108, 1, 465, 4.70},         Case{108, 2, 315, 3.53},
             Case{108, 2, 1150, 8.40},        Case{108, 2, 950, 8.74},
             Case{108, 3, 380, 4.19},         Case{108, 3, 1600, 14.42},
             Case{108, 4, 530, 5.89},         Case{133, 2, 1400, 18.98},
             Case{133, 3, 800, 11.64},        Case{133, 4, 1600, 20.90},
             Case{133, 1, 465, std::nullopt}, Case{159, 2, 700, 13.45},
             Case{159, 3, 1600, 29.25},       Case{159, 4, 465, 10.53},
             Case{159, 1, 465, std::nullopt}, Case{89, 3, 465, std::nullopt},
             Case{194, 2, 465, std::nullopt}, Case{108, 5, 465, std::nullopt},
             Case{0, 0, 0, std::nullopt},
         }) {
        EXPECT_EQ(rollerMass(c.diameter, c.bearing, c.length), c.mass)
            << c.diameter << " " << c.bearing << " " << c.length;
    }
}

}  // namespace
}  // namespace dtii
