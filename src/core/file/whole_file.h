// Writing a file whole or not at all: the content goes to a temporary file in the target's folder
// and is renamed over the target only when it is complete, so a failure never leaves a half file
// or a stray temporary file behind.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dtii {

// Fills the file at `temporary` (which exists, empty); returns the reason when it fails.
using FileFiller = std::function<std::optional<std::string>(const std::filesystem::path&)>;

// Writes `bytes` to `target`. On failure returns a message naming the path and the reason, such as
// "无法写入“/a/b.csv”：文件夹不存在", and leaves any file already at `target` as it was.
std::optional<std::string> writeFileWhole(const std::filesystem::path& target,
                                          std::string_view bytes);

// The same for content written by a library that wants a file name of its own.
std::optional<std::string> writeFileWhole(const std::filesystem::path& target,
                                          const FileFiller& fill);

}  // namespace dtii
