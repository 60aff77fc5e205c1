// dtii-calc check and sweep in-process: what reaches standard output and standard error, and the
// exit status, for the example designs and for arguments and files they refuse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_dialogs.h"
#include "cli/command_line.h"
#include "cli/design_compute.h"

namespace dtii {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
    ExitStatus status;
    std::string out;
    std::string err;
};

CommandRun dtiiCalc(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const ExitStatus status = runCommandLine(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string example(const std::string& name) {
    return std::string(DTII_EXAMPLES_DIR) + "/" + name;
}

// The example with one text replaced, written to a temporary file.
std::string changedExample(const std::string& name, const std::string& from,
                           const std::string& to) {
    std::ifstream in(example(name), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    text.replace(text.find(from), from.size(), to);
    const fs::path path =
        fs::temp_directory_path() /
        ("dtii-check-" + std::to_string(std::hash<std::string>{}(from + to)) + ".json");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(CheckCommand, PrintsOneLinePerCheckWithItsVerdict) {
    const CommandRun run = dtiiCalc({"check", example("belt800-trough.json")});
    EXPECT_EQ(run.status, ExitStatus::produced);
    EXPECT_EQ(run.err, "");
    const std::string& out = run.out;
    EXPECT_EQ(out.rfind("输送带强度：安全系数 39.78", 0), 0u) << out;
    EXPECT_NE(out.find("填充率 100.8%；输送量 500.0 t/h 不超过最大输送量；不合格；"), out.npos);
    EXPECT_NE(out.find("\r\n电动机：所需功率 21.67 kW；选用 22 kW 标准电动机；合格\r\n"), out.npos);
    EXPECT_NE(out.find("\r\n减速器速比：速比 31.42；"), out.npos);
    EXPECT_NE(out.find("\r\n拉紧行程：3.60 m（伸长率 0.02 + 0.001，余量 1.50 m）；"
                       "GB 50431；垂直重锤拉紧；合格\r\n"),
              out.npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 8);
    EXPECT_NE(out.back(), '\n');
}

TEST(CheckCommand, JsonHoldsTheExactDoublesAndNullsWhereACheckHasNothing) {
    const std::string withoutD =
        changedExample("belt800-steelcord.json", R"("D": "800")", R"("D": "")");
    const CommandRun run = dtiiCalc({"check", "--json", withoutD});
    ASSERT_EQ(run.status, ExitStatus::produced) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);

    ConveyorDesign record;
    InputWindow window;
    std::ostringstream lines;
    CommandDialogs dialogs(lines);
    ASSERT_TRUE(computeDesign(*loadDesignFile(withoutD).design, window, record, dialogs));
    EXPECT_EQ(json["results"]["T1"].get<double>(), record.shared.T1);
    EXPECT_EQ(json["results"]["qRU"].get<double>(), record.input.qRU);
    EXPECT_EQ(json["checks"]["beltStrength"]["maxTension"].get<double>(), record.shared.T1);
    EXPECT_TRUE(json["checks"]["beltStrength"]["minPlies"].is_null());
    EXPECT_EQ(json["checks"]["beltStrength"]["minSteelCord"], "st630");
    EXPECT_EQ(json["checks"]["motor"]["rated"], 110.0);
    EXPECT_EQ(json["checks"]["motor"]["generating"], false);
    EXPECT_TRUE(json["checks"]["reducer"].is_null());
    // The later checks follow the earlier ones, each with its nulls.
    const nlohmann::ordered_json checks = nlohmann::ordered_json::parse(run.out)["checks"];
    std::vector<std::string> keys;
    for (const auto& [key, value] : checks.items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"beltStrength", "capacity", "motor", "reducer", "takeUp",
                                        "starting", "holdback", "takeUpTravel", "idlers"}));
    EXPECT_EQ(checks["starting"]["peakTension"].get<double>(),
              record.shared.T1 + record.working.FA - record.shared.Fu);
    EXPECT_EQ(checks["holdback"]["device"], "holdback");
    EXPECT_TRUE(checks["holdback"]["torque"].is_null());  // no D
    EXPECT_EQ(checks["takeUpTravel"]["elongation"], 0.002);
    EXPECT_EQ(checks["takeUpTravel"]["ok"], true);
    EXPECT_EQ(checks["idlers"]["return"]["bearing"], "6205");
    EXPECT_EQ(checks["idlers"]["carrying"]["rating"], 14000.0);
    fs::remove(withoutD);
}

TEST(CheckCommand, RefusesAsCalcDoesAndNamesABadParameter) {
    const std::string stopped = changedExample("belt800-trough.json", R"("V": "2")", R"("V": "0")");
    const CommandRun calc = dtiiCalc({"calc", stopped});
    const CommandRun check = dtiiCalc({"check", "--json", stopped});
    EXPECT_EQ(check.status, ExitStatus::stopped);
    EXPECT_EQ(check.err, calc.err);
    EXPECT_EQ(check.out, "");
    fs::remove(stopped);

    const std::string badAngle =
        changedExample("belt800-trough.json", R"("equipment": {)",
                       R"("checks": {"surchargeAngle": "60"}, "equipment": {)");
    const CommandRun refused = dtiiCalc({"check", badAngle});
    EXPECT_EQ(refused.status, ExitStatus::usage);
    EXPECT_NE(refused.err.find("键“checks.surchargeAngle”的值应大于 0 度"), std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.out, "");
    fs::remove(badAngle);
}

TEST(SweepCommand, WritesTheHeaderAndOneRowPerVariantWithoutBoxLines) {
    const CommandRun run = dtiiCalc(
        {"sweep", example("belt800-vform.json"), "--vary", "B=800,1000", "--vary", "V=1:2:0.5"});
    EXPECT_EQ(run.status, ExitStatus::produced);
    EXPECT_EQ(run.err, "");  // the plough-tripper box is answered silently
    EXPECT_EQ(run.out.rfind("B,V,status,", 0), 0u);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 7);
    EXPECT_NE(run.out.find("\r\n1000,2,"), std::string::npos) << run.out;
}

TEST(UsageErrors, ExitWithStatusTwoAndOneMessage) {
    const std::string file = example("belt800-trough.json");
    const std::vector<std::vector<std::string>> cases = {
        {"check"},
        {"check", "--jsn", file},
        {"check", file, file},
        {"sweep", file},
        {"sweep", "--vary", "B=800"},
        {"sweep", file, "--vary"},
        {"sweep", file, "--vary", "=800"},
        {"sweep", file, "--vary", "width=800"},
        {"sweep", file, "--vary", "V=1:2"},
        {"sweep", file, "--vary", "V=3:1:1"},
        {"sweep", file, "--vary", "L=1:4000:1", "--vary", "V=1:4000:1"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        const CommandRun run = dtiiCalc(arguments);
        EXPECT_EQ(run.status, ExitStatus::usage) << arguments.back();
        EXPECT_EQ(run.out, "") << arguments.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// Started from the file manager with no arguments: the help, then a prompt that waits for one
// line only.
TEST(OwnConsole, TheHelpStaysUntilEnter) {
    std::ostringstream out;
    std::istringstream in("\nleft for later\n");
    EXPECT_EQ(showHelpUntilEnter(out, in), ExitStatus::produced);
    EXPECT_TRUE(out.str().starts_with(helpText())) << out.str();
    EXPECT_TRUE(out.str().ends_with("按回车键关闭此窗口。")) << out.str();
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "left for later");
}

}  // namespace
}  // namespace dtii
