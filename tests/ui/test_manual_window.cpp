// 帮助 → 使用手册 and F1: the manual window lists every chapter file the build embeds, in file
// order, and moves to a chapter from the contents or from a link in the text.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include "support_ui.h"
#include "ui/manual_window.h"

namespace dtii::testing {

// The chapter files of the source tree, in file order.
QStringList chapterFiles() {
    return QDir(QStringLiteral(DTII_MANUAL_DIR))
        .entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

// The first heading of every chapter file, in file order.
QStringList chapterTitles() {
    QStringList titles;
    for (const QString& name : chapterFiles()) {
        QFile file(QStringLiteral(DTII_MANUAL_DIR "/") + name);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QString first = QString::fromUtf8(file.readLine()).trimmed();
        titles << (first.startsWith(QStringLiteral("# ")) ? first.mid(2) : QString());
    }
    return titles;
}

ManualWindow* openedManual(QWidget& owner) {
    return owner.findChild<ManualWindow*>(QStringLiteral("ManualWindow"));
}

class ManualWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void f1AndTheMenuOpenOneManualWithEveryChapterInOrder() {
        TestRun run;
        QWidget& form1 = run.inputWindow();
        QVERIFY(activate(form1));
        QTest::keyClick(&form1, Qt::Key_F1);
        ManualWindow* manual = openedManual(form1);
        QVERIFY(manual != nullptr);
        QVERIFY(manual->isVisible());

        auto* contents = child<QTreeWidget>(*manual, "ManualContents");
        QVERIFY(contents != nullptr);
        const QStringList expected = chapterTitles();
        QVERIFY(expected.size() >= 9);
        QStringList shown;
        for (int item = 0; item < contents->topLevelItemCount(); ++item) {
            shown << contents->topLevelItem(item)->text(0);
        }
        QCOMPARE(shown, expected);
        QVERIFY(contents->topLevelItem(1)->childCount() > 0);

        // The menu item brings the same window forward instead of opening a second one.
        child<QAction>(form1, "ManualAction")->trigger();
        QCOMPARE(form1.findChildren<ManualWindow*>().size(), qsizetype{1});
        QTest::qWait(50);
        QDir().mkpath(QStringLiteral(DTII_SCREENSHOT_DIR));
        QVERIFY(manual->grab().save(QStringLiteral(DTII_SCREENSHOT_DIR "/manual-window.png")));
    }

    void aChapterIsReachedFromTheContentsAndFromALink() {
        TestRun run;
        QWidget& form1 = run.inputWindow();
        showManual(form1);
        ManualWindow* manual = openedManual(form1);
        QVERIFY(manual != nullptr);
        auto* text = child<QTextBrowser>(*manual, "ManualText");
        auto* contents = child<QTreeWidget>(*manual, "ManualContents");
        QTRY_VERIFY(text->verticalScrollBar()->maximum() > 0);

        const QStringList titles = chapterTitles();
        const QStringList files = chapterFiles();
        for (const QString& target :
             {QStringLiteral("12-command-line.md"), QStringLiteral("02-input-window.md"),
              QStringLiteral("99-none.md")}) {
            const qsizetype index = files.indexOf(target);
            QCOMPARE(manual->showChapter(target), index >= 0);
            if (index < 0) {
                continue;
            }
            QCOMPARE(contents->currentItem()->text(0), titles[index]);
            // The chapter's heading is at the top of the view, unless the text ends before.
            const QTextBlock top = text->cursorForPosition(QPoint(4, 4)).block();
            if (text->verticalScrollBar()->value() < text->verticalScrollBar()->maximum()) {
                QCOMPARE(top.text(), titles[index]);
            }
        }

        QVERIFY(manual->showChapter(QStringLiteral("02-input-window.md")));
        QDir().mkpath(QStringLiteral(DTII_SCREENSHOT_DIR));
        QVERIFY(
            manual->grab().save(QStringLiteral(DTII_SCREENSHOT_DIR "/manual-window-table.png")));

        // Finding goes on from the last place found, round to the beginning.
        auto* find = child<QLineEdit>(*manual, "ManualFind");
        QTest::keyClicks(find, QStringLiteral("GBK"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("GBK"));
        const int first = text->textCursor().position();
        QVERIFY(manual->findNext(QStringLiteral("GBK")) && text->textCursor().position() > first);
        QVERIFY(!manual->findNext(QStringLiteral("没有这段文字")));

        // A link in the text to another chapter file goes there.
        Q_EMIT text->anchorClicked(QUrl(QStringLiteral("13-report-file.md")));
        QCOMPARE(contents->currentItem()->text(0),
                 titles[files.indexOf(QStringLiteral("13-report-file.md"))]);
    }
};

}  // namespace dtii::testing

QTEST_MAIN(dtii::testing::ManualWindowTest)
#include "test_manual_window.moc"
