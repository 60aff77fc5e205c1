#include "core/select/selected_design.h"

#include <tuple>

namespace dtii {

bool ranksBefore(const SelectedDesign& a, const SelectedDesign& b) {
    const auto rank = [](const SelectedDesign& d) {
        return std::tie(d.width, d.ratedMotor, d.strengthPerWidth, d.speed, d.beltTypeIndex,
                        d.plyCount);
    };
    return rank(a) < rank(b);
}

}  // namespace dtii
