// Creating, showing and tracking the windows of one run.
#include "ui/designer_session.h"

#include <QApplication>
#include <QWidget>

#include "core/file/design_replay.h"
#include "ui/equipment_form.h"
#include "ui/input_form.h"
#include "ui/report_form.h"
#include "ui/results_form.h"
#include "ui/window_placement.h"

namespace dtii {
namespace {

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// A window pointer that is created on first use and after every close; a new window opens over
// its opener.
template <typename Form>
Form& openForm(QPointer<Form>& slot, DesignerSession& session, const QWidget* opener) {
    if (slot.isNull()) {
        slot = new Form(session);
        placeOver(*slot, opener);
    }
    return *slot;
}

QWidget* openerOr(QWidget* opener) {
    return opener != nullptr ? opener : QApplication::activeWindow();
}

}  // namespace

DesignerSession::DesignerSession(UserDialogs& dialogs, Platform& platform)
    : dialogs_(dialogs), platform_(platform) {}

DesignerSession::~DesignerSession() {
    delete reportWindow_.data();
    delete equipmentWindow_.data();
    delete resultsWindow_.data();
    delete inputWindow_.data();
}

UserDialogs& DesignerSession::dialogsFrom(QWidget& window) {
    raisingWindow_ = &window;
    return dialogs_;
}

UserDialogs& DesignerSession::dialogs() {
    raisingWindow_.clear();
    return dialogs_;
}

SheetSource DesignerSession::sheetSource() const {
    SheetSource source{computedInputs_, design_, selection_, {}, computeMessages_};
    source.messages.insert(source.messages.end(), selectionMessages_.begin(),
                           selectionMessages_.end());
    source.typed.project = project_;
    source.checks =
        checkRows(runDesignChecks(design_, checkSettings_.beltType(), checkSettings_.parameters(),
                                  pulleyDiameter_, takeUpType_));
    return source;
}

void DesignerSession::equipmentConfirmed() {
    if (const std::optional<double> confirmed = enteredPulleyDiameter(equipmentValues_.D)) {
        pulleyDiameter_ = confirmed;
    }
    takeUpType_ = equipmentValues_.takeUpType;
    reportedDesign_.reset();
    Q_EMIT designStateChanged();
}

void DesignerSession::designReplaced(const std::optional<EquipmentEntries>& entries) {
    equipment_ = entries;
    pulleyDiameter_ = enteredPulleyDiameter(entries);
    takeUpType_ = enteredTakeUpType(entries);
    reportedDesign_.reset();
    if (!equipmentWindow_.isNull()) {
        equipmentWindow_->showEntries(entries);
    }
    // The listing of the design before has nothing to do with this one; the window asks nothing.
    if (!resultsWindow_.isNull()) {
        resultsWindow_->close();
    }
    Q_EMIT designEdited();
    Q_EMIT designStateChanged();
}

void DesignerSession::startNewDesign() {
    design_ = ConveyorDesign{};
    equipmentValues_ = EquipmentWindowValues{};
    checkSettings_.setTexts(std::nullopt);
    checkSettings_.setBeltType({});
    project_ = ProjectInfo{};
    designReplaced(std::nullopt);
}

bool DesignerSession::reportIsCurrent() const {
    return reportedDesign_ && *reportedDesign_ == design_;
}

InputForm* DesignerSession::inputWindow() const {
    return inputWindow_;
}
ResultsForm* DesignerSession::resultsWindow() const {
    return resultsWindow_;
}
EquipmentForm* DesignerSession::equipmentWindow() const {
    return equipmentWindow_;
}
ReportForm* DesignerSession::reportWindow() const {
    return reportWindow_;
}

InputForm* DesignerSession::showInputWindow() {
    InputForm& window = openForm(inputWindow_, *this, nullptr);
    bringToFront(window);
    return &window;
}

ResultsForm* DesignerSession::showResults(std::string_view resultsText, QWidget* opener) {
    ResultsForm& window = openForm(resultsWindow_, *this, openerOr(opener));
    window.setResultsText(resultsText);
    bringToFront(window);
    return &window;
}

EquipmentForm* DesignerSession::showEquipmentWindow(QWidget* opener) {
    EquipmentForm& window = openForm(equipmentWindow_, *this, openerOr(opener));
    bringToFront(window);
    return &window;
}

ReportForm* DesignerSession::showReport(std::string_view reportText, QWidget* opener) {
    reportedDesign_ = design_;
    ReportForm& window = openForm(reportWindow_, *this, openerOr(opener));
    window.setReportText(reportText);
    Q_EMIT designStateChanged();
    bringToFront(window);
    return &window;
}

bool DesignerSession::closeOtherWindows() {
    const std::array<QWidget*, 3> others = {reportWindow_.data(), equipmentWindow_.data(),
                                            resultsWindow_.data()};
    for (QWidget* window : others) {
        if (window != nullptr && !window->close()) {
            return false;
        }
    }
    return true;
}

std::optional<EquipmentEntries> DesignerSession::equipmentEntries() const {
    if (!equipmentWindow_.isNull()) {
        return equipmentWindow_->shownEntries();
    }
    return equipment_;
}

void DesignerSession::keepEquipmentEntries(const EquipmentEntries& entries) {
    equipment_ = entries;
    Q_EMIT designEdited();
}

}  // namespace dtii
