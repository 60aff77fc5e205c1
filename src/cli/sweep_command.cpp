// The sweep command: reads the varied keys, then streams one CSV row per variant.
#include "cli/sweep_command.h"

#include <algorithm>
#include <optional>

#include "cli/design_arguments.h"
#include "cli/design_compute.h"
#include "core/echoed_value.h"
#include "core/file/design_file.h"
#include "core/file/design_sweep.h"
#include "core/file/entry_reading.h"
#include "core/file/sweep_values.h"

namespace dtii {
namespace {

struct SweepArguments {
    std::string designPath;
    bool strict = false;
    std::vector<SweepAxis> axes;
};

// "KEY=VALUES" as an axis, or the problem with it.
std::string readAxis(const std::string& argument, std::vector<SweepAxis>& axes) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) {
        return "--vary 的参数应为 键=值，而不是“" + echoedValue(argument) + "”";
    }
    const std::string key = argument.substr(0, equals);
    SweepValuesResult values = sweepValues(std::string_view(argument).substr(equals + 1));
    if (!values.error.empty()) {
        return "键“" + echoedValue(key) + "”：" + values.error;
    }
    axes.push_back({key, std::move(values.values)});
    return {};
}

std::optional<SweepArguments> parseSweepArguments(const std::vector<std::string>& arguments,
                                                  std::ostream& err) {
    SweepArguments parsed;
    const DesignArguments read = readDesignArguments(
        arguments, [&parsed](const std::string& option, const NextArgument& next) {
            std::optional<std::string> problem;
            if (option == "--vary") {
                const std::optional<std::string> axis = next();
                problem = axis ? readAxis(*axis, parsed.axes) : "--vary 后面缺少 键=值";
            }
            return problem;
        });
    std::string problem = read.problem;
    if (problem.empty() && parsed.axes.empty()) {
        problem = "至少要给一个 --vary 键=值";
    }
    if (!problem.empty()) {
        err << usageMessage(problem) << '\n';
        return std::nullopt;
    }
    parsed.designPath = read.designPath;
    parsed.strict = read.strict;
    return parsed;
}

// Under --strict the values given for an entry box must read as typed too.
std::string strictValueProblem(const std::vector<SweepAxis>& axes) {
    for (const SweepAxis& axis : axes) {
        const bool isBox = std::ranges::any_of(
            inputBoxKeys, [&axis](const DesignKey<InputBox>& box) { return box.key == axis.key; });
        for (const std::string& value : isBox ? axis.values : std::vector<std::string>{}) {
            if (const std::optional<EntryMisreading> reading = entryMisreading(value)) {
                return misreadEntryText({"input." + axis.key, value, *reading}) +
                       "（--strict 只接受按原样读取的数字）";
            }
        }
    }
    return {};
}

}  // namespace

ExitStatus runSweepCommand(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
    std::optional<SweepArguments> parsed = parseSweepArguments(arguments, err);
    if (!parsed) {
        return ExitStatus::usage;
    }
    if (const std::string problem = parsed->strict ? strictValueProblem(parsed->axes) : "";
        !problem.empty()) {
        err << "dtii-calc：" << problem << '\n';
        return ExitStatus::usage;
    }
    const std::optional<DesignFile> loaded =
        loadCommandDesign(parsed->designPath, parsed->strict, err);
    if (!loaded) {
        return ExitStatus::usage;
    }
    DesignSweep sweep(*loaded, std::move(parsed->axes));
    if (!sweep.error().empty()) {
        err << usageMessage(sweep.error()) << '\n';
        return ExitStatus::usage;
    }
    if (sweep.variantCount() > largestSweep) {
        err << usageMessage("变体超过 " + std::to_string(largestSweep) + " 个") << '\n';
        return ExitStatus::usage;
    }
    // Whole rows only reach the output, in large pieces.
    constexpr std::size_t flushSize = 1 << 18;
    std::string csv = sweep.header();
    csv.reserve(flushSize + 4096);
    while (sweep.appendNextRow(csv)) {
        if (csv.size() >= flushSize) {
            out.write(csv.data(), static_cast<std::streamsize>(csv.size()));
            csv.clear();
        }
    }
    out.write(csv.data(), static_cast<std::streamsize>(csv.size()));
    return ExitStatus::produced;
}

}  // namespace dtii
