// The design file: what is written reads back the same, JSON numbers stand for their text, and
// every kind of bad file is refused with a message naming the file, the key and the problem.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file/design_file.h"

namespace dtii {
namespace {

DesignFile fullDesign() {
    DesignFile design;
    for (const DesignKey<InputBox>& box : inputBoxKeys) {
        design.boxes[box.control] = "1" + std::string(box.key);
    }
    design.boxes[InputBox::beltWidth] = "800";
    design.boxes[InputBox::lift] = " -5.5 ";  // blanks and signs are kept as typed
    for (const DesignKey<InputList>& list : inputListKeys) {
        design.lists[list.control] = "项目 " + std::string(list.key);
    }
    design.lists[InputList::carryingBearing].reset();  // a list still showing its prompt
    design.carryingIdlerForm = std::string(troughIdlerCaption);
    design.returnIdlerForm = std::string(flatIdlerCaption);
    design.ploughTrippers = "2";
    EquipmentEntries equipment;
    equipment.takeUpType = "垂直重锤拉紧";
    equipment.boxes = {"", "800", "500", "1000", "800", ""};
    equipment.legHeight = "1100";
    design.equipment = equipment;
    design.checks = CheckTexts{"12", " 25 ", std::nullopt};  // kept as typed
    design.project.emplace();
    design.project->name = "某矿主井";
    design.project->designer = "张三";
    design.project->date = "2026-01-02";
    return design;
}

std::string fileHeader() {
    return R"("format": "dtii-conveyor-design", "version": 1)";
}

TEST(DesignFile, WhatIsWrittenReadsBackTheSame) {
    DesignFile sparse;
    sparse.boxes[InputBox::beltWidth] = "650";
    DesignFile withoutAnswers = fullDesign();
    withoutAnswers.ploughTrippers.reset();
    withoutAnswers.equipment->legHeight.reset();
    withoutAnswers.equipment->takeUpType.reset();
    withoutAnswers.checks = CheckTexts{};  // an empty "checks" object stays one
    for (const DesignFile& design : {fullDesign(), sparse, withoutAnswers, DesignFile{}}) {
        const std::string text = designFileText(design);
        const DesignFileResult read = parseDesignFile(text, "round.json");
        ASSERT_TRUE(read.design) << read.error << "\n" << text;
        EXPECT_EQ(*read.design, design) << text;
    }
}

TEST(DesignFile, AbsentKeysMeanEmptyBoxesPromptsAndNoEquipment) {
    const DesignFileResult read = parseDesignFile("{" + fileHeader() + "}", "empty.json");
    ASSERT_TRUE(read.design) << read.error;
    EXPECT_EQ(*read.design, DesignFile{});
    EXPECT_FALSE(read.design->ploughTrippers);
    EXPECT_FALSE(read.design->equipment);
}

TEST(DesignFile, JsonNumbersStandForTheTextAPersonWouldType) {
    struct Case {
        std::string json;
        std::string text;
    };
    const Case cases[] = {
        {"800", "800"},        {"1.2", "1.2"},
        {"-5", "-5"},          {"3.0", "3"},
        {"1e1", "10"},         {"0.1", "0.1"},
        {"-0.25", "-0.25"},    {"1E30", "1e+30"},
        {"1.5e-7", "1.5e-07"}, {"18446744073709551615", "18446744073709551615"},
    };
    for (const Case& c : cases) {
        const std::string json = "{" + fileHeader() + R"(, "input": {"B": )" + c.json +
                                 R"(, "covers": )" + c.json + R"(, "ploughTrippers": )" + c.json +
                                 R"(}, "equipment": {"legHeight": )" + c.json + "}}";
        const DesignFileResult read = parseDesignFile(json, "n.json");
        ASSERT_TRUE(read.design) << read.error;
        EXPECT_EQ(read.design->boxes[InputBox::beltWidth], c.text) << c.json;
        EXPECT_EQ(read.design->lists[InputList::covers], c.text) << c.json;
        EXPECT_EQ(read.design->ploughTrippers, c.text) << c.json;
        EXPECT_EQ(read.design->equipment->legHeight, c.text) << c.json;
    }
}

TEST(DesignFile, BadFilesAreRefusedNamingFileKeyAndProblem) {
    struct Case {
        std::string json;
        std::string expected;  // part of the message after the file name
    };
    const std::string head = "{" + fileHeader() + ", ";
    const Case cases[] = {
        // malformed JSON, with the place it goes wrong
        {"", "不是合法的 JSON，第 1 行第 1 列"},
        {"{\n  \"format\": \n}", "不是合法的 JSON，第 3 行第 1 列"},
        {head + R"("input": {"B": "800",}})", "不是合法的 JSON"},
        {head + R"("input": {"B": "800", "V": 1e999}})", "键“input.V”的数值超出范围"},
        {head + "\"input\": {\"B\": \"8\xff\"}}", "不是合法的 JSON"},
        // the format and its version
        {"[1, 2]", "顶层应为 JSON 对象，而不是数组"},
        {R"({"version": 1})", "缺少键“format”"},
        {R"({"format": "dtii-belt", "version": 1})", "键“format”的值应为“dtii-conveyor-design”"},
        {R"({"format": 1, "version": 1})", "键“format”的值应为"},
        {R"({"format": "dtii-conveyor-design"})", "缺少键“version”"},
        {R"({"format": "dtii-conveyor-design", "version": 2})", "键“version”的值应为数字 1"},
        {R"({"format": "dtii-conveyor-design", "version": "1"})", "键“version”的值应为数字 1"},
        {R"({"format": "dtii-conveyor-design", "version": 1.5})", "键“version”的值应为数字 1"},
        // unknown keys, at every level
        {head + R"("inputs": {}})", "未知的键“inputs”"},
        {head + R"("input": {"b": "800"}})", "未知的键“input.b”"},
        {head + R"("equipment": {"d": "800"}})", "未知的键“equipment.d”"},
        {head + R"("project": {"title": "x"}})", "未知的键“project.title”"},
        {head + R"("project": {"date": []}})", "键“project.date”的值应为文本或数字，而不是数组"},
        // values of the wrong JSON type
        {head + R"("input": [1]})", "键“input”的值应为对象，而不是数组"},
        {head + R"("equipment": "800"})", "键“equipment”的值应为对象，而不是文本"},
        {head + R"("input": {"B": true}})", "键“input.B”的值应为文本或数字，而不是布尔值"},
        {head + R"("input": {"V": null}})", "键“input.V”的值应为文本或数字，而不是null"},
        {head + R"("input": {"beltType": ["st630"]}})",
         "键“input.beltType”的值应为文本或数字，而不是数组"},
        {head + R"("input": {"ploughTrippers": false}})",
         "键“input.ploughTrippers”的值应为文本或数字"},
        {head + R"("equipment": {"legHeight": {}}})",
         "键“equipment.legHeight”的值应为文本或数字，而不是对象"},
        {head + R"("equipment": {"takeUpType": null}})", "键“equipment.takeUpType”"},
        // an idler form that is no button
        {head + R"("input": {"carryingIdlerForm": "U形托辊"}})",
         "键“input.carryingIdlerForm”的值应为"},
        {head + R"("input": {"returnIdlerForm": 3}})", "键“input.returnIdlerForm”的值应为"},
        // check parameters the checks could not use
        {head + R"("checks": {"requiredSafetyFactor": "abc"}})",
         "键“checks.requiredSafetyFactor”的值应为数字，而不是“abc”"},
        {head + R"("checks": {"requiredSafetyFactor": 0}})",
         "键“checks.requiredSafetyFactor”的值应为大于 0 的数"},
        {head + R"("checks": {"surchargeAngle": 50}})", "键“checks.surchargeAngle”的值应大于 0"},
        {head + R"("checks": {"motorSpeed": "1450"}})", "键“checks.motorSpeed”的值应为 3000"},
        {head + R"("checks": {"idlerLifeHours": "0"}})",
         "键“checks.idlerLifeHours”的值应为大于 0 的数"},
        {head + R"("checks": {"takeUpAllowance": -1}})",
         "键“checks.takeUpAllowance”的值应为不小于 0 的数"},
        {head + R"("checks": {"speed": "1500"}})", "未知的键“checks.speed”"},
        {head + R"("checks": []})", "键“checks”的值应为对象，而不是数组"},
        // a key given twice would silently lose one of its values
        {head + R"("input": {"B": "800", "V": "2", "B": "650"}})", "键“input.B”出现了不止一次"},
        {R"({"format": "dtii-conveyor-design", "version": 1, "version": 1})",
         "键“version”出现了不止一次"},
    };
    for (const Case& c : cases) {
        const DesignFileResult read = parseDesignFile(c.json, "bad.json");
        EXPECT_FALSE(read.design) << c.json;
        EXPECT_EQ(read.error.rfind("设计文件 bad.json：", 0), 0u) << read.error;
        EXPECT_NE(read.error.find(c.expected), std::string::npos)
            << "message: " << read.error << "\nexpected: " << c.expected;
    }
}

class DesignFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("dtii-designfile-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(DesignFileOnDisk, SavedDesignLoadsBackAndReplacesTheOldFile) {
    const std::filesystem::path path = folder / "设计.json";
    DesignFile first;
    first.boxes[InputBox::beltWidth] = "500";
    ASSERT_EQ(saveDesignFile(first, path), std::nullopt);
    ASSERT_EQ(saveDesignFile(fullDesign(), path), std::nullopt);
    const DesignFileResult read = loadDesignFile(path);
    ASSERT_TRUE(read.design) << read.error;
    EXPECT_EQ(*read.design, fullDesign());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator{}),
              1);  // no temporary file left behind
}

TEST_F(DesignFileOnDisk, MissingFileAndUnwritableFolderAreReported) {
    const std::filesystem::path missing = folder / "missing.json";
    const DesignFileResult read = loadDesignFile(missing);
    EXPECT_FALSE(read.design);
    EXPECT_NE(read.error.find(missing.string()), std::string::npos) << read.error;
    EXPECT_NE(read.error.find("文件不存在"), std::string::npos) << read.error;

    const DesignFileResult folderRead = loadDesignFile(folder);
    EXPECT_FALSE(folderRead.design);
    EXPECT_NE(folderRead.error.find("文件夹"), std::string::npos) << folderRead.error;

    const std::filesystem::path nowhere = folder / "no-such-folder" / "d.json";
    EXPECT_NE(saveDesignFile(fullDesign(), nowhere), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(DesignFileOnDisk, ErrorsNameTheFileTheyCameFrom) {
    const std::filesystem::path path = folder / "broken.json";
    std::ofstream(path) << R"({"format": "dtii-conveyor-design", "version": 1, "input": {"X": 1}})";
    const DesignFileResult read = loadDesignFile(path);
    EXPECT_EQ(read.error, "设计文件 " + path.string() + "：未知的键“input.X”");
}

// Nesting is refused past 64 levels of objects and arrays, whatever the rest of the file holds,
// and a refused file stays one line naming the limit.
TEST(DesignFile, NestingDeeperThanSixtyFourLevelsIsRefused) {
    const auto nested = [](std::size_t levels, char open, char close) {
        return std::string(levels, open) + std::string(levels, close);
    };
    const std::string deep = "JSON 嵌套超过 64 层";
    struct Case {
        std::string json;
        bool refusedForDepth;
    };
    const Case cases[] = {
        {nested(64, '[', ']'), false},
        {nested(65, '[', ']'), true},
        {"{\"input\": " + nested(63, '[', ']') + "}", false},
        {"{\"input\": " + nested(64, '[', ']') + "}", true},
        {std::string(100000, '['), true},
        {[] {
             std::string objects;
             for (int i = 0; i < 100000; ++i) {
                 objects += "{\"a\":";
             }
             return objects;
         }(),
         true},
    };
    for (const Case& c : cases) {
        const DesignFileResult read = parseDesignFile(c.json, "d.json");
        EXPECT_FALSE(read.design);
        EXPECT_EQ(read.error.find(deep) != std::string::npos, c.refusedForDepth)
            << c.json.size() << " bytes: " << read.error;
    }
}

TEST_F(DesignFileOnDisk, FilesBeyondOneMebibyteAreRefusedUnread) {
    const std::string design = "{" + fileHeader() + "}";
    const std::filesystem::path atLimit = folder / "at-limit.json";
    const std::filesystem::path beyond = folder / "beyond.json";
    std::ofstream(atLimit) << design << std::string(designFileByteLimit - design.size(), ' ');
    std::ofstream(beyond) << design << std::string(designFileByteLimit - design.size() + 1, ' ');
    const std::string refusal = "：文件大于 1 MiB（1048576 字节）的上限，不予读取";
    EXPECT_TRUE(loadDesignFile(atLimit).design) << loadDesignFile(atLimit).error;
    EXPECT_EQ(loadDesignFile(beyond).error, "设计文件 " + beyond.string() + refusal);
    // Endless sources end at once.
    EXPECT_EQ(loadDesignFile("/dev/zero").error, "设计文件 /dev/zero" + refusal);
}

}  // namespace
}  // namespace dtii
