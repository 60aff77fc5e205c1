// The leg-height prompts of the belts from 1000 mm up, one per carrying roller diameter: each lists
// the exact heights and the ranges the leg table of that diameter accepts.
#pragma once

#include <string_view>

namespace dtii {

inline constexpr std::string_view legPrompt108 =
    "支腿底端距输送带支承面的高度有以下值可供选择：1200、1200~1500、1500、1500~"
    "1850，请输入具体值：";
inline constexpr std::string_view legPrompt133 =
    "支腿底端距输送带支承面的高度有以下值可供选择：1200、1225~1525、1500、1525~"
    "1875，请输入具体值：";
inline constexpr std::string_view legPrompt159 =
    "支腿底端距输送带支承面的高度有以下值可供选择：1200、1255~1555、1500、1555~"
    "1905，请输入具体值：";

}  // namespace dtii
