// One run of the designer: the program-wide design record and equipment-window values, the way
// the windows talk to the person and the system, and the four windows, each created on demand.
#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

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
    UserDialogs& dialogs() { return dialogs_; }
    Platform& platform() { return platform_; }

    // The calculation sheet's title block, edited in the report window and saved with the design.
    ProjectInfo& project() { return project_; }
    // The input window's texts of the last calculation, and the last equipment selection.
    void setComputedInputs(DesignFile typed) { computedInputs_ = std::move(typed); }
    void setSelection(EquipmentSelection selection) { selection_ = std::move(selection); }
    // What the sheet of the current report is made from, with the checks of the record.
    SheetSource sheetSource() const;

    // Each shows its window modeless and brings it to the front, creating it when it is not open.
    InputForm* showInputWindow();
    ResultsForm* showResults(std::string_view resultsText);
    EquipmentForm* showEquipmentWindow();
    ReportForm* showReport(std::string_view reportText);

    // The open windows; null when closed.
    InputForm* inputWindow() const;
    ResultsForm* resultsWindow() const;
    EquipmentForm* equipmentWindow() const;
    ReportForm* reportWindow() const;

private:
    UserDialogs& dialogs_;
    Platform& platform_;
    ConveyorDesign design_;
    EquipmentWindowValues equipmentValues_;
    CheckSettings checkSettings_;
    ProjectInfo project_;
    DesignFile computedInputs_;
    EquipmentSelection selection_;
    QPointer<InputForm> inputWindow_;
    QPointer<ResultsForm> resultsWindow_;
    QPointer<EquipmentForm> equipmentWindow_;
    QPointer<ReportForm> reportWindow_;
};

}  // namespace dtii
