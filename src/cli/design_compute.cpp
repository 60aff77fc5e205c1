// A design file through the input window of dtii-calc.
#include "cli/design_compute.h"

#include "core/file/design_replay.h"

namespace dtii {

bool computeDesign(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                   CommandDialogs& dialogs) {
    loadInputWindow(window, record);
    dialogs.answerNextInput(design.ploughTrippers);
    replayInputWindow(design, window, record, dialogs);
    dialogs.answerNextInput(std::nullopt);
    return computeDrive(window, record, dialogs) == ComputeOutcome::computed;
}

}  // namespace dtii
