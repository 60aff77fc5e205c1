// The report file's default place on Linux: the fixed file name in the user's home folder, as
// the root of drive C: is on Windows.
#include <cstdlib>

#include "core/report/report_file.h"
#include "core/system/path_text.h"

namespace dtii {

std::filesystem::path defaultReportFilePath() {
    const char* home = std::getenv("HOME");
    const std::filesystem::path folder =
        home != nullptr && *home != '\0' ? std::filesystem::path(home) : std::filesystem::path(".");
    return folder / pathFromUtf8(reportFileName);
}

}  // namespace dtii
