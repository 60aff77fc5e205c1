// Starting the companion program on Windows: run it beside dtii-calc.exe and wait for it; its
// messages go to the same standard error.
#include <windows.h>

#include <process.h>

#include <filesystem>
#include <string>

#include "cli/command_line.h"
#include "cli/companion.h"

namespace dtii {

int runCompanion(const std::vector<std::string>& arguments, std::ostream& err) {
    std::wstring self(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, self.data(), MAX_PATH);
    self.resize(length);
    const std::filesystem::path program =
        std::filesystem::path(self).parent_path() / (std::string(companionProgram) + ".exe");
    std::vector<std::wstring> wide;
    for (const std::string& argument : arguments) {
        const int size = MultiByteToWideChar(CP_UTF8, 0, argument.c_str(), -1, nullptr, 0);
        std::wstring text(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, argument.c_str(), -1, text.data(), size);
        text.resize(static_cast<std::size_t>(size - 1));
        wide.push_back(L"\"" + text + L"\"");
    }
    std::vector<const wchar_t*> argv{program.c_str()};
    for (const std::wstring& argument : wide) {
        argv.push_back(argument.c_str());
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
