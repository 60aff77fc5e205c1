// dtii-calc: the drive calculation and the equipment report from a design file.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The text carries its own CR LF line breaks; nothing may translate them again.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const dtii::ExitStatus status = dtii::runCommandLine(arguments, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "dtii-calc：无法写出标准输出\n";
        return static_cast<int>(dtii::ExitStatus::stopped);
    }
    return static_cast<int>(status);
}
