// Notes and warnings of the calculation sheet.
#include "core/report/sheet_notes.h"

#include "core/file/entry_reading.h"

namespace dtii {

std::vector<std::string> sheetNotes(const DesignFile& typed,
                                    const std::vector<std::string>& runMessages,
                                    const std::vector<EquipmentListRow>& equipment) {
    std::vector<std::string> notes;
    for (const MisreadEntry& entry : misreadEntries(typed)) {
        notes.push_back("输入" + misreadEntryText(entry) + "。");
    }
    for (const std::string& message : runMessages) {
        notes.push_back("计算时的提示：" + message);
    }
    std::string unfilledRows;
    for (const EquipmentListRow& row : equipment) {
        if (row.designation == unfilledCell || row.unitWeightText == unfilledCell) {
            unfilledRows += (unfilledRows.empty() ? "" : "、") + std::string("第 ") +
                            std::to_string(row.number) + " 项“" + row.name + "”";
        }
    }
    if (!unfilledRows.empty()) {
        notes.push_back("设备表" + unfilledRows + "：选型表中没有相应的型号或单重，表中以“" +
                        std::string(unfilledCell) + "”表示，须另行确定。");
    }
    return notes;
}

}  // namespace dtii
