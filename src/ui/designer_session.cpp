// Creating, showing and tracking the windows of one run.
#include "ui/designer_session.h"

#include <QWidget>

#include "ui/equipment_form.h"
#include "ui/input_form.h"
#include "ui/report_form.h"
#include "ui/results_form.h"

namespace dtii {
namespace {

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// A window pointer that is created on first use and after every close.
template <typename Form>
Form& openForm(QPointer<Form>& slot, DesignerSession& session) {
    if (slot.isNull()) {
        slot = new Form(session);
    }
    return *slot;
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

SheetSource DesignerSession::sheetSource() const {
    SheetSource source{computedInputs_, design_, selection_, {}};
    source.typed.project = project_;
    const std::optional<double> pulleyDiameter =
        equipmentValues_.D > 0 ? std::optional<double>(equipmentValues_.D) : std::nullopt;
    source.checks = checkRows(runDesignChecks(design_, checkSettings_.beltType(),
                                              checkSettings_.parameters(), pulleyDiameter));
    return source;
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
    InputForm& window = openForm(inputWindow_, *this);
    bringToFront(window);
    return &window;
}

ResultsForm* DesignerSession::showResults(std::string_view resultsText) {
    ResultsForm& window = openForm(resultsWindow_, *this);
    window.setResultsText(resultsText);
    bringToFront(window);
    return &window;
}

EquipmentForm* DesignerSession::showEquipmentWindow() {
    EquipmentForm& window = openForm(equipmentWindow_, *this);
    bringToFront(window);
    return &window;
}

ReportForm* DesignerSession::showReport(std::string_view reportText) {
    ReportForm& window = openForm(reportWindow_, *this);
    window.setReportText(reportText);
    bringToFront(window);
    return &window;
}

}  // namespace dtii
