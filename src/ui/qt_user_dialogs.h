// The message boxes, input boxes and OK/Cancel questions of the windows, as Qt modal dialogs.
#pragma once

#include <functional>

#include "core/dialogs.h"

class QWidget;

namespace dtii {

// Each box is parented to the window that raised it, so it stays in front of that window; the
// owner source names that window (the session knows it), and without one the active window is
// taken.
class QtUserDialogs : public UserDialogs {
public:
    void setOwnerSource(std::function<QWidget*()> ownerSource);

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override;
    bool askOkCancel(std::string_view text, std::string_view caption) override;
    UnsavedEditsAnswer askSaveDiscardCancel(std::string_view text,
                                            std::string_view caption) override;

private:
    QWidget* owner() const;

    std::function<QWidget*()> ownerSource_;
};

}  // namespace dtii
