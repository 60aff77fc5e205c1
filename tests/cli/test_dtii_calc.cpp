// dtii-calc as a whole process: the exact bytes on standard output, the box lines on standard
// error and the exit status, for the example designs, bad arguments and bad design files.
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "support/example_report.h"
#include "support/report_lines.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;

using testing::exampleListingLines;
using testing::exampleReportLines;
using testing::joinLines;

const std::string legPrompt108 =
    "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200、1200、1225~"
    "1525，请输入具体值：";
const std::string legPrompt89 =
    "支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200、1200、1200~"
    "1500，请输入具体值：";
const std::string titleCaption = "[" + std::string(programTitle) + "] ";

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string example(const std::string& name) {
    return std::string(DTII_EXAMPLES_DIR) + "/" + name;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

class DtiiCalc : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder =
            fs::temp_directory_path() / ("dtii-calc-" + std::to_string(::getpid()) + "-" +
                                         std::string(info->test_suite_name()) + "-" + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs the real program with the given (already quoted) arguments and standard input.
    ProgramRun run(const std::string& arguments, const std::string& input = {}) const {
        std::ofstream(folder / "stdin", std::ios::binary) << input;
        const std::string command = shellQuoted(DTII_CALC_PROGRAM) + " " + arguments + " <" +
                                    shellQuoted((folder / "stdin").string()) + " >" +
                                    shellQuoted((folder / "stdout").string()) + " 2>" +
                                    shellQuoted((folder / "stderr").string());
        const int raw = std::system(command.c_str());
        ProgramRun result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readFile(folder / "stdout");
        result.err = readFile(folder / "stderr");
        return result;
    }

    fs::path folder;
};

TEST_F(DtiiCalc, CalcPrintsTheListingOfTheCompleteExampleByteForByte) {
    const ProgramRun result = run("calc " + shellQuoted(example("belt800-trough.json")));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, joinLines(exampleListingLines));
}

TEST_F(DtiiCalc, ReportPrintsTheWholeReportAndAnswersTheLegHeightFromTheFile) {
    const ProgramRun result = run("report " + shellQuoted(example("belt800-trough.json")));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "[输入框] " + legPrompt108 + " -> 1100\n");
    EXPECT_EQ(result.out, joinLines(exampleReportLines));
}

// Every example runs the whole road; the lines that show what each one is there to exercise.
TEST_F(DtiiCalc, EveryExampleGivesAReportWithTheLinesItExercises) {
    struct Case {
        std::string file;
        std::string err;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"belt800-trough.json",
         "[输入框] " + legPrompt108 + " -> 1100\n",
         {"  2.头部漏斗L= 757.5                        DTⅡ03J22262      1043"}},
        {"belt800-rollers89.json",
         "[输入框] " + legPrompt89 + " -> 1300\n",
         {"  1.传动滚筒         DTⅡ03A5103Y/Z      521",
          "  6.上托辊           DTⅡ03C0111         21.5",
          "  2.头部漏斗L= 592                        DTⅡ03J22251      913",
          "  12.支腿Ⅰ                               DTⅡ03J081401      19.335",
          "  13.支腿Ⅱ                               DTⅡ03J081402      26.935",
          "  16.导料槽前段                           DTⅡ03J21111      137.4"}},
        {"belt800-steelcord.json",
         "[输入框] " + legPrompt108 + " -> 1200\n",
         {"  1.传动滚筒         DTⅡ03A6143Y/Z      1095",
          "  6.上托辊           DTⅡ03C0222         27.3",
          "  5.缓冲托辊         DTⅡ03C0822         36.4",
          "  3.中间架L6000                           DTⅡ03J07111      121.7",
          "  12.支腿Ⅰ                               DTⅡ03J081221      18.2",
          "  2.头部漏斗L= 757.5                        DTⅡ03J22262      1043"}},
        {"belt800-downhill.json",
         "[输入框] " + legPrompt108 + " -> 1000\n",
         {"  1.圆周驱动力Fu=-15466.71N", "  6.物料提升高度H=-40m",
          "  1.传动滚筒         DTⅡ03A4103Y/Z      453",
          "  2.头部漏斗L= 598                        DTⅡ03J22241      805",
          "  12.支腿Ⅰ                               DTⅡ03J081121      15.9"}},
        {"belt800-vform.json",
         "[输入框] 请输入卸料器的个数： -> 2\n[输入框] " + legPrompt108 + " -> 1225\n" +
             titleCaption + "您输入的数值不合法！\n",
         {"  1.圆周驱动力Fu= 11214.09N", "  6.上托辊           DTⅡ03C2622         27.8",
          "  5.缓冲托辊         DTⅡ03C         0",
          "  12.支腿Ⅰ                               DTⅡ03J08      0",
          "  13.支腿Ⅱ                               DTⅡ03J08      0"}},
        {"belt500-trough.json",
         "[输入框] 支腿底端距输送带支承面的高度有以下值可供选择：1000、1000~1200，请输入具体值： "
         "-> "
         "1100\n",
         {"  1.传动滚筒         DTⅡ01A4083Y/Z      264",
          "  6.上托辊           DTⅡ01C0311         15.3",
          "  2.头部漏斗L= 502.5                        DTⅡ01J22141      302",
          "  8.凹弧段中间架（R120000）L6000          DTⅡ01J07None      0",
          "  12.支腿Ⅰ                               DTⅡ01J081301      16.26"}},
        {"belt1200-trough.json",
         "[输入框] 支腿底端距输送带支承面的高度有以下值可供选择：1200、1225~1525、1500、1525~1875，"
         "请输入具体值： -> 1300\n",
         {"  1.传动滚筒         DTⅡ05A7183Y/Z      2173",
          "  5.缓冲托辊         DTⅡ05C0734         77.1",
          "  2.头部漏斗L= 689                        DTⅡ05J22272      1660",
          "  12.支腿Ⅰ                               DTⅡ05J081301      26.395"}},
    };
    for (const Case& c : cases) {
        const ProgramRun result = run("report " + shellQuoted(example(c.file)));
        EXPECT_EQ(result.status, 0) << c.file << "\n" << result.err;
        EXPECT_EQ(result.err, c.err) << c.file;
        EXPECT_EQ(result.out.rfind("一.初始条件\r\n", 0), 0u) << c.file;
        EXPECT_NE(result.out.substr(result.out.size() - 2), "\r\n") << c.file;
        for (const std::string& line : c.lines) {
            EXPECT_NE(("\r\n" + result.out + "\r\n").find("\r\n" + line + "\r\n"),
                      std::string::npos)
                << c.file << ": " << line;
        }
    }
}

// The GBK bytes of the report file, read back as UTF-8.
std::string fromGbk(const std::string& bytes) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    std::string in = bytes;
    std::string out(bytes.size() * 2 + 16, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    EXPECT_NE(converted, static_cast<std::size_t>(-1));
    out.resize(out.size() - outLeft);
    return out;
}

TEST_F(DtiiCalc, AppendAddsOneQuotedGbkRecordPerRunAndSaysWhere) {
    const fs::path reportFile = folder / "报告.txt";
    const std::string arguments = "report --append " + shellQuoted(reportFile.string()) + " " +
                                  shellQuoted(example("belt800-trough.json"));
    for (int runs = 1; runs <= 2; ++runs) {
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, joinLines(exampleReportLines));
        EXPECT_EQ(result.err, "[输入框] " + legPrompt108 + " -> 1100\n" + titleCaption +
                                  "计算结果和设备清单已经保存在如下路径： " + reportFile.string() +
                                  "\n");
        const std::string record = "\"" + joinLines(exampleReportLines) + "\"\r\n";
        std::string expected;
        for (int i = 0; i < runs; ++i) {
            expected += record;
        }
        const std::string bytes = readFile(reportFile);
        EXPECT_EQ(bytes.find("\xE2\x85\xA1"), std::string::npos) << "not UTF-8 on disk";
        EXPECT_EQ(fromGbk(bytes), expected);
    }
}

TEST_F(DtiiCalc, AppendThatCannotBeWrittenStopsAfterPrintingTheReport) {
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        fs::path reportFile;
        std::string reason;
    };
    const Case cases[] = {
        {folder / "no-such-folder" / "report.txt", "路径中的文件夹不存在。"},
        {folder, "这是一个文件夹。"},
        {"/dev/full", "这不是普通文件（设备或管道）。"},
        {pipe, "这不是普通文件（设备或管道）。"},
    };
    for (const Case& c : cases) {
        const ProgramRun result = run("report --append " + shellQuoted(c.reportFile.string()) +
                                      " " + shellQuoted(example("belt800-trough.json")));
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, joinLines(exampleReportLines));
        EXPECT_TRUE(result.err.ends_with("\n" + titleCaption + "计算结果和设备清单没有保存： " +
                                         "无法写入文件“" + c.reportFile.string() + "”：" +
                                         c.reason + "\n"))
            << result.err;
    }
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(DtiiCalc, ChecksThatStopTheCommandExitWithOneAndTheirMessage) {
    struct Case {
        std::string name;
        std::string command;
        std::string design;  // the complete example with one change
        std::string err;
    };
    const std::string example800 = readFile(example("belt800-trough.json"));
    const auto withoutEquipment = [&] {
        const std::size_t at = example800.find(",\n  \"equipment\"");
        EXPECT_NE(at, std::string::npos);
        return example800.substr(0, at) + "\n}\n";
    };
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string text = example800;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const Case cases[] = {
        {"an empty box", "calc", changed(R"("L": "100")", R"("L": "")"),
         titleCaption + "请检查您是否已经完整地输入了各项数据！\n"},
        {"an empty box, report", "report", changed(R"("L": "100")", R"("L": "")"),
         titleCaption + "请检查您是否已经完整地输入了各项数据！\n"},
        {"a drive-pulley diameter the width does not offer", "report",
         changed(R"("D": "800")", R"("D": "1000")"),
         "[消息框] 您输入的传动滚筒直径不合适，推荐选用直径：500,630,800。请重新输入！\n"},
        {"no equipment section", "report", withoutEquipment(),
         titleCaption + "请检查您是否已经完整地输入了各项数据！\n"},
        {"a lift beyond the belt length", "calc", changed(R"("H": "5")", R"("H": "-500")"),
         titleCaption + "物料提升高度H的绝对值不能大于输送机长度L，请重新输入！\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun result = run(c.command + " -", c.design);
        EXPECT_EQ(result.status, 1) << c.name << "\n" << result.err;
        EXPECT_EQ(result.out, "") << c.name;
        EXPECT_EQ(result.err, c.err) << c.name;
    }
}

TEST_F(DtiiCalc, UsageErrorsAndBadFilesExitWithTwoAndOneLine) {
    struct Case {
        std::string arguments;
        std::string input;
        std::string expected;  // part of the one error line
    };
    const Case cases[] = {
        {"", "", "缺少命令"},
        {"compute x.json", "", "未知的命令“compute”"},
        {"calc", "", "缺少设计文件"},
        {"calc a.json b.json", "", "只能给一个设计文件"},
        {"calc --append out.txt a.json", "", "未知的选项“--append”"},
        {"report --append", "", "--append 后面缺少"},
        {"report --append a.txt --append b.txt x.json", "", "--append 只能给一次"},
        {"report --fast x.json", "", "未知的选项“--fast”"},
        {"lists extra", "", "lists 不带参数"},
        {"--version extra", "", "--version 不带参数"},
        {"calc " + shellQuoted("no-such-design.json"), "", "no-such-design.json：文件不存在"},
        {"calc -", "{\"format\": ", "设计文件 （标准输入）：不是合法的 JSON"},
        {"report -", R"({"format": "dtii-conveyor-design", "version": 1, "input": {"B": true}})",
         "键“input.B”的值应为文本或数字"},
        // Endless or huge input ends at the limit; echoed texts stay on their line.
        {"calc /dev/zero", "", "设计文件 /dev/zero：文件大于 1 MiB（1048576 字节）的上限"},
        {"calc /dev/urandom", "", "设计文件 /dev/urandom：文件大于 1 MiB"},
        {"calc -", std::string((1 << 20) + 1, ' '), "设计文件 （标准输入）：文件大于 1 MiB"},
        {"calc " + shellQuoted("a\nb\x1b[2J.json"), "", "设计文件 a\\nb\\x1B[2J.json：文件不存在"},
        {"calc " + shellQuoted("--" + std::string(300, 'x')), "",
         "未知的选项“--" + std::string(198, 'x') + "…”"},
        {"calc -", std::string(100000, '['), "嵌套超过 64 层"},
        {"calc -", R"({"format": "dtii-conveyor-design", "version": 1, "input": {"a\nb": 1}})",
         "未知的键“input.a\\nb”"},
    };
    for (const Case& c : cases) {
        const ProgramRun result = run(c.arguments, c.input);
        EXPECT_EQ(result.status, 2) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
        EXPECT_NE(result.err.find(c.expected), std::string::npos) << c.arguments << "\n"
                                                                  << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST_F(DtiiCalc, HelpAndListsTellHowToWriteADesignFile) {
    const ProgramRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* part : {"calc", "report", "--append", "lists", "--version",
                             "dtii-conveyor-design", "carryingTiltAngle", "returnBearing",
                             "ploughTrippers", "legHeight", "hT", "sheet", "bom", "project"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }

    const ProgramRun version = run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "dtii-calc " DTII_PROJECT_VERSION "\n");
    EXPECT_EQ(version.err, "");

    const ProgramRun lists = run("lists");
    EXPECT_EQ(lists.status, 0);
    EXPECT_EQ(lists.err, "");
    // The lists come from the window's own load and idler-form handlers.
    for (const char* part :
         {"input.beltType", "\n  \"尼龙帆布NN-200\"\n", "\n  \"st5000\"\n", "\n  \"4.5+1.5\"\n",
          "B=800 槽形托辊：\"D=89\" \"D=108\" / \"4G204\" \"4G205\"\n",
          "B=800 平行托辊：\"D=89\" \"D=108\" / \"4G205\" \"4G305\"\n",
          "B=800 平行托辊：\"D=89\" \"D=108\" / \"4G204\" \"4G205\" \"4G305\"\n",
          "equipment.takeUpType", "\n  \"绞车拉紧\"\n"}) {
        EXPECT_NE(lists.out.find(part), std::string::npos) << part;
    }
}

TEST_F(DtiiCalc, SheetAndBomRunTheWholeRoadWithTheSameMessagesAndWriteTheirFile) {
#ifndef DTII_WITH_SHEET
    GTEST_SKIP() << "built without the sheet program dtii-calc-sheet";
#endif
    struct Case {
        const char* command;
        const char* file;
        const char* start;  // the file's first bytes
    };
    const Case cases[] = {
        {"sheet", "计算书.pdf", "%PDF-"},
        {"bom", "设备表.xlsx", "PK"},
        {"bom", "设备表.CSV", "\xEF\xBB\xBF序号"},
    };
    for (const Case& c : cases) {
        const fs::path out = folder / c.file;
        const ProgramRun result =
            run(std::string(c.command) + " " + shellQuoted(example("belt800-trough.json")) +
                " -o " + shellQuoted(out.string()));
        EXPECT_EQ(result.status, 0) << c.file << result.err;
        EXPECT_EQ(result.err, "[输入框] " + legPrompt108 + " -> 1100\n");  // as report, no more
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(readFile(out).starts_with(c.start)) << c.file;
    }
    // A check that stops the road stops the sheet too, and nothing is written.
    std::string design = readFile(example("belt800-trough.json"));
    design.replace(design.find(R"("D": "800")"), 10, R"("D": "1000")");
    const ProgramRun stopped =
        run("sheet - -o " + shellQuoted((folder / "no.pdf").string()), design);
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.err,
              "[消息框] 您输入的传动滚筒直径不合适，推荐选用直径：500,630,800。请重新输入！\n");
    EXPECT_FALSE(fs::exists(folder / "no.pdf"));
}

TEST_F(DtiiCalc, SheetAndBomWithoutAUsableOutputFileAreUsageErrors) {
    const std::string design = shellQuoted(example("belt800-trough.json"));
    struct Case {
        std::string arguments;
        const char* problem;
    };
    const Case cases[] = {
        {"sheet " + design, "缺少 -o 输出文件"},
        {"bom " + design + " -o list.txt", "设备表的输出文件应以 .xlsx 或 .csv 结尾"},
        {"sheet " + design + " -o", "-o 后面缺少输出文件的路径"},
        {"bom " + design + " -o a.csv -o b.csv", "-o 只能给一次"},
        {"report " + design + " -o a.pdf", "未知的选项“-o”"},
        {"sheet " + design + " -o sheet.txt", "计算书的输出文件应以 .pdf 结尾"},
        {"sheet " + design + " -o ''", "-o 后面的输出文件路径为空"},
        {"bom " + design + " -o ''", "-o 后面的输出文件路径为空"},
        {"calc --strict --strict " + design, "--strict 只能给一次"},
    };
    for (const Case& c : cases) {
        const ProgramRun result = run(c.arguments);
        EXPECT_EQ(result.status, 2) << c.arguments;
        EXPECT_EQ(result.err,
                  "dtii-calc：" + std::string(c.problem) + "（用法见 dtii-calc --help）\n");
    }
}

TEST_F(DtiiCalc, StrictRefusesEntriesNotReadAsTypedInEveryDesignCommand) {
    std::string design = readFile(example("belt800-trough.json"));
    struct Entry {
        const char* from;
        const char* to;
        const char* message;
    };
    const Entry entries[] = {
        {R"("Q": "500")", R"("Q": "abc")", "键“input.Q”的值“abc”开头不是数字，按 0 读取"},
        {R"("Q": "500")", R"("Q": "５００")", "键“input.Q”的值“５００”含全角数字，按 0 读取"},
        {R"("legHeight": "1100")", R"("legHeight": "1100mm")",
         "键“equipment.legHeight”的值“1100mm”数字后还有其他字符，按 1100 读取"},
    };
    std::vector<std::string> commands = {"calc", "report", "check", "sweep --vary B=800"};
#ifdef DTII_WITH_SHEET
    // These two run in the sheet program, which a build without the windows leaves out.
    commands.insert(commands.end(), {"sheet -o x.pdf", "bom -o x.csv"});
#endif
    for (const Entry& entry : entries) {
        std::string misread = design;
        misread.replace(misread.find(entry.from), std::string_view(entry.from).size(), entry.to);
        for (const std::string& command : commands) {
            const ProgramRun strict = run(command + " --strict -", misread);
            EXPECT_EQ(strict.status, 2) << command;
            EXPECT_EQ(strict.out, "");
            EXPECT_EQ(strict.err, "设计文件 （标准输入）：" + std::string(entry.message) +
                                      "（--strict 只接受按原样读取的数字）\n")
                << command;
        }
        EXPECT_EQ(run("calc -", misread).status, 0) << entry.to;  // without it, as before
    }
    EXPECT_EQ(run("report --strict -", design).out, run("report -", design).out);
    const ProgramRun swept = run("sweep --strict - --vary Q=500,5OO", design);
    EXPECT_EQ(swept.status, 2);
    EXPECT_EQ(swept.err,
              "dtii-calc：键“input.Q”的值“5OO”数字后还有其他字符，按 5 读取"
              "（--strict 只接受按原样读取的数字）\n");
}

TEST_F(DtiiCalc, AnUnwritableOutputNamesTheRealReason) {
    const ProgramRun result =
        run("bom " + shellQuoted(example("belt800-trough.json")) + " -o /proc/x.csv");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("无法写入“/proc/x.csv”：该文件夹不允许新建文件"), std::string::npos)
        << result.err;
}

}  // namespace
}  // namespace dtii
