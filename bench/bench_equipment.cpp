// Speed of one equipment-list confirm for an 800 mm belt: the width tables, the leg-height
// question answered at once, and the report layout.
#include <benchmark/benchmark.h>

#include <string>

#include "core/windows/equipment_window.h"

namespace {

// Answers the leg-height box with a height inside the upper range and ignores messages.
class AnsweringDialogs : public dtii::UserDialogs {
public:
    void showMessage(std::string_view, std::string_view, dtii::MessageIcon) override {}
    std::string askText(std::string_view, std::string_view, std::string_view) override {
        return "1300";
    }
    bool askOkCancel(std::string_view, std::string_view) override { return true; }
};

dtii::ConveyorDesign design800() {
    dtii::ConveyorDesign design;
    dtii::SharedDesign& s = design.shared;
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
    s.Fu = 9208.972;
    s.Pa = 18.41794;
    s.Pm = 21.66817;
    s.T1 = 20109.99;
    s.T2 = 4180.456;
    s.T3 = 11341.37;
    s.T4 = 11795.02;
    s.Fw = 8314.965;
    s.Fk = 894.0067;
    return design;
}

void BM_EquipmentSelectionAndReport800(benchmark::State& state) {
    const dtii::ConveyorDesign design = design800();
    dtii::EquipmentWindow window;
    dtii::loadEquipmentWindow(window);
    window.takeUpList.text = "垂直重锤拉紧";
    window.boxes = {"", "800", "500", "1000", "800", ""};
    dtii::EquipmentWindowValues values;
    AnsweringDialogs dialogs;
    for (auto _ : state) {
        dtii::ConfirmResult result = dtii::confirmEquipment(window, design, values, dialogs);
        benchmark::DoNotOptimize(result.reportText.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EquipmentSelectionAndReport800);

}  // namespace
