// Results window: shows the listing; its button asks whether the equipment list is wanted.
#include "ui/results_form.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/windows/results_window.h"
#include "ui/checks_panel.h"
#include "ui/designer_session.h"
#include "ui/text_conversion.h"
#include "ui/window_keys.h"

namespace dtii {
namespace {

constexpr std::string_view caption = "张力及电机功率计算结果";
constexpr std::string_view confirmCaption = "确 定";

}  // namespace

ResultsForm::ResultsForm(DesignerSession& session) : session_(session) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(caption));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The listing is read, selected and copied, never edited; Tab moves on to the button.
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setTabChangesFocus(true);

    auto* command1 = new QPushButton(toQString(confirmCaption), this);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, &ResultsForm::confirm);
    makeDefaultButton(*this, *command1);
    closeOnEscape(*this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addStretch();
    // The design checks stand to the right of the listing, which keeps its own width.
    auto* checks = new ChecksPanel(session_, this);
    auto* body = new QHBoxLayout;
    body->addWidget(text1_);
    body->addWidget(checks, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    // Fourteen lines with some room around them, and the checks beside them.
    const QFontMetrics metrics(text1_->font());
    const QMargins margins = layout->contentsMargins();
    const int listingWidth =
        metrics.horizontalAdvance(QStringLiteral("M")) * 48 - margins.left() - margins.right();
    text1_->setMinimumWidth(listingWidth);
    resize(
        listingWidth + body->spacing() + checks->minimumWidth() + margins.left() + margins.right(),
        std::max(metrics.lineSpacing() * 21, layout->minimumSize().height()));
}

void ResultsForm::setResultsText(std::string_view resultsText) {
    text1_->setPlainText(toDisplayText(resultsText));
    findChild<ChecksPanel*>()->refresh();
}

void ResultsForm::confirm() {
    if (askForEquipmentList(session_.dialogsFrom(*this))) {
        session_.showEquipmentWindow(this);
    }
    close();
}

}  // namespace dtii
