// dtii-calc sweep FILE --vary KEY=VALUES ...: every combination of the values through the drive
// calculation and the checks, as CSV on standard output.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace dtii {

// `arguments` starts with "sweep".
ExitStatus runSweepCommand(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err);

}  // namespace dtii
