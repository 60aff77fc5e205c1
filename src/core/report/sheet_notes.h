// The sheet's 说明与警告: what a checker must know that the tables do not show.
#pragma once

#include <string>
#include <vector>

#include "core/file/design_file.h"
#include "core/report/equipment_list.h"

namespace dtii {

// Every entry not read as typed, every message the run showed, and every equipment-list row the
// tables left without a designation or weight; empty when there is nothing to say.
std::vector<std::string> sheetNotes(const DesignFile& typed,
                                    const std::vector<std::string>& runMessages,
                                    const std::vector<EquipmentListRow>& equipment);

}  // namespace dtii
