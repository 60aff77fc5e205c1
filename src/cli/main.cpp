// dtii-calc: the drive calculation and the equipment report from a design file.
#include <iostream>

#include "cli/command_line.h"
#include "cli/command_process.h"

int main(int argc, char** argv) {
    const dtii::CommandProcess process(argc, argv);
    const dtii::ExitStatus status = dtii::runCommandLine(process.arguments(), std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "dtii-calc：无法写出标准输出\n";
        return static_cast<int>(dtii::ExitStatus::stopped);
    }
    return static_cast<int>(status);
}
