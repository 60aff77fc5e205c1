// The search runs the candidates through the sweep, which types the design in once per belt
// width and changes only the speed, belt type and plies between the others.
#include "core/select/design_selection.h"

#include <algorithm>

#include "core/design/selection_lists.h"
#include "core/numbers.h"

namespace dtii {
namespace {

constexpr std::uint64_t progressBatch = 256;  // candidates between two progress reports

std::size_t beltTypeIndex(std::string_view text) {
    const BeltType* type = findItem(beltTypes, text);
    return type == nullptr ? beltTypes.size() : static_cast<std::size_t>(type - beltTypes.data());
}

SelectedDesign selectedDesign(const std::vector<SweepAxis>& axes, const SweepVariant& variant,
                              std::vector<CheckVerdict> verdicts) {
    SelectedDesign d;
    d.B = axes[0].values[variant.positions[0]];
    d.V = axes[1].values[variant.positions[1]];
    d.beltType = axes[2].values[variant.positions[2]];
    d.plies = axes[3].values[variant.positions[3]];
    d.width = readLeadingNumber(d.B);
    d.speed = readLeadingNumber(d.V);
    d.beltTypeIndex = beltTypeIndex(d.beltType);
    d.plyCount = variant.record.input.plies;
    const SharedDesign& s = variant.record.shared;
    d.Fu = s.Fu;
    d.Pm = s.Pm;
    d.T1 = s.T1;
    d.ratedMotor = variant.checks.motor.rated.value_or(0);
    d.safetyFactor = variant.checks.beltStrength.safetyFactor;
    d.fillRatio = variant.checks.capacity.fillRatio;
    d.strengthPerWidth = variant.checks.beltStrength.strengthPerWidth;
    d.verdicts = std::move(verdicts);
    return d;
}

// Counts the verdicts that failed into `failed`, adding each check the first time it is seen.
void countFailures(const std::vector<CheckVerdict>& verdicts, std::vector<CheckFailures>& failed) {
    for (const CheckVerdict& verdict : verdicts) {
        auto found = std::find_if(failed.begin(), failed.end(),
                                  [&](const CheckFailures& f) { return f.check == verdict.check; });
        if (found == failed.end()) {
            found = failed.insert(failed.end(), {verdict.check, 0});
        }
        found->count += verdict.ok ? 0 : 1;
    }
}

}  // namespace

SelectionResult selectDesigns(const DesignFile& base, const SelectionOptions& options,
                              const SelectionProgress& progress) {
    SelectionResult result;
    std::vector<SelectedDesign> passing;
    const std::vector<std::vector<SweepAxis>> sweeps = candidateSweeps(base, options.maxSpeed);
    const std::uint64_t total = candidateCount(sweeps);
    SweepVariant variant;
    for (const std::vector<SweepAxis>& axes : sweeps) {
        DesignSweep sweep(base, axes);
        while (!result.stopped && sweep.runNextVariant(variant)) {
            ++result.candidates;
            const bool quiet = variant.typingMessages.empty() && variant.computeMessages.empty();
            if (!variant.computed || !quiet) {
                if (result.refused++ == 0) {
                    result.firstRefusal = variant.typingMessages +
                                          (variant.typingMessages.empty() ? "" : "；") +
                                          variant.computeMessages;
                }
            } else {
                std::vector<CheckVerdict> verdicts = checkVerdicts(variant.checks);
                countFailures(verdicts, result.failed);
                if (everyVerdictPasses(verdicts)) {
                    passing.push_back(selectedDesign(axes, variant, std::move(verdicts)));
                }
            }
            if (progress && result.candidates % progressBatch == 0) {
                result.stopped = !progress(result.candidates, total);
            }
        }
    }
    result.passing = passing.size();
    const std::size_t kept = std::min(options.top, passing.size());
    std::partial_sort(passing.begin(), passing.begin() + static_cast<std::ptrdiff_t>(kept),
                      passing.end(), ranksBefore);
    passing.resize(kept);
    result.best = std::move(passing);
    return result;
}

std::string noPassingDesignMessage(const SelectionResult& result) {
    const std::string head =
        "没有通过全部校核的方案（共计算 " + std::to_string(result.candidates) + " 个方案）";
    const auto most = std::max_element(
        result.failed.begin(), result.failed.end(),
        [](const CheckFailures& a, const CheckFailures& b) { return a.count < b.count; });
    if (most == result.failed.end() || most->count < result.refused) {
        return head + "：" + std::to_string(result.refused) + " 个方案未能计算，第一个的提示是“" +
               result.firstRefusal + "”";
    }
    return head + "：未通过最多的是“" + std::string(most->check) + "”校核（" +
           std::to_string(most->count) + " 个方案）";
}

}  // namespace dtii
