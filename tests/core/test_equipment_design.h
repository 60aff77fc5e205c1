// A design record and equipment window for the equipment tests, set directly rather than through
// the drive calculation: an 800 mm belt with troughed 108 mm carrying idlers.
#pragma once

#include <string>

#include "core/design/conveyor_design.h"
#include "core/windows/equipment_window.h"

namespace dtii::testing {

inline ConveyorDesign design800() {
    ConveyorDesign design;
    SharedDesign& s = design.shared;
    s.B = 800;
    s.V = 2;
    s.r = 1000;
    s.Q = 500;
    s.Lh = 100;
    s.H = 5;
    s.a0 = 1.2;
    s.carryingIdlerForm = 3;
    s.carryingRollerDiameter = 108;
    s.carryingBearing = 2;
    s.carryingTroughAngle = 35;
    s.carryingTiltAngle = 1.5;
    s.Fu = 12345.678;
    s.Pa = 24.691356;
    s.Pm = 30.1234567;
    s.T1 = 40000.5;  // with T2: Fh = 60.500825 kN
    s.T2 = 15000.25;
    s.T3 = 16000;
    s.T4 = 17250.75;
    s.Fw = 8765.4321;
    s.Fk = 1234.5678;
    return design;
}

// A loaded window with every entry filled; D is the drive-pulley diameter text.
inline EquipmentWindow filledWindow(const std::string& D = "630") {
    EquipmentWindow window;
    loadEquipmentWindow(window);
    window.takeUpList.text = "垂直重锤拉紧";
    window.boxes[1] = D;
    window.boxes[2] = "500";
    window.boxes[3] = "1000";
    window.boxes[4] = "800";
    window.boxes[5] = "";
    return window;
}

}  // namespace dtii::testing
