// Argument handling and the calc and report commands of dtii-calc.
#include "cli/command_line.h"

#include <filesystem>
#include <optional>

#include "cli/check_command.h"
#include "cli/command_dialogs.h"
#include "cli/design_compute.h"
#include "cli/sweep_command.h"
#include "core/echoed_value.h"
#include "core/file/design_file.h"
#include "core/file/design_replay.h"
#include "core/report/report_file.h"
#include "core/windows/equipment_window.h"
#include "core/windows/input_window.h"
#include "core/windows/results_window.h"

namespace dtii {
namespace {

enum class Command { calc, report };

struct Invocation {
    Command command = Command::calc;
    std::string designPath;
    std::optional<std::filesystem::path> appendPath;
};

// What the arguments ask for, or the one message that says what is wrong with them.
struct ParsedArguments {
    std::optional<Invocation> invocation;
    std::string error;
};

ParsedArguments usageError(const std::string& problem) {
    return {std::nullopt, usageMessage(problem)};
}

ParsedArguments parseDesignArguments(Command command, const std::vector<std::string>& arguments) {
    Invocation invocation{command, {}, std::nullopt};
    std::optional<std::string> designPath;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--append" && command == Command::report) {
            if (invocation.appendPath) {
                return usageError("--append 只能给一次");
            }
            if (i + 1 == arguments.size()) {
                return usageError("--append 后面缺少报告文件的路径");
            }
            invocation.appendPath = arguments[++i];
        } else if (argument.size() > 1 && argument.front() == '-') {
            return usageError("未知的选项“" + echoedValue(argument) + "”");
        } else if (designPath) {
            return usageError("只能给一个设计文件，多出了“" + echoedValue(argument) + "”");
        } else {
            designPath = argument;
        }
    }
    if (!designPath) {
        return usageError("缺少设计文件（文件为 - 时从标准输入读取）");
    }
    invocation.designPath = *designPath;
    return {invocation, {}};
}

void writeText(std::ostream& out, const std::string& text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

ExitStatus runDesign(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    const DesignFileResult loaded = loadDesignFile(invocation.designPath);
    if (!loaded.design) {
        err << loaded.error << '\n';
        return ExitStatus::usage;
    }
    const DesignFile& design = *loaded.design;
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
                          std::ostream& err) {
    if (arguments.empty()) {
        err << usageError("缺少命令").error << '\n';
        return ExitStatus::usage;
    }
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        out << helpText();
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
    if (command != "calc" && command != "report") {
        err << usageError("未知的命令“" + echoedValue(command) + "”").error << '\n';
        return ExitStatus::usage;
    }
    const ParsedArguments parsed =
        parseDesignArguments(command == "calc" ? Command::calc : Command::report, arguments);
    if (!parsed.invocation) {
        err << parsed.error << '\n';
        return ExitStatus::usage;
    }
    return runDesign(*parsed.invocation, out, err);
}

}  // namespace dtii
