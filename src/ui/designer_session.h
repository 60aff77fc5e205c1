// One run of the designer: the program-wide design record and equipment-window values, the way
// the windows talk to the person and the system, and the four windows, each created on demand.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/conveyor_design.h"
#include "core/dialogs.h"
#include "core/file/design_file.h"
#include "core/report/calculation_sheet.h"
#include "core/windows/equipment_window.h"
#include "ui/check_settings.h"
#include "ui/platform.h"

namespace dtii {

class InputForm;
class ResultsForm;
class EquipmentForm;
class ReportForm;

class DesignerSession : public QObject {
    Q_OBJECT
public:
    DesignerSession(UserDialogs& dialogs, Platform& platform);
    // Windows still open are deleted without their closing questions.
    ~DesignerSession() override;

    DesignerSession(const DesignerSession&) = delete;
    DesignerSession& operator=(const DesignerSession&) = delete;

    ConveyorDesign& design() { return design_; }
    EquipmentWindowValues& equipmentValues() { return equipmentValues_; }
    CheckSettings& checkSettings() { return checkSettings_; }
    Platform& platform() { return platform_; }

    // The boxes of a handler of `window`: they open over that window.
    UserDialogs& dialogsFrom(QWidget& window);
    // Boxes that open over whichever window is active.
    UserDialogs& dialogs();
    // The window the boxes open over now; null for the active one.
    QWidget* raisingWindow() const { return raisingWindow_; }

    // The calculation sheet's title block, edited in the report window and saved with the design.
    ProjectInfo& project() { return project_; }
    // The input window's texts of the last calculation, and the last equipment selection, each
    // with the messages its run showed.
    void setComputedInputs(DesignFile typed, std::vector<std::string> messages = {}) {
        computedInputs_ = std::move(typed);
        computeMessages_ = std::move(messages);
    }
    void setSelection(EquipmentSelection selection, std::vector<std::string> messages = {}) {
        selection_ = std::move(selection);
        selectionMessages_ = std::move(messages);
    }
    // What the sheet of the current report is made from, with the checks of the record.
    SheetSource sheetSource() const;

    // Each shows its window modeless and brings it to the front, creating it when it is not open;
    // a new window opens centred over `opener` (the active window when none is named).
    InputForm* showInputWindow();
    ResultsForm* showResults(std::string_view resultsText, QWidget* opener = nullptr);
    EquipmentForm* showEquipmentWindow(QWidget* opener = nullptr);
    ReportForm* showReport(std::string_view reportText, QWidget* opener = nullptr);

    // The open windows; null when closed.
    InputForm* inputWindow() const;
    ResultsForm* resultsWindow() const;
    EquipmentForm* equipmentWindow() const;
    ReportForm* reportWindow() const;

    // Closes every window but the input window, each with its own closing question; false when
    // one of them stays open.
    bool closeOtherWindows();

    // The equipment-list entries of the design: those the open equipment window shows, otherwise
    // the ones last confirmed or opened from a design file; absent when there are none yet.
    std::optional<EquipmentEntries> equipmentEntries() const;
    // Entries confirmed in the equipment window (kept when it closes).
    void keepEquipmentEntries(const EquipmentEntries& entries);
    // Entries of an opened design file; the open equipment window shows them at once.
    void enterEquipmentEntries(const std::optional<EquipmentEntries>& entries);
    // The last confirmed or opened entries, which a new equipment window starts from.
    const std::optional<EquipmentEntries>& keptEquipmentEntries() const { return equipment_; }

Q_SIGNALS:
    // Something of the design outside the input window changed (the equipment entries).
    void designEdited();

private:
    UserDialogs& dialogs_;
    Platform& platform_;
    ConveyorDesign design_;
    EquipmentWindowValues equipmentValues_;
    std::optional<EquipmentEntries> equipment_;
    QPointer<QWidget> raisingWindow_;
    CheckSettings checkSettings_;
    ProjectInfo project_;
    DesignFile computedInputs_;
    EquipmentSelection selection_;
    std::vector<std::string> computeMessages_;
    std::vector<std::string> selectionMessages_;
    QPointer<InputForm> inputWindow_;
    QPointer<ResultsForm> resultsWindow_;
    QPointer<EquipmentForm> equipmentWindow_;
    QPointer<ReportForm> reportWindow_;
};

}  // namespace dtii
