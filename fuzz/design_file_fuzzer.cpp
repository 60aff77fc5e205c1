// libFuzzer target: any bytes as a design file on standard input of `dtii-calc report -`, so
// one input runs the design-file reader, the replay of the windows, the drive calculation, the
// equipment selection, the report and its GBK encoding, and the standard-error lines. Built with
// AddressSanitizer and UndefinedBehaviorSanitizer, any fault there is a finding.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::stringbuf input(std::string(reinterpret_cast<const char*>(data), size));
    std::streambuf* const standardInput = std::cin.rdbuf(&input);
    std::cin.clear();
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> arguments{"report", "-"};
    const dtii::ExitStatus status = dtii::runCommandLine(arguments, out, err);
    std::cin.rdbuf(standardInput);

    // Every message is one line, and only a produced report reaches standard output.
    const std::string lines = err.str();
    if (lines.find('\r') != std::string::npos ||
        (status == dtii::ExitStatus::usage && lines.find('\n') + 1 != lines.size()) ||
        (status != dtii::ExitStatus::produced && !out.str().empty())) {
        std::abort();
    }
    if (status == dtii::ExitStatus::produced) {
        encodeReport(out.str());
    }
    return 0;
}
