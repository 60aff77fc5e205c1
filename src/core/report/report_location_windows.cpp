// The report file's default place on Windows: the fixed file name at the root of drive C:.
#include "core/report/report_file.h"
#include "core/system/path_text.h"

namespace dtii {

std::filesystem::path defaultReportFilePath() {
    return pathFromUtf8("C:\\") / pathFromUtf8(reportFileName);
}

}  // namespace dtii
