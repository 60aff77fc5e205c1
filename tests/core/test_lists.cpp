// The lists filled when the input window loads and what a pick in them stores.
#include <gtest/gtest.h>

#include <functional>

#include "core/windows/input_window.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

struct LoadedWindow {
    ConveyorDesign design;
    InputWindow window;
    LoadedWindow() { loadInputWindow(window, design); }

    void pick(InputList list, const std::string& text) {
        window.lists[list].text = text;
        pickListItem(window, design, list);
    }
};

TEST(InputWindowLoad, ShowsEachPromptAndFillsTheFixedListsInOrder) {
    struct Case {
        InputList list;
        const char* prompt;
        std::size_t itemCount;
        const char* firstItem;
        const char* lastItem;
    };
    LoadedWindow loaded;
    for (const Case& c : {
             Case{InputList::workingCondition, "工作条件（请选择）", 4,
                  "工作环境良好，制造、安装良好，带速低，物料内摩擦系数小",
                  "向下倾斜，设计制造正常，处于发电工况"},
             Case{InputList::runningCondition, "运行条件（请选择）", 3, "干态运行",
                  "污浊的潮湿（泥浆，粘土）运行"},
             Case{InputList::drumSurface, "滚筒覆盖面形式（请选择）", 4, "平的光面钢滚筒",
                  "多孔，人字槽陶瓷面滚筒"},
             Case{InputList::carryingBearing, "选择辊子轴承", 0, nullptr, nullptr},
             Case{InputList::returnBearing, "选择辊子轴承", 0, nullptr, nullptr},
             Case{InputList::carryingRollerDiameter, "选取辊子直径", 0, nullptr, nullptr},
             Case{InputList::returnRollerDiameter, "选取辊子直径", 0, nullptr, nullptr},
             Case{InputList::covers, "请选择胶带上/下胶厚度（mm/mm）", 9, "1.5+1.5", "6.0+4.5"},
             Case{InputList::beltType, "请选择输送带型号", 31, "棉帆布CC-56", "st5000"},
         }) {
        const ListState& list = loaded.window.lists[c.list];
        EXPECT_EQ(list.text, c.prompt) << "Combo" << controlNumber(c.list);
        ASSERT_EQ(list.items.size(), c.itemCount) << "Combo" << controlNumber(c.list);
        if (c.itemCount > 0) {
            EXPECT_EQ(list.items.front(), c.firstItem);
            EXPECT_EQ(list.items.back(), c.lastItem);
        }
    }
    EXPECT_EQ(loaded.window.lists[InputList::beltType].items[20],
              "st630");  // steel cord follows the fabrics
}

TEST(InputWindowLoad, WritesTheFrictionTableAndClearsThePloughResistance) {
    ConveyorDesign design;
    design.input.ploughResistance = 3000;
    InputWindow window;
    loadInputWindow(window, design);
    EXPECT_EQ(design.input.ploughResistance, 0);
    const std::array<std::array<double, 4>, 3> expected{{
        {0.40, 0.40, 0.45, 0.45},
        {0.10, 0.35, 0.35, 0.40},
        {0.08, 0.20, 0.28, 0.35},
    }};
    EXPECT_EQ(design.input.driveFrictionTable, expected);
}

TEST(ListPick, StoresTheValuesOfTheItemWithTheSameText) {
    struct Case {
        InputList list;
        const char* text;
        std::function<double(const ConveyorDesign&)> field;
        double value;
    };
    const auto f = [](const ConveyorDesign& d) { return d.input.frictionFactor; };
    const auto running = [](const ConveyorDesign& d) { return d.input.runningCondition; };
    const auto surface = [](const ConveyorDesign& d) { return d.input.drumSurface; };
    const auto top = [](const ConveyorDesign& d) { return d.input.topCover; };
    const auto bottom = [](const ConveyorDesign& d) { return d.input.bottomCover; };
    const auto ply = [](const ConveyorDesign& d) { return d.input.plyMass; };
    const auto cover = [](const ConveyorDesign& d) { return d.input.coverMass; };
    const auto steel = [](const ConveyorDesign& d) { return d.input.steelCordMass; };
    for (const Case& c : {
             Case{InputList::workingCondition, "按标准设计，制造、调整好，物料内摩擦系数中等", f,
                  0.022},
             Case{InputList::workingCondition, "向下倾斜，设计制造正常，处于发电工况", f, 0.016},
             Case{InputList::runningCondition, "清洁潮湿（有水）运行", running, 2},
             Case{InputList::runningCondition, "污浊的潮湿（泥浆，粘土）运行", running, 3},
             Case{InputList::drumSurface, "人字胶面滚筒", surface, 3},
             Case{InputList::drumSurface, "多孔，人字槽陶瓷面滚筒", surface, 4},
             Case{InputList::covers, "4.5+1.5", top, 4.5},
             Case{InputList::covers, "6.0+4.5", top, 6.0},
             Case{InputList::covers, "6.0+4.5", bottom, 4.5},
             Case{InputList::beltType, "尼龙帆布NN-200", ply, 1.25},
             Case{InputList::beltType, "尼龙帆布NN-200", cover, 1.19},
             Case{InputList::beltType, "维棉帆布VC-60", cover, 1.125},
             Case{InputList::beltType, "涤纶帆布PP-150", cover, 1.35},
             Case{InputList::beltType, "聚酯帆布EP-500", ply, 3.3},
             Case{InputList::beltType, "st1600", steel, 27},
             Case{InputList::beltType, "st1600", ply, 0},
             Case{InputList::beltType, "st5000", steel, 58},
         }) {
        LoadedWindow loaded;
        loaded.pick(c.list, c.text);
        EXPECT_EQ(c.field(loaded.design), c.value) << c.text;
    }
}

TEST(ListPick, AFabricBeltLeavesTheSteelCordMassAndAnUnknownTextStoresNothing) {
    LoadedWindow loaded;
    loaded.pick(InputList::beltType, "st1600");
    loaded.pick(InputList::beltType, "尼龙帆布NN-200");
    EXPECT_EQ(loaded.design.input.steelCordMass, 27);
    EXPECT_EQ(loaded.design.input.plyMass, 1.25);

    for (const char* text : {"ST1600", "尼龙帆布NN-200 ", "请选择输送带型号", ""}) {
        loaded.pick(InputList::beltType, text);
        EXPECT_EQ(loaded.design.input.plyMass, 1.25) << text;
        EXPECT_EQ(loaded.design.input.coverMass, 1.19) << text;
    }
    loaded.pick(InputList::runningCondition, "干态运行x");
    EXPECT_EQ(loaded.design.input.runningCondition, 0);
}

}  // namespace
}  // namespace dtii
