// The windows behaving like a desktop program: design files with their equipment entries, the
// title and the unsaved-edits question, recent files, keys, placement, focus after a refusal,
// the tripper count, the calculator search and the warnings of boxes read otherwise than typed.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>
#include <memory>

#include "support_ui.h"
#include "ui/equipment_form.h"
#include "ui/input_form.h"
#include "ui/qt_user_dialogs.h"
#include "ui/results_form.h"
#include "ui/window_placement.h"

namespace dtii::testing {
namespace {

std::string fileBytes(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void trigger(QWidget& window, const char* action) {
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class DesktopBehaviourTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestRun> run_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QWidget* form1_ = nullptr;

    ScriptedDialogs& dialogs() { return run_->dialogs; }
    DesignerSession& session() { return *run_->session; }
    QLineEdit& box(const char* name) { return *child<QLineEdit>(*form1_, name); }
    QString saveTo(const QString& name) {
        run_->platform.chosenSavePath = run_->directory.filePath(name);
        trigger(*form1_, "SaveDesignAsAction");
        return run_->platform.chosenSavePath;
    }
    void open(const QString& path) {
        run_->platform.chosenProgram = path;
        trigger(*form1_, "OpenDesignAction");
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

    // ---- design files ------------------------------------------------------------------------

    void everyExampleSavesBackAsItWasOpened_data() {
        QTest::addColumn<QString>("path");
        const QDir examples(QStringLiteral(DTII_EXAMPLES_DIR));
        for (const QString& name : examples.entryList({QStringLiteral("*.json")})) {
            QTest::newRow(qPrintable(name)) << examples.filePath(name);
        }
    }

    void everyExampleSavesBackAsItWasOpened() {
        QFETCH(QString, path);
        open(path);
        QVERIFY(dialogs().shown.empty());
        QVERIFY(!form1_->isWindowModified());
        const QString again = saveTo(QStringLiteral("again.json"));
        QCOMPARE(toQ(fileBytes(again)), toQ(fileBytes(path)));
    }

    void anOpenedDesignFillsTheEquipmentWindowAndOffersItsLegHeight() {
        open(QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json"));
        click(*form1_, "Command1");
        QWidget& form4 = *session().showEquipmentWindow();
        QCOMPARE(child<QLineEdit>(form4, "Text1")->text(), QStringLiteral("800"));
        QCOMPARE(child<QLineEdit>(form4, "Text4")->text(), QStringLiteral("800"));
        dialogs().shown.clear();
        dialogs().textAnswers.push_back("1225");
        click(form4, "Command1");
        QCOMPARE(dialogs().shown.at(0).defaultText, std::string("1100"));
        // The new answer is the design's now, and an edit of it.
        QVERIFY(form1_->isWindowModified());
        saveTo(QStringLiteral("edited.json"));
        const DesignFileResult saved =
            loadDesignFile(run_->directory.filePath(QStringLiteral("edited.json")).toStdString());
        QCOMPARE(saved.design->equipment->legHeight, std::optional<std::string>("1225"));
    }

    void aNameWithoutExtensionIsSavedAsJsonAndListedAsRecent() {
        typeInto(box("Text3"), QStringLiteral("800"));
        const QString typed = saveTo(QStringLiteral("conveyor"));
        QVERIFY(!QFile::exists(typed));
        QVERIFY(QFile::exists(typed + QStringLiteral(".json")));
        auto* recent = form1_->findChild<QMenu*>(QStringLiteral("RecentDesignsMenu"));
        Q_EMIT recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QCOMPARE(recent->actions()[0]->text(), typed + QStringLiteral(".json"));
        QCOMPARE(form1_->windowTitle(), QStringLiteral("conveyor.json[*] - ") + toQ(programTitle));
    }

    void unsavedEditsAreAskedAboutBeforeTheyAreLost_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("entriesStay");
        QTest::newRow("reset, cancel") << "reset" << int(UnsavedEditsAnswer::cancel) << true;
        QTest::newRow("reset, save") << "reset" << int(UnsavedEditsAnswer::save) << false;
        QTest::newRow("open, cancel") << "open" << int(UnsavedEditsAnswer::cancel) << true;
        QTest::newRow("open, discard") << "open" << int(UnsavedEditsAnswer::discard) << false;
    }

    void unsavedEditsAreAskedAboutBeforeTheyAreLost() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, entriesStay);
        typeInto(box("Text7"), QStringLiteral("2.5"));
        run_->platform.chosenSavePath = run_->directory.filePath(QStringLiteral("kept.json"));
        dialogs().unsavedAnswers.push_back(static_cast<UnsavedEditsAnswer>(answer));
        if (command == QStringLiteral("reset")) {
            click(*form1_, "Command3");
        } else {
            open(QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json"));
        }
        QCOMPARE(dialogs().shown.size(), std::size_t{1});
        QCOMPARE(box("Text7").text() == QStringLiteral("2.5"), entriesStay);
        const bool saved = answer == int(UnsavedEditsAnswer::save);
        QCOMPARE(QFile::exists(run_->platform.chosenSavePath), saved);
        // With nothing left to lose, the next reset clears at once.
        if (!entriesStay) {
            click(*form1_, "Command3");
            QCOMPARE(dialogs().shown.size(), std::size_t{1});
        }
    }

    // ---- keys, placement, message boxes ------------------------------------------------------

    void enterComputesOrPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("computes");
        QTest::newRow("in a box") << "Text4" << true;
        QTest::newRow("in a list") << "Combo1" << true;
        QTest::newRow("on the calculator button") << "Command2" << false;
    }

    void enterComputesOrPressesTheFocusedButton() {
        QFETCH(QString, focus);
        QFETCH(bool, computes);
        enterDesign(*form1_, designFromJson(exampleDesignJson), dialogs());
        run_->platform.startable.append(run_->platform.calculator);
        auto* target = form1_->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(session().resultsWindow() != nullptr, computes);
        QCOMPARE(run_->platform.started.isEmpty(), computes);
    }

    void theResultsTextIsReadOnlyAndTheKeysLeaveIt() {
        enterDesign(*form1_, designFromJson(exampleDesignJson), dialogs());
        click(*form1_, "Command1");
        ResultsForm* form3 = session().resultsWindow();
        QVERIFY(activate(*form3));
        auto* text = child<QPlainTextEdit>(*form3, "Text1");
        const QString listing = text->toPlainText();
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("x"));
        QCOMPARE(text->toPlainText(), listing);
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(*form3, "Command1"));

        text->setFocus();
        dialogs().okAnswers.push_back(false);
        QTest::keyClick(text, Qt::Key_Return);
        settle();
        QCOMPARE(dialogs().shown.back().text, std::string("您希望让程序自动生成设备清单吗？"));
        QVERIFY(session().resultsWindow() == nullptr);

        click(*form1_, "Command1");
        QVERIFY(activate(*session().resultsWindow()));
        QTest::keyClick(session().resultsWindow(), Qt::Key_Escape);
        settle();
        QVERIFY(session().resultsWindow() == nullptr);
    }

    void aWindowOpensCentredOverItsOpenerAndOnTheScreen_data() {
        QTest::addColumn<QRect>("opener");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("placed");
        const QSize size(200, 100);
        QTest::newRow("centred") << QRect(100, 100, 400, 300) << size << QPoint(200, 200);
        QTest::newRow("kept from the right and bottom")
            << QRect(900, 700, 200, 200) << size << QPoint(824, 668);
        QTest::newRow("kept from the left and top")
            << QRect(-150, -100, 100, 100) << size << QPoint(0, 0);
    }

    void aWindowOpensCentredOverItsOpenerAndOnTheScreen() {
        QFETCH(QRect, opener);
        QFETCH(QSize, size);
        QFETCH(QPoint, placed);
        QCOMPARE(placementOver(opener, size, QRect(0, 0, 1024, 768)), placed);
    }

    void aMessageBoxBelongsToTheWindowThatRaisedIt() {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QtUserDialogs boxes;
        boxes.setOwnerSource([this] { return form1_; });
        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&parent] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                parent = box->parentWidget();
                box->close();
            }
        });
        boxes.showMessage("消息", "", MessageIcon::none);
        QCOMPARE(parent, form1_);
    }

    void aHandlersOwnMessageDoesNotStoreTheWidthASecondTime() {
        watchdog_.reset();  // this test answers real boxes itself
        QtUserDialogs boxes;
        DesignerSession windows(boxes, run_->platform);
        QWidget& form = *windows.showInputWindow();
        QVERIFY(activate(form));
        int shown = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&shown] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++shown;
                box->close();
            }
        });
        closer.start(10);
        auto& width = *child<QLineEdit>(form, "Text3");
        typeWithoutLeaving(width, QStringLiteral("99999"));
        QTest::keyClick(&width, Qt::Key_Return);
        QCOMPARE(shown, 2);  // the width out of range, then the entries incomplete
        watchdog_ = std::make_unique<ModalWatchdog>();
    }

    // ---- what the window shows about its entries ---------------------------------------------

    void afterTheIncompletenessMessageTheFirstEmptyEntryHasTheFocus() {
        // The belt-type list comes before the empty ply box in the window.
        DesignFile design = designFromJson(exampleDesignJson);
        design.lists[InputList::beltType].reset();
        design.boxes[InputBox::plies].clear();
        enterDesign(*form1_, design, dialogs());
        click(*form1_, "Command1");
        QCOMPARE(dialogs().messageTexts().back(),
                 std::string("请检查您是否已经完整地输入了各项数据！"));
        QWidget* expected = child<QWidget>(*form1_, "Combo9");
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && (focus == expected || focus->parentWidget() == expected));
    }

    void theFirstEmptyEntryIsFoundInTheOrderTabFollows() {
        QStringList tabOrder;
        QWidget* widget = child<QWidget>(*form1_, "Combo1");
        for (QWidget* start = widget; tabOrder.size() < 40; widget = widget->nextInFocusChain()) {
            const QString name = widget->objectName();
            if ((name.startsWith(QLatin1String("Text")) ||
                 name.startsWith(QLatin1String("Combo"))) &&
                !tabOrder.contains(name)) {
                tabOrder.append(name);
            }
            if (widget->nextInFocusChain() == start) {
                break;
            }
        }
        QStringList readingOrder;
        for (const InputEntry entry : inputReadingOrder) {
            const auto* box = std::get_if<InputBox>(&entry);
            readingOrder.append(box != nullptr ? QStringLiteral("Text%1").arg(controlNumber(*box))
                                               : QStringLiteral("Combo%1").arg(
                                                     controlNumber(std::get<InputList>(entry))));
        }
        QCOMPARE(tabOrder, readingOrder);
    }

    void theTripperCountShowsBesideItsBox() {
        typeInto(box("Text3"), QStringLiteral("800"));
        dialogs().textAnswers.push_back("2");
        click(*form1_, "Check1");
        auto* count = child<QLabel>(*form1_, "TripperCount");
        QCOMPARE(count->text(), QStringLiteral("2 个"));
        click(*form1_, "Check1");
        QVERIFY(count->text().isEmpty());
    }

    void aBoxReadOtherwiseThanTypedIsFramedAndSaysItsValue_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reads");  // empty: no warning
        QTest::newRow("digit after the number") << "1,2"
                                                << "1";
        QTest::newRow("unit after the number") << "800mm"
                                               << "";
    }

    void aBoxReadOtherwiseThanTypedIsFramedAndSaysItsValue() {
        QFETCH(QString, typed);
        QFETCH(QString, reads);
        typeWithoutLeaving(box("Text6"), typed);
        QCOMPARE(box("Text6").toolTip().isEmpty(), reads.isEmpty());
        QCOMPARE(box("Text6").styleSheet().isEmpty(), reads.isEmpty());
        if (!reads.isEmpty()) {
            QVERIFY(box("Text6").toolTip().contains(QLatin1Char(' ') + reads + QLatin1Char(' ')));
        }
    }

    void aWidthTypedBeforeGoingToAnotherWindowIsTheOneUsed() {
        enterDesign(*form1_, designFromJson(exampleDesignJson), dialogs());
        click(*form1_, "Command1");
        QVERIFY(activate(*form1_));
        typeWithoutLeaving(box("Text3"), QStringLiteral("1000"));
        QVERIFY(activate(*session().resultsWindow()));
        QCOMPARE(int{session().design().shared.B}, 1000);
    }

    // ---- the calculator ----------------------------------------------------------------------

    void theDesktopCalculatorIsTheFirstOneInstalled_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("found");
        QTest::newRow("gnome first")
            << QStringList{"xcalc", "kcalc", "gnome-calculator"} << "gnome-calculator";
        QTest::newRow("qalculate before galculator")
            << QStringList{"galculator", "qalculate-gtk"} << "qalculate-gtk";
        QTest::newRow("none of them") << QStringList{"mate-calc", "speedcrunch"} << "";
    }

    void theDesktopCalculatorIsTheFirstOneInstalled() {
#ifdef Q_OS_WIN
        QSKIP("Windows has one calculator of its own");
#endif
        QFETCH(QStringList, installed);
        QFETCH(QString, found);
        const QString bin = run_->directory.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        for (const QString& name : installed) {
            QFile program(bin + QLatin1Char('/') + name);
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit());
        const QString calculator = DesktopPlatform().defaultCalculator();
        qputenv("PATH", path);
        QCOMPARE(calculator, found.isEmpty() ? QString() : bin + QLatin1Char('/') + found);
    }

    // ---- what the engineer typed, the command line, a new design -----------------------------

    void theReducerRowTakesTheOpenedDesignsPulleyDiameter() {
        open(QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json"));
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
        // What a Chinese input method does with a finished word: commits it at the cursor.
        box("Text1").setFocus();
        QInputMethodEvent event;
        event.setCommitString(typed);
        QApplication::sendEvent(&box("Text1"), &event);
        QCOMPARE(box("Text1").text(), shown);
        QCOMPARE(box("Text1").cursorPosition(), shown.size());
    }

    void listsEmptiedByAnUnlistedWidthNameTheWidth() {
        open(QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json"));
        typeInto(box("Text3"), QStringLiteral("700"));
        click(*form1_, "Command1");
        QCOMPARE(dialogs().shown.size(), std::size_t{1});  // the existing message stays
        int framed = 0;
        for (const QComboBox* list : form1_->findChildren<QComboBox*>()) {
            if (!list->toolTip().isEmpty()) {
                QVERIFY(list->toolTip().contains(QStringLiteral("700毫米")));
                QVERIFY(!list->styleSheet().isEmpty());
                ++framed;
            }
        }
        QCOMPARE(framed, 4);  // the diameter and bearing lists of both idler frames
        typeInto(box("Text3"), QStringLiteral("650"));  // listed, the lists fill again
        for (const QComboBox* list : form1_->findChildren<QComboBox*>()) {
            QVERIFY(list->toolTip().isEmpty() && list->styleSheet().isEmpty());
        }
    }

    void aFileNamedOnTheCommandLineIsOpened() {
        static_cast<InputForm*>(form1_)->openDesignFile(
            QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json"));
        QCOMPARE(box("Text3").text(), QStringLiteral("800"));
        QVERIFY(dialogs().shown.empty() && !form1_->isWindowModified());
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
        open(QStringLiteral(DTII_EXAMPLES_DIR "/belt800-trough.json"));
        typeInto(box("Text7"), QStringLiteral("2.5"));
        dialogs().unsavedAnswers.push_back(static_cast<UnsavedEditsAnswer>(answer));
        trigger(*form1_, "NewDesignAction");
        QCOMPARE(dialogs().shown.size(), std::size_t{1});
        QCOMPARE(box("Text3").text().isEmpty(), cleared);
        QCOMPARE(session().keptEquipmentEntries().has_value(), !cleared);
        QCOMPARE(form1_->isWindowModified(), !cleared);
    }

    void theWindowsCalculatorIsOneThatExists() {
#ifndef Q_OS_WIN
        QSKIP("only Windows has calc.exe");
#endif
        if (QStandardPaths::findExecutable(QStringLiteral("calc")).isEmpty() &&
            !QFileInfo::exists(QStringLiteral("c:/windows/calc.exe"))) {
            QSKIP("this Windows has no calc.exe (Wine)");
        }
        const QString calculator = DesktopPlatform().defaultCalculator();
        QVERIFY2(QFileInfo::exists(calculator), qPrintable(calculator));
        QVERIFY(calculator.endsWith(QStringLiteral("calc.exe"), Qt::CaseInsensitive));
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::DesktopBehaviourTest)
#include "test_desktop_behaviour.moc"
