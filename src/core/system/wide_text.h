// UTF-8 and the UTF-16 of the Windows API, for the Windows halves of the core and the command
// line (only the *_windows.cpp files use it; it is defined for Windows only).
#pragma once

#include <string>
#include <string_view>

namespace dtii {

// Malformed UTF-8 becomes U+FFFD.
std::wstring wideFromUtf8(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string utf8FromWide(std::wstring_view wide);

}  // namespace dtii
