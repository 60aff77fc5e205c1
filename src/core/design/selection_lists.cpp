// The list tables of the input window, one row per list item in list order.
#include "core/design/selection_lists.h"

namespace dtii {
namespace {

constexpr BeltType fabric(std::string_view text, double plyMass, double coverMass) {
    return {text, BeltKind::fabric, plyMass, coverMass, 0.0};
}

constexpr BeltType steelCord(std::string_view text, double steelCordMass) {
    return {text, BeltKind::steelCord, 0.0, 0.0, steelCordMass};
}

}  // namespace

const std::array<WorkingCondition, 4> workingConditions{{
    {"工作环境良好，制造、安装良好，带速低，物料内摩擦系数小", 0.02},
    {"按标准设计，制造、调整好，物料内摩擦系数中等", 0.022},
    {"多尘，低温，过载，高带速，托辊质量差，物料内摩擦大", 0.03},
    {"向下倾斜，设计制造正常，处于发电工况", 0.016},
}};

const std::array<CodedItem, 3> runningConditions{{
    {"干态运行", 1},
    {"清洁潮湿（有水）运行", 2},
    {"污浊的潮湿（泥浆，粘土）运行", 3},
}};

const std::array<CodedItem, 4> drumSurfaces{{
    {"平的光面钢滚筒", 1},
    {"聚酯人字沟槽滚筒", 2},
    {"人字胶面滚筒", 3},
    {"多孔，人字槽陶瓷面滚筒", 4},
}};

const std::array<CoverThickness, 9> coverThicknesses{{
    {"1.5+1.5", 1.5, 1.5},
    {"3.0+1.5", 3.0, 1.5},
    {"3.0+3.0", 3.0, 3.0},
    {"4.5+1.5", 4.5, 1.5},
    {"4.5+3.0", 4.5, 3.0},
    {"4.5+4.5", 4.5, 4.5},
    {"6.0+1.5", 6.0, 1.5},
    {"6.0+3.0", 6.0, 3.0},
    {"6.0+4.5", 6.0, 4.5},
}};

// Fabric belts store ply and cover masses; steel-cord belts a mass per square metre.
const std::array<BeltType, 31> beltTypes{{
    fabric("棉帆布CC-56", 1.36, 1.19),
    fabric("维纶帆布VV-100", 1.65, 1.19),
    fabric("维棉帆布VC-60", 1.45, 1.125),
    fabric("维棉帆布VC-96", 1.2, 1.19),
    fabric("维涤帆布VP-30", 1.4, 1.35),
    fabric("涤棉帆布TC-65", 1.4, 1.125),
    fabric("涤纶帆布PP-90", 1.4, 1.35),
    fabric("涤纶帆布PP-150", 1.4, 1.35),
    fabric("尼龙帆布NN-100", 1.02, 1.19),
    fabric("尼龙帆布NN-150", 1.15, 1.19),
    fabric("尼龙帆布NN-200", 1.25, 1.19),
    fabric("尼龙帆布NN-250", 1.32, 1.19),
    fabric("尼龙帆布NN-300", 1.42, 1.19),
    fabric("尼龙帆布NN-350", 1.65, 1.19),
    fabric("尼龙帆布NN-400", 1.8, 1.19),
    fabric("聚酯帆布EP-100", 1.22, 1.19),
    fabric("聚酯帆布EP-200", 1.32, 1.19),
    fabric("聚酯帆布EP-300", 1.52, 1.19),
    fabric("聚酯帆布EP-400", 2.0, 1.19),
    fabric("聚酯帆布EP-500", 3.3, 1.19),
    steelCord("st630", 19),
    steelCord("st800", 20.5),
    steelCord("st1000", 23.1),
    steelCord("st1250", 24.7),
    steelCord("st1600", 27),
    steelCord("st2000", 34),
    steelCord("st2500", 36.8),
    steelCord("st3150", 42),
    steelCord("st4000", 49),
    steelCord("st4500", 53),
    steelCord("st5000", 58),
}};

// Rows: dry, clean and wet, dirty and wet. Columns: plain steel, polyester herringbone groove,
// herringbone rubber lagging, perforated herringbone ceramic.
const std::array<std::array<double, 4>, 3> driveFrictionTable{{
    {0.40, 0.40, 0.45, 0.45},
    {0.10, 0.35, 0.35, 0.40},
    {0.08, 0.20, 0.28, 0.35},
}};

}  // namespace dtii
