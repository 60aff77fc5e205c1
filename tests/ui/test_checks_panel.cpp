// The checks panels of the designer: they follow the parameters at once in every window, keep a
// parameter they cannot use out of the rows, and the parameters travel with the saved design.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "support_ui.h"
#include "ui/equipment_form.h"
#include "ui/report_form.h"
#include "ui/results_form.h"

namespace dtii::testing {

class ChecksPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestRun> run_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QWidget* form1_ = nullptr;

    static QString cellText(QWidget& window, int row, int column) {
        return child<QTableWidget>(window, "CheckRows")->item(row, column)->text();
    }

    // Computes the example, confirms its equipment list and returns the report window.
    QWidget& reportOfExample() {
        const DesignFile design = designFromJson(exampleDesignJson);
        enterDesign(*form1_, design, run_->dialogs);
        click(*form1_, "Command1");
        run_->dialogs.okAnswers.push_back(true);
        click(*run_->session->resultsWindow(), "Command1");
        QWidget& form4 = *run_->session->equipmentWindow();
        enterEquipment(form4, *design.equipment);
        run_->dialogs.textAnswers.push_back(*design.equipment->legHeight);
        click(form4, "Command1");
        return *run_->session->reportWindow();
    }

private Q_SLOTS:
    void initTestCase() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanupTestCase() {
        QVERIFY2(watchdog_->openedDialog().isEmpty(), "a real modal dialog opened");
    }
    void init() {
        run_ = std::make_unique<TestRun>();
        form1_ = &run_->inputWindow();
        QVERIFY(activate(*form1_));
    }
    void cleanup() { run_.reset(); }

    void theRowsFollowAParameterAtOnceInEveryPanel() {
        QWidget& form2 = reportOfExample();
        // The reducer waits in the results window until an equipment list has been confirmed.
        QCOMPARE(cellText(form2, 3, 1), QStringLiteral("速比 31.42"));
        QCOMPARE(child<QLineEdit>(form2, "RequiredSafetyFactor")->text(), QStringLiteral("10"));
        QCOMPARE(cellText(form2, 0, 3), QStringLiteral("合格"));

        // The results window again, beside the open report, once the closed one is gone.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(*form1_, "Command1");
        QWidget& form3 = *run_->session->resultsWindow();
        QVERIFY(activate(form3));
        typeWithoutLeaving(*child<QLineEdit>(form3, "RequiredSafetyFactor"), QStringLiteral("40"));
        for (QWidget* window : {&form3, &form2}) {
            QCOMPARE(cellText(*window, 0, 3), QStringLiteral("不合格"));
            QCOMPARE(cellText(*window, 0, 2), QStringLiteral("安全系数 ≥ 40"));
            QCOMPARE(cellText(*window, 0, 4), QStringLiteral("帆布层数至少 6 层"));
        }
        QCOMPARE(child<QLineEdit>(form2, "RequiredSafetyFactor")->text(), QStringLiteral("40"));

        auto* motorSpeed = child<QComboBox>(form3, "MotorSpeed");
        motorSpeed->setCurrentIndex(motorSpeed->findText(QStringLiteral("750")));
        Q_EMIT motorSpeed->activated(motorSpeed->currentIndex());
        QCOMPARE(cellText(form2, 3, 1), QStringLiteral("速比 15.71"));

        // The take-up type confirmed in the equipment window judges the travel; a longer life
        // asked of the idlers fails the example's 6205 rolls.
        QCOMPARE(cellText(form2, 7, 3), QStringLiteral("合格"));
        QCOMPARE(cellText(form2, 8, 3), QStringLiteral("合格"));
        typeWithoutLeaving(*child<QLineEdit>(form3, "IdlerLifeHours"), QStringLiteral("2000000"));
        QCOMPARE(cellText(form2, 8, 3), QStringLiteral("不合格"));
        QVERIFY(cellText(form2, 8, 2).contains(QStringLiteral("≥ 2000000 h")));
    }

    void aParameterTheChecksCannotUseIsNamedAndLeavesTheRows() {
        enterDesign(*form1_, designFromJson(exampleDesignJson), run_->dialogs);
        click(*form1_, "Command1");
        QWidget& form3 = *run_->session->resultsWindow();
        QVERIFY(activate(form3));
        const QString before = cellText(form3, 1, 1);
        typeWithoutLeaving(*child<QLineEdit>(form3, "SurchargeAngle"), QStringLiteral("-5"));
        auto* problem = child<QLabel>(form3, "CheckParameterProblem");
        QVERIFY(problem->isVisible());
        QVERIFY2(problem->text().startsWith(QStringLiteral("动堆积角")),
                 qPrintable(problem->text()));
        QCOMPARE(cellText(form3, 1, 1), before);
        QCOMPARE(run_->session->checkSettings().texts(), std::nullopt);

        typeWithoutLeaving(*child<QLineEdit>(form3, "SurchargeAngle"), QStringLiteral("30"));
        QVERIFY(!problem->isVisible());
        QVERIFY(cellText(form3, 1, 1) != before);
    }

    void theParametersAreSavedAndOpenedWithTheDesign() {
        enterDesign(*form1_, designFromJson(exampleDesignJson), run_->dialogs);
        click(*form1_, "Command1");
        QWidget& form3 = *run_->session->resultsWindow();
        QVERIFY(activate(form3));
        typeWithoutLeaving(*child<QLineEdit>(form3, "RequiredSafetyFactor"), QStringLiteral("12"));
        typeWithoutLeaving(*child<QLineEdit>(form3, "TakeUpAllowance"), QStringLiteral("2.5"));
        const QString path = run_->directory.filePath(QStringLiteral("design.json"));
        run_->platform.chosenSavePath = path;
        form1_->findChild<QAction*>(QStringLiteral("SaveDesignAction"))->trigger();
        const DesignFileResult saved = loadDesignFile(path.toStdString());
        QVERIFY2(saved.design.has_value(), saved.error.c_str());
        QCOMPARE(saved.design->checks,
                 (CheckTexts{"12", std::nullopt, std::nullopt, std::nullopt, "2.5"}));

        run_->session->checkSettings().setTexts(CheckTexts{"7", "25", "3000"});
        run_->platform.chosenProgram = path;
        // Parameters changed since the save are unsaved edits: opening asks about them first.
        run_->dialogs.unsavedAnswers.push_back(UnsavedEditsAnswer::discard);
        form1_->findChild<QAction*>(QStringLiteral("OpenDesignAction"))->trigger();
        QCOMPARE(run_->session->checkSettings().texts(), saved.design->checks);
        QCOMPARE(child<QLineEdit>(form3, "SurchargeAngle")->text(), QStringLiteral("20"));
        QCOMPARE(child<QComboBox>(form3, "MotorSpeed")->currentText(), QStringLiteral("1500"));
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::ChecksPanelTest)
#include "test_checks_panel.moc"
