// Quoting by the rules the C runtime splits a command line with: a quote inside the argument
// is written \" and the backslashes just before it are doubled, as are those before the closing
// quote; backslashes anywhere else stand for themselves.
#include "cli/windows_command_line.h"

namespace dtii {
namespace {

constexpr std::string_view separators = " \t\n\v\"";

}  // namespace

std::string quotedWindowsArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(separators) == std::string_view::npos) {
        return std::string(argument);
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char character : argument) {
        if (character == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote escape it, so each of them needs its own escape.
        const std::size_t written = character == '"' ? 2 * backslashes + 1 : backslashes;
        quoted.append(written, '\\');
        quoted += character;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

std::vector<std::string> quotedWindowsCommand(std::string_view program,
                                              const std::vector<std::string>& arguments) {
    // A program's own path holds no quotes; it is only ever quoted whole, because the name of
    // the program is split by spaces and quotes alone, without the backslash rule.
    std::vector<std::string> pieces{"\"" + std::string(program) + "\""};
    for (const std::string& argument : arguments) {
        pieces.push_back(quotedWindowsArgument(argument));
    }
    return pieces;
}

}  // namespace dtii
