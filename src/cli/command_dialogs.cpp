// Boxes as lines on standard error for dtii-calc.
#include "cli/command_dialogs.h"

#include "core/echoed_value.h"

namespace dtii {
namespace {

// A box is one line: a line break inside a message (the saved-report confirmation puts the path
// on a line of its own) becomes a blank, and any other control character is shown escaped.
std::string oneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += ' ';
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            line += ' ';
        } else {
            line += text[i];
        }
    }
    return escapedControls(line);
}

}  // namespace

void CommandDialogs::writeLine(std::string_view caption, std::string_view text) {
    lines_ << '[' << (caption.empty() ? programTitle : caption) << "] " << oneLine(text) << '\n';
    lines_.flush();
}

void CommandDialogs::showMessage(std::string_view text, std::string_view caption, MessageIcon) {
    shown_.emplace_back(text);
    writeLine(caption, text);
}

std::string CommandDialogs::askText(std::string_view prompt, std::string_view caption,
                                    std::string_view) {
    std::string answer = answer_.value_or("");
    answer_.reset();
    writeLine(caption, std::string(prompt) + " -> " + echoedValue(answer));
    return answer;
}

bool CommandDialogs::askOkCancel(std::string_view, std::string_view) {
    return true;
}

}  // namespace dtii
