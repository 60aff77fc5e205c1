// Paths on Linux are the bytes of their names: UTF-8 on every desktop in use.
#include "core/system/path_text.h"

namespace dtii {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::string(utf8));
}

std::string pathText(const std::filesystem::path& path) {
    return path.native();
}

}  // namespace dtii
