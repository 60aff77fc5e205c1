// The dtii-calc command: reads the arguments, runs the design through the window handlers and
// writes the text the windows would show.
#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/report/calculation_sheet.h"
#include "core/report/equipment_list.h"

namespace dtii {

enum class ExitStatus : int {
    produced = 0,  // the text was written to standard output
    stopped = 1,   // a check of the program stopped the command; its message is on standard error
    usage = 2,     // bad arguments, or a design file that cannot be read or is malformed
};

// Writers of the output files that need libraries dtii-calc itself does without (Qt for the PDF,
// libxlsxwriter for the workbook). Each returns a message naming the path and the reason when
// the file could not be written.
struct OutputWriters {
    std::function<std::optional<std::string>(const SheetSource&, const std::filesystem::path&)>
        sheetPdf;
    std::function<std::optional<std::string>(const std::vector<EquipmentListRow>&,
                                             const std::filesystem::path&)>
        equipmentXlsx;
};

// Runs dtii-calc with the arguments that follow the program name. `out` receives the text (write
// it unchanged: CR LF line breaks, no line break at the end); `err` receives one line per message
// box, input box or error. A sheet or workbook asked for without its writer is handed, with the
// same arguments, to the companion program dtii-calc-sheet.
ExitStatus runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err, const OutputWriters& writers = {});

// dtii-calc started without arguments in a console of its own, which closes with it: the help,
// then a prompt that waits for Enter on `in`, so the window can be read before it goes.
ExitStatus showHelpUntilEnter(std::ostream& out, std::istream& in);

// "dtii-calc：problem（用法见 dtii-calc --help）", the one shape of every usage error.
std::string usageMessage(const std::string& problem);

// The texts of `dtii-calc --help` and `dtii-calc lists` (line feeds: they are the command's own
// texts for a terminal, not texts of the windows).
std::string helpText();
std::string listsText();

}  // namespace dtii
