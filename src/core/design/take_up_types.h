// The take-up types of the equipment-list window's list, and the prompt the list shows until one
// is picked.
#pragma once

#include <array>
#include <string_view>

namespace dtii {

inline constexpr std::string_view takeUpPrompt = "请选择拉紧装置型式";
inline constexpr std::array<std::string_view, 4> takeUpTypes{"垂直重锤拉紧", "螺旋拉紧",
                                                             "车式重锤拉紧", "绞车拉紧"};
inline constexpr std::string_view screwTakeUp = takeUpTypes[1];

}  // namespace dtii
