#include "core/checks/check_verdicts.h"

#include <algorithm>

namespace dtii {

std::vector<CheckVerdict> checkVerdicts(const DesignChecks& checks) {
    return {
        {"输送带强度", checks.beltStrength.ok},
        {"输送能力", checks.capacity.ok},
        {"电动机", checks.motor.rated.has_value()},
    };
}

bool everyVerdictPasses(const std::vector<CheckVerdict>& verdicts) {
    return std::all_of(verdicts.begin(), verdicts.end(),
                       [](const CheckVerdict& verdict) { return verdict.ok; });
}

}  // namespace dtii
