// Argument handling and the calc and report commands of dtii-calc.
#include "cli/command_line.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>

#include "cli/check_command.h"
#include "cli/command_dialogs.h"
#include "cli/companion.h"
#include "cli/design_arguments.h"
#include "cli/design_compute.h"
#include "cli/sweep_command.h"
#include "core/checks/check_parameters.h"
#include "core/echoed_value.h"
#include "core/file/design_file.h"
#include "core/file/design_replay.h"
#include "core/file/whole_file.h"
#include "core/program_version.h"
#include "core/report/report_file.h"
#include "core/system/path_text.h"
#include "core/windows/equipment_window.h"
#include "core/windows/input_window.h"
#include "core/windows/results_window.h"

namespace dtii {
namespace {

enum class Command { calc, report, sheet, bom };

struct CommandName {
    std::string_view name;
    Command command;
};

constexpr CommandName designCommands[] = {
    {"calc", Command::calc},
    {"report", Command::report},
    {"sheet", Command::sheet},
    {"bom", Command::bom},
};

enum class OutputType { pdf, csv, xlsx };

struct Invocation {
    Command command = Command::calc;
    std::string designPath;
    bool strict = false;
    std::optional<std::filesystem::path> appendPath;
    std::optional<std::filesystem::path> outputPath;  // sheet and bom
};

bool endsWithNoCase(const std::string& text, std::string_view ending) {
    if (text.size() < ending.size()) {
        return false;
    }
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = text[text.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != ending[i]) {
            return false;
        }
    }
    return true;
}

// The file type bom writes, chosen by the output file's ending.
std::optional<OutputType> workbookType(const std::filesystem::path& path) {
    const std::string name = pathText(path.filename());
    if (endsWithNoCase(name, ".csv")) {
        return OutputType::csv;
    }
    if (endsWithNoCase(name, ".xlsx")) {
        return OutputType::xlsx;
    }
    return std::nullopt;
}

// What the arguments ask for, or the one message that says what is wrong with them.
struct ParsedArguments {
    std::optional<Invocation> invocation;
    std::string error;
};

ParsedArguments usageError(const std::string& problem) {
    return {std::nullopt, usageMessage(problem)};
}

// An option that takes one value and may be given once: "" when read, else the problem.
std::string readOnce(std::optional<std::string>& value, const std::string& option,
                     const NextArgument& next, std::string_view missingValue) {
    if (value) {
        return option + " 只能给一次";
    }
    value = next();
    return value ? std::string() : option + " 后面缺少" + std::string(missingValue);
}

ParsedArguments parseDesignArguments(Command command, const std::vector<std::string>& arguments) {
    Invocation invocation{command, {}, false, std::nullopt, std::nullopt};
    std::optional<std::string> appendPath;
    std::optional<std::string> outputPath;
    const bool writesFile = command == Command::sheet || command == Command::bom;
    const DesignArguments read = readDesignArguments(
        arguments,
        [&](const std::string& option, const NextArgument& next) -> std::optional<std::string> {
            if (option == "--append" && command == Command::report) {
                return readOnce(appendPath, option, next, "报告文件的路径");
            }
            if (option == "-o" && writesFile) {
                return readOnce(outputPath, option, next, "输出文件的路径");
            }
            return std::nullopt;
        });
    if (!read.problem.empty()) {
        return usageError(read.problem);
    }
    if (appendPath) {
        invocation.appendPath = pathFromUtf8(*appendPath);
    }
    if (outputPath) {
        invocation.outputPath = pathFromUtf8(*outputPath);
    }
    const std::string designPath = read.designPath;
    if ((command == Command::sheet || command == Command::bom) && !invocation.outputPath) {
        return usageError("缺少 -o 输出文件");
    }
    if (invocation.outputPath && invocation.outputPath->empty()) {
        return usageError("-o 后面的输出文件路径为空");
    }
    if (command == Command::sheet &&
        !endsWithNoCase(pathText(invocation.outputPath->filename()), ".pdf")) {
        return usageError("计算书的输出文件应以 .pdf 结尾");
    }
    if (command == Command::bom && !workbookType(*invocation.outputPath)) {
        return usageError("设备表的输出文件应以 .xlsx 或 .csv 结尾");
    }
    invocation.designPath = designPath;
    invocation.strict = read.strict;
    return {invocation, {}};
}

void writeText(std::ostream& out, const std::string& text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// The checks of the computed design as the sheet lists them, with the drive-pulley diameter the
// equipment window confirmed. Check parameters were read when the file was.
std::vector<CheckRow> sheetChecks(const DesignFile& design, const InputWindow& window,
                                  const ConveyorDesign& record,
                                  const EquipmentWindowValues& values) {
    const CheckParameters parameters = usableCheckParameters(design.checks);
    return checkRows(runDesignChecks(record, window.lists[InputList::beltType].text, parameters,
                                     enteredPulleyDiameter(values.D)));
}

// Writes the sheet or the equipment list of a design that went the whole road.
ExitStatus writeOutputFile(const Invocation& invocation, const SheetSource& source,
                           const OutputWriters& writers, std::ostream& err) {
    const std::filesystem::path& path = *invocation.outputPath;
    std::optional<std::string> failure;
    if (invocation.command == Command::sheet) {
        failure = writers.sheetPdf(source, path);
    } else if (workbookType(path) == OutputType::csv) {
        failure = writeFileWhole(path, equipmentListCsv(equipmentListRows(source.selection)));
    } else {
        failure = writers.equipmentXlsx(equipmentListRows(source.selection), path);
    }
    if (failure) {
        err << "dtii-calc：" << *failure << '\n';
        return ExitStatus::stopped;
    }
    return ExitStatus::produced;
}

ExitStatus runDesign(const Invocation& invocation, std::ostream& out, std::ostream& err,
                     const OutputWriters& writers) {
    const std::optional<DesignFile> loaded =
        loadCommandDesign(invocation.designPath, invocation.strict, err);
    if (!loaded) {
        return ExitStatus::usage;
    }
    const DesignFile& design = *loaded;
    CommandDialogs dialogs(err);
    InputWindow window;
    ConveyorDesign record;
    if (!computeDesign(design, window, record, dialogs)) {
        return ExitStatus::stopped;
    }
    if (invocation.command == Command::calc) {
        writeText(out, record.shared.resultsText);
        return ExitStatus::produced;
    }

    // The results window's question is the command's to answer: yes, make the equipment list.
    askForEquipmentList(dialogs);
    EquipmentWindow equipmentWindow;
    loadEquipmentWindow(equipmentWindow);
    const EquipmentEntries entries = design.equipment.value_or(EquipmentEntries{});
    replayEquipmentWindow(entries, equipmentWindow);
    EquipmentWindowValues values;
    dialogs.answerNextInput(entries.legHeight);
    const ConfirmResult confirmed = confirmEquipment(equipmentWindow, record, values, dialogs);
    if (confirmed.outcome == SelectionOutcome::stopped) {
        return ExitStatus::stopped;
    }
    if (invocation.outputPath) {
        return writeOutputFile(
            invocation,
            {design, record, confirmed.selection, sheetChecks(design, window, record, values),
             dialogs.shownMessages()},
            writers, err);
    }
    writeText(out, confirmed.reportText);
    out.flush();
    if (invocation.appendPath && reportWindowClosing(confirmed.reportText, *invocation.appendPath,
                                                     dialogs) == ReportWindowClose::keepOpen) {
        return ExitStatus::stopped;  // not saved; the reason is on standard error
    }
    return ExitStatus::produced;
}

}  // namespace

std::string usageMessage(const std::string& problem) {
    return "dtii-calc：" + problem + "（用法见 dtii-calc --help）";
}

ExitStatus runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const OutputWriters& writers) {
    if (arguments.empty()) {
        err << usageError("缺少命令").error << '\n';
        return ExitStatus::usage;
    }
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        out << helpText();
        return ExitStatus::produced;
    }
    if (command == "--version") {
        if (arguments.size() > 1) {
            err << usageError("--version 不带参数").error << '\n';
            return ExitStatus::usage;
        }
        out << "dtii-calc " << programVersion << '\n';
        return ExitStatus::produced;
    }
    if (command == "lists") {
        if (arguments.size() > 1) {
            err << usageError("lists 不带参数").error << '\n';
            return ExitStatus::usage;
        }
        out << listsText();
        return ExitStatus::produced;
    }
    if (command == "check") {
        return runCheckCommand(arguments, out, err);
    }
    if (command == "sweep") {
        return runSweepCommand(arguments, out, err);
    }
    const auto known =
        std::find_if(std::begin(designCommands), std::end(designCommands),
                     [&command](const CommandName& entry) { return entry.name == command; });
    if (known == std::end(designCommands)) {
        err << usageError("未知的命令“" + echoedValue(command) + "”").error << '\n';
        return ExitStatus::usage;
    }
    const ParsedArguments parsed = parseDesignArguments(known->command, arguments);
    if (!parsed.invocation) {
        err << parsed.error << '\n';
        return ExitStatus::usage;
    }
    const Invocation& invocation = *parsed.invocation;
    const bool needsCompanion =
        (invocation.command == Command::sheet && !writers.sheetPdf) ||
        (invocation.command == Command::bom &&
         workbookType(*invocation.outputPath) == OutputType::xlsx && !writers.equipmentXlsx);
    if (needsCompanion) {
        return static_cast<ExitStatus>(runCompanion(arguments, err));
    }
    return runDesign(invocation, out, err, writers);
}

}  // namespace dtii
