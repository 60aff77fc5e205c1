#include "core/select/selection_candidates.h"

#include "core/calc/resistance_tables.h"
#include "core/design/selection_lists.h"

namespace dtii {

std::vector<std::vector<SweepAxis>> candidateSweeps(const DesignFile& base, double maxSpeed) {
    SweepAxis widths{"B", {}};
    for (const std::int16_t B : calculableBeltWidths()) {
        widths.values.push_back(std::to_string(B));
    }
    SweepAxis speeds{"V", {}};
    for (const double V : standardBeltSpeeds) {
        if (V <= maxSpeed) {
            speeds.values.push_back(typedNumberText(V));
        }
    }
    SweepAxis fabricTypes{"beltType", {}};
    SweepAxis steelCordTypes{"beltType", {}};
    for (const BeltType& type : beltTypes) {
        (type.kind == BeltKind::fabric ? fabricTypes : steelCordTypes)
            .values.emplace_back(type.text);
    }
    SweepAxis fabricPlies{"plies", {}};
    for (int plies = fewestFabricPlies; plies <= mostFabricPlies; ++plies) {
        fabricPlies.values.push_back(std::to_string(plies));
    }
    const std::string& designPlies = base.boxes[InputBox::plies];
    const SweepAxis steelCordPlies{"plies", {designPlies.empty() ? "0" : designPlies}};
    return {{widths, speeds, fabricTypes, fabricPlies},
            {widths, speeds, steelCordTypes, steelCordPlies}};
}

std::size_t candidateCount(const std::vector<std::vector<SweepAxis>>& sweeps) {
    std::size_t total = 0;
    for (const std::vector<SweepAxis>& axes : sweeps) {
        std::size_t count = 1;
        for (const SweepAxis& axis : axes) {
            count *= axis.values.size();
        }
        total += count;
    }
    return total;
}

}  // namespace dtii
