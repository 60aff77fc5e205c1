#include "core/checks/check_verdicts.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace dtii {

std::vector<CheckVerdict> checkVerdicts(const DesignChecks& checks) {
    std::vector<CheckVerdict> verdicts{
        {"输送带强度", checks.beltStrength.ok},
        {"输送能力", checks.capacity.ok},
        {"电动机", checks.motor.rated.has_value()},
    };
    // These judge only once what they need is known (the take-up type, a bearing's rating).
    const std::pair<std::string_view, std::optional<bool>> conditional[] = {
        {"拉紧行程", checks.takeUpTravel.ok},
        {"托辊轴承寿命", idlersVerdict(checks.idlers)},
    };
    for (const auto& [check, ok] : conditional) {
        if (ok) {
            verdicts.push_back({check, *ok});
        }
    }
    return verdicts;
}

bool everyVerdictPasses(const std::vector<CheckVerdict>& verdicts) {
    return std::all_of(verdicts.begin(), verdicts.end(),
                       [](const CheckVerdict& verdict) { return verdict.ok; });
}

}  // namespace dtii
