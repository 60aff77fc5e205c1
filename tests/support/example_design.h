// The complete example design entered through the input window's handlers, the way the window
// drives them, with every box and pick open to variation by tests.
#pragma once

#include <optional>
#include <string>

#include "core/design/conveyor_design.h"
#include "core/windows/input_window.h"
#include "support/scripted_dialogs.h"

namespace dtii::testing {

// Box texts and list texts; the defaults are the complete example run (B 800 mm, V 2 m/s, ...).
struct ExampleDesign {
    std::string B = "800";
    std::string a0 = "1.2";
    std::string au = "3";
    std::string r = "1000";
    std::string V = "2";
    std::string Q = "500";
    std::string L = "100";
    std::string H = "5";
    std::string wrapAngle = "200";
    std::string Lh = "100";
    std::string plies = "5";
    std::string carryingTroughAngle = "35";
    std::string carryingTiltAngle = "1.5";
    std::string returnTroughAngle = "0";
    std::string returnTiltAngle = "0";
    std::string workingCondition = "按标准设计，制造、调整好，物料内摩擦系数中等";
    std::string runningCondition = "干态运行";
    std::string drumSurface = "人字胶面滚筒";
    std::string beltType = "尼龙帆布NN-200";
    std::string covers = "4.5+1.5";
    // The idler-form buttons clicked; empty: no button clicked.
    std::optional<IdlerButton> carryingIdlerButton = IdlerButton::carryingTrough;
    std::string carryingRollerDiameter = "D=108";
    std::string carryingBearing = "4G205";
    std::optional<IdlerButton> returnIdlerButton = IdlerButton::returnFlat;
    std::string returnRollerDiameter = "D=108";
    std::string returnBearing = "4G205";
    // The answer to the plough-tripper count when its box is to be checked; empty: unchecked.
    std::optional<std::string> ploughTrippers;
};

// Loads the window and enters `example` in window order: the boxes (the belt width losing focus),
// the idler forms, the list picks and the check box. Does not compute.
inline void enterExampleDesign(ConveyorDesign& design, InputWindow& window,
                               ScriptedDialogs& dialogs, const ExampleDesign& example = {}) {
    loadInputWindow(window, design);
    window.boxes[InputBox::beltWidth] = example.B;
    beltWidthLostFocus(window, design, dialogs);
    window.boxes[InputBox::carryingSpacing] = example.a0;
    window.boxes[InputBox::returnSpacing] = example.au;
    window.boxes[InputBox::materialDensity] = example.r;
    window.boxes[InputBox::beltSpeed] = example.V;
    window.boxes[InputBox::capacity] = example.Q;
    window.boxes[InputBox::conveyorLength] = example.L;
    window.boxes[InputBox::lift] = example.H;
    window.boxes[InputBox::wrapAngle] = example.wrapAngle;
    window.boxes[InputBox::horizontalLength] = example.Lh;
    window.boxes[InputBox::plies] = example.plies;
    window.boxes[InputBox::carryingTroughAngle] = example.carryingTroughAngle;
    window.boxes[InputBox::carryingTiltAngle] = example.carryingTiltAngle;
    window.boxes[InputBox::returnTroughAngle] = example.returnTroughAngle;
    window.boxes[InputBox::returnTiltAngle] = example.returnTiltAngle;
    if (example.carryingIdlerButton) {
        chooseIdlerForm(window, design, dialogs, *example.carryingIdlerButton);
    }
    if (example.returnIdlerButton) {
        chooseIdlerForm(window, design, dialogs, *example.returnIdlerButton);
    }
    const auto pick = [&](InputList list, const std::string& text) {
        window.lists[list].text = text;
        pickListItem(window, design, list);
    };
    pick(InputList::workingCondition, example.workingCondition);
    pick(InputList::runningCondition, example.runningCondition);
    pick(InputList::drumSurface, example.drumSurface);
    pick(InputList::beltType, example.beltType);
    pick(InputList::covers, example.covers);
    pick(InputList::carryingRollerDiameter, example.carryingRollerDiameter);
    pick(InputList::carryingBearing, example.carryingBearing);
    pick(InputList::returnRollerDiameter, example.returnRollerDiameter);
    pick(InputList::returnBearing, example.returnBearing);
    if (example.ploughTrippers) {
        dialogs.textAnswers.push_back(*example.ploughTrippers);
        window.ploughTrippers = true;
        ploughTrippersChanged(window, design, dialogs, true);
    }
}

// Enters `example` and presses the compute button.
inline ComputeOutcome computeExampleDesign(ConveyorDesign& design, InputWindow& window,
                                           ScriptedDialogs& dialogs,
                                           const ExampleDesign& example = {}) {
    enterExampleDesign(design, window, dialogs, example);
    return computeDrive(window, design, dialogs);
}

}  // namespace dtii::testing
