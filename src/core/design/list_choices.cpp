// Storing list picks into the design record: one small store function per kind of list, chosen by
// the list number through a table.
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
    std::string_view prompt;
    std::string_view subject;
    bool (*store)(ConveyorDesign&, std::string_view);
};

// Indexed by list number - 1.
constexpr std::array<ListDescription, 9> lists{{
    {workingConditionPrompt, "工作条件", storeWorkingCondition},
    {runningConditionPrompt, "运行条件",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(runningConditions, t, d.input.runningCondition);
     }},
    {drumSurfacePrompt, "滚筒覆盖面形式",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(drumSurfaces, t, d.input.drumSurface);
     }},
    {bearingPrompt, "上托辊的辊子轴承",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(bearings, t, d.shared.carryingBearing);
     }},
    {bearingPrompt, "下托辊的辊子轴承",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(bearings, t, d.input.returnBearing);
     }},
    {rollerDiameterPrompt, "上托辊的辊子直径",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(rollerDiameters, t, d.shared.carryingRollerDiameter);
     }},
    {rollerDiameterPrompt, "下托辊的辊子直径",
     [](ConveyorDesign& d, std::string_view t) {
         return storeCode(rollerDiameters, t, d.shared.returnRollerDiameter);
     }},
    {coverThicknessPrompt, "胶带上/下胶厚度", storeCoverThickness},
    {beltTypePrompt, "输送带型号", storeBeltType},
}};

const ListDescription& describe(int listNumber) {
    return lists.at(static_cast<std::size_t>(listNumber - 1));
}

}  // namespace

std::string_view listPrompt(int listNumber) {
    return describe(listNumber).prompt;
}

std::string_view listSubject(int listNumber) {
    return describe(listNumber).subject;
}

bool storeListChoice(ConveyorDesign& design, int listNumber, std::string_view text) {
    return describe(listNumber).store(design, text);
}

}  // namespace dtii
