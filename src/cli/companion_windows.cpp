// Starting the companion program on Windows: run it beside dtii-calc.exe and wait for it; its
// messages go to the same standard error.
#include <windows.h>

#include <process.h>

#include <filesystem>
#include <string>

#include "cli/command_line.h"
#include "cli/companion.h"
#include "cli/windows_command_line.h"
#include "core/system/wide_text.h"

namespace dtii {

int runCompanion(const std::vector<std::string>& arguments, std::ostream& err) {
    std::wstring self(MAX_PATH, L'\0');
    DWORD length = 0;
    // A folder deeper than MAX_PATH needs a longer buffer; the call says so by filling it.
    while ((length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()))) ==
           self.size()) {
        self.resize(self.size() * 2);
    }
    self.resize(length);
    const std::filesystem::path program =
        std::filesystem::path(self).parent_path() / (std::string(companionProgram) + ".exe");
    // The spawn functions join their arguments with spaces and quote nothing themselves.
    std::vector<std::wstring> wide;
    for (const std::string& piece :
         quotedWindowsCommand(utf8FromWide(program.native()), arguments)) {
        wide.push_back(wideFromUtf8(piece));
    }
    std::vector<const wchar_t*> argv;
    for (const std::wstring& piece : wide) {
        argv.push_back(piece.c_str());
    }
    argv.push_back(nullptr);
    err.flush();
    const intptr_t status = _wspawnv(_P_WAIT, program.c_str(), argv.data());
    if (status == -1) {
        err << "dtii-calc：找不到或无法启动计算书程序 " << companionProgram << ".exe\n";
        return static_cast<int>(ExitStatus::stopped);
    }
    return static_cast<int>(status);
}

}  // namespace dtii
