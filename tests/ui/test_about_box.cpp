// 帮助 → 关于 in the input window: the box names the program, its version and licence, and goes
// away again when closed.
#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "core/dialogs.h"
#include "core/program_version.h"
#include "support_ui.h"

namespace dtii::testing {

class AboutBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theAboutBoxShowsTheVersionAndClosesItself() {
        TestRun run;
        QWidget& form1 = run.inputWindow();
        QVERIFY(activate(form1));

        auto* about = form1.findChild<QAction*>(QStringLiteral("AboutAction"));
        QVERIFY(about != nullptr);
        about->trigger();
        // The box opens without blocking the window's handler.
        auto* box = form1.findChild<QMessageBox*>(QStringLiteral("AboutBox"));
        QVERIFY(box != nullptr);
        QVERIFY(box->isVisible());
        for (const std::string_view part :
             {programTitle, programVersion, std::string_view("Apache License 2.0")}) {
            QVERIFY2(box->text().contains(toQ(part)), qPrintable(box->text()));
        }

        const QPointer<QMessageBox> closing(box);
        box->accept();
        QTRY_VERIFY(closing.isNull());
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::AboutBoxTest)
#include "test_about_box.moc"
