// A UserDialogs for tests: records every box the program shows, in order, and answers input boxes
// and OK/Cancel questions from queues given by the test.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs.h"

namespace dtii::testing {

struct ShownBox {
    enum class Kind { message, input, question, unsavedEdits };
    Kind kind = Kind::message;
    std::string text;  // message text, input prompt or question
    std::string caption;
    MessageIcon icon = MessageIcon::none;
    std::string defaultText;  // input boxes only

    bool operator==(const ShownBox&) const = default;
};

class ScriptedDialogs : public UserDialogs {
public:
    std::vector<ShownBox> shown;
    std::deque<std::string> textAnswers;  // answers for input boxes; empty text when exhausted
    std::deque<bool> okAnswers;           // answers for questions; a question with none fails
    std::deque<UnsavedEditsAnswer> unsavedAnswers;  // likewise for the unsaved-edits question

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        shown.push_back(
            {ShownBox::Kind::message, std::string(text), std::string(caption), icon, {}});
    }

    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override {
        shown.push_back({ShownBox::Kind::input, std::string(prompt), std::string(caption),
                         MessageIcon::none, std::string(defaultText)});
        if (textAnswers.empty()) {
            return {};
        }
        std::string answer = std::move(textAnswers.front());
        textAnswers.pop_front();
        return answer;
    }

    bool askOkCancel(std::string_view text, std::string_view caption) override {
        shown.push_back({ShownBox::Kind::question,
                         std::string(text),
                         std::string(caption),
                         MessageIcon::question,
                         {}});
        if (okAnswers.empty()) {
            throw std::logic_error("unexpected question: " + std::string(text));
        }
        const bool answer = okAnswers.front();
        okAnswers.pop_front();
        return answer;
    }

    UnsavedEditsAnswer askSaveDiscardCancel(std::string_view text,
                                            std::string_view caption) override {
        shown.push_back({ShownBox::Kind::unsavedEdits,
                         std::string(text),
                         std::string(caption),
                         MessageIcon::question,
                         {}});
        if (unsavedAnswers.empty()) {
            throw std::logic_error("unexpected unsaved-edits question: " + std::string(text));
        }
        const UnsavedEditsAnswer answer = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return answer;
    }

    // The texts of the message boxes only, in order.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const ShownBox& box : shown) {
            if (box.kind == ShownBox::Kind::message) {
                texts.push_back(box.text);
            }
        }
        return texts;
    }
};

}  // namespace dtii::testing
