// The input window's drop-down lists filled at load: their prompts, their items in list order and
// the values each item stores, plus the friction table between belt and drive pulley.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace dtii {

inline constexpr std::string_view workingConditionPrompt = "工作条件（请选择）";
inline constexpr std::string_view runningConditionPrompt = "运行条件（请选择）";
inline constexpr std::string_view drumSurfacePrompt = "滚筒覆盖面形式（请选择）";
inline constexpr std::string_view bearingPrompt = "选择辊子轴承";
inline constexpr std::string_view rollerDiameterPrompt = "选取辊子直径";
inline constexpr std::string_view coverThicknessPrompt = "请选择胶带上/下胶厚度（mm/mm）";
inline constexpr std::string_view beltTypePrompt = "请选择输送带型号";

struct WorkingCondition {
    std::string_view text;
    double frictionFactor;  // artificial friction factor f
};

// An item that stores a small code (running condition, drum surface, roller diameter, bearing).
struct CodedItem {
    std::string_view text;
    std::int16_t code;
};

struct CoverThickness {
    std::string_view text;
    double topCover;     // [mm]
    double bottomCover;  // [mm]
};

enum class BeltKind { fabric, steelCord };

struct BeltType {
    std::string_view text;
    BeltKind kind;
    double plyMass;        // [kg/m^2 per ply]; 0 for steel cord
    double coverMass;      // [kg/m^2 per mm of cover]; 0 for steel cord
    double steelCordMass;  // [kg/m^2]; only for steel cord
};

extern const std::array<WorkingCondition, 4> workingConditions;
extern const std::array<CodedItem, 3> runningConditions;
extern const std::array<CodedItem, 4> drumSurfaces;
extern const std::array<CoverThickness, 9> coverThicknesses;
extern const std::array<BeltType, 31> beltTypes;
// Items of the roller lists; which of them a list offers depends on belt width and idler form.
inline constexpr std::array<CodedItem, 5> rollerDiameters{{
    {"D=89", 89},
    {"D=108", 108},
    {"D=133", 133},
    {"D=159", 159},
    {"D=194", 194},
}};
inline constexpr std::array<CodedItem, 5> bearings{{
    {"4G204", 1},
    {"4G205", 2},
    {"4G305", 3},
    {"4G306", 4},
    {"310KA", 5},
}};

// Friction coefficient between belt and drive pulley, [runningCondition - 1][drumSurface - 1].
extern const std::array<std::array<double, 4>, 3> driveFrictionTable;

// The row whose item text equals `text` exactly, or nullptr.
template <class Row, std::size_t N>
constexpr const Row* findItem(const std::array<Row, N>& rows, std::string_view text) {
    for (const Row& row : rows) {
        if (row.text == text) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace dtii
