// On Linux the arguments are already UTF-8 and the streams never translate bytes.
#include "cli/command_process.h"

namespace dtii {

CommandProcess::CommandProcess(int argc, char** argv) : arguments_(argv + 1, argv + argc) {}

CommandProcess::~CommandProcess() = default;

bool CommandProcess::hasConsoleOfItsOwn() const {
    return false;
}

}  // namespace dtii
