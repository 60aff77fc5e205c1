// The tables and constants the manual states are the ones the calculation and the checks use: each
// table of the manual's chapters is read back and compared with the code's table, row by row.
#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/calc/resistance_tables.h"
#include "core/checks/check_tables.h"
#include "core/design/roller_tables.h"
#include "core/design/selection_lists.h"

namespace dtii {
namespace {

using Row = std::vector<std::string>;

// Every table row of a chapter ("| a | b |"), by the "## " heading it stands under; the line of
// dashes under a table's head is left out.
std::map<std::string, std::vector<Row>> tablesOf(const std::string& chapter) {
    std::ifstream in(std::string(DTII_MANUAL_DIR) + "/" + chapter, std::ios::binary);
    std::map<std::string, std::vector<Row>> tables;
    std::string heading;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## ")) {
            heading = line.substr(3);
        }
        if (!line.starts_with("|") || line.starts_with("|---")) {
            continue;
        }
        Row row;
        std::istringstream cells(line.substr(1));
        for (std::string cell; std::getline(cells, cell, '|');) {
            const std::size_t first = cell.find_first_not_of(' ');
            row.push_back(first == std::string::npos
                              ? ""
                              : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
        }
        tables[heading].push_back(row);
    }
    return tables;
}

double number(const std::string& cell) {
    double value = -1;
    std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return value;
}

// The numbers after the first cell of the row that begins with `first`; empty when none does.
std::vector<double> numbersIn(const std::vector<Row>& table, const std::string& first) {
    std::vector<double> values;
    for (const Row& row : table) {
        for (std::size_t cell = 1; !row.empty() && row.front() == first && cell < row.size();
             ++cell) {
            values.push_back(number(row[cell]));
        }
    }
    return values;
}

const std::map<std::string, std::vector<Row>> method = tablesOf("06-calculation-method.md");

TEST(ManualTables, listedItemsCarryTheCoefficientsOfTheCode) {
    const auto& conditions = method.at("工作条件与模拟摩擦系数 f");
    for (const WorkingCondition& item : workingConditions) {
        EXPECT_EQ(numbersIn(conditions, std::string(item.text)),
                  std::vector<double>{item.frictionFactor})
            << item.text;
    }
    const auto& friction = method.at("传动滚筒与输送带间的摩擦系数 μ");
    for (std::size_t surface = 0; surface < drumSurfaces.size(); ++surface) {
        EXPECT_EQ(friction.front().at(surface + 1), drumSurfaces[surface].text);
    }
    for (std::size_t running = 0; running < runningConditions.size(); ++running) {
        const std::array<double, 4>& codeRow = driveFrictionTable[running];
        EXPECT_EQ(numbersIn(friction, std::string(runningConditions[running].text)),
                  std::vector<double>(codeRow.begin(), codeRow.end()));
    }
    const auto& belts = method.at("输送带的质量");
    for (const BeltType& belt : beltTypes) {
        const std::vector<double> expected =
            belt.kind == BeltKind::steelCord ? std::vector<double>{belt.steelCordMass}
                                             : std::vector<double>{belt.plyMass, belt.coverMass};
        EXPECT_EQ(numbersIn(belts, std::string(belt.text)), expected) << belt.text;
    }
}

TEST(ManualTables, widthAndLengthTablesGiveTheCodesValues) {
    const auto& skirts = method.at("导料槽宽度 b1");
    EXPECT_EQ(skirts.size(), calculableBeltWidths().size() + 1);
    for (const std::int16_t B : calculableBeltWidths()) {
        EXPECT_EQ(numbersIn(skirts, std::to_string(B)), std::vector<double>{*skirtWidth(B)});
    }
    const auto& rollers = method.at("辊子长度");
    EXPECT_EQ(rollers.size(), rollerListWidths().size() + 1);
    for (const std::int16_t B : rollerListWidths()) {
        const std::vector<double> expected{static_cast<double>(*rollerLength(B, troughIdler)),
                                           static_cast<double>(*rollerLength(B, vIdler)),
                                           static_cast<double>(*rollerLength(B, flatIdler))};
        EXPECT_EQ(numbersIn(rollers, std::to_string(B)), expected) << B;
    }
    const auto& factors = method.at("附加阻力系数 C");
    for (std::size_t row = 1; row < factors.size(); ++row) {
        const double L = number(factors[row].at(0));
        EXPECT_DOUBLE_EQ(number(factors[row].at(1)), *secondaryResistanceFactor(L)) << L;
    }
    EXPECT_GE(factors.size(), 18u);
}

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    return std::string(buffer.data(),
                       std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

TEST(ManualTables, theChecksChapterListsTheMotorsAndSteelCordsOfTheCode) {
    std::ifstream in(std::string(DTII_MANUAL_DIR) + "/07-design-checks.md", std::ios::binary);
    const std::string chapter{std::istreambuf_iterator<char>(in), {}};
    std::string motors;
    for (const double power : standardMotorPowers) {
        motors += (motors.empty() ? "" : " ") + shortest(power);
    }
    std::string grades;
    for (const SteelCordGrade& grade : steelCordGrades) {
        grades += (grades.empty() ? "" : "、") + std::string(grade.text);
    }
    EXPECT_NE(chapter.find(motors), std::string::npos) << motors;
    EXPECT_NE(chapter.find(grades), std::string::npos) << grades;
}

}  // namespace
}  // namespace dtii
