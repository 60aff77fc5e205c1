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
    std::string B = "800";                                                          // Text3
    std::string a0 = "1.2";                                                         // Text4
    std::string au = "3";                                                           // Text5
    std::string r = "1000";                                                         // Text6
    std::string V = "2";                                                            // Text7
    std::string Q = "500";                                                          // Text8
    std::string L = "100";                                                          // Text1
    std::string H = "5";                                                            // Text2
    std::string wrapAngle = "200";                                                  // Text14
    std::string Lh = "100";                                                         // Text15
    std::string plies = "5";                                                        // Text9
    std::string carryingTroughAngle = "35";                                         // Text10
    std::string carryingTiltAngle = "1.5";                                          // Text11
    std::string returnTroughAngle = "0";                                            // Text12
    std::string returnTiltAngle = "0";                                              // Text13
    std::string workingCondition = "按标准设计，制造、调整好，物料内摩擦系数中等";  // Combo1
    std::string runningCondition = "干态运行";                                      // Combo2
    std::string drumSurface = "人字胶面滚筒";                                       // Combo3
    std::string beltType = "尼龙帆布NN-200";                                        // Combo9
    std::string covers = "4.5+1.5";                                                 // Combo8
    std::optional<int> carryingOption = 1;         // Option1 trough; empty: no button clicked
    std::string carryingRollerDiameter = "D=108";  // Combo6
    std::string carryingBearing = "4G205";         // Combo4
    std::optional<int> returnOption = 4;           // Option4 flat
    std::string returnRollerDiameter = "D=108";    // Combo7
    std::string returnBearing = "4G205";           // Combo5
    // The answer to the plough-tripper count when Check1 is to be checked; empty: unchecked.
    std::optional<std::string> ploughTrippers;
};

// Loads the window and enters `example` in window order: the boxes (Text3 losing focus), the
// idler forms, the list picks and the check box. Does not compute.
inline void enterExampleDesign(ConveyorDesign& design, InputWindow& window,
                               ScriptedDialogs& dialogs, const ExampleDesign& example = {}) {
    loadInputWindow(window, design);
    window.boxes[3] = example.B;
    beltWidthLostFocus(window, design, dialogs);
    window.boxes[4] = example.a0;
    window.boxes[5] = example.au;
    window.boxes[6] = example.r;
    window.boxes[7] = example.V;
    window.boxes[8] = example.Q;
    window.boxes[1] = example.L;
    window.boxes[2] = example.H;
    window.boxes[14] = example.wrapAngle;
    window.boxes[15] = example.Lh;
    window.boxes[9] = example.plies;
    window.boxes[10] = example.carryingTroughAngle;
    window.boxes[11] = example.carryingTiltAngle;
    window.boxes[12] = example.returnTroughAngle;
    window.boxes[13] = example.returnTiltAngle;
    if (example.carryingOption) {
        chooseIdlerForm(window, design, dialogs, *example.carryingOption);
    }
    if (example.returnOption) {
        chooseIdlerForm(window, design, dialogs, *example.returnOption);
    }
    const auto pick = [&](int list, const std::string& text) {
        window.lists[list].text = text;
        pickListItem(window, design, list);
    };
    pick(1, example.workingCondition);
    pick(2, example.runningCondition);
    pick(3, example.drumSurface);
    pick(9, example.beltType);
    pick(8, example.covers);
    pick(6, example.carryingRollerDiameter);
    pick(4, example.carryingBearing);
    pick(7, example.returnRollerDiameter);
    pick(5, example.returnBearing);
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
