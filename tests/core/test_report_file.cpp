// The report file: quoted GBK records appended, never truncated, nothing written when the text
// cannot be encoded or the file cannot be written; and the questions when the window closes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/report/report_file.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;

class ReportFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("dtii-report-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = folder_ / "report.txt";
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string contents(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    fs::path path_;
};

TEST_F(ReportFile, AppendsQuotedGbkRecordsAndCreatesTheFileWhenMissing) {
    ASSERT_FALSE(fs::exists(path_));
    EXPECT_EQ(appendReportRecord(path_, "DTⅡ03\r\n支腿Ⅰ（R80000）"), std::nullopt);
    EXPECT_EQ(appendReportRecord(path_, "second"), std::nullopt);
    // D T Ⅱ=A2F2 0 3 CR LF 支=D6A7 腿=CDC8 Ⅰ=A2F1 （=A3A8 R80000 ）=A3A9
    const std::string first =
        "\"DT\xA2\xF2"
        "03\r\n\xD6\xA7\xCD\xC8\xA2\xF1\xA3\xA8R80000\xA3\xA9\"\r\n";
    EXPECT_EQ(contents(path_), first + "\"second\"\r\n");
}

TEST_F(ReportFile, NeverTruncatesAnExistingFile) {
    { std::ofstream(path_, std::ios::binary) << "earlier"; }
    EXPECT_EQ(appendReportRecord(path_, "x"), std::nullopt);
    EXPECT_EQ(contents(path_), "earlier\"x\"\r\n");
}

TEST_F(ReportFile, RefusesTextGbkCannotHoldAndLeavesTheFileUnchanged) {
    { std::ofstream(path_, std::ios::binary) << "earlier"; }
    const auto failure = appendReportRecord(path_, "报告\r\n含有😀字符");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("😀"), std::string::npos) << *failure;
    EXPECT_EQ(contents(path_), "earlier");

    const fs::path missing = folder_ / "never.txt";
    EXPECT_TRUE(appendReportRecord(missing, "\xFF").has_value());
    EXPECT_FALSE(fs::exists(missing)) << "nothing is created for a refused text";
}

TEST_F(ReportFile, ReportsAnUnwritablePathAndWritesNothing) {
    for (const fs::path& path : {folder_, folder_ / "no-such-folder" / "report.txt"}) {
        const auto failure = appendReportRecord(path, "report");
        ASSERT_TRUE(failure.has_value()) << path;
        EXPECT_FALSE(failure->empty());
    }
    EXPECT_TRUE(fs::is_directory(folder_));
    EXPECT_FALSE(fs::exists(folder_ / "no-such-folder"));
}

TEST_F(ReportFile, ClosingAsksOnceAndCancelWritesNothing) {
    ScriptedDialogs dialogs;
    dialogs.okAnswers.push_back(false);
    EXPECT_EQ(reportWindowClosing("report", path_, dialogs), ReportWindowClose::close);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, testing::ShownBox::Kind::question);
    EXPECT_EQ(dialogs.shown[0].text, "计算结果和设备清单存盘吗？");
    EXPECT_EQ(dialogs.shown[0].caption, "询问框");
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(ReportFile, ClosingWithOkSavesAndShowsTheRealPathOnTheSecondLine) {
    ScriptedDialogs dialogs;
    dialogs.okAnswers.push_back(true);
    EXPECT_EQ(reportWindowClosing("edited report", path_, dialogs), ReportWindowClose::close);
    EXPECT_EQ(contents(path_), "\"edited report\"\r\n");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const std::u8string pathText = path_.u8string();
    EXPECT_EQ(dialogs.shown[1].text, "计算结果和设备清单已经保存在如下路径：\r\n" +
                                         std::string(pathText.begin(), pathText.end()));
    EXPECT_EQ(dialogs.shown[1].caption, programTitle);
}

TEST_F(ReportFile, FailedSaveKeepsTheWindowOpenAndSaysWhy) {
    ScriptedDialogs dialogs;
    dialogs.okAnswers = {true, false};
    EXPECT_EQ(reportWindowClosing("含有😀", path_, dialogs), ReportWindowClose::keepOpen);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.starts_with("计算结果和设备清单没有保存：\r\n"));
    EXPECT_FALSE(fs::exists(path_));
    // Closing again asks again; Cancel closes.
    EXPECT_EQ(reportWindowClosing("含有😀", path_, dialogs), ReportWindowClose::close);
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST(ReportFilePath, IsTheFixedNameInTheHomeFolder) {
    const fs::path path = defaultReportFilePath();
    EXPECT_EQ(path.filename(), fs::path(u8"胶带机设计.txt"));
#ifndef _WIN32
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        EXPECT_EQ(path.parent_path(), fs::path(home));
    }
#endif
}

}  // namespace
}  // namespace dtii
