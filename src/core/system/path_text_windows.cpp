// Paths on Windows are UTF-16: converted from and to UTF-8 by the system, never through the
// ANSI code page (which on most machines cannot hold a Chinese file name).
#include "core/system/path_text.h"

#include "core/system/wide_text.h"

namespace dtii {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(wideFromUtf8(utf8));
}

std::string pathText(const std::filesystem::path& path) {
    return utf8FromWide(path.native());
}

}  // namespace dtii
