// Window pictures and the visual checks that go with them.
#include "support_pictures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "support_ui.h"
#include "ui/appearance.h"
#include "ui/equipment_form.h"
#include "ui/input_form.h"
#include "ui/report_form.h"
#include "ui/results_form.h"

namespace dtii::testing {
namespace {

bool save(QWidget& window, const QString& fileName) {
    QDir().mkpath(QStringLiteral(DTII_SCREENSHOT_DIR));
    QCoreApplication::processEvents();
    return window.grab().save(QStringLiteral(DTII_SCREENSHOT_DIR "/") + fileName);
}

// Names of the widgets whose caption is cut off or has characters the font cannot draw.
QStringList clippedCaptions(QWidget& window) {
    QStringList clipped;
    const auto check = [&clipped](const QWidget& widget, const QString& text, int available) {
        const QFontMetrics metrics(widget.font());
        for (const QChar character : text) {
            if (!character.isSpace() && !metrics.inFont(character)) {
                clipped.append(widget.objectName() + QStringLiteral(" (glyph)"));
                return;
            }
        }
        if (available < metrics.horizontalAdvance(text)) {
            clipped.append(widget.objectName());
        }
    };
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isHidden()) {  // a notice hidden until needed has no room yet
            check(*label, label->text(), label->contentsRect().width());
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) {
            check(*button, button->text(), button->width());
        }
    }
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        check(*frame, frame->title(), frame->width());
    }
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        // A list that cannot be typed into shows its text beside the arrow.
        const int available = list->lineEdit() != nullptr ? list->lineEdit()->width()
                                                          : list->width() - list->height();
        check(*list, list->currentText(), available);
    }
    return clipped;
}

}  // namespace

WindowPictures::WindowPictures(QString suffix) : suffix_(std::move(suffix)) {}
WindowPictures::~WindowPictures() = default;

void WindowPictures::initTestCase() {
    ensureChineseFont();
    installChineseTranslation(*qApp);
    watchdog_ = std::make_unique<ModalWatchdog>();
    run_ = std::make_unique<TestRun>();
    QWidget& form1 = run_->inputWindow();
    QVERIFY(activate(form1));
}

void WindowPictures::cleanupTestCase() {
    run_.reset();
    QVERIFY2(watchdog_->openedDialog().isEmpty(), "a real modal dialog opened");
}

void WindowPictures::theEmptyInputWindowShowsItsPromptsWhole() {
    QWidget& form1 = *run_->session->inputWindow();
    QVERIFY(save(form1, QStringLiteral("Form1-empty") + suffix_ + QStringLiteral(".png")));
    const QStringList clipped = clippedCaptions(form1);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

void WindowPictures::theInputWindowShowsItsCaptionsWhole() {
    QWidget& form1 = *run_->session->inputWindow();
    enterDesign(form1, designFromJson(exampleDesignJson), run_->dialogs);
    click(form1, "Command1");
    QVERIFY(run_->session->resultsWindow() != nullptr);
    // A box that will be read otherwise than typed shows its warning frame in the picture.
    QVERIFY(activate(form1));
    typeWithoutLeaving(*child<QLineEdit>(form1, "Text6"), QStringLiteral("1,2"));
    QVERIFY(save(form1, QStringLiteral("Form1") + suffix_ + QStringLiteral(".png")));
    const QStringList clipped = clippedCaptions(form1);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

void WindowPictures::theResultsWindowShowsTheListing() {
    QWidget& form3 = *run_->session->resultsWindow();
    QVERIFY(save(form3, QStringLiteral("Form3") + suffix_ + QStringLiteral(".png")));
    const QStringList clipped = clippedCaptions(form3);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
    // All fourteen lines fit without scrolling.
    auto* text1 = child<QPlainTextEdit>(form3, "Text1");
    QCOMPARE(text1->verticalScrollBar()->maximum(), 0);
    // So do the five checks beside them.
    QCOMPARE(child<QTableWidget>(form3, "CheckRows")->verticalScrollBar()->maximum(), 0);
}

void WindowPictures::theEquipmentWindowShowsItsCaptionsWhole() {
    run_->dialogs.okAnswers.push_back(true);
    click(*run_->session->resultsWindow(), "Command1");
    QWidget* form4 = run_->session->equipmentWindow();
    QVERIFY(form4 != nullptr);
    QVERIFY(activate(*form4));
    QVERIFY(save(*form4, QStringLiteral("Form4") + suffix_ + QStringLiteral(".png")));
    const QStringList clipped = clippedCaptions(*form4);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

void WindowPictures::theReportLinesUpItsColumns() {
    QWidget* form4 = run_->session->equipmentWindow();
    QVERIFY(form4 != nullptr);
    const DesignFile design = designFromJson(exampleDesignJson);
    enterEquipment(*form4, *design.equipment);
    run_->dialogs.textAnswers.push_back(*design.equipment->legHeight);
    click(*form4, "Command1");
    ReportForm* form2 = run_->session->reportWindow();
    QVERIFY(form2 != nullptr);
    QVERIFY(save(*form2, QStringLiteral("Form2") + suffix_ + QStringLiteral(".png")));

    // Every designation of a list starts at the same pixel, whatever Chinese the label holds.
    auto* text1 = child<QPlainTextEdit>(*form2, "Text1");
    const QTextDocument& document = *text1->document();
    const auto x = [text1, &document](int position) {
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        cursor.setPosition(position);
        return text1->cursorRect(cursor).left();
    };
    const QString designation = QStringLiteral("DTⅡ");
    bool inStructureList = false;
    std::array<QList<int>, 2> starts;  // [px] from the line start; equipment, structure list
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        inStructureList = inStructureList || line == QStringLiteral("四.结构件清单");
        const qsizetype at = line.indexOf(designation);
        if (at < 0 || line.contains(QStringLiteral("头部漏斗"))) {
            continue;
        }
        starts[inStructureList ? 1 : 0].append(x(block.position() + static_cast<int>(at)) -
                                               x(block.position()));
    }
    QCOMPARE(starts[0].size(), 14);
    QCOMPARE(starts[1].size(), 16);
    const double column = QFontMetricsF(text1->font()).horizontalAdvance(QLatin1Char('0'));
    const std::array<int, 2> columns = {21, 42};
    for (std::size_t list = 0; list < starts.size(); ++list) {
        for (qsizetype index = 0; index < starts[list].size(); ++index) {
            const int start = starts[list][index];
            QVERIFY2(qAbs(start - columns[list] * column) <= 1.0,
                     qPrintable(QStringLiteral("line %1 of list %2 starts at %3 px, column %4")
                                    .arg(index + 1)
                                    .arg(list + 1)
                                    .arg(start)
                                    .arg(start / column)));
        }
    }
}

void WindowPictures::theReportChecksTabShowsEveryRowWhole() {
    ReportForm* form2 = run_->session->reportWindow();
    QVERIFY(form2 != nullptr);
    auto* tabs = child<QTabWidget>(*form2, "ReportTabs");
    QVERIFY(tabs != nullptr);
    tabs->setCurrentIndex(1);
    QVERIFY(save(*form2, QStringLiteral("Form2-checks") + suffix_ + QStringLiteral(".png")));
    const QStringList clipped = clippedCaptions(*form2);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
    QCOMPARE(child<QTableWidget>(*form2, "CheckRows")->verticalScrollBar()->maximum(), 0);
    tabs->setCurrentIndex(0);
}

}  // namespace dtii::testing
