// The widths the calculation takes come from one table; every other table must know them.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/calc/resistance_tables.h"
#include "core/design/roller_tables.h"
#include "core/equipment/width_dispatch.h"

namespace dtii {
namespace {

TEST(BeltWidths, EveryCalculableWidthHasRollersListsAndEquipmentTables) {
    const std::vector<std::int16_t> calculable = calculableBeltWidths();
    ASSERT_FALSE(calculable.empty());
    const std::vector<std::int16_t> listed = rollerListWidths();
    for (const std::int16_t B : calculable) {
        for (const std::int16_t form : {troughIdler, vIdler, flatIdler}) {
            EXPECT_TRUE(rollerLength(B, form)) << B << " form " << form;
        }
        EXPECT_NE(std::find(listed.begin(), listed.end(), B), listed.end()) << B;
        EXPECT_NE(findWidth(B), nullptr) << B;
    }
    EXPECT_TRUE(std::is_sorted(calculable.begin(), calculable.end()));
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
}

TEST(BeltWidths, TheWidthsReadAsPeopleWriteThem) {
    struct Case {
        const char* lastJoin;
        const char* text;
    };
    for (const Case& c : {Case{"，", "500，650，800，1000，1200，1400"},
                          Case{"或", "500，650，800，1000，1200或1400"}}) {
        EXPECT_EQ(calculableBeltWidthsText(c.lastJoin), c.text);
    }
}

}  // namespace
}  // namespace dtii
