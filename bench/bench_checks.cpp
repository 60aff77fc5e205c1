// Timing of the design checks on a computed design, and of sweeps: variants per second through
// the drive calculation, the checks and the CSV row.
#include <benchmark/benchmark.h>

#include <string>

#include "core/checks/design_checks.h"
#include "core/checks/further_checks.h"
#include "core/file/design_replay.h"
#include "core/file/design_sweep.h"
#include "core/file/sweep_values.h"
#include "support/example_design.h"

namespace {

// The example design computed into `design` and `window`; false (the benchmark skipped) when it
// does not compute.
bool computedExample(benchmark::State& state, dtii::ConveyorDesign& design,
                     dtii::InputWindow& window) {
    dtii::testing::ScriptedDialogs dialogs;
    if (dtii::testing::computeExampleDesign(design, window, dialogs) !=
        dtii::ComputeOutcome::computed) {
        state.SkipWithError("the example design did not compute");
        return false;
    }
    return true;
}

// The checks alone, on the computed example: what they add to a press of compute.
void checksOfComputedExample(benchmark::State& state) {
    dtii::ConveyorDesign design;
    dtii::InputWindow window;
    if (!computedExample(state, design, window)) {
        return;
    }
    const dtii::CheckParameters parameters;
    for (auto _ : state) {
        dtii::DesignChecks checks = dtii::runDesignChecks(
            design, window.lists[dtii::InputList::beltType].text, parameters, 800.0);
        benchmark::DoNotOptimize(checks);
    }
}
BENCHMARK(checksOfComputedExample);

// Starting, holdback, take-up travel and idler life alone: what they add to the checks above.
void furtherChecksOfComputedExample(benchmark::State& state) {
    dtii::ConveyorDesign design;
    dtii::InputWindow window;
    if (!computedExample(state, design, window)) {
        return;
    }
    const dtii::CheckParameters parameters;
    const std::string& beltType = window.lists[dtii::InputList::beltType].text;
    for (auto _ : state) {
        auto starting = dtii::startingCheck(design, 800000.0);
        auto holdback = dtii::holdbackCheck(design, 800.0);
        auto travel = dtii::takeUpTravelCheck(design, beltType, parameters, "垂直重锤拉紧");
        auto idlers = dtii::idlerChecks(design, parameters);
        benchmark::DoNotOptimize(starting);
        benchmark::DoNotOptimize(holdback);
        benchmark::DoNotOptimize(travel);
        benchmark::DoNotOptimize(idlers);
    }
}
BENCHMARK(furtherChecksOfComputedExample);

// The example design as a design file, taken from the window it was entered into.
dtii::DesignFile exampleFile() {
    dtii::ConveyorDesign design;
    dtii::InputWindow window;
    dtii::testing::ScriptedDialogs dialogs;
    dtii::testing::enterExampleDesign(design, window, dialogs);
    return dtii::captureInputWindow(window, design);
}

// Variants per second for a sweep whose last key is `fastKey`: a plain box, a list, or the belt
// width, which types the whole design in again for every variant.
void sweep(benchmark::State& state, const char* fastKey, const char* fastValues) {
    const dtii::DesignFile base = exampleFile();
    const std::vector<dtii::SweepAxis> axes{
        {"Q", dtii::sweepValues("100:600:50").values},
        {fastKey, dtii::sweepValues(fastValues).values},
    };
    std::string csv;
    std::int64_t variants = 0;
    for (auto _ : state) {
        dtii::DesignSweep run(base, axes);
        csv = run.header();
        while (run.appendNextRow(csv)) {
            ++variants;
            if (csv.size() > (1 << 16)) {
                csv.clear();
            }
        }
        benchmark::DoNotOptimize(csv.data());
    }
    state.SetItemsProcessed(variants);
}
BENCHMARK_CAPTURE(sweep, speedBox, "V", "1:4:0.01");
BENCHMARK_CAPTURE(sweep, beltTypeList, "beltType",
                  "尼龙帆布NN-100,尼龙帆布NN-150,尼龙帆布NN-200,st630,st1000,st1250");
BENCHMARK_CAPTURE(sweep, beltWidthReplayed, "B", "800,1000,1200");

}  // namespace
