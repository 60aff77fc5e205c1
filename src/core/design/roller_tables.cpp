// The roller tables as data: lengths, list fills and masses, one row per printed row.
#include "core/design/roller_tables.h"

#include <array>
#include <string_view>

#include "core/design/selection_lists.h"

namespace dtii {
namespace {

struct RollerLengthRow {
    std::int16_t B;       // belt width [mm]
    std::int16_t trough;  // roller length [mm] per idler form
    std::int16_t vee;
    std::int16_t flat;
};

constexpr std::array<RollerLengthRow, 10> rollerLengths{{
    {500, 200, 315, 600},
    {650, 250, 380, 750},
    {800, 315, 465, 950},
    {1000, 380, 600, 1150},
    {1200, 465, 700, 1400},
    {1400, 530, 800, 1600},
    {1600, 600, 900, 1800},
    {1800, 670, 1000, 2000},
    {2000, 750, 1100, 2400},
    {2200, 800, 1250, 2600},
}};

// Up to three item texts of one list.
struct ItemTexts {
    std::array<std::string_view, 3> texts{};
    std::size_t count = 0;
};

template <class... Texts>
constexpr ItemTexts items(Texts... texts) {
    return {{std::string_view(texts)...}, sizeof...(texts)};
}

struct ListFill {
    ItemTexts diameters;
    ItemTexts bearings;
};

struct ListFillRow {
    std::int16_t B;   // belt width [mm]
    ListFill trough;  // both sides
    ListFill vee;     // both sides
    ListFill flatCarrying;
    ListFill flatReturn;
};

constexpr ListFill nothing{};

// "D=" and the empty text are placeholders that carry no value.
constexpr std::array<ListFillRow, 10> listFills{{
    {500,
     {items("D=89"), items("4G204")},
     {items("D="), items("")},
     {items("D=89"), items("4G204")},
     {items("D=89"), items("4G204")}},
    {650,
     {items("D=89"), items("4G204")},
     {items("D="), items("")},
     {items("D=89"), items("4G204")},
     {items("D=89"), items("4G204")}},
    {800,
     {items("D=89", "D=108"), items("4G204", "4G205")},
     {items("D=89", "D=108"), items("4G204", "4G205", "4G305")},
     {items("D=89", "D=108"), items("4G205", "4G305")},
     {items("D=89", "D=108"), items("4G204", "4G205", "4G305")}},
    {1000,
     {items("D=108", "D=133"), items("4G205", "4G305")},
     {items("D=108", "D=133"), items("4G205", "4G305")},
     {items("D=108", "D=133"), items("4G305")},
     {items("D=108", "D=133"), items("4G205", "4G305")}},
    {1200,
     {items("D=108", "D=133", "D=159"), items("4G205", "4G305", "4G306")},
     {items("D=108", "D=133", "D=159"), items("4G205", "4G305")},
     {items("D=108", "D=133", "D=159"), items("4G305")},
     {items("D=108", "D=133", "D=159"), items("4G205", "4G305", "4G306")}},
    {1400,
     {items("D=108", "D=133", "D=159"), items("4G305", "4G306")},
     {items("D=108", "D=133", "D=159"), items("4G305", "4G306")},
     {items("D=108", "D=133", "D=159"), items("4G305")},
     {items("D=108", "D=133", "D=159"), items("4G305", "4G306")}},
    {1600,
     {items("D=", "D="), items("", "", "")},
     {items("D=", "D="), items("", "", "")},
     nothing,
     nothing},
    {1800,
     {items("D=", "D=", "D="), items("", "", "")},
     {items("D=", "D=", "D="), items("", "", "")},
     nothing,
     nothing},
    {2000,
     {items("D=", "D=", "D="), items("", "")},
     {items("D=", "D=", "D="), items("", "", "")},
     nothing,
     nothing},
    {2200,
     {items("D=", "D="), items("", "", "")},
     {items("D=", "D="), items("", "")},
     nothing,
     nothing},
}};

struct LengthMass {
    std::int16_t length;  // [mm]
    double mass;          // [kg]
};

struct RollerMassRow {
    std::int16_t diameter;  // [mm]
    std::int16_t bearing;   // bearing code
    std::array<LengthMass, 10> entries{};
    std::size_t count = 0;
};

template <std::size_t N>
constexpr RollerMassRow row(std::int16_t diameter, std::string_view bearing,
                            const LengthMass (&entries)[N]) {
    RollerMassRow result{diameter, 0, {}, N};
    // A plain search rather than findItem: comparing its pointer result is not a constant
    // expression once the sanitizers instrument the build.
    for (const CodedItem& item : bearings) {
        if (item.text == bearing) {
            result.bearing = item.code;
        }
    }
    for (std::size_t i = 0; i < N; ++i) {
        result.entries[i] = entries[i];
    }
    return result;
}

// One table for both sides. Note 108 / 4G205 at 1150 mm is lighter than at 950 mm, as printed.
constexpr std::array<RollerMassRow, 12> rollerMassTable{{
    row(89, "4G204",
        {{200, 2.08},
         {250, 2.15},
         {315, 2.58},
         {465, 3.87},
         {600, 4.78},
         {750, 5.79},
         {950, 7.15}}),
    row(89, "4G205", {{950, 7.23}}),
    row(108, "4G204", {{315, 3.46}, {465, 4.70}, {950, 8.71}}),
    row(108, "4G205",
        {{315, 3.53},
         {380, 4.07},
         {465, 4.77},
         {600, 5.89},
         {700, 6.72},
         {950, 8.74},
         {1150, 8.40},
         {1400, 10.03}}),
    row(108, "4G305",
        {{380, 4.19},
         {465, 4.89},
         {530, 5.43},
         {600, 6.01},
         {700, 6.84},
         {800, 7.67},
         {950, 8.91},
         {1150, 10.56},
         {1400, 12.76},
         {1600, 14.42}}),
    row(108, "4G306", {{465, 5.35}, {530, 5.89}, {800, 8.12}, {1400, 13.08}, {1600, 14.73}}),
    row(133, "4G205",
        {{380, 6.04}, {465, 7.12}, {600, 8.84}, {700, 10.11}, {1150, 15.80}, {1400, 18.98}}),
    row(133, "4G305",
        {{380, 6.30},
         {465, 7.38},
         {530, 8.21},
         {600, 9.10},
         {700, 10.37},
         {800, 11.64},
         {1150, 16.09},
         {1400, 19.28},
         {1600, 21.83}}),
    row(133, "4G306", {{465, 8.13}, {530, 8.96}, {800, 12.40}, {1400, 18.35}, {1600, 20.90}}),
    row(159, "4G205", {{465, 9.46}, {700, 13.45}, {1400, 25.46}}),
    row(159, "4G305",
        {{465, 9.64}, {530, 10.68}, {700, 13.60}, {800, 15.32}, {1400, 25.82}, {1600, 29.25}}),
    row(159, "4G306", {{465, 10.53}, {530, 11.64}, {800, 16.27}, {1400, 26.56}, {1600, 29.99}}),
}};

template <class Row, std::size_t N, class Predicate>
const Row* firstRow(const std::array<Row, N>& rows, Predicate holds) {
    for (const Row& candidate : rows) {
        if (holds(candidate)) {
            return &candidate;
        }
    }
    return nullptr;
}

std::vector<std::string> toStrings(const ItemTexts& texts) {
    return {texts.texts.begin(), texts.texts.begin() + static_cast<std::ptrdiff_t>(texts.count)};
}

}  // namespace

std::optional<std::int16_t> rollerLength(std::int16_t B, std::int16_t idlerForm) {
    const RollerLengthRow* found =
        firstRow(rollerLengths, [B](const RollerLengthRow& r) { return r.B == B; });
    if (found == nullptr) {
        return std::nullopt;
    }
    switch (idlerForm) {
        case troughIdler:
            return found->trough;
        case vIdler:
            return found->vee;
        case flatIdler:
            return found->flat;
        default:
            return std::nullopt;
    }
}

RollerListItems rollerListItems(std::int16_t B, std::int16_t idlerForm, IdlerSide side) {
    const ListFillRow* found = firstRow(listFills, [B](const ListFillRow& r) { return r.B == B; });
    if (found == nullptr) {
        return {};
    }
    const ListFill* fill = &nothing;
    if (idlerForm == troughIdler) {
        fill = &found->trough;
    } else if (idlerForm == vIdler) {
        fill = &found->vee;
    } else if (idlerForm == flatIdler) {
        fill = side == IdlerSide::carrying ? &found->flatCarrying : &found->flatReturn;
    }
    return {toStrings(fill->diameters), toStrings(fill->bearings)};
}

std::vector<std::int16_t> rollerListWidths() {
    std::vector<std::int16_t> widths;
    for (const ListFillRow& row : listFills) {
        widths.push_back(row.B);
    }
    return widths;
}

std::optional<double> rollerMass(std::int16_t diameter, std::int16_t bearing, std::int16_t length) {
    const RollerMassRow* found = firstRow(rollerMassTable, [&](const RollerMassRow& r) {
        return r.diameter == diameter && r.bearing == bearing;
    });
    if (found == nullptr) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < found->count; ++i) {
        if (found->entries[i].length == length) {
            return found->entries[i].mass;
        }
    }
    return std::nullopt;
}

}  // namespace dtii
