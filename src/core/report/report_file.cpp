// Appending the report to the report file in GBK, and the question and confirmation when the
// report window closes.
#include "core/report/report_file.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <variant>

#include "core/echoed_value.h"
#include "core/report/file_append.h"
#include "core/report/gbk_encoding.h"

namespace dtii {

namespace {

constexpr std::string_view saveQuestion = "计算结果和设备清单存盘吗？";
constexpr std::string_view savedMessage = "计算结果和设备清单已经保存在如下路径：";
constexpr std::string_view notSavedMessage = "计算结果和设备清单没有保存：";
constexpr std::string_view reportFileName = "胶带机设计.txt";

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// Why a record was not appended, as the person reads it after "无法写入文件“path”：".
struct ProblemText {
    AppendProblem problem;
    std::string_view reason;
};

constexpr std::array<ProblemText, 10> problemTexts{{
    {AppendProblem::cannotOpen, "无法打开或创建文件。"},
    {AppendProblem::folderMissing, "路径中的文件夹不存在。"},
    {AppendProblem::noPermission, "没有写入权限。"},
    {AppendProblem::readOnlyVolume, "所在的磁盘只能读取。"},
    {AppendProblem::directory, "这是一个文件夹。"},
    {AppendProblem::notRegularFile, "这不是普通文件（设备或管道）。"},
    {AppendProblem::cannotLock, "无法锁定文件。"},
    {AppendProblem::diskFull, "磁盘已满。"},
    {AppendProblem::tooLarge, "文件超出了系统允许的大小。"},
    {AppendProblem::cannotWrite, "写入时出错。"},
}};

std::string problemText(AppendProblem problem, const std::filesystem::path& path) {
    const auto* text =
        std::find_if(problemTexts.begin(), problemTexts.end(),
                     [problem](const ProblemText& row) { return row.problem == problem; });
    if (text == problemTexts.end()) {
        text = &problemTexts.back();
    }
    return "无法写入文件“" + echoedValue(pathText(path)) + "”：" + std::string(text->reason);
}

}  // namespace

std::filesystem::path defaultReportFilePath() {
#ifdef _WIN32
    return pathFromUtf8("C:\\") / pathFromUtf8(reportFileName);
#else
    const char* home = std::getenv("HOME");
    const std::filesystem::path folder =
        home != nullptr && *home != '\0' ? std::filesystem::path(home) : std::filesystem::path(".");
    return folder / pathFromUtf8(reportFileName);
#endif
}

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
        return "报告中的字符“" + echoedValue(failure->character) + "”无法用GBK编码保存。";
    }
    // The record is encoded whole before the file is touched, and goes out in one write.
    if (const auto problem = appendWholeRecord(path, std::get<std::string>(encoded))) {
        return problemText(*problem, path);
    }
    return std::nullopt;
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
    dialogs.showMessage(std::string(savedMessage) + "\r\n" + echoedValue(pathText(path)),
                        programTitle, MessageIcon::none);
    return ReportWindowClose::close;
}

}  // namespace dtii
