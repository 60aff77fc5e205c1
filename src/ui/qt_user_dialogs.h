// The message boxes, input boxes and OK/Cancel questions of the windows, as Qt modal dialogs.
#pragma once

#include "core/dialogs.h"

namespace dtii {

// Each box is parented to the window that is active when it opens, so it stays in front of it.
class QtUserDialogs : public UserDialogs {
public:
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override;
    bool askOkCancel(std::string_view text, std::string_view caption) override;
};

}  // namespace dtii
