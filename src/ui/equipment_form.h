// The equipment-list entry window Form4: the take-up type and five pulley and frame dimensions,
// and the button that selects the equipment and shows the report.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "core/file/design_file.h"
#include "core/windows/equipment_window.h"

class QLineEdit;

namespace dtii {

class DesignerSession;
class PromptComboBox;

class EquipmentForm : public QWidget {
    Q_OBJECT
public:
    // Opens with the entries the session last kept, or empty.
    explicit EquipmentForm(DesignerSession& session);

    // The entries as the window shows them, with the last leg-height answer; absent while the
    // window is still empty and the session kept no entries.
    std::optional<EquipmentEntries> shownEntries() const;

    // Shows these entries (empty entries when absent), as a design file opened.
    void showEntries(const std::optional<EquipmentEntries>& entries);

private:
    void confirm();
    void readWidgets();
    void showModel();

    DesignerSession& session_;
    EquipmentWindow model_;
    std::optional<std::string> legHeight_;  // the last answer to the leg-height box
    PromptComboBox* combo1_ = nullptr;
    std::array<QLineEdit*, 6> boxes_{};  // Text1 ... Text5 at [1] .. [5]
};

}  // namespace dtii
