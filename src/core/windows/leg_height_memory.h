// The leg-height answer kept from one confirm of the equipment-list window to the next, and in
// the design file: the leg-height box offers the last answer as its default.
#pragma once

#include <optional>
#include <string>

#include "core/dialogs.h"

namespace dtii {

// Stands between a confirm and the person. The only input box a confirm asks is the leg-height
// box; it opens with the last answer (when there is one) as its default, and its answer becomes
// the last answer (an empty or cancelled answer clears it). Everything else passes unchanged.
class LegHeightMemory : public UserDialogs {
public:
    LegHeightMemory(UserDialogs& person, std::optional<std::string>& lastAnswer)
        : person_(person), lastAnswer_(lastAnswer) {}

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override;
    bool askOkCancel(std::string_view text, std::string_view caption) override;
    UnsavedEditsAnswer askSaveDiscardCancel(std::string_view text,
                                            std::string_view caption) override;

private:
    UserDialogs& person_;
    std::optional<std::string>& lastAnswer_;
};

}  // namespace dtii
