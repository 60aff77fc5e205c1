// What dtii-calc needs from its process, whatever the system: the arguments as UTF-8 texts, and
// standard streams that pass the command's bytes through unchanged (a console shows them as
// UTF-8).
#pragma once

#include <string>
#include <vector>

namespace dtii {

class CommandProcess {
public:
    CommandProcess(int argc, char** argv);
    // Leaves the console as the command found it.
    ~CommandProcess();

    CommandProcess(const CommandProcess&) = delete;
    CommandProcess& operator=(const CommandProcess&) = delete;

    // The arguments after the program name.
    const std::vector<std::string>& arguments() const { return arguments_; }

    // Whether the console the command writes to is its own and closes with it: started from the
    // file manager (Explorer) rather than from a command prompt. Never so on Linux.
    bool hasConsoleOfItsOwn() const;

private:
    std::vector<std::string> arguments_;
    // The console's output code page before; 0: no console. Only Windows has one to restore.
    [[maybe_unused]] unsigned int consoleCodePage_ = 0;
};

}  // namespace dtii
