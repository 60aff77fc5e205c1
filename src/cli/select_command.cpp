// The select command: reads its options, runs the search and writes the best candidates as CSV
// or JSON.
#include "cli/select_command.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/design_arguments.h"
#include "cli/design_compute.h"
#include "core/echoed_value.h"
#include "core/file/csv_cells.h"
#include "core/select/design_selection.h"

namespace dtii {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view selectHeader =
    "rank,B,V,beltType,plies,Fu,Pm,ratedMotor,T1,safetyFactor,fillRatio,message\r\n";
constexpr std::size_t largestTop = 1'000'000;

struct SelectArguments {
    std::string designPath;
    std::optional<std::string> top;
    std::optional<std::string> maxSpeed;
    bool json = false;
    bool strict = false;
    SelectionOptions options;
};

// A whole number from 1 to largestTop, or nothing.
std::optional<std::size_t> readTop(const std::string& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 ||
        value > largestTop) {
        return std::nullopt;
    }
    return value;
}

// A speed at least the lowest standard speed, or nothing.
std::optional<double> readMaxSpeed(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() ||
        !(value >= standardBeltSpeeds.front() && value <= 1000)) {
        return std::nullopt;
    }
    return value;
}

// The problem with the option values; "" when they read.
std::string readOptionValues(SelectArguments& parsed) {
    if (parsed.top) {
        const std::optional<std::size_t> top = readTop(*parsed.top);
        if (!top) {
            return "--top 应为 1 到 " + std::to_string(largestTop) + " 的整数，而不是“" +
                   echoedValue(*parsed.top) + "”";
        }
        parsed.options.top = *top;
    }
    if (parsed.maxSpeed) {
        const std::optional<double> speed = readMaxSpeed(*parsed.maxSpeed);
        if (!speed) {
            return "--max-speed 应为不小于 0.8 的带速（米/秒），而不是“" +
                   echoedValue(*parsed.maxSpeed) + "”";
        }
        parsed.options.maxSpeed = *speed;
    }
    return {};
}

std::optional<SelectArguments> parseSelectArguments(const std::vector<std::string>& arguments,
                                                    std::ostream& err) {
    SelectArguments parsed;
    const auto once = [](std::optional<std::string>& value, const std::string& option,
                         const NextArgument& next) -> std::string {
        if (value) {
            return option + " 只能给一次";
        }
        value = next();
        return value ? "" : option + " 后面缺少值";
    };
    const DesignArguments read = readDesignArguments(
        arguments,
        [&](const std::string& option, const NextArgument& next) -> std::optional<std::string> {
            if (option == "--top") {
                return once(parsed.top, option, next);
            }
            if (option == "--max-speed") {
                return once(parsed.maxSpeed, option, next);
            }
            if (option == "--json") {
                const bool repeated = parsed.json;
                parsed.json = true;
                return repeated ? "--json 只能给一次" : "";
            }
            return std::nullopt;
        });
    std::string problem = read.problem;
    if (problem.empty()) {
        problem = readOptionValues(parsed);
    }
    if (!problem.empty()) {
        err << usageMessage(problem) << '\n';
        return std::nullopt;
    }
    parsed.designPath = read.designPath;
    parsed.strict = read.strict;
    return parsed;
}

std::string selectionCsv(const std::vector<SelectedDesign>& best) {
    std::string csv(selectHeader);
    std::size_t rank = 0;
    for (const SelectedDesign& d : best) {
        csv += std::to_string(++rank);
        for (const double value : {d.width, d.speed}) {
            csv += ',';
            appendCsvNumber(csv, value);
        }
        for (const std::string& text : {d.beltType, d.plies}) {
            csv += ',';
            appendCsvCell(csv, text);
        }
        for (const double value : {d.Fu, d.Pm, d.ratedMotor, d.T1, d.safetyFactor, d.fillRatio}) {
            csv += ',';
            appendCsvNumber(csv, value);
        }
        csv += ",\r\n";  // the message: none for a design that passed
    }
    return csv;
}

std::string selectionJson(const std::vector<SelectedDesign>& best) {
    Json rows = Json::array();
    std::size_t rank = 0;
    for (const SelectedDesign& d : best) {
        rows.push_back(Json{{"rank", ++rank},
                            {"B", static_cast<int>(d.width)},
                            {"V", d.speed},
                            {"beltType", d.beltType},
                            {"plies", d.plies},
                            {"Fu", d.Fu},
                            {"Pm", d.Pm},
                            {"ratedMotor", d.ratedMotor},
                            {"T1", d.T1},
                            {"safetyFactor", d.safetyFactor},
                            {"fillRatio", d.fillRatio},
                            {"message", ""}});
    }
    return rows.dump(2) + "\n";
}

}  // namespace

ExitStatus runSelectCommand(const std::vector<std::string>& arguments, std::ostream& out,
                            std::ostream& err) {
    const std::optional<SelectArguments> parsed = parseSelectArguments(arguments, err);
    if (!parsed) {
        return ExitStatus::usage;
    }
    const std::optional<DesignFile> loaded =
        loadCommandDesign(parsed->designPath, parsed->strict, err);
    if (!loaded) {
        return ExitStatus::usage;
    }
    const SelectionResult result = selectDesigns(*loaded, parsed->options);
    if (result.best.empty()) {
        err << "dtii-calc：" << noPassingDesignMessage(result) << '\n';
        return ExitStatus::stopped;
    }
    const std::string text = parsed->json ? selectionJson(result.best) : selectionCsv(result.best);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return ExitStatus::produced;
}

}  // namespace dtii
