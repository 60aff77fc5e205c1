// One design in every window: a report made before the design changed says so and offers no
// sheet; what the engineer typed is what the windows read; the file menu's new design and a file
// named on the command line.
#include <QAction>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "support_ui.h"
#include "ui/equipment_form.h"
#include "ui/input_form.h"
#include "ui/prompt_combo_box.h"
#include "ui/report_form.h"
#include "ui/results_form.h"

namespace dtii::testing {
namespace {

const QString example = QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json");

// What a Chinese input method does with a finished word: commits it at the cursor.
void commitTyped(QLineEdit& box, const QString& text) {
    box.setFocus();
    box.selectAll();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&box, &event);
}

void trigger(QWidget& window, const char* action) {
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

}  // namespace

class OneDesignStateTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestRun> run_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    InputForm* form1_ = nullptr;

    DesignerSession& session() { return *run_->session; }
    QLineEdit& box(const char* name) { return *child<QLineEdit>(*form1_, name); }

    // The opened example computed and confirmed through to its report.
    QWidget& reachReport() {
        click(*form1_, "Command1");
        run_->dialogs.okAnswers.push_back(true);
        click(*session().resultsWindow(), "Command1");
        QWidget& form4 = *session().equipmentWindow();
        run_->dialogs.textAnswers.push_back("1100");
        click(form4, "Command1");
        run_->dialogs.shown.clear();
        return *session().reportWindow();
    }

    static bool offersSheet(QWidget& report) {
        return report.findChild<QAction*>(QStringLiteral("ExportPdfAction"))->isEnabled() &&
               report.findChild<QLabel*>(QStringLiteral("OutOfDateNotice"))->isHidden();
    }

private Q_SLOTS:
    void init() {
        watchdog_ = std::make_unique<ModalWatchdog>();
        run_ = std::make_unique<TestRun>();
        form1_ = static_cast<InputForm*>(&run_->inputWindow());
        QVERIFY(activate(*form1_));
        form1_->openDesignFile(example);
    }

    void cleanup() {
        run_.reset();
        QVERIFY2(watchdog_->openedDialog().isEmpty(), "a real modal dialog opened");
        watchdog_.reset();
    }

    void aReportOfAnEarlierDesignIsMarkedAndExportsNothing_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("computed again") << "compute";
        QTest::newRow("another file") << "open";
        QTest::newRow("new design") << "new";
    }

    void aReportOfAnEarlierDesignIsMarkedAndExportsNothing() {
        QFETCH(QString, change);
        QWidget& report = reachReport();
        session().showResults("", form1_);
        QVERIFY(offersSheet(report));
        if (change == QStringLiteral("compute")) {
            typeInto(box("Text3"), QStringLiteral("1000"));
            click(*form1_, "Command1");
        } else if (change == QStringLiteral("open")) {
            form1_->openDesignFile(QStringLiteral(DTII_EXAMPLES_DIR "/belt1200-trough.json"));
        } else {
            run_->dialogs.unsavedAnswers.push_back(UnsavedEditsAnswer::discard);
            trigger(*form1_, "NewDesignAction");
        }
        QCOMPARE(static_cast<QWidget*>(session().reportWindow()), &report);
        QVERIFY(!offersSheet(report));
        // A shortcut or a stray trigger writes nothing either.
        run_->platform.chosenSavePath = run_->directory.filePath(QStringLiteral("stale.pdf"));
        trigger(report, "ExportPdfAction");
        QVERIFY(!QFile::exists(run_->platform.chosenSavePath));
        // The listing of the design before does not stay beside another design.
        const QWidget* results = session().resultsWindow();
        QCOMPARE(results != nullptr && results->isVisible(), change == QStringLiteral("compute"));
        // Confirming the equipment of the new design makes the report current again.
        if (change == QStringLiteral("compute")) {
            QCOMPARE(&reachReport(), &report);
            QVERIFY(offersSheet(report));
        }
    }

    void theReducerRowTakesTheOpenedDesignsPulleyDiameter() {
        click(*form1_, "Command1");
        auto* rows = child<QTableWidget>(*session().resultsWindow(), "CheckRows");
        QCOMPARE(rows->item(3, 1)->text(), QStringLiteral("速比 31.42"));
    }

    void fullWidthNumbersBecomeAsciiAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << QStringLiteral("５００") << QStringLiteral("500");
        QTest::newRow("point") << QStringLiteral("１．５") << QStringLiteral("1.5");
        QTest::newRow("minus") << QStringLiteral("－１２") << QStringLiteral("-12");
        QTest::newRow("other text stays") << QStringLiteral("约５米") << QStringLiteral("约5米");
    }

    void fullWidthNumbersBecomeAsciiAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        commitTyped(box("Text1"), typed);
        QCOMPARE(box("Text1").text(), shown);
        QCOMPARE(box("Text1").cursorPosition(), shown.size());
        QVERIFY(form1_->isWindowModified());
    }

    void listsEmptiedByAnUnlistedWidthNameTheWidth() {
        typeInto(box("Text3"), QStringLiteral("700"));
        click(*form1_, "Command1");
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});  // the existing message stays
        int framed = 0;
        for (const PromptComboBox* list : form1_->findChildren<PromptComboBox*>()) {
            if (!list->toolTip().isEmpty()) {
                QVERIFY(list->toolTip().contains(QStringLiteral("700毫米")));
                QVERIFY(!list->styleSheet().isEmpty());
                ++framed;
            }
        }
        QCOMPARE(framed, 4);  // the diameter and bearing lists of both idler frames
    }

    void anExportedSheetNamedWithoutExtensionIsAPdf() {
        QWidget& report = reachReport();
        run_->platform.chosenSavePath = run_->directory.filePath(QStringLiteral("sheet"));
        trigger(report, "ExportPdfAction");
        QVERIFY(run_->dialogs.shown.empty());
        QVERIFY(QFile::exists(run_->platform.chosenSavePath + QStringLiteral(".pdf")));
    }

    void aFileNamedOnTheCommandLineIsOpened() {
        run_.reset();
        run_ = std::make_unique<TestRun>();  // a fresh start, as from the command line
        form1_ = static_cast<InputForm*>(&run_->inputWindow());
        form1_->openDesignFile(example);
        QCOMPARE(box("Text3").text(), QStringLiteral("800"));
        QVERIFY(run_->dialogs.shown.empty() && !form1_->isWindowModified());
        QVERIFY(form1_->windowTitle().startsWith(QStringLiteral("belt800-trough.json")));
    }

    void aNewDesignAsksBeforeUnsavedEditsGo_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("cancel") << int(UnsavedEditsAnswer::cancel) << false;
        QTest::newRow("discard") << int(UnsavedEditsAnswer::discard) << true;
    }

    void aNewDesignAsksBeforeUnsavedEditsGo() {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        typeInto(box("Text7"), QStringLiteral("2.5"));
        run_->dialogs.unsavedAnswers.push_back(static_cast<UnsavedEditsAnswer>(answer));
        trigger(*form1_, "NewDesignAction");
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});
        QCOMPARE(box("Text3").text().isEmpty(), cleared);
        QCOMPARE(session().keptEquipmentEntries().has_value(), !cleared);
        QCOMPARE(form1_->isWindowModified(), !cleared);
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::OneDesignStateTest)
#include "test_one_design_state.moc"
