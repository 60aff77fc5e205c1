// An editable drop-down list that tells its window before the drop-down opens, so the window can
// run its opening check (the list opens afterwards all the same).
#pragma once

#include <QComboBox>

#include "core/windows/list_state.h"

namespace dtii {

class PromptComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PromptComboBox(QWidget* parent = nullptr);

    void showPopup() override;

    // Shows a list model: refills the items when they differ, and puts its text into the edit
    // field (a prompt is not an item, so no item is current then). Emits no signals.
    void showState(const ListState& state);

    // The edit field's text and the items, as a list model.
    ListState state() const;

    // Never narrower than its widest item or the text it shows now (its prompt).
    void keepTextsWhole();

Q_SIGNALS:
    void popupAboutToShow();
};

}  // namespace dtii
