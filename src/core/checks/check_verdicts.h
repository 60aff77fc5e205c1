// The verdicts of the checks: which checks of a computed design pass and which fail. A check that
// only informs (its verdict is null) has none.
#pragma once

#include <string_view>
#include <vector>

#include "core/checks/design_checks.h"

namespace dtii {

struct CheckVerdict {
    std::string_view check;  // the check's name as its row shows it, e.g. "输送带强度"
    bool ok = false;
};

// Every check of `checks` that has a verdict, in the order of the check rows, with its verdict.
// This is the one place that knows which checks judge a design: a new check with a verdict is
// added here.
std::vector<CheckVerdict> checkVerdicts(const DesignChecks& checks);

// True when every verdict passes.
bool everyVerdictPasses(const std::vector<CheckVerdict>& verdicts);

}  // namespace dtii
