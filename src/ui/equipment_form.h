// The equipment-list entry window Form4: the take-up type and five pulley and frame dimensions,
// and the button that selects the equipment and shows the report.
#pragma once

#include <QWidget>
#include <array>

#include "core/windows/equipment_window.h"

class QLineEdit;

namespace dtii {

class DesignerSession;
class PromptComboBox;

class EquipmentForm : public QWidget {
    Q_OBJECT
public:
    explicit EquipmentForm(DesignerSession& session);

private:
    void confirm();
    void readWidgets();
    void showModel();

    DesignerSession& session_;
    EquipmentWindow model_;
    PromptComboBox* combo1_ = nullptr;
    std::array<QLineEdit*, 6> boxes_{};  // Text1 ... Text5 at [1] .. [5]
};

}  // namespace dtii
