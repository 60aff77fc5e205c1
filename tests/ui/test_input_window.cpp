// The input window driven through its widgets: the belt-width box, the idler-form buttons, the
// roller lists, the plough-tripper box, the calculator and reset buttons.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/file/design_file.h"
#include "support_ui.h"
#include "ui/prompt_combo_box.h"

namespace dtii::testing {

class InputWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestRun> run_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    QWidget* form1_ = nullptr;

    QLineEdit& box(const char* name) { return *child<QLineEdit>(*form1_, name); }
    PromptComboBox& list(const char* name) { return *child<PromptComboBox>(*form1_, name); }
    ConveyorDesign& design() { return run_->session->design(); }
    QStringList items(const char* name) {
        QStringList texts;
        for (const std::string& item : list(name).state().items) {
            texts.append(toQ(item));
        }
        return texts;
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
        QVERIFY2(watchdog_->openedDialog().isEmpty(), "a real modal dialog opened");
        watchdog_.reset();
    }

    void theBeltWidthLabelListsTheWidthsTheCalculationTakes() {
        QCOMPARE(child<QLabel>(*form1_, "Label3")->text(),
                 QStringLiteral("输送带宽度B（500，650，800，1000，1200，1400）（毫米）："));
    }

    void beltWidthIsStoredWhenTheBoxLosesFocus_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("B");
        QTest::newRow("whole number") << "800" << 800;
        QTest::newRow("unit typed after it") << "800mm" << 800;
        QTest::newRow("half goes to the even neighbour below") << "650.5" << 650;
        QTest::newRow("half goes to the even neighbour above") << "651.5" << 652;
        QTest::newRow("blanks inside are ignored") << "1 000" << 1000;
        QTest::newRow("no number reads as zero") << "abc" << 0;
    }

    void beltWidthIsStoredWhenTheBoxLosesFocus() {
        QFETCH(QString, typed);
        QFETCH(int, B);
        design().shared.B = 1234;
        typeInto(box("Text3"), typed);
        QCOMPARE(int{design().shared.B}, B);
        QVERIFY(run_->dialogs.shown.empty());
    }

    void beltWidthIsStoredAgainWhenTheTextDidNotChange() {
        typeInto(box("Text3"), QStringLiteral("1200"));
        QCOMPARE(int{design().shared.B}, 1200);
        design().shared.B = 0;
        QTest::mouseClick(&box("Text3"), Qt::LeftButton);
        QTest::keyClick(&box("Text3"), Qt::Key_Tab);
        QCOMPARE(int{design().shared.B}, 1200);
    }

    void clickingAnIdlerButtonRightAfterTypingUsesTheTypedWidth() {
        typeWithoutLeaving(box("Text3"), QStringLiteral("1000"));
        click(*form1_, "Option1");
        QCOMPARE(int{design().shared.B}, 1000);
        QCOMPARE(int{design().shared.carryingIdlerForm}, 3);
        QCOMPARE(items("Combo6"), QStringList({"D=108", "D=133"}));
        QCOMPARE(items("Combo4"), QStringList({"4G205", "4G305"}));
        QCOMPARE(list("Combo6").currentText(), QStringLiteral("选取辊子直径"));
        QVERIFY(items("Combo7").isEmpty());
    }

    void anInvalidWidthSelectsTheWidthBoxForRetyping() {
        typeWithoutLeaving(box("Text3"), QStringLiteral("700"));
        click(*form1_, "Option3");
        QCOMPARE(run_->dialogs.messageTexts(),
                 std::vector<std::string>{"输入的带宽值不合法，请重新输入！"});
        QCOMPARE(QApplication::focusWidget(), &box("Text3"));
        QCOMPARE(box("Text3").selectedText(), QStringLiteral("700"));
        QVERIFY(items("Combo6").isEmpty());
        QVERIFY(child<QAbstractButton>(*form1_, "Option3")->isChecked());
    }

    void theReturnButtonsStandInTheirOwnFrame() {
        typeInto(box("Text3"), QStringLiteral("800"));
        click(*form1_, "Option1");
        click(*form1_, "Option4");
        QVERIFY(child<QAbstractButton>(*form1_, "Option1")->isChecked());
        QVERIFY(child<QAbstractButton>(*form1_, "Option4")->isChecked());
        QCOMPARE(items("Combo5"), QStringList({"4G204", "4G205", "4G305"}));
        click(*form1_, "Option6");
        QVERIFY(!child<QAbstractButton>(*form1_, "Option4")->isChecked());
        QVERIFY(child<QAbstractButton>(*form1_, "Option1")->isChecked());
    }

    void openingARollerListWithoutAWidthShowsTheMessageAndStillOpens_data() {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("message");
        const QString bearing =
            QStringLiteral("请先选择托辊形式,在上面的输入框中输入带宽B的值并选择辊子直径！");
        const QString diameter =
            QStringLiteral("请先选择托辊形式，并在上面的输入框中输入带宽B的值");
        QTest::newRow("carrying bearing") << "Combo4"
                                          << "Option1" << bearing;
        QTest::newRow("return bearing") << "Combo5"
                                        << "Option6" << bearing;
        QTest::newRow("carrying diameter") << "Combo6"
                                           << "Option1" << diameter;
        QTest::newRow("return diameter") << "Combo7"
                                         << "Option6" << diameter;
    }

    void openingARollerListWithoutAWidthShowsTheMessageAndStillOpens() {
        QFETCH(QString, listName);
        QFETCH(QString, option);
        QFETCH(QString, message);
        // The list keeps the items of an idler form chosen before a reset emptied the boxes.
        typeInto(box("Text3"), QStringLiteral("800"));
        click(*form1_, option.toLatin1().constData());
        run_->dialogs.unsavedAnswers.push_back(UnsavedEditsAnswer::discard);
        click(*form1_, "Command3");
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});
        QCOMPARE(run_->dialogs.shown[0].kind, ShownBox::Kind::unsavedEdits);
        run_->dialogs.shown.clear();
        PromptComboBox& combo = list(listName.toLatin1().constData());
        combo.showPopup();
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});
        QCOMPARE(toQ(run_->dialogs.shown[0].text), message);
        QCOMPARE(run_->dialogs.shown[0].caption, std::string("提示框"));
        QCOMPARE(run_->dialogs.shown[0].icon, MessageIcon::information);
        QVERIFY(combo.view()->isVisible());
        combo.hidePopup();
    }

    void openingARollerListWithAWidthTypedShowsNothing() {
        typeInto(box("Text3"), QStringLiteral("x"));
        list("Combo6").showPopup();
        list("Combo6").hidePopup();
        QVERIFY(run_->dialogs.shown.empty());
    }

    void trippersWithoutAWidthUncheckTheBoxAndFocusTheWidth() {
        design().input.ploughResistance = 0;
        click(*form1_, "Check1");
        QCOMPARE(run_->dialogs.messageTexts(),
                 std::vector<std::string>{"请先在下面输入框中输入输送带宽度B的值！"});
        QVERIFY(!child<QCheckBox>(*form1_, "Check1")->isChecked());
        QCOMPARE(QApplication::focusWidget(), &box("Text3"));
        QCOMPARE(design().input.ploughResistance, 0.0);
    }

    void trippersAskForTheirCountWithTheTypedWidth() {
        typeWithoutLeaving(box("Text3"), QStringLiteral("1000"));
        run_->dialogs.textAnswers.push_back("2");
        click(*form1_, "Check1");
        const ShownBox asked{ShownBox::Kind::input, "请输入卸料器的个数：", "输入框",
                             MessageIcon::none, "1"};
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});
        QVERIFY(run_->dialogs.shown[0] == asked);
        QVERIFY(child<QCheckBox>(*form1_, "Check1")->isChecked());
        QCOMPARE(design().input.ploughResistance, 3000.0);

        click(*form1_, "Check1");
        QVERIFY(!child<QCheckBox>(*form1_, "Check1")->isChecked());
        QCOMPARE(run_->dialogs.shown.size(), std::size_t{1});
        QCOMPARE(design().input.ploughResistance, 3000.0);
    }

    void resetEmptiesTheEntriesAndKeepsItemsAndRecord() {
        const DesignFile entered = designFromJson(exampleDesignJson);
        enterDesign(*form1_, entered, run_->dialogs);
        const SharedDesign sharedBefore = design().shared;
        const double frictionBefore = design().input.frictionFactor;
        const double ploughBefore = design().input.ploughResistance;
        const QStringList diametersBefore = items("Combo6");
        QVERIFY(!diametersBefore.isEmpty());

        run_->dialogs.unsavedAnswers.push_back(UnsavedEditsAnswer::discard);
        click(*form1_, "Command3");

        for (int number = 1; number <= 15; ++number) {
            const QByteArray name = "Text" + QByteArray::number(number);
            QVERIFY2(box(name.constData()).text().isEmpty(), name.constData());
        }
        const std::array<std::pair<const char*, const char*>, 9> prompts = {{
            {"Combo1", "工作条件（请选择）"},
            {"Combo2", "运行条件（请选择）"},
            {"Combo3", "滚筒覆盖面形式（请选择）"},
            {"Combo4", "选择辊子轴承"},
            {"Combo5", "选择辊子轴承"},
            {"Combo6", "选取辊子直径"},
            {"Combo7", "选取辊子直径"},
            {"Combo8", "请选择胶带上/下胶厚度（mm/mm）"},
            {"Combo9", "请选择输送带型号"},
        }};
        for (const auto& [name, prompt] : prompts) {
            QCOMPARE(list(name).currentText(), QString::fromUtf8(prompt));
        }
        for (const char* option :
             {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"}) {
            QVERIFY2(!child<QAbstractButton>(*form1_, option)->isChecked(), option);
        }
        QCOMPARE(items("Combo6"), diametersBefore);
        QCOMPARE(list("Combo1").count(), 4);
        QCOMPARE(list("Combo9").count(), 31);
        QVERIFY(child<QCheckBox>(*form1_, "Check1")->isChecked());
        QCOMPARE(design().shared.B, sharedBefore.B);
        QCOMPARE(design().shared.carryingIdlerForm, sharedBefore.carryingIdlerForm);
        QCOMPARE(design().shared.carryingRollerDiameter, sharedBefore.carryingRollerDiameter);
        QCOMPARE(design().shared.resultsText, sharedBefore.resultsText);
        QCOMPARE(design().input.frictionFactor, frictionBefore);
        QCOMPARE(design().input.ploughResistance, ploughBefore);
    }

    void theCalculatorButtonFallsBackToAChosenProgram_data() {
        QTest::addColumn<bool>("defaultStarts");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("chosenStarts");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<QStringList>("messages");
        const QString calculator = QStringLiteral("/usr/bin/fake-calculator");
        const QString missing = QStringLiteral("在默认路径中找不到calc.exe");
        QTest::newRow("default starts")
            << true << QString() << false << QStringList{calculator} << QStringList{};
        QTest::newRow("nothing chosen")
            << false << QString() << false << QStringList{calculator} << QStringList{missing};
        QTest::newRow("chosen program starts")
            << false << QStringLiteral("/opt/calc") << true
            << QStringList{calculator, QStringLiteral("/opt/calc")} << QStringList{missing};
        QTest::newRow("chosen program fails")
            << false << QStringLiteral("/opt/broken") << false
            << QStringList{calculator, QStringLiteral("/opt/broken")}
            << QStringList{missing, QStringLiteral("无法启动所选的程序：/opt/broken")};
    }

    void theCalculatorButtonFallsBackToAChosenProgram() {
        QFETCH(bool, defaultStarts);
        QFETCH(QString, chosen);
        QFETCH(bool, chosenStarts);
        QFETCH(QStringList, started);
        QFETCH(QStringList, messages);
        FakePlatform& platform = run_->platform;
        if (defaultStarts) {
            platform.startable.append(platform.calculator);
        }
        if (chosenStarts) {
            platform.startable.append(chosen);
        }
        platform.chosenProgram = chosen;

        click(*form1_, "Command2");

        QCOMPARE(platform.started, started);
        QStringList shown;
        for (const std::string& text : run_->dialogs.messageTexts()) {
            shown.append(toQ(text));
        }
        QCOMPARE(shown, messages);
        QCOMPARE(platform.chooserFilters.size(), defaultStarts ? 0 : 1);
        if (!defaultStarts) {
            QCOMPARE(run_->dialogs.shown[0].caption, std::string(programTitle));
            QVERIFY(platform.chooserFilters[0].contains(QStringLiteral("应用程序(*.exe)")));
        }
    }

    void aSavedDesignOpensAgainAsItWasEntered() {
        DesignFile entered = designFromJson(exampleDesignJson);
        entered.equipment.reset();
        enterDesign(*form1_, entered, run_->dialogs);
        const QString path = run_->directory.filePath(QStringLiteral("design.json"));
        run_->platform.chosenSavePath = path;
        form1_->findChild<QAction*>(QStringLiteral("SaveDesignAction"))->trigger();
        const DesignFileResult saved = loadDesignFile(path.toStdString());
        QVERIFY2(saved.design.has_value(), saved.error.c_str());
        QVERIFY(*saved.design == entered);

        click(*form1_, "Command3");
        design().shared.B = 0;
        design().input.ploughResistance = 0;
        const std::size_t boxesBefore = run_->dialogs.shown.size();
        run_->platform.chosenProgram = path;
        form1_->findChild<QAction*>(QStringLiteral("OpenDesignAction"))->trigger();

        QCOMPARE(run_->dialogs.shown.size(), boxesBefore);
        QCOMPARE(box("Text3").text(), QStringLiteral("800"));
        QCOMPARE(box("Text10").text(), QStringLiteral("35"));
        QCOMPARE(list("Combo9").currentText(), QStringLiteral("尼龙帆布NN-200"));
        QCOMPARE(list("Combo5").currentText(), QStringLiteral("4G205"));
        QVERIFY(child<QAbstractButton>(*form1_, "Option1")->isChecked());
        QVERIFY(child<QAbstractButton>(*form1_, "Option4")->isChecked());
        QVERIFY(child<QCheckBox>(*form1_, "Check1")->isChecked());
        QCOMPARE(int{design().shared.B}, 800);
        QCOMPARE(design().input.ploughResistance, 2 * 800 * 1.5);
    }

    void aBrokenDesignFileIsNamedAndChangesNothing() {
        typeInto(box("Text3"), QStringLiteral("1000"));
        const QString path = run_->directory.filePath(QStringLiteral("broken.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": ");
        file.close();
        run_->platform.chosenProgram = path;
        run_->dialogs.unsavedAnswers.push_back(UnsavedEditsAnswer::discard);
        form1_->findChild<QAction*>(QStringLiteral("OpenDesignAction"))->trigger();

        const std::vector<std::string> messages = run_->dialogs.messageTexts();
        QCOMPARE(messages.size(), std::size_t{1});
        QVERIFY2(messages[0].find("broken.json") != std::string::npos, messages[0].c_str());
        QCOMPARE(box("Text3").text(), QStringLiteral("1000"));
        QCOMPARE(int{design().shared.B}, 1000);
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::InputWindowTest)
#include "test_input_window.moc"
