// dtii-calc: the drive calculation and the equipment report from a design file.
#include <iostream>

#include "cli/command_line.h"
#include "cli/command_process.h"

int main(int argc, char** argv) {
    const dtii::CommandProcess process(argc, argv);
    // Started from the file manager: the help stays readable until Enter closes the window.
    const dtii::ExitStatus status =
        process.arguments().empty() && process.hasConsoleOfItsOwn()
            ? dtii::showHelpUntilEnter(std::cout, std::cin)
            : dtii::runCommandLine(process.arguments(), std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "dtii-calc：无法写出标准输出\n";
        return static_cast<int>(dtii::ExitStatus::stopped);
    }
    return static_cast<int>(status);
}
