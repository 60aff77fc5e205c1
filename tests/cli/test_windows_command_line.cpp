// Quoting the companion's arguments for a Windows command line, written out by hand from the
// splitting rules; under Wine the system's own splitter reads every one of them back.
#include <gtest/gtest.h>

#include "cli/windows_command_line.h"

namespace dtii {
namespace {

struct Quoting {
    const char* argument;
    const char* quoted;
};

TEST(WindowsCommandLine, QuotesOnlyWhatTheSplittingWouldBreak) {
    const Quoting cases[] = {
        {"sheet", "sheet"},
        {R"(C:\设计\a.json)", R"(C:\设计\a.json)"},
        {"", R"("")"},
        {"x y", R"("x y")"},
        {R"(x y\)", R"("x y\\")"},
        {R"(x y\\)", R"("x y\\\\")"},
        {R"(a"b)", R"("a\"b")"},
        {R"(a\"b)", R"("a\\\"b")"},
        {R"(a\b c)", R"("a\b c")"},
        {R"(\\server\share\x y)", R"("\\server\share\x y")"},
        {"tab\there", "\"tab\there\""},
        {R"(设计 文件\)", R"("设计 文件\\")"},
    };
    for (const Quoting& entry : cases) {
        EXPECT_EQ(quotedWindowsArgument(entry.argument), entry.quoted) << entry.argument;
    }
}

TEST(WindowsCommandLine, ProgramPathIsQuotedWholeAndArgumentsFollowInOrder) {
    const std::vector<std::string> pieces = quotedWindowsCommand(
        R"(C:\设计 文件\dtii-calc-sheet.exe)", {"sheet", "-o", R"(x y\)", "a.json"});
    const std::vector<std::string> expected = {R"("C:\设计 文件\dtii-calc-sheet.exe")", "sheet",
                                               "-o", R"("x y\\")", "a.json"};
    EXPECT_EQ(pieces, expected);
}

}  // namespace
}  // namespace dtii
