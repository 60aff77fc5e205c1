// Warning texts for boxes the leading-number rule will read differently.
#include "core/windows/box_reading.h"

#include "core/file/design_file.h"
#include "core/numbers.h"

namespace dtii {

std::optional<std::string> boxReadingWarning(std::string_view text) {
    const TypedNumberReading reading = inspectTypedNumber(text);
    const std::string value = typedNumberText(reading.value);
    if (reading.noNumber) {
        return "开头不是数字，计算时将按 " + value + " 读取";
    }
    if (reading.digitAfterNumber) {
        return "只读取开头的数字，计算时将按 " + value + " 读取";
    }
    return std::nullopt;
}

}  // namespace dtii
