// Speed of one equipment-list confirm with its report for each belt width with tables: the width
// tables, the leg-height question answered at once, and the report layout.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/windows/equipment_window.h"

namespace {

// Answers the leg-height box with the given height and ignores messages.
class AnsweringDialogs : public dtii::UserDialogs {
public:
    explicit AnsweringDialogs(std::string height) : height_(std::move(height)) {}
    void showMessage(std::string_view, std::string_view, dtii::MessageIcon) override {}
    std::string askText(std::string_view, std::string_view, std::string_view) override {
        return height_;
    }
    bool askOkCancel(std::string_view, std::string_view) override { return true; }

private:
    std::string height_;
};

struct WidthCase {
    std::int16_t B;         // [mm]
    std::int16_t d;         // carrying roller diameter [mm]
    std::int16_t bearing;   // carrying bearing code
    const char* D;          // drive-pulley diameter as typed [mm]
    const char* legHeight;  // answer to the leg box [mm]
};

void equipmentSelectionAndReport(benchmark::State& state, WidthCase c) {
    dtii::ConveyorDesign design;
    dtii::SharedDesign& s = design.shared;
    s.B = c.B;
    s.V = 2;
    s.r = 1000;
    s.Q = 500;
    s.Lh = 100;
    s.H = 5;
    s.a0 = 1.2;
    s.carryingIdlerForm = 3;
    s.carryingRollerDiameter = c.d;
    s.carryingBearing = c.bearing;
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
    dtii::EquipmentWindow window;
    dtii::loadEquipmentWindow(window);
    window.takeUpList.text = "垂直重锤拉紧";
    window.boxes = {"", c.D, "500", "1000", "800", "315"};
    dtii::EquipmentWindowValues values;
    AnsweringDialogs dialogs(c.legHeight);
    for (auto _ : state) {
        dtii::ConfirmResult result = dtii::confirmEquipment(window, design, values, dialogs);
        benchmark::DoNotOptimize(result.reportText.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(equipmentSelectionAndReport, 500, WidthCase{500, 89, 1, "500", "1100"});
BENCHMARK_CAPTURE(equipmentSelectionAndReport, 800, WidthCase{800, 108, 2, "800", "1300"});
BENCHMARK_CAPTURE(equipmentSelectionAndReport, 1000, WidthCase{1000, 133, 3, "1000", "1510"});
BENCHMARK_CAPTURE(equipmentSelectionAndReport, 1200, WidthCase{1200, 159, 4, "1000", "1600"});
BENCHMARK_CAPTURE(equipmentSelectionAndReport, 1400, WidthCase{1400, 133, 3, "800", "1400"});
BENCHMARK_CAPTURE(equipmentSelectionAndReport, 2000, WidthCase{2000, 108, 2, "1000", "1300"});

}  // namespace
