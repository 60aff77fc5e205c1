// The system's own splitting (CommandLineToArgvW, which follows the C runtime's rules) gives back
// every argument the companion's launcher quoted, however many spaces, quotes and backslashes.
#include <windows.h>
// CommandLineToArgvW needs windows.h first.
#include <shellapi.h>

#include <gtest/gtest.h>

#include "cli/windows_command_line.h"
#include "core/system/wide_text.h"

namespace dtii {
namespace {

std::vector<std::string> splitBySystem(const std::vector<std::string>& pieces) {
    std::string line;
    for (const std::string& piece : pieces) {
        line += (line.empty() ? "" : " ") + piece;
    }
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(wideFromUtf8(line).c_str(), &count);
    std::vector<std::string> arguments;
    for (int index = 0; index < count; ++index) {
        arguments.push_back(utf8FromWide(split[index]));
    }
    LocalFree(split);
    return arguments;
}

TEST(CommandLineSplitting, GivesBackEveryQuotedArgument) {
    const std::string program = R"(C:\设计 文件\dtii-calc-sheet.exe)";
    const std::vector<std::string> arguments = {
        "sheet",
        "-o",
        R"(x y\)",
        R"(D:\报告 文件夹\a"b".pdf)",
        "",
        R"(a\\"b)",
        R"(\\server\x y\\)",
        "tab\tand space",
        R"(trailing\)",
        R"(设计 例子\800.json)",
    };
    std::vector<std::string> expected = {program};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(splitBySystem(quotedWindowsCommand(program, arguments)), expected);
}

}  // namespace
}  // namespace dtii
