// Appending the report to the report file in GBK, and the question and confirmation when the
// report window closes.
#include "core/report/report_file.h"

#include <fstream>
#include <system_error>
#include <variant>

#include "core/report/gbk_encoding.h"
#include "core/system/path_text.h"

namespace dtii {

namespace {

constexpr std::string_view saveQuestion = "计算结果和设备清单存盘吗？";
constexpr std::string_view savedMessage = "计算结果和设备清单已经保存在如下路径：";
constexpr std::string_view notSavedMessage = "计算结果和设备清单没有保存：";
// Writes the whole record at once; on a failed write the file is cut back to its old length so
// that no partial record stays behind.
std::optional<std::string> appendBytes(const std::filesystem::path& path,
                                       const std::string& bytes) {
    std::error_code error;
    const bool existed = std::filesystem::exists(path, error);
    const std::uintmax_t oldSize = existed ? std::filesystem::file_size(path, error) : 0;
    if (error) {
        return "无法读取文件“" + pathText(path) + "”。";
    }
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (!file) {
        return "无法打开或创建文件“" + pathText(path) + "”。";
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    const bool written = file.good();
    file.close();
    const bool closed = !file.fail();
    if (written && closed) {
        return std::nullopt;
    }
    if (existed) {
        std::filesystem::resize_file(path, oldSize, error);
    } else {
        std::filesystem::remove(path, error);
    }
    return "写入文件“" + pathText(path) + "”时出错。";
}

}  // namespace

std::optional<std::string> appendReportRecord(const std::filesystem::path& path,
                                              std::string_view reportText) {
    std::string record;
    record.reserve(reportText.size() + 4);
    record += '"';
    record += reportText;
    record += "\"\r\n";
    auto encoded = encodeGbk(record);
    if (const auto* failure = std::get_if<UnencodableCharacter>(&encoded)) {
        if (failure->character.empty()) {
            return std::string("本系统无法转换为GBK编码。");
        }
        return "报告中的字符“" + failure->character + "”无法用GBK编码保存。";
    }
    return appendBytes(path, std::get<std::string>(encoded));
}

ReportWindowClose reportWindowClosing(std::string_view reportText,
                                      const std::filesystem::path& path, UserDialogs& dialogs) {
    if (!dialogs.askOkCancel(saveQuestion, questionCaption)) {
        return ReportWindowClose::close;
    }
    if (const auto failure = appendReportRecord(path, reportText)) {
        dialogs.showMessage(std::string(notSavedMessage) + "\r\n" + *failure, programTitle,
                            MessageIcon::none);
        return ReportWindowClose::keepOpen;
    }
    dialogs.showMessage(std::string(savedMessage) + "\r\n" + pathText(path), programTitle,
                        MessageIcon::none);
    return ReportWindowClose::close;
}

}  // namespace dtii
