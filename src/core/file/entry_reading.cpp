// Entries read other than typed.
#include "core/file/entry_reading.h"

#include "core/echoed_value.h"
#include "core/numbers.h"

namespace dtii {
namespace {

// "０" ... "９" in UTF-8: EF BC 90 ... EF BC 99.
bool holdsFullWidthDigit(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == '\xEF' && text[i + 1] == '\xBC' && text[i + 2] >= '\x90' &&
            text[i + 2] <= '\x99') {
            return true;
        }
    }
    return false;
}

void addIfMisread(std::vector<MisreadEntry>& entries, std::string key, const std::string& text) {
    if (const std::optional<EntryMisreading> reading = entryMisreading(text)) {
        entries.push_back({std::move(key), text, *reading});
    }
}

}  // namespace

std::optional<EntryMisreading> entryMisreading(std::string_view text) {
    const TypedNumberReading reading = inspectTypedNumber(text);
    if (holdsFullWidthDigit(text)) {
        return EntryMisreading{reading.value, "含全角数字"};
    }
    if (reading.noNumber) {
        return EntryMisreading{reading.value, "开头不是数字"};
    }
    if (reading.textAfterNumber) {
        return EntryMisreading{reading.value, "数字后还有其他字符"};
    }
    return std::nullopt;
}

std::vector<MisreadEntry> misreadEntries(const DesignFile& design) {
    std::vector<MisreadEntry> entries;
    for (const DesignKey<InputBox>& box : inputBoxKeys) {
        addIfMisread(entries, "input." + std::string(box.key), design.boxes[box.control]);
    }
    if (design.ploughTrippers) {
        addIfMisread(entries, "input.ploughTrippers", *design.ploughTrippers);
    }
    if (const std::optional<EquipmentEntries>& equipment = design.equipment) {
        for (const DesignKey<int>& box : equipmentBoxKeys) {
            addIfMisread(entries, "equipment." + std::string(box.key),
                         equipment->boxes[static_cast<std::size_t>(box.control)]);
        }
        if (equipment->legHeight) {
            addIfMisread(entries, "equipment.legHeight", *equipment->legHeight);
        }
    }
    return entries;
}

std::string misreadEntryText(const MisreadEntry& entry) {
    return "键“" + entry.key + "”的值“" + echoedValue(entry.text) + "”" +
           std::string(entry.reading.reason) + "，按 " + typedNumberText(entry.reading.value) +
           " 读取";
}

std::optional<std::string> strictReadingError(const DesignFile& design, std::string_view fileName) {
    const std::vector<MisreadEntry> entries = misreadEntries(design);
    if (entries.empty()) {
        return std::nullopt;
    }
    return "设计文件 " + echoedValue(fileName) + "：" + misreadEntryText(entries.front()) +
           "（--strict 只接受按原样读取的数字）";
}

}  // namespace dtii
