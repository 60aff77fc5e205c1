// Report window: a fixed-width text box so the report's columns line up; closing asks to save.
#include "ui/report_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/report/report_file.h"
#include "ui/appearance.h"
#include "ui/checks_panel.h"
#include "ui/column_alignment.h"
#include "ui/designer_session.h"
#include "ui/sheet_bar.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view caption = "计算结果及设备清单";
constexpr std::string_view checksTabCaption = "设计校核";
constexpr std::string_view outOfDateNotice =
    "此报告已过期：设计已重新计算或已换成另一个设计，报告仍是之前那个设计的。请重新确认设备清单"
    "（初始条件录入窗口的“确 定”）以生成新的报告；在此之前不能打印或导出计算书。";

}  // namespace

ReportForm::ReportForm(DesignerSession& session) : session_(session) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(caption));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setFont(reportFont());
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Long lines scroll sideways rather than wrap, so every line keeps its columns.
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);

    // Typed text keeps to the columns as well; the spacing itself changes only formats.
    QTextDocument* document = text1_->document();
    connect(document, &QTextDocument::contentsChange, this,
            [this, document](int position, int, int added) {
                if (added > 0 && !aligning_) {
                    aligning_ = true;
                    keepToColumns(*document, text1_->font(), position, added);
                    aligning_ = false;
                }
            });

    // The report and, on a tab of its own, the design checks of the same design.
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("ReportTabs"));
    tabs->setDocumentMode(true);
    tabs->addTab(text1_, toQString(caption));
    auto* checks = new ChecksPanel(session_, tabs);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    checks->setContentsMargins(margin, margin, margin, margin);
    tabs->addTab(checks, toQString(checksTabCaption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    sheetBar_ = new SheetBar(session_, this);  // print, preview, export, title block
    layout->setMenuBar(sheetBar_->menuBar());
    layout->addWidget(sheetBar_);
    outOfDate_ = new QLabel(toQString(outOfDateNotice), this);
    outOfDate_->setObjectName(QStringLiteral("OutOfDateNotice"));
    outOfDate_->setWordWrap(true);
    outOfDate_->setStyleSheet(
        QStringLiteral("QLabel { color: #b71c1c; background: #ffebee; border: 1px solid #e57373; "
                       "padding: 4px; }"));
    outOfDate_->hide();
    layout->addWidget(outOfDate_);
    layout->addWidget(tabs);
    connect(&session_, &DesignerSession::designStateChanged, this, &ReportForm::showCurrency);

    // The widest report line is about 75 columns; the report has about 50 lines.
    const QFontMetrics metrics(text1_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 84, metrics.lineSpacing() * 36);
}

void ReportForm::setReportText(std::string_view reportText) {
    text1_->setPlainText(toDisplayText(reportText));
    // A new report starts with nothing to undo, its column spacing included.
    text1_->document()->clearUndoRedoStacks();
    // The drive-pulley diameter of the confirm that made this report reaches the reducer row.
    findChild<ChecksPanel*>()->refresh();
}

void ReportForm::showCurrency() {
    const bool current = session_.reportIsCurrent();
    outOfDate_->setVisible(!current);
    sheetBar_->offerSheet(current);
}

std::string ReportForm::reportText() const {
    return fromDisplayText(text1_->toPlainText());
}

void ReportForm::closeEvent(QCloseEvent* event) {
    const ReportWindowClose decision = reportWindowClosing(
        reportText(), session_.platform().reportFilePath(), session_.dialogsFrom(*this));
    if (decision == ReportWindowClose::keepOpen) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace dtii
