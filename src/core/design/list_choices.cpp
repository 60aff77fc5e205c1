// Storing list picks into the design record: one small store function per kind of list, chosen by
// the list through a table.
#include "core/design/list_choices.h"

#include <array>

#include "core/design/selection_lists.h"

namespace dtii {
namespace {

// Stores the code of the item with this text into `field`; true when there was one.
template <std::size_t N>
bool storeCode(const std::array<CodedItem, N>& items, std::string_view text, std::int16_t& field) {
    const CodedItem* item = findItem(items, text);
    if (item != nullptr) {
        field = item->code;
    }
    return item != nullptr;
}

bool storeWorkingCondition(ConveyorDesign& design, std::string_view text) {
    const WorkingCondition* item = findItem(workingConditions, text);
    if (item != nullptr) {
        design.input.frictionFactor = item->frictionFactor;
    }
    return item != nullptr;
}

bool storeCoverThickness(ConveyorDesign& design, std::string_view text) {
    const CoverThickness* item = findItem(coverThicknesses, text);
    if (item != nullptr) {
        design.input.topCover = item->topCover;
        design.input.bottomCover = item->bottomCover;
    }
    return item != nullptr;
}

bool storeBeltType(ConveyorDesign& design, std::string_view text) {
    const BeltType* item = findItem(beltTypes, text);
    if (item == nullptr) {
        return false;
    }
    design.input.plyMass = item->plyMass;
    design.input.coverMass = item->coverMass;
    if (item->kind == BeltKind::steelCord) {
        design.input.steelCordMass = item->steelCordMass;
    }
    return true;
}

struct ListDescription {
    InputList list;
    std::string_view prompt;
    std::string_view subject;
    bool (*store)(ConveyorDesign&, std::string_view);
};

constexpr std::array<ListDescription, 9> lists{{
    {InputList::workingCondition, workingConditionPrompt, "工作条件", storeWorkingCondition},
    {InputList::runningCondition, runningConditionPrompt, "运行条件",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(runningConditions, t, d.input.runningCondition);
     }},
    {InputList::drumSurface, drumSurfacePrompt, "滚筒覆盖面形式",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(drumSurfaces, t, d.input.drumSurface);
     }},
    {InputList::carryingBearing, bearingPrompt, "上托辊的辊子轴承",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(bearings, t, d.shared.carryingBearing);
     }},
    {InputList::returnBearing, bearingPrompt, "下托辊的辊子轴承",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(bearings, t, d.input.returnBearing);
     }},
    {InputList::carryingRollerDiameter, rollerDiameterPrompt, "上托辊的辊子直径",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(rollerDiameters, t, d.shared.carryingRollerDiameter);
     }},
    {InputList::returnRollerDiameter, rollerDiameterPrompt, "下托辊的辊子直径",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(rollerDiameters, t, d.shared.returnRollerDiameter);
     }},
    {InputList::covers, coverThicknessPrompt, "胶带上/下胶厚度", storeCoverThickness},
    {InputList::beltType, beltTypePrompt, "输送带型号", storeBeltType},
}};

static_assert(lists.size() == inputListCount);

const ListDescription& describe(InputList list) {
    for (const ListDescription& description : lists) {
        if (description.list == list) {
            return description;
        }
    }
    return lists.front();  // unreachable: every list has a row
}

}  // namespace

std::string_view listPrompt(InputList list) {
    return describe(list).prompt;
}

std::string_view listSubject(InputList list) {
    return describe(list).subject;
}

bool storeListChoice(ConveyorDesign& design, InputList list, std::string_view text) {
    return describe(list).store(design, text);
}

}  // namespace dtii
