// The input window Form1: the entries and choices of a design, the buttons that compute it,
// start a calculator, clear the entries and close the window, and a menu for design files.
#pragma once

#include <QWidget>
#include <array>

#include "core/windows/input_window.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QMenuBar;
class QRadioButton;

namespace dtii {

class DesignerSession;
class PromptComboBox;

class InputForm : public QWidget {
    Q_OBJECT
public:
    explicit InputForm(DesignerSession& session);
    ~InputForm() override;

    InputForm(const InputForm&) = delete;
    InputForm& operator=(const InputForm&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* buildMenuBar();
    QWidget* buildTopRow();
    QWidget* buildEntryColumn();
    QWidget* buildBeltFrame();
    QWidget* buildIdlerFrame(int side);
    QWidget* buildButtonRow();
    QLineEdit* makeBox(int number);
    PromptComboBox* makeList(int number);

    // Widget state into the window model, and the model back into the widgets.
    void readWidgets();
    void showModel();
    // Clicking a control that does not take the focus leaves the belt-width box focused; its
    // value is stored before the click is handled all the same.
    void storeBeltWidthIfFocused();

    void handleBeltWidthLostFocus();
    void handleIdlerFormClick(int option);
    void handleListPick(int list);
    void handleListOpening(int list);
    void handlePloughTrippersToggle(bool checked);
    void handleCompute();
    void handleCalculator();
    void handleReset();
    void handleOpenDesign();
    void handleSaveDesign();

    DesignerSession& session_;
    InputWindow model_;
    std::array<QLineEdit*, inputBoxCount + 1> boxes_{};
    std::array<PromptComboBox*, inputListCount + 1> lists_{};
    std::array<QRadioButton*, 7> options_{};      // Option1 ... Option6 at [1] .. [6]
    std::array<QButtonGroup*, 2> idlerGroups_{};  // carrying, return
    QCheckBox* check1_ = nullptr;
};

}  // namespace dtii
