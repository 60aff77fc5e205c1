// The dtii-calc stand-in for message and input boxes: every box becomes one line on standard
// error, input boxes are answered from the design file, and the windows' own OK/Cancel questions
// are answered OK without a line.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs.h"

namespace dtii {

class CommandDialogs : public UserDialogs {
public:
    explicit CommandDialogs(std::ostream& lines) : lines_(lines) {}

    // The answer for the next input box (the plough-tripper count, the leg height); absent means
    // the box is cancelled. Each answer is given once; a further box is cancelled.
    void answerNextInput(std::optional<std::string> answer) { answer_ = std::move(answer); }

    // "[caption] text"; a box without a caption of its own carries the program's title.
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;

    // "[caption] prompt -> answer"
    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override;

    // The windows' own questions (make the equipment list? save the report?) are the command's
    // to answer: always OK, and not shown.
    bool askOkCancel(std::string_view text, std::string_view caption) override;

    // The text of every message box shown so far, in order.
    const std::vector<std::string>& shownMessages() const { return shown_; }

private:
    void writeLine(std::string_view caption, std::string_view text);

    std::ostream& lines_;
    std::optional<std::string> answer_;
    std::vector<std::string> shown_;
};

}  // namespace dtii
