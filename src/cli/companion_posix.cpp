// Starting the companion program on POSIX systems: exec, so its messages and exit status are the
// command's own.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/command_line.h"
#include "cli/companion.h"

namespace dtii {
namespace {

std::filesystem::path ownFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

}  // namespace

int runCompanion(const std::vector<std::string>& arguments, std::ostream& err) {
    const std::filesystem::path folder = ownFolder();
    const std::filesystem::path places[] = {
        folder / companionProgram,
        folder / ".." / "libexec" / "dtii-designer" / companionProgram,
    };
    std::vector<char*> argv;
    std::string name = companionProgram;
    argv.push_back(name.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    for (const std::filesystem::path& place : places) {
        std::error_code error;
        if (std::filesystem::exists(place, error)) {
            err.flush();
            ::execv(place.c_str(), argv.data());
            err << "dtii-calc：无法启动“" << place.string() << "”：" << std::strerror(errno)
                << '\n';
            return static_cast<int>(ExitStatus::stopped);
        }
    }
    err << "dtii-calc：找不到计算书程序 " << companionProgram << "（应在 dtii-calc 旁边或 "
        << "../libexec/dtii-designer/ 中）\n";
    return static_cast<int>(ExitStatus::stopped);
}

}  // namespace dtii
