// 自动选型 in the input window: the list of the shown entries, and 采用 typing the chosen design
// in, marking it modified and computing it.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "core/select/design_selection.h"
#include "support_ui.h"
#include "ui/auto_selection_dialog.h"

namespace dtii::testing {

class AutoSelectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void adoptingTheFirstDesignTypesItInAndComputesIt() {
        TestRun run;
        QWidget& form1 = run.inputWindow();
        QVERIFY(activate(form1));
        const DesignFile design = designFromJson(exampleDesignJson);
        enterDesign(form1, design, run.dialogs);
        const SelectedDesign expected = selectDesigns(design, {}).best.front();
        run.dialogs.shown.clear();

        int listed = 0;
        // Waits for the dialog and its list, then presses 采用 with the first row selected.
        std::function<void()> adoptWhenListed = [&] {
            auto* dialog = qobject_cast<AutoSelectionDialog*>(QApplication::activeModalWidget());
            auto* table = dialog ? child<QTableWidget>(*dialog, "SelectionList") : nullptr;
            if (table == nullptr || table->rowCount() == 0) {
                QTimer::singleShot(20, adoptWhenListed);
                return;
            }
            listed = table->rowCount();
            QDir().mkpath(QStringLiteral(DTII_SCREENSHOT_DIR));
            dialog->grab().save(QStringLiteral(DTII_SCREENSHOT_DIR "/AutoSelection.png"));
            child<QPushButton>(*dialog, "AdoptButton")->click();
        };
        QTimer::singleShot(0, adoptWhenListed);
        form1.findChild<QAction*>(QStringLiteral("AutoSelectionAction"))->trigger();

        QCOMPARE(listed, 10);
        QCOMPARE(child<QLineEdit>(form1, "Text3")->text(), toQ(expected.B));
        QCOMPARE(child<QLineEdit>(form1, "Text7")->text(), toQ(expected.V));
        QCOMPARE(child<QComboBox>(form1, "Combo9")->currentText(), toQ(expected.beltType));
        QCOMPARE(child<QLineEdit>(form1, "Text9")->text(), toQ(expected.plies));
        QVERIFY(form1.isWindowModified());
        QVERIFY(run.session->resultsWindow() != nullptr);
        QCOMPARE(run.session->design().shared.T1, expected.T1);
        QVERIFY(run.dialogs.shown.empty());
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::AutoSelectionTest)
#include "test_auto_selection.moc"
