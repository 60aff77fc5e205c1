// The equipment list: one row per report list line with the report's designation and weight, and
// its CSV text quoted as spreadsheets read it.
#include <gtest/gtest.h>

#include "core/report/equipment_list.h"

namespace dtii {
namespace {

EquipmentSelection someSelection() {
    EquipmentSelection selection;
    selection.widthCode = "03";
    selection[SlotId::drivePulley] = {"6103Y/Z", 782.0};
    selection[SlotId::carryingIdler] = {"0322", 0.5};
    selection[SlotId::headChute] = {"22262", 1043.0};
    selection[SlotId::headCleaner] = {std::nullopt, 72.9};  // a weight only: letters name it
    selection[SlotId::emptySectionCleaner] = {"None", 0.0};
    selection[SlotId::legI] = {"", 0.0};  // a leg height the tables refuse
    selection.chuteLengthBase = 800;
    selection.chuteLengthDeduction = 85;
    return selection;
}

TEST(EquipmentList, RowsCarryTheReportsNamesDesignationsAndWeights) {
    struct Case {
        std::size_t index;
        int number;
        const char* category;
        const char* name;
        const char* designation;
        std::optional<double> weight;
        const char* weightText;
    };
    const Case cases[] = {
        {0, 1, "设备", "传动滚筒", "DTⅡ03A6103Y/Z", 782, "782"},
        {5, 6, "设备", "上托辊", "DTⅡ03C0322", 0.5, ".5"},
        // Rows the tables do not fill show a dash where the report shows 0, None or DTⅡ.
        {6, 7, "设备", "上调心托辊", "DTⅡ03C", std::nullopt, "—"},  // nothing selected
        {10, 11, "设备", "头部清扫器", "DTⅡ03E", 72.9, "72.9"},
        {11, 12, "设备", "空段清扫器", "—", std::nullopt, "—"},  // "None"
        {13, 14, "设备", "增面轮", "DTⅡ03B", std::nullopt, "—"},
        {14, 15, "结构件", "头部支架", "DTⅡ03J01", std::nullopt, "—"},
        {15, 16, "结构件", "头部漏斗L=757.5", "DTⅡ03J2222262", 1043, "1043"},
        {25, 26, "结构件", "支腿Ⅰ", "—", std::nullopt, "—"},       // a refused leg height
        {27, 28, "结构件", "拉紧装置架", "—", std::nullopt, "—"},  // no designation, no weight
        {30, 31, "结构件", "导料槽后段", "DTⅡ03J21", std::nullopt, "—"},
    };
    const std::vector<EquipmentListRow> rows = equipmentListRows(someSelection());
    ASSERT_EQ(rows.size(), 31u);
    for (const Case& c : cases) {
        const EquipmentListRow& row = rows[c.index];
        EXPECT_EQ(row.number, c.number);
        EXPECT_EQ(row.category, c.category);
        EXPECT_EQ(row.name, c.name);
        EXPECT_EQ(row.designation, c.designation);
        EXPECT_EQ(row.unitWeight, c.weight);
        EXPECT_EQ(row.unitWeightText, c.weightText);
    }
}

TEST(EquipmentListCsv, StartsWithAByteOrderMarkAndQuotesOnlyWhereNeeded) {
    struct Case {
        const char* name;
        const char* record;
    };
    const Case cases[] = {
        {"上托辊", "1,设备,上托辊,DTⅡ,\r\n"},
        {"a,b", "1,设备,\"a,b\",DTⅡ,\r\n"},
        {"5\"辊", "1,设备,\"5\"\"辊\",DTⅡ,\r\n"},
        {"两\r\n行", "1,设备,\"两\r\n行\",DTⅡ,\r\n"},
    };
    for (const Case& c : cases) {
        const std::string csv = equipmentListCsv({{1, "设备", c.name, "DTⅡ", std::nullopt, ""}});
        EXPECT_EQ(csv, std::string("\xEF\xBB\xBF序号,类别,名称,型号,单重(kg)\r\n") + c.record);
    }
}

}  // namespace
}  // namespace dtii
