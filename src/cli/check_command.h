// dtii-calc check [--json] FILE: the drive calculation as calc runs it, then the design checks as
// text lines or as one JSON object.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "core/checks/design_checks.h"

namespace dtii {

// `arguments` starts with "check".
ExitStatus runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err);

// One line per check: name, value, requirement, verdict and advice; CR LF between the lines.
std::string checksText(const std::vector<CheckRow>& rows);

// The results of the calculation and every check as one JSON object, numbers as exact doubles.
std::string checksJson(const ConveyorDesign& record, const DesignChecks& checks);

}  // namespace dtii
