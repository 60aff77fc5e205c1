// File paths to and from the program's UTF-8 texts. Linux paths are bytes and pass unchanged;
// Windows paths are UTF-16 and are converted, never through the ANSI code page, so that folders
// with Chinese names open on any Windows.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dtii {

// The path a UTF-8 text names (as typed in a box or given on the command line).
std::filesystem::path pathFromUtf8(std::string_view utf8);

// The path as UTF-8 text for messages (on Windows a name that is not valid UTF-16 shows
// replacement characters instead of failing).
std::string pathText(const std::filesystem::path& path);

}  // namespace dtii
