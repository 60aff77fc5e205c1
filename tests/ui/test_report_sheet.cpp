// The report window's sheet commands: menu and toolbar, the PDF and the equipment list written
// where the person chose from what the windows computed, and the title block kept with the design.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/report/equipment_list.h"
#include "support_ui.h"
#include "ui/design_file_commands.h"
#include "ui/equipment_form.h"
#include "ui/report_form.h"
#include "ui/results_form.h"
#include "ui/sheet_output.h"

namespace dtii::testing {
namespace {

std::string fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

class ReportSheetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestRun> run_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QWidget* report_ = nullptr;

    // The example design through the input, results and equipment windows to the report.
    void reachReport() {
        QWidget& form1 = run_->inputWindow();
        QVERIFY(activate(form1));
        const DesignFile design = designFromJson(exampleDesignJson);
        enterDesign(form1, design, run_->dialogs);
        click(form1, "Command1");
        run_->dialogs.okAnswers.push_back(true);
        click(*run_->session->resultsWindow(), "Command1");
        QWidget* form4 = run_->session->equipmentWindow();
        QVERIFY(form4 != nullptr && activate(*form4));
        enterEquipment(*form4, *design.equipment);
        run_->dialogs.textAnswers.push_back(*design.equipment->legHeight);
        click(*form4, "Command1");
        report_ = run_->session->reportWindow();
        QVERIFY(report_ != nullptr);
    }

    QString inFolder(const char* name) const { return run_->directory.filePath(toQ(name)); }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);  // the remembered folder stays out of the home
    }

    void init() {
        watchdog_ = std::make_unique<ModalWatchdog>();
        run_ = std::make_unique<TestRun>();
        reachReport();
        run_->dialogs.shown.clear();
    }

    void cleanup() {
        run_.reset();
        QVERIFY2(watchdog_->openedDialog().isEmpty(), "a real modal dialog opened");
        watchdog_.reset();
    }

    void everyCommandIsInTheMenuAndTheToolbar() {
        const auto* menu = report_->findChild<QMenuBar*>(QStringLiteral("SheetMenuBar"));
        const auto* toolBar = report_->findChild<QToolBar*>(QStringLiteral("SheetToolBar"));
        QVERIFY(menu != nullptr && toolBar != nullptr);
        for (const char* name : {"PrintSheetAction", "PreviewSheetAction", "ExportPdfAction",
                                 "ExportEquipmentAction"}) {
            auto* action = report_->findChild<QAction*>(QLatin1String(name));
            QVERIFY2(action != nullptr, name);
            QVERIFY(toolBar->actions().contains(action));
            QVERIFY(menu->actions().front()->menu()->actions().contains(action));
        }
        QCOMPARE(report_->findChild<QAction*>(QStringLiteral("PrintSheetAction"))->shortcut(),
                 QKeySequence(QKeySequence::Print));
    }

    void exportsWriteWhatTheWindowsComputedWhereThePersonChose_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("pdf") << "ExportPdfAction"
                             << "计算书.pdf" << QByteArray("%PDF-");
        QTest::newRow("workbook") << "ExportEquipmentAction"
                                  << "表.xlsx" << QByteArray("PK");
        QTest::newRow("csv") << "ExportEquipmentAction"
                             << "表.csv"
                             << QByteArray(
                                    "\xEF\xBB\xBF序号,类别,名称,型号,单重(kg)\r\n1,设备,"
                                    "传动滚筒,DTⅡ03A6103Y/Z,782\r\n");
    }

    void exportsWriteWhatTheWindowsComputedWhereThePersonChose() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        run_->platform.chosenSavePath = inFolder(file.toUtf8().constData());
        report_->findChild<QAction*>(action)->trigger();
        QVERIFY(run_->dialogs.shown.empty());
        QVERIFY(fileBytes(run_->platform.chosenSavePath).starts_with(start.toStdString()));
        // What the sheet is made from: the inputs as the input window computed them.
        const CalculationSheet sheet = currentSheet(*run_->session);
        QCOMPARE(sheet.inputs.front().value, std::string("800"));
        QCOMPARE(sheet.equipment.size(), std::size_t{31});
    }

    void theSheetNotesTheMessagesOfTheRunThatMadeIt() {
        QVERIFY(currentSheet(*run_->session).notes.size() == 1);  // only the unfilled rows
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed one
        QWidget* form4 = run_->session->showEquipmentWindow();
        QVERIFY(form4 != nullptr && activate(*form4));
        run_->dialogs.textAnswers.push_back("900");  // a leg height the tables refuse
        click(*form4, "Command1");
        const std::vector<std::string> notes = currentSheet(*run_->session).notes;
        QCOMPARE(notes.size(), std::size_t{2});
        QCOMPARE(notes.front(), std::string("计算时的提示：您输入的数值不合法！"));
    }

    void anUnwritablePlaceIsNamedInAMessage() {
        run_->platform.chosenSavePath = inFolder("missing/计算书.pdf");
        report_->findChild<QAction*>(QStringLiteral("ExportPdfAction"))->trigger();
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});
        QCOMPARE(run_->dialogs.shown.front().text,
                 "无法写入“" + run_->platform.chosenSavePath.toStdString() + "”：文件夹不存在");
    }

    void theTitleBlockTypedInTheReportIsSavedWithTheDesign() {
        typeInto(*child<QLineEdit>(*report_, "ProjectName"), QStringLiteral("Mine 1"));
        typeInto(*child<QLineEdit>(*report_, "ProjectChecker"), QStringLiteral("Li Si"));
        typeInto(*child<QLineEdit>(*report_, "ProjectNumber"), QStringLiteral("JS-01"));
        typeInto(*child<QLineEdit>(*report_, "ProjectApprover"), QStringLiteral("Wang Wu"));
        QCOMPARE(currentSheet(*run_->session).project.name, std::string("Mine 1"));
        run_->platform.chosenSavePath = inFolder("design.json");
        run_->inputWindow().findChild<QAction*>(QStringLiteral("SaveDesignAction"))->trigger();
        const DesignFileResult saved = loadDesignFile(inFolder("design.json").toStdString());
        QVERIFY(saved.design && saved.design->project);
        ProjectInfo expected;
        expected.name = "Mine 1";
        expected.checker = "Li Si";
        expected.number = "JS-01";
        expected.approver = "Wang Wu";
        QCOMPARE(*saved.design->project, expected);
    }

    void aReportOfAnEarlierDesignIsMarkedAndExportsNothing_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("computed again") << "compute";
        QTest::newRow("another file") << "open";
        QTest::newRow("new design") << "new";
    }

    void aReportOfAnEarlierDesignIsMarkedAndExportsNothing() {
        QFETCH(QString, change);
        QWidget& form1 = run_->inputWindow();
        const auto offersSheet = [this] {
            return report_->findChild<QAction*>(QStringLiteral("ExportPdfAction"))->isEnabled() &&
                   report_->findChild<QLabel*>(QStringLiteral("OutOfDateNotice"))->isHidden();
        };
        QVERIFY(offersSheet());
        run_->session->showResults("", &form1);
        if (change == QStringLiteral("compute")) {
            typeInto(*child<QLineEdit>(form1, "Text3"), QStringLiteral("1000"));
            click(form1, "Command1");
        } else {
            run_->dialogs.unsavedAnswers.push_back(UnsavedEditsAnswer::discard);
            run_->platform.chosenProgram = toQ(DTII_EXAMPLES_DIR "/belt1200-trough.json");
            form1
                .findChild<QAction*>(change == QStringLiteral("open") ? "OpenDesignAction"
                                                                      : "NewDesignAction")
                ->trigger();
        }
        QCOMPARE(static_cast<QWidget*>(run_->session->reportWindow()), report_);
        QVERIFY(!offersSheet());
        // A shortcut or a stray trigger writes nothing either.
        run_->platform.chosenSavePath = inFolder("stale.pdf");
        report_->findChild<QAction*>(QStringLiteral("ExportPdfAction"))->trigger();
        QVERIFY(!QFile::exists(run_->platform.chosenSavePath));
        // The listing of the design before does not stay beside another design.
        const QWidget* results = run_->session->resultsWindow();
        QCOMPARE(results != nullptr && results->isVisible(), change == QStringLiteral("compute"));
        if (change == QStringLiteral("compute")) {  // confirmed again, the report is current
            run_->dialogs.okAnswers.push_back(true);
            click(*run_->session->resultsWindow(), "Command1");
            run_->dialogs.textAnswers.push_back("1100");
            click(*run_->session->equipmentWindow(), "Command1");
            QVERIFY(offersSheet());
        }
    }

    void anExportedSheetNamedWithoutExtensionIsAPdf() {
        run_->platform.chosenSavePath = inFolder("sheet");
        report_->findChild<QAction*>(QStringLiteral("ExportPdfAction"))->trigger();
        QVERIFY(QFile::exists(run_->platform.chosenSavePath + QStringLiteral(".pdf")));
    }

    void theChosenFilterDecidesAnEndinglessListsType_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("path");
        QTest::newRow("csv filter") << "/t/表"
                                    << "CSV 文件 (*.csv)"
                                    << "/t/表.csv";
        QTest::newRow("excel filter") << "/t/表"
                                      << "Excel 工作簿 (*.xlsx)"
                                      << "/t/表.xlsx";
        QTest::newRow("ending wins") << "/t/表.CSV"
                                     << "Excel 工作簿 (*.xlsx)"
                                     << "/t/表.CSV";
    }

    void theChosenFilterDecidesAnEndinglessListsType() {
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(QString, path);
        QCOMPARE(equipmentListPath(chosen, filter), path);
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::ReportSheetTest)
#include "test_report_sheet.moc"
