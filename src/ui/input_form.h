// The input window Form1: the entries and choices of a design, the buttons that compute it,
// start a calculator, clear the entries and close the window, and a menu for design files.
#pragma once

#include <QWidget>
#include <array>

#include "core/file/design_file.h"
#include "core/windows/design_document.h"
#include "core/windows/input_window.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
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

    // The design as the windows show it now: the input window's entries and choices and the
    // equipment entries; what saving writes and what the modified mark compares.
    DesignFile shownDesign() const;

    // Opens a design file named outside the window (on the command line), as 打开 would after its
    // chooser; a file that cannot be read is told about and the window stays empty.
    void openDesignFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the input window ends the program: after the unsaved-edits question every other
    // window closes too.
    void closeEvent(QCloseEvent* event) override;

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
    void readWidgetsInto(InputWindow& window) const;
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
    void handleNewDesign();
    void handleOpenDesign();
    void handleOpenRecent(const QString& path);
    void handleSaveDesign();
    void handleSaveDesignAs();
    void handleAutoSelection();

    // The design file the window edits.
    void fillRecentMenu();
    // With unsaved edits, asks 保存 / 不保存 / 取消; true when the shown design may go.
    bool leaveDesign();
    bool saveDesign(bool askForPath);
    void openDesign(const QString& path);
    void startDocument(std::filesystem::path path);
    void showDocumentState();

    DesignerSession& session_;
    InputWindow model_;
    PerBox<QLineEdit*> boxes_{};
    PerList<PromptComboBox*> lists_{};
    std::array<QButtonGroup*, 2> idlerGroups_{};  // carrying, return
    QCheckBox* check1_ = nullptr;
    QLabel* tripperCount_ = nullptr;  // the plough-tripper count beside Check1
    QMenu* recentMenu_ = nullptr;
    DesignDocument document_;
    bool closing_ = false;
    bool handling_ = false;  // a handler is running
};

}  // namespace dtii
