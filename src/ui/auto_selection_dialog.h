// 自动选型: the search run on the input window's entries, its best designs listed with their key
// figures and verdicts, and the one to adopt.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "core/file/design_file.h"
#include "core/select/selected_design.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace dtii {

class AutoSelectionDialog : public QDialog {
    Q_OBJECT
public:
    // Searches from `design` as soon as the dialog is shown.
    AutoSelectionDialog(DesignFile design, QWidget* parent);

    // The design picked with 采用; absent until then.
    const std::optional<SelectedDesign>& chosen() const { return chosen_; }

    // Runs the search with the maximum speed and list length shown (also when they change).
    void search();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showList();
    void adopt();

    DesignFile design_;
    QComboBox* maxSpeed_ = nullptr;
    QSpinBox* top_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* adopt_ = nullptr;
    std::vector<SelectedDesign> best_;
    std::optional<SelectedDesign> chosen_;
    bool searched_ = false;
};

}  // namespace dtii
