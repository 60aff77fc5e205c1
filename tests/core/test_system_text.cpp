// The pieces that differ by system, through their common interface: file paths from and to UTF-8
// texts, and the GBK bytes of the report file. The same tests run on Linux and, cross-built,
// on Windows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "core/report/gbk_encoding.h"
#include "core/report/report_file.h"
#include "core/system/path_text.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;

TEST(PathText, ChineseNamesSurviveTheWayToAPathAndBack) {
    for (const std::string text :
         {"plain.json", "胶带机设计.txt", "输送机 设计/例子（一）/belt800.json", "DTⅡ·Ⅰ型", ""}) {
        EXPECT_EQ(pathText(pathFromUtf8(text)), text);
    }
}

TEST(PathText, AFileMadeUnderAChineseNameIsListedUnderThatName) {
    // The process id keeps parallel runs on one machine out of each other's folders.
    const fs::path folder =
        fs::temp_directory_path() / pathFromUtf8("dtii-路径-测试-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / pathFromUtf8("设计文件夹"));
    { std::ofstream(folder / pathFromUtf8("设计文件夹/胶带机设计.txt"), std::ios::binary) << "x"; }

    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = pathText(fs::relative(entry.path(), folder));
        std::replace(name.begin(), name.end(), '\\', '/');
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    fs::remove_all(folder);
    EXPECT_EQ(names, (std::vector<std::string>{"设计文件夹", "设计文件夹/胶带机设计.txt"}));
}

TEST(PathText, TheDefaultReportFileCarriesTheFixedName) {
    EXPECT_EQ(pathText(defaultReportFilePath().filename()), reportFileName);
}

struct GbkCase {
    const char* utf8;
    const char* gbk;
};

TEST(GbkEncoding, ReportCharactersTakeTheirGbkBytes) {
    constexpr GbkCase cases[] = {
        {"", ""},
        {"plain ASCII 0.5\r\n", "plain ASCII 0.5\r\n"},
        {"DTⅡ", "DT\xA2\xF2"},
        {"支腿Ⅰ", "\xD6\xA7\xCD\xC8\xA2\xF1"},
        {"（R80000）", "\xA3\xA8R80000\xA3\xA9"},
        {"·ü", "\xA1\xA4\xA8\xB9"},
    };
    for (const GbkCase& c : cases) {
        const auto encoded = encodeGbk(c.utf8);
        ASSERT_TRUE(std::holds_alternative<std::string>(encoded)) << c.utf8;
        EXPECT_EQ(std::get<std::string>(encoded), c.gbk) << c.utf8;
    }
}

TEST(GbkEncoding, NamesTheFirstCharacterItCannotTake) {
    constexpr GbkCase cases[] = {
        {"报告😀和😁", "😀"},
        {"a\xFF"
         "b",
         "\xFF"},
        {"报\xE5\x91", "\xE5\x91"},
        // A broken sequence is named without the character after it.
        {"\xE5\x91("
         "x",
         "\xE5\x91"},
        // A close-looking letter is not good enough: no best-fit "a" for "ä".
        {"Bär", "ä"},
    };
    for (const GbkCase& c : cases) {
        const auto encoded = encodeGbk(c.utf8);
        ASSERT_TRUE(std::holds_alternative<UnencodableCharacter>(encoded)) << c.utf8;
        EXPECT_EQ(std::get<UnencodableCharacter>(encoded).character, c.gbk) << c.utf8;
    }
}

}  // namespace
}  // namespace dtii
