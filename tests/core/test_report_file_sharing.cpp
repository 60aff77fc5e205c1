// The report file shared by several programs: appends racing a failing writer and writers killed
// mid-append leave only whole records, and every record a writer confirmed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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

// Writers in processes of their own, appending records named `name`0, `name`1, ... (without end
// when count is 0); through one pipe each names every record it was told was saved.
class Writers {
public:
    Writers() { EXPECT_EQ(::pipe(pipe_), 0); }

    void start(const fs::path& path, const std::string& name, int count,
               rlim_t fileSizeLimit = RLIM_INFINITY) {
        pids_.push_back(::fork());
        if (pids_.back() != 0) {
            return;
        }
        // Past the limit a write fails with EFBIG as on a full disk, after a short write when
        // the record straddles it; the signal would otherwise end the writer.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        for (int i = 0; count == 0 || i < count; ++i) {
            const std::string line = name + std::to_string(i) + "\n";
            if (!appendReportRecord(path, recordText(line.substr(0, line.size() - 1))) &&
                ::write(pipe_[1], line.data(), line.size()) < 0) {
                ::_exit(2);
            }
        }
        ::_exit(0);
    }

    // Waits for the writers (killing them first when asked) and returns the confirmed names.
    std::multiset<std::string> confirmed(bool kill) {
        ::close(pipe_[1]);
        for (const pid_t pid : pids_) {
            if (kill) {
                ::kill(pid, SIGKILL);
            }
        }
        std::string text;
        char buffer[4096];
        for (ssize_t got; (got = ::read(pipe_[0], buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(pipe_[0]);
        for (const pid_t pid : pids_) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(kill || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
        }
        std::multiset<std::string> names;
        for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos;
             at = end + 1) {
            names.insert(text.substr(at, end - at));
        }
        return names;
    }

private:
    int pipe_[2] = {-1, -1};
    std::vector<pid_t> pids_;
};

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
    constexpr int rounds = 8;
    constexpr int records = 16;
    const rlim_t limit = 5 * (recordPadding + 8);  // the limited writer fails from its 5th record
    for (int round = 0; round < rounds; ++round) {
        const fs::path path = folder_ / ("round" + std::to_string(round) + ".txt");
        Writers writers;
        writers.start(path, "steady", records);
        writers.start(path, "failing", records, limit + round * 997);
        const std::multiset<std::string> saved = writers.confirmed(false);

        std::vector<std::string> inFile;
        ASSERT_TRUE(wholeRecords(contents(path), inFile)) << "round " << round;
        EXPECT_EQ(std::multiset<std::string>(inFile.begin(), inFile.end()), saved);
        EXPECT_TRUE(saved.contains("steady" + std::to_string(records - 1)));
        EXPECT_FALSE(saved.contains("failing" + std::to_string(records - 1)));
    }
}

TEST_F(ReportFileSharing, WhatAKilledWriterLeftIsGoneAfterTheNextAppend) {
    constexpr int rounds = 40;
    const fs::path path = folder_ / "report.txt";
    std::mt19937 random(20261208);
    std::multiset<std::string> confirmed;
    int tornTails = 0;
    for (int round = 0; round < rounds; ++round) {
        // Two writers at once, so that one is killed while it waits for the lock too.
        Writers writers;
        writers.start(path, "k" + std::to_string(round) + "a", 0);
        writers.start(path, "k" + std::to_string(round) + "b", 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        confirmed.merge(writers.confirmed(true));
        std::vector<std::string> ignored;
        tornTails += wholeRecords(contents(path), ignored) ? 0 : 1;
    }
    ::testing::Test::RecordProperty("tornTailsRepaired", tornTails);
    ASSERT_EQ(appendReportRecord(path, recordText("last")), std::nullopt);

    std::vector<std::string> inFile;
    ASSERT_TRUE(wholeRecords(contents(path), inFile));
    const std::multiset<std::string> found(inFile.begin(), inFile.end());
    EXPECT_EQ(std::set<std::string>(inFile.begin(), inFile.end()).size(), inFile.size());
    EXPECT_TRUE(std::includes(found.begin(), found.end(), confirmed.begin(), confirmed.end()));
    EXPECT_EQ(inFile.back(), "last");
    EXPECT_FALSE(fs::exists(folder_ / "report.txt.dtii-append"));
}

// The note a writer leaves beside the file while it writes: only a record that stopped short
// of the length in the note, in the very file the note names, is cut away.
TEST_F(ReportFileSharing, AnUnfinishedRecordIsCutOnlyWhenTheNoteProvesIt) {
    const std::string whole = "\"a\"\r\n";
    struct Case {
        const char* name;
        std::string before;  // the file left behind
        long start;          // where the note says the record starts
        long length;
        bool sameFile;
        std::string after;  // before the appended record
    };
    const Case cases[] = {
        {"a record cut short", whole + "\"half", 5, 20, true, whole},
        {"nothing written yet", whole, 5, 20, true, whole},
        {"the record was finished", whole + "\"b\"\r\n", 5, 5, true, whole + "\"b\"\r\n"},
        {"a note of another file", whole + "\"half", 5, 20, false, whole + "\"half"},
    };
    for (const Case& c : cases) {
        const fs::path path = folder_ / "report.txt";
        { std::ofstream(path, std::ios::binary | std::ios::trunc) << c.before; }
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        std::ofstream(folder_ / "report.txt.dtii-append")
            << info.st_dev << " " << info.st_ino + (c.sameFile ? 0 : 1) << " " << c.start << " "
            << c.length << "\n";
        ASSERT_EQ(appendReportRecord(path, "new"), std::nullopt) << c.name;
        EXPECT_EQ(contents(path), c.after + "\"new\"\r\n") << c.name;
        EXPECT_FALSE(fs::exists(folder_ / "report.txt.dtii-append")) << c.name;
    }
}

}  // namespace
}  // namespace dtii
