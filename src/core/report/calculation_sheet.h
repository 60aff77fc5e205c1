// What the calculation sheet says, as plain data: the title block, the inputs as typed and picked,
// the results as the listing writes them, the belt tensions for the diagram, the checks and the
// equipment list. Where it goes on the page is the sheet painter's business.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checks/design_checks.h"
#include "core/design/conveyor_design.h"
#include "core/equipment/equipment_selection.h"
#include "core/file/design_file.h"
#include "core/report/equipment_list.h"

namespace dtii {

// One line of a label / value / unit table.
struct SheetField {
    std::string label;
    std::string value;
    std::string unit;
};

// The belt tensions along the conveyor [N] and its length [m].
struct TensionProfile {
    double length = 0;  // L, tail (0) to head [m]
    double T1 = 0, T2 = 0, T3 = 0, T4 = 0;
    double carryingSagTension = 0;  // least carrying-strand tension for the sag limit
    double returnSagTension = 0;    // least return-strand tension for the sag limit
};

// One result worked out: the formula in symbols, the same with the values put in, the result
// with its unit, and why this case of a rule applied (empty when there is no choice of case).
struct WorkingStep {
    std::string formula;      // "Fu = C·F_H + F_S1 + F_S2 + F_St"
    std::string substituted;  // "1.78 × 2214.5 + 965.0 + 896.0 + 3406.3"
    std::string result;       // "9209.0 N"
    std::string reason;
};

struct CalculationSheet {
    ProjectInfo project;  // the date always filled
    std::vector<SheetField> inputs;
    std::vector<SheetField> equipmentEntries;  // the equipment window's entries
    std::vector<SheetField> checkParameters;   // a default marked as such in its value
    std::vector<SheetField> coefficients;      // the fixed coefficients the calculation used
    std::vector<SheetField> results;
    std::vector<WorkingStep> working;
    TensionProfile tensions;
    std::vector<CheckRow> checks;
    std::vector<EquipmentListRow> equipment;
    std::vector<std::string> notes;  // 说明与警告: entries read otherwise, messages, empty rows
};

// Everything the sheet is made from: the window texts, the computed record, the equipment
// selection and the checks of that record.
struct SheetSource {
    DesignFile typed;  // as the input window showed it when computing; its project, if any
    ConveyorDesign record;
    EquipmentSelection selection;
    std::vector<CheckRow> checks;
    std::vector<std::string> messages;  // every message box the run showed, in order
};

// "2026年12月8日": the project's date when it has one, else the day of SOURCE_DATE_EPOCH (UTC)
// when that holds a number of seconds, else today in local time.
std::string sheetDate(const std::string& projectDate, const char* sourceDateEpoch, std::time_t now);

// The seconds since 1970 that SOURCE_DATE_EPOCH holds; nothing unless a whole number.
std::optional<std::time_t> epochSeconds(const char* sourceDateEpoch);

// The date the sheet prints now: sheetDate with this process's SOURCE_DATE_EPOCH and clock.
std::string sheetDateNow(const std::string& projectDate);

// The moment a sheet is made: SOURCE_DATE_EPOCH when it holds a number of seconds, else now.
std::time_t sheetTimeNow();

// The sheet of `source`, dated by `date`.
CalculationSheet calculationSheet(const SheetSource& source, const std::string& date);

// The sheet of `source` as printed now, dated by sheetDateNow.
CalculationSheet calculationSheetNow(const SheetSource& source);

// A default file name: the project name, else `fallback`, followed by `ending` ("计算书.pdf"
// would give "某矿计算书.pdf"); characters a file name cannot hold become "_".
std::string projectFileName(const ProjectInfo& project, std::string_view fallback,
                            std::string_view ending);

}  // namespace dtii
