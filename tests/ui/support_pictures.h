// Renders every window of a computed design to PNG files for a person to look at, and checks what
// a person would notice first: clipped captions, missing Chinese glyphs, report columns that do
// not line up. Run at normal size and at 150 % by two test programs.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace dtii::testing {

struct TestRun;
class ModalWatchdog;

class WindowPictures : public QObject {
    Q_OBJECT
public:
    // `suffix` ends every file name, so the two scalings keep apart.
    explicit WindowPictures(QString suffix);
    ~WindowPictures() override;

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void theEmptyInputWindowShowsItsPromptsWhole();
    void theInputWindowShowsItsCaptionsWhole();
    void theResultsWindowShowsTheListing();
    void theEquipmentWindowShowsItsCaptionsWhole();
    void theReportLinesUpItsColumns();
    void theReportChecksTabShowsEveryRowWhole();

private:
    QString suffix_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<TestRun> run_;
};

}  // namespace dtii::testing
