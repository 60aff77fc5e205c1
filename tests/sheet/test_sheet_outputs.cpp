// The sheet and bom commands with their real writers, on the 800 mm example: what the PDF says
// and which fonts it carries, the rows of the CSV and the workbook, and paths that cannot be
// written.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/command_line.h"
#include "sheet/sheet_pdf.h"
#include "support/example_report.h"
#include "xlsx/equipment_list_xlsx.h"
#include "xlsx/workbook_numbers.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;

const OutputWriters writers{writeSheetPdfNow, writeEquipmentListXlsx};

std::string example() {
    return std::string(DTII_EXAMPLES_DIR) + "/belt800-trough.json";
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Standard output of a shell command (poppler's pdftotext and pdffonts, unzip).
std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        text += buffer.data();
    }
    if (pipe != nullptr) {
        ::pclose(pipe);
    }
    return text;
}

// The report's equipment and structure lines: "  1.传动滚筒         DTⅡ03A6103Y/Z      782".
std::vector<std::string> reportListLines() {
    std::vector<std::string> lines;
    bool inLists = false;
    for (const std::string& line : testing::exampleReportLines) {
        if (line.starts_with("三.") || line.starts_with("四.")) {
            inLists = true;
        } else if (inLists && !line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The words of a list line: name with its number, designation, and weight when there is one.
std::vector<std::string> words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> result;
    for (std::string word; stream >> word;) {
        result.push_back(word);
    }
    return result;
}

class SheetOutputs : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("dtii-sheet-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    ExitStatus run(const std::vector<std::string>& arguments) {
        std::ostringstream out, err;
        const ExitStatus status = runCommandLine(arguments, out, err, writers);
        this->out = out.str();
        this->err = err.str();
        return status;
    }

    fs::path folder;
    std::string out, err;
};

TEST_F(SheetOutputs, TheSheetHoldsTitleDateResultsVerdictsAndDesignationsInEmbeddedFonts) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const fs::path pdf = folder / "sheet.pdf";
    ASSERT_EQ(run({"sheet", example(), "-o", pdf.string()}), ExitStatus::produced) << err;
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(out, "");
    const std::string text = output("pdftotext -layout '" + pdf.string() + "' -");
    for (const char* expected : {"带式输送机设计计算书", "2023年11月14日", "原始数据",
                                 "尼龙帆布NN-200", "张力分布图", "T1 = 20.11 kN", "设计校核"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    for (const std::string& line : testing::exampleListingLines) {
        const std::size_t equals = line.find('=');
        std::string value =
            line.substr(equals != std::string::npos ? equals + 1 : line.find("：") + 3);
        value = value.substr(1, value.find_first_of("Nk") - 1);  // no sign blank, no unit
        EXPECT_NE(text.find(value), std::string::npos) << line;
    }
    std::ostringstream checks, ignored;
    runCommandLine({"check", example()}, checks, ignored);
    const auto count = [](const std::string& in, const std::string& word) {
        std::size_t n = 0;
        for (auto at = in.find(word); at != std::string::npos; at = in.find(word, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count(text, "不合格"), count(checks.str(), "不合格"));
    EXPECT_EQ(count(text, "合格"), count(checks.str(), "合格"));
    for (const std::string& line : reportListLines()) {
        // A line the tables leave without a weight is a dash on the sheet.
        const std::vector<std::string> parts = words(line);
        const bool filled = parts.size() > 2 && parts.back() != "0";
        EXPECT_NE(text.find(filled ? parts[1] : "—"), std::string::npos) << line;
    }

    const std::string fonts = output("pdffonts '" + pdf.string() + "'");
    std::istringstream rows(fonts);
    std::string row;
    int fontRows = 0;
    for (int skip = 0; skip < 2 && std::getline(rows, row); ++skip) {
    }
    while (std::getline(rows, row)) {
        ++fontRows;
        EXPECT_NE(row.find(" yes "), std::string::npos) << "not embedded: " << row;
    }
    EXPECT_GE(fontRows, 1) << fonts;
}

// Every object the cross-reference table lists starts where it says, and so does the table.
void expectSoundCrossReferences(const std::string& pdf) {
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t table = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(table, 5, "xref\n"), 0);
    std::istringstream entries(pdf.substr(table + 5));
    int first = 0, count = 0;
    entries >> first >> count;
    entries.ignore(1);
    for (int i = first; i < first + count; ++i) {
        std::string entry;
        std::getline(entries, entry);
        if (entry.size() > 17 && entry[17] == 'n') {
            const std::string object = std::to_string(i) + " 0 obj";
            EXPECT_EQ(pdf.compare(std::stoul(entry.substr(0, 10)), object.size(), object), 0)
                << object;
        }
    }
}

TEST_F(SheetOutputs, TheDocumentIsNamedSignedForAndTheSameBytesOnEveryRunWithAFixedDate) {
    const std::string name =
        "某某矿业集团有限公司第二选煤厂原煤储运系统改造工程一号带式输送机及其配套设施" +
        std::string(66, 'X');  // 120 characters
    const fs::path design = folder / "design.json";
    std::string typed = readFile(example());
    typed.insert(typed.find('{') + 1, "\n  \"project\": {\"name\": \"" + name +
                                          "\", \"designer\": \"张三\", \"number\": "
                                          "\"JS-2026-018\"},");
    std::ofstream(design, std::ios::binary) << typed;
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const fs::path first = folder / "first.pdf";
    const fs::path second = folder / "second.pdf";
    ASSERT_EQ(run({"sheet", design.string(), "-o", first.string()}), ExitStatus::produced) << err;
    ASSERT_EQ(run({"sheet", design.string(), "-o", second.string()}), ExitStatus::produced);
    ::unsetenv("SOURCE_DATE_EPOCH");
    const std::string bytes = readFile(first);
    EXPECT_TRUE(bytes == readFile(second));
    expectSoundCrossReferences(bytes);

    const std::string info = output("TZ=UTC pdfinfo -isodates '" + first.string() + "' 2>&1");
    const auto field = [&info](const std::string& name) {
        const std::size_t at = info.find(name + ":");
        const std::size_t start = info.find_first_not_of(' ', at + name.size() + 1);
        return at == std::string::npos ? std::string()
                                       : info.substr(start, info.find('\n', at) - start);
    };
    EXPECT_EQ(field("Title"), name + " 带式输送机设计计算书");
    EXPECT_EQ(field("Author"), "张三");
    EXPECT_EQ(field("CreationDate"), "2023-11-14T22:13:20Z");
    EXPECT_EQ(info.find("Error"), std::string::npos) << info;

    // Every word inside the margins of its A4 page [pt].
    const double margin = 20 / 25.4 * 72;
    const double width = 210 / 25.4 * 72;
    const std::string boxes = output("pdftotext -bbox '" + first.string() + "' -");
    const std::regex word(R"re(xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)")re");
    int words = 0;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word);
         it != std::sregex_iterator(); ++it, ++words) {
        EXPECT_GE(std::stod((*it)[1]), margin - 0.5) << it->str();
        EXPECT_LE(std::stod((*it)[2]), width - margin + 0.5) << it->str();
    }
    EXPECT_GT(words, 300);
}

TEST_F(SheetOutputs, TheCsvAndTheWorkbookHoldTheReportsRowsInOrder) {
    const fs::path csv = folder / "list.csv";
    const fs::path xlsx = folder / "list.xlsx";
    ASSERT_EQ(run({"bom", example(), "-o", csv.string()}), ExitStatus::produced) << err;
    ASSERT_EQ(run({"bom", example(), "-o", xlsx.string()}), ExitStatus::produced) << err;
    const std::string table = readFile(csv);
    ASSERT_TRUE(table.starts_with("\xEF\xBB\xBF序号,类别,名称,型号,单重(kg)\r\n"));
    const std::string strings = output("unzip -p '" + xlsx.string() + "' xl/sharedStrings.xml");
    const std::string sheet = output("unzip -p '" + xlsx.string() + "' xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);

    std::istringstream records(table.substr(table.find("\r\n") + 2));
    int number = 0;
    for (const std::string& line : reportListLines()) {
        std::string record;
        std::getline(records, record);
        const std::vector<std::string> parts = words(line);
        const std::string name = parts[0].substr(parts[0].find('.') + 1);
        const std::string weight = parts.size() > 2 ? parts[2] : "";
        const std::string category = ++number <= 14 ? "设备" : "结构件";
        // What the tables leave (the report's 0 or bare series name) is a dash in the list.
        const std::string designation = parts[1] == "DTⅡ" ? "—" : parts[1];
        const std::string listedWeight = weight.empty() || weight == "0" ? "—" : weight;
        // The head chute's length is part of its name in the report: "头部漏斗L= 757.5".
        const std::string expected = parts[0].ends_with("L=")
                                         ? std::to_string(number) + "," + category + "," + name +
                                               parts[1] + "," + parts[2] + "," + parts[3]
                                         : std::to_string(number) + "," + category + "," + name +
                                               "," + designation + "," + listedWeight;
        EXPECT_EQ(record, expected + "\r") << line;
        EXPECT_NE(strings.find(parts[0].ends_with("L=") ? parts[2] : designation),
                  std::string::npos)
            << line;
    }
    EXPECT_NE(sheet.find("<v>782</v>"), std::string::npos);  // the drive pulley, a number cell
}

TEST_F(SheetOutputs, TheWorkbookIsTheSameBytesForTheSameEpochWithShortestNumbers) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const std::string design = std::string(DTII_EXAMPLES_DIR) + "/belt1200-trough.json";
    const fs::path first = folder / "a.xlsx";
    const fs::path second = folder / "b.xlsx";
    ASSERT_EQ(run({"bom", design, "-o", first.string()}), ExitStatus::produced) << err;
    ASSERT_EQ(run({"bom", design, "-o", second.string()}), ExitStatus::produced) << err;
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(readFile(first), readFile(second));
    EXPECT_EQ(output("unzip -tq '" + first.string() + "'").find("No errors"), 0u);
    const std::string sheet = output("unzip -p '" + first.string() + "' xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<v>77.1</v>"), std::string::npos);  // the impact idler, 77.1 kg
    EXPECT_EQ(sheet.find("9999999"), std::string::npos);
    EXPECT_EQ(shortenedValues("<c><v>0.30000000000000004</v></c><v>1e+30</v><v>x</v>"),
              "<c><v>0.30000000000000004</v></c><v>1e+30</v><v>x</v>");
    EXPECT_EQ(shortenedValues("<v>58.299999999999997</v><v>12</v>"), "<v>58.3</v><v>12</v>");
}

TEST_F(SheetOutputs, APathThatCannotBeWrittenStopsWithItsReasonAndLeavesNoFile) {
    struct Case {
        const char* command;
        std::string path;
        const char* reason;
    };
    fs::create_directories(folder / "taken.pdf");
    fs::create_directories(folder / "taken.xlsx");
    const Case cases[] = {
        {"sheet", (folder / "missing" / "a.pdf").string(), "文件夹不存在"},
        {"sheet", (folder / "taken.pdf").string(), "这是一个文件夹"},
        {"bom", (folder / "missing" / "a.csv").string(), "文件夹不存在"},
        {"bom", (folder / "missing" / "a.xlsx").string(), "文件夹不存在"},
        {"bom", (folder / "taken.xlsx").string(), "这是一个文件夹"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run({c.command, example(), "-o", c.path}), ExitStatus::stopped) << c.path;
        EXPECT_NE(err.find("无法写入“" + c.path + "”：" + c.reason), std::string::npos) << err;
        EXPECT_FALSE(fs::is_regular_file(c.path)) << c.path;
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);  // the two folders, and no temporary file left beside them
}

}  // namespace
}  // namespace dtii
