// The boxes of one run of a handler, passed on to the person and kept: the calculation sheet
// lists every message the run showed.
#pragma once

#include <string>
#include <vector>

#include "core/dialogs.h"

namespace dtii {

class MessageRecord : public UserDialogs {
public:
    explicit MessageRecord(UserDialogs& person) : person_(person) {}

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        shown_.emplace_back(text);
        person_.showMessage(text, caption, icon);
    }
    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override {
        return person_.askText(prompt, caption, defaultText);
    }
    bool askOkCancel(std::string_view text, std::string_view caption) override {
        return person_.askOkCancel(text, caption);
    }
    UnsavedEditsAnswer askSaveDiscardCancel(std::string_view text,
                                            std::string_view caption) override {
        return person_.askSaveDiscardCancel(text, caption);
    }

    // The text of every message box shown through this record, in order.
    const std::vector<std::string>& shownMessages() const { return shown_; }

private:
    UserDialogs& person_;
    std::vector<std::string> shown_;
};

}  // namespace dtii
