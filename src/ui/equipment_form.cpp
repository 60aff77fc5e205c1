// Equipment-list entry window: copies its entries into the window model and runs the confirm.
#include "ui/equipment_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "core/file/design_replay.h"
#include "core/message_record.h"
#include "core/windows/leg_height_memory.h"
#include "ui/designer_session.h"
#include "ui/prompt_combo_box.h"
#include "ui/reading_warning.h"
#include "ui/text_conversion.h"
#include "ui/window_keys.h"

namespace dtii {
namespace {

constexpr std::string_view caption = "初始条件录入";
constexpr std::string_view confirmCaption = "确 定";

struct EntryRow {
    const char* labelName;
    std::string_view label;
    int box;  // Text<box>
};

// The five label and box rows, top to bottom; the first two labels form the label array Label1.
constexpr std::array<EntryRow, 5> entryRows = {{
    {"Label1_0", "头轮或传动滚筒的直径（mm）：", 1},
    {"Label1_1", "增 面 轮 的 直 径 （mm）：", 5},
    {"Label2", "尾 轮 的 直 径 （mm）：", 2},
    {"Label3", "头轮或传动滚筒中心距头架下端的距离（mm）：", 3},
    {"Label4", "尾轮中心距尾架下端的距离（mm）：", 4},
}};

}  // namespace

EquipmentForm::EquipmentForm(DesignerSession& session) : session_(session) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(caption));

    combo1_ = new PromptComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));

    auto* rows = new QGridLayout;
    for (int row = 0; row < static_cast<int>(entryRows.size()); ++row) {
        const EntryRow& entry = entryRows[static_cast<std::size_t>(row)];
        auto* label = new QLabel(toQString(entry.label), this);
        label->setObjectName(QLatin1String(entry.labelName));
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(entry.box));
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
        label->setBuddy(box);
        warnAboutReading(*box);
        connect(box, &QLineEdit::textChanged, &session_, &DesignerSession::designEdited);
        boxes_[static_cast<std::size_t>(entry.box)] = box;
        rows->addWidget(label, row, 0);
        rows->addWidget(box, row, 1);
    }
    rows->setColumnStretch(1, 1);

    auto* command1 = new QPushButton(toQString(confirmCaption), this);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, &EquipmentForm::confirm);
    makeDefaultButton(*this, *command1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(combo1_);
    top->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addLayout(buttons);

    loadEquipmentWindow(model_);
    if (const auto& kept = session_.keptEquipmentEntries()) {
        replayEquipmentWindow(*kept, model_);
        legHeight_ = kept->legHeight;
    }
    showModel();
    combo1_->keepTextsWhole();
    connect(combo1_, &QComboBox::currentTextChanged, &session_, &DesignerSession::designEdited);
    // Entries left unconfirmed go with the window; the input window's modified mark follows once
    // the window is gone.
    connect(this, &QObject::destroyed, &session_, &DesignerSession::designEdited,
            Qt::QueuedConnection);
}

std::optional<EquipmentEntries> EquipmentForm::shownEntries() const {
    EquipmentWindow shown = model_;
    shown.takeUpList = combo1_->state();
    for (std::size_t box = 1; box < boxes_.size(); ++box) {
        shown.boxes[box] = toUtf8(boxes_[box]->text());
    }
    EquipmentEntries entries = captureEquipmentWindow(shown, legHeight_);
    if (entries == EquipmentEntries{} && !session_.keptEquipmentEntries()) {
        return std::nullopt;
    }
    return entries;
}

void EquipmentForm::showEntries(const std::optional<EquipmentEntries>& entries) {
    loadEquipmentWindow(model_);
    replayEquipmentWindow(entries.value_or(EquipmentEntries{}), model_);
    legHeight_ = entries ? entries->legHeight : std::nullopt;
    showModel();
}

void EquipmentForm::readWidgets() {
    model_.takeUpList = combo1_->state();
    for (std::size_t box = 1; box < boxes_.size(); ++box) {
        model_.boxes[box] = toUtf8(boxes_[box]->text());
    }
}

void EquipmentForm::showModel() {
    combo1_->showState(model_.takeUpList);
    for (std::size_t box = 1; box < boxes_.size(); ++box) {
        const QString text = toQString(model_.boxes[box]);
        if (boxes_[box]->text() != text) {
            boxes_[box]->setText(text);
        }
    }
    if (model_.focusBox && *model_.focusBox >= 1 && *model_.focusBox <= 5) {
        QLineEdit* box = boxes_[static_cast<std::size_t>(*model_.focusBox)];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    } else if (model_.focusTakeUpList) {
        combo1_->setFocus(Qt::OtherFocusReason);
    }
    model_.focusBox.reset();
    model_.focusTakeUpList = false;
}

void EquipmentForm::confirm() {
    readWidgets();
    MessageRecord messages(session_.dialogsFrom(*this));
    LegHeightMemory answers(messages, legHeight_);
    const ConfirmResult result =
        confirmEquipment(model_, session_.design(), session_.equipmentValues(), answers);
    showModel();
    session_.keepEquipmentEntries(captureEquipmentWindow(model_, legHeight_));
    if (result.outcome == SelectionOutcome::completed) {
        session_.setSelection(result.selection, messages.shownMessages());
        session_.showReport(result.reportText, this);
        close();
    }
}

}  // namespace dtii
