// dtii-calc select in-process: the list against check of the same design, the bounds of its
// options, and the exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/command_line.h"

namespace dtii {
namespace {

struct CommandRun {
    ExitStatus status;
    std::string out;
    std::string err;
};

CommandRun runCalc(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const ExitStatus status = runCommandLine(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string exampleFile(const std::string& name) {
    return std::string(DTII_EXAMPLES_DIR) + "/" + name;
}

// The example with some input texts replaced, written to a temporary file.
std::string exampleWith(const std::string& name, const nlohmann::json& input) {
    std::ifstream in(exampleFile(name), std::ios::binary);
    nlohmann::ordered_json design = nlohmann::ordered_json::parse(in);
    for (const auto& [key, value] : input.items()) {
        design["input"][key] = value;
    }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("dtii-select-" + std::to_string(std::hash<std::string>{}(design.dump())) + ".json");
    std::ofstream(path, std::ios::binary) << design.dump();
    return path.string();
}

std::vector<std::vector<std::string>> csvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.back(), '\r');
        line.pop_back();
        std::vector<std::string> cells{""};
        for (const char c : line) {
            if (c == ',') {
                cells.emplace_back();
            } else {
                cells.back().push_back(c);
            }
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST(SelectCommand, FirstRowIsWhatCheckGivesForTheDesignWithItsValues) {
    // The design's own four entries are unusable: they are replaced.
    const std::string design = exampleWith(
        "belt800-trough.json", {{"B", "123"}, {"V", ""}, {"beltType", "none"}, {"plies", "x"}});
    const CommandRun run = runCalc({"select", design, "--top", "3"});
    ASSERT_EQ(run.status, ExitStatus::produced) << run.err;
    EXPECT_EQ(run.err, "");
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "rank,B,V,beltType,plies,Fu,Pm,ratedMotor,T1,safetyFactor,fillRatio,message\r");
    const std::vector<std::string>& first = rows[1];
    ASSERT_EQ(first.size(), 12u);
    EXPECT_EQ(first[0], "1");
    EXPECT_EQ(first[11], "");

    const CommandRun check = runCalc(
        {"check", "--json",
         exampleWith(
             "belt800-trough.json",
             {{"B", first[1]}, {"V", first[2]}, {"beltType", first[3]}, {"plies", first[4]}})});
    ASSERT_EQ(check.status, ExitStatus::produced) << check.err;
    const nlohmann::json json = nlohmann::json::parse(check.out);
    const nlohmann::json& checks = json["checks"];
    const std::pair<std::string, nlohmann::json> expected[] = {
        {first[5], json["results"]["Fu"]},
        {first[6], json["results"]["Pm"]},
        {first[7], checks["motor"]["rated"]},
        {first[8], json["results"]["T1"]},
        {first[9], checks["beltStrength"]["safetyFactor"]},
        {first[10], checks["capacity"]["fillRatio"]},
    };
    for (const auto& [cell, value] : expected) {
        EXPECT_EQ(std::stod(cell), value.get<double>()) << cell;
    }
    EXPECT_TRUE(checks["beltStrength"]["ok"].get<bool>() && checks["capacity"]["ok"].get<bool>());

    // The same list as JSON.
    const CommandRun asJson = runCalc({"select", "--json", design, "--top", "3"});
    const nlohmann::json list = nlohmann::json::parse(asJson.out);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]["beltType"], first[3]);
    EXPECT_EQ(list[0]["T1"].get<double>(), json["results"]["T1"].get<double>());
}

TEST(SelectCommand, KnownBestDesignOfTheNarrowExample) {
    // 500 mm is the narrowest width; 2 m/s is the lowest speed that carries 150 t/h on it, and
    // three plies of cotton the weakest belt that holds the tension.
    const CommandRun run = runCalc({"select", exampleFile("belt500-trough.json"), "--top", "1"});
    ASSERT_EQ(run.status, ExitStatus::produced) << run.err;
    const auto rows = csvRows(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(rows[1].begin(), rows[1].begin() + 5),
              (std::vector<std::string>{"1", "500", "2", "棉帆布CC-56", "3"}));
}

TEST(SelectCommand, MaxSpeedBoundsTheSpeedsAndBadOptionsAreUsageErrors) {
    const std::string design = exampleFile("belt800-trough.json");
    const struct {
        std::vector<std::string> options;
        ExitStatus status;
        double fastest;  // the speed no row may pass
    } cases[] = {
        {{"--max-speed", "3.15", "--top", "100000"}, ExitStatus::produced, 3.15},
        {{"--max-speed", "3.1", "--top", "100000"}, ExitStatus::produced, 2.5},
        {{"--max-speed", "0.8"}, ExitStatus::stopped, 0},
        {{"--max-speed", "0.7"}, ExitStatus::usage, 0},
        {{"--max-speed", "2x"}, ExitStatus::usage, 0},
        {{"--top", "0"}, ExitStatus::usage, 0},
        {{"--top", "2", "--top", "3"}, ExitStatus::usage, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"select", design};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(c.options.front() + " " + c.options.back());
        const CommandRun run = runCalc(arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.status != ExitStatus::produced) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_EQ(run.out, "");
            continue;
        }
        const auto rows = csvRows(run.out);
        double fastest = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            fastest = std::max(fastest, std::stod(rows[i][2]));
        }
        EXPECT_EQ(fastest, c.fastest);
    }
}

TEST(SelectCommand, NoPassingDesignExitsWithOneMessageNamingTheCheck) {
    const CommandRun run = runCalc({"select", exampleWith("belt800-trough.json", {{"Q", "5000"}})});
    EXPECT_EQ(run.status, ExitStatus::stopped);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "dtii-calc：没有通过全部校核的方案（共计算 8208 个方案）：未通过最多的是"
              "“输送能力”校核（4104 个方案）\n");
    EXPECT_EQ(runCalc({"select", exampleFile("missing.json")}).status, ExitStatus::usage);
}

}  // namespace
}  // namespace dtii
