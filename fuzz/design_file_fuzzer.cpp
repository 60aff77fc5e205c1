// libFuzzer target: any bytes as a design file on standard input of `dtii-calc report -` and of
// `dtii-calc check --json -`, so one input runs the design-file reader, the replay of the windows,
// the drive calculation, the equipment selection, the report and its GBK encoding, the design
// checks and the standard-error lines. Built with AddressSanitizer and UndefinedBehaviorSanitizer,
// any fault there is a finding.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "core/report/gbk_encoding.h"

namespace {

// The report of a design that went all the way, encoded as the report file would hold it; a
// report is always GBK text, so a refusal here is a finding too.
void encodeReport(const std::string& report) {
    if (std::holds_alternative<dtii::UnencodableCharacter>(dtii::encodeGbk(report))) {
        std::abort();
    }
}

// Runs the command on `text` as its standard input and holds it to the command's contract.
void runCommand(const std::string& text, const std::vector<std::string>& arguments) {
    std::stringbuf input(text);
    std::streambuf* const standardInput = std::cin.rdbuf(&input);
    std::cin.clear();
    std::ostringstream out;
    std::ostringstream err;
    const dtii::ExitStatus status = dtii::runCommandLine(arguments, out, err);
    std::cin.rdbuf(standardInput);

    // Every message is one line, and only a command that produced its text writes any.
    const std::string lines = err.str();
    if (lines.find('\r') != std::string::npos ||
        (status == dtii::ExitStatus::usage && lines.find('\n') + 1 != lines.size()) ||
        (status != dtii::ExitStatus::produced && !out.str().empty())) {
        std::abort();
    }
    if (status == dtii::ExitStatus::produced && arguments.front() == "report") {
        encodeReport(out.str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    runCommand(text, {"report", "-"});
    runCommand(text, {"check", "--json", "-"});
    return 0;
}
