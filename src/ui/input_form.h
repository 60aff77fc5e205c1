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
    QLineEdit* makeBox(InputBox box);
    PromptComboBox* makeList(InputList list);

    // Widget state into the window model, and the model back into the widgets.
    void readWidgets();
    void showModel();
    // Clicking a control that does not take the focus leaves the belt-width box focused; its
    // value is stored before the click is handled all the same.
    void storeBeltWidthIfFocused();
    // Every handler runs the same way: the widgets into the model, the handler, the model shown.
    template <class Handler>
    void runHandler(Handler&& handler);

    void handleBeltWidthLostFocus();
    void handleIdlerFormClick(IdlerButton button);
    void handleListPick(InputList list);
    void handleListOpening(InputList list);
    void handlePloughTrippersToggle(bool checked);
    void handleCompute();
    void handleCalculator();
    void handleReset();
    void handleOpenDesign();
    void handleSaveDesign();

    DesignerSession& session_;
    InputWindow model_;
    PerBox<QLineEdit*> boxes_{};
    PerList<PromptComboBox*> lists_{};
    std::array<QButtonGroup*, 2> idlerGroups_{};  // carrying, return
    QCheckBox* check1_ = nullptr;
};

}  // namespace dtii
