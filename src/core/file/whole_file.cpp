// Whole-file writing through a temporary file beside the target.
#include "core/file/whole_file.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <random>
#include <system_error>

#include "core/system/path_text.h"

namespace dtii {
namespace {

struct ErrorReason {
    std::errc error;
    std::string_view reason;
};

// The reasons a person can act on; anything else is given in the system's own words.
constexpr std::array<ErrorReason, 8> errorReasons{{
    {std::errc::no_such_file_or_directory, "文件夹不存在"},
    {std::errc::permission_denied, "没有写入权限"},
    {std::errc::operation_not_permitted, "没有写入权限"},
    {std::errc::read_only_file_system, "文件系统只读"},
    {std::errc::no_space_on_device, "磁盘空间不足"},
    {std::errc::is_a_directory, "这是一个文件夹"},
    {std::errc::not_a_directory, "路径中有一段不是文件夹"},
    {std::errc::filename_too_long, "路径太长"},
}};

std::string reasonText(const std::error_code& error) {
    for (const ErrorReason& known : errorReasons) {
        if (error == known.error) {
            return std::string(known.reason);
        }
    }
    return error ? "系统错误（" + error.message() + "）" : std::string("写入失败");
}

// Some folders refuse new files with "no such file" (a system folder such as /proc): the folder
// does exist, and saying it does not would send the person looking for the wrong fault.
std::string creationReason(const std::filesystem::path& target, const std::error_code& error) {
    std::error_code ignored;
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    if (error == std::errc::no_such_file_or_directory &&
        std::filesystem::is_directory(folder, ignored)) {
        return "该文件夹不允许新建文件";
    }
    return reasonText(error);
}

std::string failure(const std::filesystem::path& target, std::string_view reason) {
    return "无法写入“" + pathText(target) + "”：" + std::string(reason);
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// A name nobody else uses: hidden, beside the target, with a random part.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static constexpr std::string_view digits = "0123456789abcdef";
    std::random_device random;
    std::string suffix = ".part-";
    for (int i = 0; i < 8; ++i) {
        suffix += digits[random() % digits.size()];
    }
    std::filesystem::path name = ".";
    name += target.filename();
    name += suffix;
    return target.parent_path() / name;
}

bool writeBytes(const std::filesystem::path& path, std::string_view bytes, std::error_code& error) {
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = lastError();
        return false;
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        error = lastError();
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> writeFileWhole(const std::filesystem::path& target,
                                          const FileFiller& fill) {
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        return failure(target, "这是一个文件夹");
    }
    const std::filesystem::path temporary = temporaryBeside(target);
    if (!writeBytes(temporary, {}, error)) {
        return failure(target, creationReason(target, error));
    }
    if (const std::optional<std::string> reason = fill(temporary)) {
        std::filesystem::remove(temporary, error);
        return failure(target, *reason);
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        const std::string reason = reasonText(error);
        std::filesystem::remove(temporary, error);
        return failure(target, reason);
    }
    return std::nullopt;
}

std::optional<std::string> writeFileWhole(const std::filesystem::path& target,
                                          std::string_view bytes) {
    return writeFileWhole(target, [bytes](const std::filesystem::path& temporary) {
        std::error_code error;
        return writeBytes(temporary, bytes, error) ? std::nullopt
                                                   : std::optional<std::string>(reasonText(error));
    });
}

}  // namespace dtii
