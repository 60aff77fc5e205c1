// The command line of a Windows program is one text that the started program splits into its
// arguments again; this quotes each argument so that the split gives it back unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dtii {

// `argument` written so that the C runtime's splitting (and CommandLineToArgvW) reads it back
// as one argument: spaces, tabs, quotes and backslashes before a quote survive.
std::string quotedWindowsArgument(std::string_view argument);

// The program's path followed by its arguments, each quoted: the pieces that, joined by single
// spaces, make the command line (as the C runtime's spawn functions join them).
std::vector<std::string> quotedWindowsCommand(std::string_view program,
                                              const std::vector<std::string>& arguments);

}  // namespace dtii
