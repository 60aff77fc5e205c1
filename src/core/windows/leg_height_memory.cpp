// Offering and keeping the last leg-height answer.
#include "core/windows/leg_height_memory.h"

namespace dtii {

void LegHeightMemory::showMessage(std::string_view text, std::string_view caption,
                                  MessageIcon icon) {
    person_.showMessage(text, caption, icon);
}

std::string LegHeightMemory::askText(std::string_view prompt, std::string_view caption,
                                     std::string_view defaultText) {
    std::string answer =
        person_.askText(prompt, caption, lastAnswer_ ? *lastAnswer_ : std::string(defaultText));
    lastAnswer_ = answer.empty() ? std::nullopt : std::optional<std::string>(answer);
    return answer;
}

bool LegHeightMemory::askOkCancel(std::string_view text, std::string_view caption) {
    return person_.askOkCancel(text, caption);
}

UnsavedEditsAnswer LegHeightMemory::askSaveDiscardCancel(std::string_view text,
                                                         std::string_view caption) {
    return person_.askSaveDiscardCancel(text, caption);
}

}  // namespace dtii
