// On Windows the arguments come as UTF-16 from the system (argv holds them in the ANSI code page,
// which loses Chinese file names), the C runtime would turn every LF into CR LF, and a console
// shows bytes in its own code page unless told UTF-8.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// CommandLineToArgvW needs windows.h first.
#include <shellapi.h>

#include <cstdio>

#include "cli/command_process.h"
#include "core/system/wide_text.h"

namespace dtii {

CommandProcess::CommandProcess(int /*argc*/, char** /*argv*/) {
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int index = 1; index < count; ++index) {
            arguments_.push_back(utf8FromWide(wide[index]));
        }
        LocalFree(wide);
    }
    // The texts carry their own CR LF line breaks and standard error ends its lines in LF:
    // nothing may translate them.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    consoleCodePage_ = GetConsoleOutputCP();
    if (consoleCodePage_ != 0 && consoleCodePage_ != CP_UTF8) {
        SetConsoleOutputCP(CP_UTF8);
    }
}

CommandProcess::~CommandProcess() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (consoleCodePage_ != 0 && consoleCodePage_ != CP_UTF8) {
        SetConsoleOutputCP(consoleCodePage_);
    }
}

bool CommandProcess::hasConsoleOfItsOwn() const {
    // A console opened for this process alone lists one process; a command prompt's lists two.
    DWORD processes[2] = {};
    return GetConsoleProcessList(processes, 2) == 1;
}

}  // namespace dtii
