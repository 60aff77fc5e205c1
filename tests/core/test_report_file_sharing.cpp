// The report file shared by several programs: appends racing a failing writer and writers killed
// mid-append leave only whole records, and every record a writer confirmed; and a file that
// cannot be written says why, without touching what is there.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/report/report_file.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;

// Records span two pages, so that a record cut by the kernel would show.
constexpr std::size_t recordPadding = 6000;

std::string recordText(const std::string& tag) {
    return tag + ":" + std::string(recordPadding, 'x');
}

std::string contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The tags of the records in the file, in file order; a failure names the first torn record.
::testing::AssertionResult wholeRecords(const std::string& file, std::vector<std::string>& tags) {
    std::size_t at = 0;
    while (at < file.size()) {
        const std::size_t close = file.find('"', at + 1);
        if (file[at] != '"' || close == std::string::npos ||
            file.compare(close, 3, "\"\r\n") != 0) {
            return ::testing::AssertionFailure() << "torn record at byte " << at;
        }
        const std::string text = file.substr(at + 1, close - at - 1);
        const std::string tag = text.substr(0, text.find(':'));
        if (text != recordText(tag)) {
            return ::testing::AssertionFailure() << "damaged record " << tag << " at byte " << at;
        }
        tags.push_back(tag);
        at = close + 3;
    }
    return ::testing::AssertionSuccess();
}

// A writer in its own process: appends `count` records (or forever when count is 0) and writes
// the tag of each record it was told was saved to `confirmations`, one per line.
pid_t startWriter(const fs::path& path, const std::string& name, int count, int confirmations,
                  rlim_t fileSizeLimit = RLIM_INFINITY) {
    const pid_t pid = ::fork();
    if (pid != 0) {
        return pid;
    }
    if (fileSizeLimit != RLIM_INFINITY) {
        // Past the limit a write fails with EFBIG like one on a full disk, after a short write
        // when the record straddles it; the signal would otherwise end the writer.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    for (int i = 0; count == 0 || i < count; ++i) {
        const std::string tag = name + std::to_string(i);
        if (!appendReportRecord(path, recordText(tag))) {
            const std::string line = tag + "\n";
            if (::write(confirmations, line.data(), line.size()) < 0) {
                ::_exit(2);
            }
        }
    }
    ::_exit(0);
}

std::vector<std::string> readLines(int descriptor) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(descriptor, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
        lines.push_back(text.substr(at, end - at));
    }
    return lines;
}

class ReportFileSharing : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("dtii-sharing-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(ReportFileSharing, AFailingWriterNeverTakesAnotherWritersConfirmedRecords) {
    constexpr int rounds = 12;
    constexpr int recordsPerWriter = 16;
    const rlim_t limit = 5 * (recordPadding + 8);  // the limited writer fails from its 5th record
    for (int round = 0; round < rounds; ++round) {
        const fs::path path = folder_ / ("round" + std::to_string(round) + ".txt");
        int confirmations[2];
        ASSERT_EQ(::pipe(confirmations), 0);
        const pid_t steady = startWriter(path, "s", recordsPerWriter, confirmations[1]);
        const pid_t failing =
            startWriter(path, "f", recordsPerWriter, confirmations[1], limit + round * 997);
        ::close(confirmations[1]);
        const std::vector<std::string> saved = readLines(confirmations[0]);
        ::close(confirmations[0]);
        for (const pid_t pid : {steady, failing}) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }

        std::vector<std::string> inFile;
        ASSERT_TRUE(wholeRecords(contents(path), inFile)) << "round " << round;
        std::multiset<std::string> expected(saved.begin(), saved.end());
        std::multiset<std::string> found(inFile.begin(), inFile.end());
        EXPECT_EQ(found, expected) << "round " << round;
        EXPECT_EQ(std::count_if(saved.begin(), saved.end(),
                                [](const std::string& tag) { return tag[0] == 's'; }),
                  recordsPerWriter)
            << "the unlimited writer saves every record";
        EXPECT_LT(std::count_if(saved.begin(), saved.end(),
                                [](const std::string& tag) { return tag[0] == 'f'; }),
                  recordsPerWriter)
            << "the limited writer must have failed";
    }
}

TEST_F(ReportFileSharing, WhatAKilledWriterLeftIsGoneAfterTheNextAppend) {
    constexpr int rounds = 40;
    const fs::path path = folder_ / "report.txt";
    std::mt19937 random(20261208);
    std::set<std::string> confirmed;
    int tornTails = 0;
    for (int round = 0; round < rounds; ++round) {
        int confirmations[2];
        ASSERT_EQ(::pipe(confirmations), 0);
        // Two writers at once, so that one is killed while it waits for the lock too.
        const std::string name = "k" + std::to_string(round) + "_";
        const pid_t first = startWriter(path, name + "a", 0, confirmations[1]);
        const pid_t second = startWriter(path, name + "b", 0, confirmations[1]);
        ::close(confirmations[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        ::kill(first, SIGKILL);
        ::kill(second, SIGKILL);
        ::waitpid(first, nullptr, 0);
        ::waitpid(second, nullptr, 0);
        for (const std::string& tag : readLines(confirmations[0])) {
            confirmed.insert(tag);
        }
        ::close(confirmations[0]);
        std::vector<std::string> ignored;
        tornTails += wholeRecords(contents(path), ignored) ? 0 : 1;
    }
    ::testing::Test::RecordProperty("tornTailsRepaired", tornTails);
    ASSERT_EQ(appendReportRecord(path, recordText("last")), std::nullopt);

    std::vector<std::string> inFile;
    ASSERT_TRUE(wholeRecords(contents(path), inFile));
    const std::set<std::string> found(inFile.begin(), inFile.end());
    EXPECT_EQ(found.size(), inFile.size()) << "no record twice";
    for (const std::string& tag : confirmed) {
        EXPECT_TRUE(found.count(tag)) << "confirmed record " << tag << " is missing";
    }
    EXPECT_EQ(inFile.back(), "last");
    EXPECT_FALSE(fs::exists(folder_ / "report.txt.pending"));
}

// The note a writer leaves beside the file while it writes: only a record that stopped short
// of the length in the note, in the very file the note names, is cut away.
TEST_F(ReportFileSharing, AnUnfinishedRecordIsCutOnlyWhenTheNoteProvesIt) {
    const std::string whole = "\"a\"\r\n";
    struct Case {
        const char* name;
        std::string before;  // the file left behind
        long start;          // where the note says the record starts; -1: no note
        long length;
        bool sameFile;
        std::string after;  // before the appended record
    };
    const Case cases[] = {
        {"a record cut short", whole + "\"half", 5, 20, true, whole},
        {"nothing written yet", whole, 5, 20, true, whole},
        {"the record was finished", whole + "\"b\"\r\n", 5, 5, true, whole + "\"b\"\r\n"},
        {"a note of another file", whole + "\"half", 5, 20, false, whole + "\"half"},
        {"no note", whole + "\"half", -1, 0, true, whole + "\"half"},
    };
    for (const Case& c : cases) {
        const fs::path path = folder_ / "report.txt";
        { std::ofstream(path, std::ios::binary | std::ios::trunc) << c.before; }
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        if (c.start >= 0) {
            std::ofstream(folder_ / "report.txt.pending")
                << info.st_dev << " " << info.st_ino + (c.sameFile ? 0 : 1) << " " << c.start << " "
                << c.length << "\n";
        }
        ASSERT_EQ(appendReportRecord(path, "new"), std::nullopt) << c.name;
        EXPECT_EQ(contents(path), c.after + "\"new\"\r\n") << c.name;
        EXPECT_FALSE(fs::exists(folder_ / "report.txt.pending")) << c.name;
    }
}

// The reason for each kind of place a record cannot go; the file or device stays as it was.
TEST_F(ReportFileSharing, AnUnwritablePlaceSaysCannotWriteAndWhy) {
    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        fs::path path;
        std::string reason;
    };
    const Case cases[] = {
        {folder_, "”：这是一个文件夹。"},
        {folder_ / "no-such-folder" / "r.txt", "”：路径中的文件夹不存在。"},
        {pipe, "”：这不是普通文件（设备或管道）。"},
        {"/dev/full", "”：这不是普通文件（设备或管道）。"},
        {"/dev/null", "”：这不是普通文件（设备或管道）。"},
    };
    for (const Case& c : cases) {
        const auto failure = appendReportRecord(c.path, "report");
        ASSERT_TRUE(failure.has_value()) << c.path;
        const std::u8string path = c.path.u8string();
        EXPECT_EQ(*failure, "无法写入文件“" + std::string(path.begin(), path.end()) + c.reason);
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_FALSE(fs::exists(folder_ / "no-such-folder"));
}

// A full disk, in a private mount namespace so that the small volume vanishes with the child.
TEST_F(ReportFileSharing, AFullDiskCutsTheFileBackAndSaysSo) {
    int result[2];
    ASSERT_EQ(::pipe(result), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(result[0]);
        const char* mountPoint = folder_.c_str();
        const bool isolated =
            ::unshare(CLONE_NEWNS) == 0 || ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0;
        if (!isolated || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint, "tmpfs", 0, "size=64k") != 0) {
            ::_exit(3);
        }
        const fs::path path = folder_ / "report.txt";
        { std::ofstream(path, std::ios::binary) << "earlier"; }
        std::string outcome = appendReportRecord(path, std::string(200000, 'x')).value_or("saved");
        outcome += "|" + contents(path);
        ::_exit(::write(result[1], outcome.data(), outcome.size()) < 0 ? 2 : 0);
    }
    ::close(result[1]);
    std::string outcome;
    char buffer[4096];
    for (ssize_t got; (got = ::read(result[0], buffer, sizeof buffer)) > 0;) {
        outcome.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(result[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) {
        GTEST_SKIP() << "no small volume can be mounted here";
    }
    const std::u8string path = (folder_ / "report.txt").u8string();
    EXPECT_EQ(outcome,
              "无法写入文件“" + std::string(path.begin(), path.end()) + "”：磁盘已满。|earlier");
}

}  // namespace
}  // namespace dtii
