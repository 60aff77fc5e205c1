// The companion program dtii-calc-sheet, which makes the calculation sheet and the workbook so
// that dtii-calc starts without Qt or libxlsxwriter: found beside dtii-calc in the build tree, or
// in ../libexec/dtii-designer/ when installed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dtii {

inline constexpr const char* companionProgram = "dtii-calc-sheet";

// Runs the companion with `arguments` in place of this process and never returns when it starts;
// otherwise says why on `err` and returns the exit status to end with.
int runCompanion(const std::vector<std::string>& arguments, std::ostream& err);

}  // namespace dtii
