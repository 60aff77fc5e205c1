// The one way the program's handlers talk to the person: message boxes, input boxes and OK/Cancel
// questions. The windows implement it with Qt, the tests with a script, the command line with
// standard error and the design file.
#pragma once

#include <string>
#include <string_view>

namespace dtii {

// The program's title: the caption of the input window and of every message box that has no
// caption of its own.
inline constexpr std::string_view programTitle = "DTⅡ型固定式带式输送机设计计算";

// The fixed captions of the boxes.
inline constexpr std::string_view guidanceCaption = "提示框";
inline constexpr std::string_view equipmentMessageCaption = "消息框";
inline constexpr std::string_view inputCaption = "输入框";
inline constexpr std::string_view questionCaption = "询问框";

enum class MessageIcon { none, information, question };

// The answers to the question asked before unsaved edits would be lost.
enum class UnsavedEditsAnswer { save, discard, cancel };

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal message box with a single OK button.
    virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

    // A modal input box; returns the typed text, or an empty text when cancelled.
    virtual std::string askText(std::string_view prompt, std::string_view caption,
                                std::string_view defaultText) = 0;

    // A modal question with the question icon and OK/Cancel; true for OK.
    virtual bool askOkCancel(std::string_view text, std::string_view caption) = 0;

    // A modal question with 保存 / 不保存 / 取消 before unsaved edits would be lost. Where nobody
    // can be asked, nothing is thrown away: the answer is cancel.
    virtual UnsavedEditsAnswer askSaveDiscardCancel(std::string_view text,
                                                    std::string_view caption) {
        (void)text;
        (void)caption;
        return UnsavedEditsAnswer::cancel;
    }
};

}  // namespace dtii
