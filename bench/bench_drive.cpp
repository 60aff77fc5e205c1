// Timing of the compute command on the example design and of the number-to-text rule.
#include <benchmark/benchmark.h>

#include <array>

#include "core/numbers.h"
#include "support/example_design.h"

namespace {

// One press of the compute button: checks, reading, the drive calculation and the listing.
void computeExampleDrive(benchmark::State& state) {
    dtii::ConveyorDesign design;
    dtii::InputWindow window;
    dtii::testing::ScriptedDialogs dialogs;
    dtii::testing::enterExampleDesign(design, window, dialogs);
    for (auto _ : state) {
        const dtii::ComputeOutcome outcome = dtii::computeDrive(window, design, dialogs);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(design.shared.resultsText.data());
    }
    if (design.shared.resultsText.rfind("1.圆周驱动力Fu= 9208.972N", 0) != 0) {
        state.SkipWithError("the example design did not compute");
    }
}
BENCHMARK(computeExampleDrive);

constexpr std::array<double, 4> sampleValues{9208.97152, 0.5, 12345678.9, 654322.25};

void numberTextOfFloat(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const float value = static_cast<float>(sampleValues[i++ % sampleValues.size()]);
        benchmark::DoNotOptimize(dtii::numberText(value));
    }
}
BENCHMARK(numberTextOfFloat);

void numberTextOfDouble(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dtii::numberText(sampleValues[i++ % sampleValues.size()] / 3));
    }
}
BENCHMARK(numberTextOfDouble);

}  // namespace
