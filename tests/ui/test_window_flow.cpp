// The road of one design through the four windows: compute, results, equipment list, report and
// saving, with windows opening, closing and being created afresh as the person goes.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/file/design_replay.h"
#include "core/report/report_file.h"
#include "support_ui.h"
#include "ui/equipment_form.h"
#include "ui/input_form.h"
#include "ui/report_form.h"
#include "ui/results_form.h"

namespace dtii::testing {
namespace {

// The example design at another width and with other choices.
std::string variantJson(
    std::initializer_list<std::pair<std::string_view, std::string_view>> edits) {
    std::string json(exampleDesignJson);
    for (const auto& [from, to] : edits) {
        const std::size_t at = json.find(from);
        if (at == std::string::npos) {
            qFatal("test design has no %s", std::string(from).c_str());
        }
        json.replace(at, from.size(), to);
    }
    return json;
}

const std::string wideSteelCordJson = variantJson({
    {R"("B": "800")", R"("B": "1000")"},
    {R"("carryingRollerDiameter": "D=108")", R"("carryingRollerDiameter": "D=133")"},
    {R"("carryingBearing": "4G205")", R"("carryingBearing": "4G305")"},
    {R"("beltType": "尼龙帆布NN-200")", R"("beltType": "st1600")"},
    {R"("D": "800")", R"("D": "1000")"},
});

const std::string narrowJson = variantJson({
    {R"("B": "800")", R"("B": "500")"},
    {R"("carryingRollerDiameter": "D=108")", R"("carryingRollerDiameter": "D=89")"},
    {R"("carryingBearing": "4G205")", R"("carryingBearing": "4G204")"},
    {R"("returnRollerDiameter": "D=108")", R"("returnRollerDiameter": "D=89")"},
    {R"("returnBearing": "4G205")", R"("returnBearing": "4G204")"},
});

// What the core alone makes of a design: the listing, and the report when the equipment entries
// complete a selection.
struct CoreRun {
    ScriptedDialogs dialogs;
    InputWindow input;
    ConveyorDesign record;
    std::string resultsText;
    std::vector<ShownBox> computeBoxes;  // every box shown up to the listing
    ConfirmResult confirm;
};

std::unique_ptr<CoreRun> runCore(const DesignFile& design) {
    auto run = std::make_unique<CoreRun>();
    loadInputWindow(run->input, run->record);
    if (design.ploughTrippers) {
        run->dialogs.textAnswers.push_back(*design.ploughTrippers);
    }
    replayInputWindow(design, run->input, run->record, run->dialogs);
    computeDrive(run->input, run->record, run->dialogs);
    run->resultsText = run->record.shared.resultsText;
    run->computeBoxes = run->dialogs.shown;
    if (design.equipment) {
        EquipmentWindow window;
        EquipmentWindowValues values;
        loadEquipmentWindow(window);
        replayEquipmentWindow(*design.equipment, window);
        if (design.equipment->legHeight) {
            run->dialogs.textAnswers.push_back(*design.equipment->legHeight);
        }
        run->confirm = confirmEquipment(window, run->record, values, run->dialogs);
    }
    return run;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Lets closed windows finish deleting themselves.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int openWindowsNamed(const char* name) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == QLatin1String(name) && widget->isVisible() ? 1 : 0;
    }
    return count;
}

}  // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestRun> run_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QWidget* form1_ = nullptr;

    ScriptedDialogs& dialogs() { return run_->dialogs; }
    DesignerSession& session() { return *run_->session; }

    // Enters the design and computes; false when no results window came up.
    bool compute(const DesignFile& design) {
        enterDesign(*form1_, design, dialogs());
        click(*form1_, "Command1");
        return session().resultsWindow() != nullptr;
    }

    // From a computed design through the results window into a filled equipment window, then
    // its confirm.
    void confirmEquipmentOf(const DesignFile& design) {
        QVERIFY(compute(design));
        dialogs().okAnswers.push_back(true);
        click(*session().resultsWindow(), "Command1");
        settle();
        QWidget* form4 = session().equipmentWindow();
        QVERIFY(form4 != nullptr);
        QVERIFY(activate(*form4));
        enterEquipment(*form4, *design.equipment);
        if (design.equipment->legHeight) {
            dialogs().textAnswers.push_back(*design.equipment->legHeight);
        }
        click(*form4, "Command1");
        settle();
    }

    void openReport() {
        confirmEquipmentOf(designFromJson(exampleDesignJson));
        QVERIFY(session().reportWindow() != nullptr);
        dialogs().shown.clear();
    }

private Q_SLOTS:
    void init() {
        watchdog_ = std::make_unique<ModalWatchdog>();
        run_ = std::make_unique<TestRun>();
        form1_ = &run_->inputWindow();
        QVERIFY(activate(*form1_));
    }

    void cleanup() {
        run_.reset();
        settle();
        QVERIFY2(watchdog_->openedDialog().isEmpty(), "a real modal dialog opened");
        watchdog_.reset();
    }

    void computingShowsTheListingTheCoreMakesOfTheSameDesign_data() {
        QTest::addColumn<QString>("json");
        QTest::newRow("800 mm fabric belt with trippers") << toQ(exampleDesignJson);
        QTest::newRow("1000 mm steel-cord belt") << toQ(wideSteelCordJson);
        QTest::newRow("500 mm belt") << toQ(narrowJson);
    }

    void computingShowsTheListingTheCoreMakesOfTheSameDesign() {
        QFETCH(QString, json);
        const DesignFile design = designFromJson(json.toStdString());
        const std::unique_ptr<CoreRun> expected = runCore(design);
        QVERIFY(!expected->resultsText.empty());

        QVERIFY(compute(design));
        QCOMPARE(toQ(plainText(*session().resultsWindow(), "Text1")), toQ(expected->resultsText));
        QVERIFY(dialogs().shown == expected->computeBoxes);
        QVERIFY(session().resultsWindow()->isVisible());
    }

    void aRefusedComputeOpensNoResultsWindow() {
        click(*form1_, "Command1");
        QVERIFY(session().resultsWindow() == nullptr);
        QCOMPARE(dialogs().messageTexts().size(), std::size_t{1});
    }

    void computingTwiceKeepsOneResultsWindowWithTheNewListing() {
        QVERIFY(compute(designFromJson(exampleDesignJson)));
        QWidget* first = session().resultsWindow();
        const std::string firstListing = plainText(*first, "Text1");

        QVERIFY(activate(*form1_));
        typeInto(*child<QLineEdit>(*form1_, "Text7"), QStringLiteral("2.5"));
        click(*form1_, "Command1");
        settle();

        QCOMPARE(session().resultsWindow(), first);
        QCOMPARE(openWindowsNamed("Form3"), 1);
        QCOMPARE(plainText(*first, "Text1"), session().design().shared.resultsText);
        QVERIFY(plainText(*first, "Text1") != firstListing);
    }

    void theResultsButtonLeadsOnOrJustCloses_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK opens the equipment window") << true;
        QTest::newRow("Cancel only closes") << false;
    }

    void theResultsButtonLeadsOnOrJustCloses() {
        QFETCH(bool, answer);
        QVERIFY(compute(designFromJson(exampleDesignJson)));
        dialogs().shown.clear();
        dialogs().okAnswers.push_back(answer);
        click(*session().resultsWindow(), "Command1");
        settle();

        QCOMPARE(dialogs().shown.size(), std::size_t{1});
        QCOMPARE(dialogs().shown[0].text, std::string("您希望让程序自动生成设备清单吗？"));
        QVERIFY(session().resultsWindow() == nullptr);
        QCOMPARE(session().equipmentWindow() != nullptr, answer);
        QCOMPARE(openWindowsNamed("Form4"), answer ? 1 : 0);
        QVERIFY(form1_->isVisible());
        QVERIFY(!child<QLineEdit>(*form1_, "Text3")->text().isEmpty());
    }

    void aCompletedConfirmShowsTheReportTheCoreMakes_data() {
        QTest::addColumn<QString>("json");
        QTest::newRow("800 mm") << toQ(exampleDesignJson);
        QTest::newRow("1000 mm") << toQ(wideSteelCordJson);
    }

    void aCompletedConfirmShowsTheReportTheCoreMakes() {
        QFETCH(QString, json);
        const DesignFile design = designFromJson(json.toStdString());
        const std::unique_ptr<CoreRun> expected = runCore(design);
        QCOMPARE(expected->confirm.outcome, SelectionOutcome::completed);

        confirmEquipmentOf(design);

        QVERIFY(session().equipmentWindow() == nullptr);
        QVERIFY(session().reportWindow() != nullptr);
        QVERIFY(session().reportWindow()->isVisible());
        QCOMPARE(toQ(session().reportWindow()->reportText()), toQ(expected->confirm.reportText));
        QVERIFY(form1_->isVisible());
    }

    void aStoppedConfirmKeepsTheEquipmentWindowWithItsEntries_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("D");
        QTest::addColumn<bool>("focusesTheDiameter");
        QTest::newRow("800 mm, no such pulley") << toQ(exampleDesignJson) << "700" << false;
        QTest::newRow("500 mm, pulley to retype") << toQ(narrowJson) << "630" << true;
    }

    void aStoppedConfirmKeepsTheEquipmentWindowWithItsEntries() {
        QFETCH(QString, json);
        QFETCH(QString, D);
        QFETCH(bool, focusesTheDiameter);
        DesignFile design = designFromJson(json.toStdString());
        design.equipment->boxes[1] = D.toStdString();
        design.equipment->legHeight.reset();

        confirmEquipmentOf(design);

        QWidget* form4 = session().equipmentWindow();
        QVERIFY(form4 != nullptr);
        QVERIFY(form4->isVisible());
        QVERIFY(session().reportWindow() == nullptr);
        auto* text1 = child<QLineEdit>(*form4, "Text1");
        QCOMPARE(text1->text(), D);
        QCOMPARE(child<QLineEdit>(*form4, "Text2")->text(), toQ(design.equipment->boxes[2]));
        if (focusesTheDiameter) {
            QCOMPARE(QApplication::focusWidget(), text1);
            QCOMPARE(text1->selectedText(), D);
        }
    }

    void closingTheReportWithOkAppendsTheTextAsEdited() {
        openReport();
        ReportForm* form2 = session().reportWindow();
        auto* text1 = child<QPlainTextEdit>(*form2, "Text1");
        text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(text1, QStringLiteral("X"));
        const std::string edited = form2->reportText();
        QVERIFY(edited.ends_with("X"));

        dialogs().okAnswers.push_back(true);
        QVERIFY(form2->close());
        settle();

        const std::filesystem::path expectedFile =
            std::filesystem::path(run_->directory.path().toStdString()) / "expected.txt";
        QVERIFY(!appendReportRecord(expectedFile, edited).has_value());
        QCOMPARE(fileBytes(run_->platform.reportPath), fileBytes(expectedFile));
        QVERIFY(session().reportWindow() == nullptr);
        QCOMPARE(dialogs().shown.size(), std::size_t{2});
        QCOMPARE(dialogs().shown[0].text, std::string("计算结果和设备清单存盘吗？"));
        QCOMPARE(dialogs().shown[0].caption, std::string("询问框"));
        QVERIFY(dialogs().shown[1].text.starts_with("计算结果和设备清单已经保存在如下路径：\r\n"));
    }

    void closingTheReportWithCancelWritesNothing() {
        openReport();
        dialogs().okAnswers.push_back(false);
        QVERIFY(session().reportWindow()->close());
        settle();
        QVERIFY(session().reportWindow() == nullptr);
        QVERIFY(!std::filesystem::exists(run_->platform.reportPath));
        QCOMPARE(dialogs().shown.size(), std::size_t{1});
    }

    void aFailedSaveKeepsTheReportOpenAndAsksAgain() {
        openReport();
        run_->platform.reportPath =
            std::filesystem::path(run_->directory.path().toStdString()) / "missing" / "r.txt";
        dialogs().okAnswers.push_back(true);
        QVERIFY(!session().reportWindow()->close());
        settle();
        QVERIFY(session().reportWindow() != nullptr);
        QVERIFY(session().reportWindow()->isVisible());
        QCOMPARE(dialogs().shown.size(), std::size_t{2});

        dialogs().okAnswers.push_back(false);
        QVERIFY(session().reportWindow()->close());
        settle();
        QVERIFY(session().reportWindow() == nullptr);
        QCOMPARE(dialogs().shown.size(), std::size_t{3});
    }

    void exitingClosesEveryWindowAfterTheirQuestions_data() {
        QTest::addColumn<int>("unsavedAnswer");
        QTest::addColumn<bool>("reportAsked");
        QTest::addColumn<bool>("reportSaveFails");
        QTest::addColumn<bool>("everythingCloses");
        QTest::newRow("not saved: all close")
            << int(UnsavedEditsAnswer::discard) << true << false << true;
        QTest::newRow("cancelled: all stay")
            << int(UnsavedEditsAnswer::cancel) << false << false << false;
        QTest::newRow("report kept open: input stays")
            << int(UnsavedEditsAnswer::discard) << true << true << false;
    }

    void exitingClosesEveryWindowAfterTheirQuestions() {
        QFETCH(int, unsavedAnswer);
        QFETCH(bool, reportAsked);
        QFETCH(bool, reportSaveFails);
        QFETCH(bool, everythingCloses);
        openReport();
        if (reportSaveFails) {
            run_->platform.reportPath =
                std::filesystem::path(run_->directory.path().toStdString()) / "missing" / "r.txt";
        }
        dialogs().unsavedAnswers.push_back(static_cast<UnsavedEditsAnswer>(unsavedAnswer));
        if (reportAsked) {
            dialogs().okAnswers.push_back(reportSaveFails);
        }
        click(*form1_, "Command4");
        settle();

        QCOMPARE(dialogs().shown[0].kind, ShownBox::Kind::unsavedEdits);
        QCOMPARE(dialogs().shown.size() > 1, reportAsked);
        if (reportAsked) {
            QCOMPARE(dialogs().shown[1].text, std::string("计算结果和设备清单存盘吗？"));
        }
        QCOMPARE(session().inputWindow() == nullptr, everythingCloses);
        QCOMPARE(session().reportWindow() == nullptr, everythingCloses);
        QCOMPARE(openWindowsNamed("Form1") + openWindowsNamed("Form2"), everythingCloses ? 0 : 2);
        if (everythingCloses) {
            form1_ = nullptr;
        }
    }

    void aClosedWindowComesBackEmpty() {
        QVERIFY(compute(designFromJson(exampleDesignJson)));
        dialogs().okAnswers.push_back(true);
        click(*session().resultsWindow(), "Command1");
        settle();
        QWidget* form4 = session().equipmentWindow();
        typeInto(*child<QLineEdit>(*form4, "Text1"), QStringLiteral("800"));
        QVERIFY(form4->close());
        settle();
        QVERIFY(session().equipmentWindow() == nullptr);

        QWidget& again = *session().showEquipmentWindow();
        QVERIFY(child<QLineEdit>(again, "Text1")->text().isEmpty());
        QCOMPARE(child<QComboBox>(again, "Combo1")->currentText(),
                 QStringLiteral("请选择拉紧装置型式"));
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::WindowFlowTest)
#include "test_window_flow.moc"
