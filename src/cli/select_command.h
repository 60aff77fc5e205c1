// dtii-calc select FILE [--top N] [--max-speed V] [--json]: the designs of belt width, speed,
// belt type and plies that pass every check, best first.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace dtii {

// `arguments` starts with "select".
ExitStatus runSelectCommand(const std::vector<std::string>& arguments, std::ostream& out,
                            std::ostream& err);

}  // namespace dtii
