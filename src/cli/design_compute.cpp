// A design file through the input window of dtii-calc.
#include "cli/design_compute.h"

#include "core/file/design_replay.h"
#include "core/file/entry_reading.h"
#include "core/system/path_text.h"

namespace dtii {

std::optional<DesignFile> loadCommandDesign(const std::string& designPath, bool strict,
                                            std::ostream& err) {
    DesignFileResult loaded = loadDesignFile(pathFromUtf8(designPath));
    if (!loaded.design) {
        err << loaded.error << '\n';
        return std::nullopt;
    }
    if (strict) {
        const std::string fileName = designPath == "-" ? "（标准输入）" : designPath;
        if (const std::optional<std::string> error = strictReadingError(*loaded.design, fileName)) {
            err << *error << '\n';
            return std::nullopt;
        }
    }
    return std::move(loaded.design);
}

bool computeDesign(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                   CommandDialogs& dialogs) {
    loadInputWindow(window, record);
    dialogs.answerNextInput(design.ploughTrippers);
    replayInputWindow(design, window, record, dialogs);
    dialogs.answerNextInput(std::nullopt);
    return computeDrive(window, record, dialogs) == ComputeOutcome::computed;
}

}  // namespace dtii
