// Writing a file whole or not at all: the old file stays when writing fails, and no temporary file
// is ever left in the folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file/whole_file.h"
#include "core/system/path_text.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("dtii-whole-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "old.txt", std::ios::binary) << "old";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path folder;
};

TEST_F(WholeFile, ReplacesTheTargetOnlyWhenTheContentIsComplete) {
    const fs::path target = folder / "old.txt";
    EXPECT_EQ(writeFileWhole(target, std::string_view("new\r\n")), std::nullopt);
    EXPECT_EQ(contents(target), "new\r\n");

    const auto failure = writeFileWhole(target, [](const fs::path& temporary) {
        std::ofstream(temporary, std::ios::binary) << "half";
        return std::optional<std::string>("库报告失败");
    });
    EXPECT_EQ(failure, "无法写入“" + pathText(target) + "”：库报告失败");
    EXPECT_EQ(contents(target), "new\r\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(WholeFile, APathThatCannotBeWrittenIsNamedWithItsReason) {
    fs::create_directories(folder / "sub");
    struct Case {
        fs::path target;
        const char* reason;
    };
    const Case cases[] = {
        {folder / "missing" / "a.csv", "文件夹不存在"},
        {folder / "sub", "这是一个文件夹"},
        {folder / "old.txt" / "a.csv", "路径中有一段不是文件夹"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(writeFileWhole(c.target, std::string_view("x")),
                  "无法写入“" + pathText(c.target) + "”：" + c.reason);
    }
    EXPECT_EQ(entries(), 2u);  // old.txt and sub, nothing else
    EXPECT_EQ(contents(folder / "old.txt"), "old");
}

}  // namespace
}  // namespace dtii
