// Input window: builds the controls, copies them into the window model around every handler of
// the core, and shows the model again afterwards.
#include "ui/input_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string_view>

#include "core/calc/resistance_tables.h"
#include "core/file/design_replay.h"
#include "core/message_record.h"
#include "ui/about_box.h"
#include "ui/calculator_command.h"
#include "ui/design_file_commands.h"
#include "ui/designer_session.h"
#include "ui/prompt_combo_box.h"
#include "ui/reading_warning.h"
#include "ui/recent_files.h"
#include "ui/text_conversion.h"
#include "ui/window_keys.h"

namespace dtii {
namespace {

struct EntryRow {
    const char* labelName;
    std::string_view label;
    InputBox box;
};

// The left column, top to bottom.
constexpr std::array<EntryRow, 10> entryRows = {{
    {"Label3", "输送带宽度B（%1）（毫米）：", InputBox::beltWidth},
    {"Label5", "承载分支托辊间距a0（1，1.2）（米）：", InputBox::carryingSpacing},
    {"Label6", "回 程 分 支 托 辊 间 距 au（米）：", InputBox::returnSpacing},
    {"Label7", "物  料  密  度r（千克/立方米）：", InputBox::materialDensity},
    {"Label8", "带      速     V （米/秒）：", InputBox::beltSpeed},
    {"Label9", "每小时输送量Q（吨/小时）：", InputBox::capacity},
    {"Label1", "输  送  机  长  度 L（米）：", InputBox::conveyorLength},
    {"Label2", "物料提升高度H（米）（向上为+；向下为-）：", InputBox::lift},
    {"Label24", "胶带在传动滚筒上的包角（度）：", InputBox::wrapAngle},
    {"Label25", "输送机水平投影长度L0（米）：", InputBox::horizontalLength},
}};

struct AngleRow {
    const char* numberName;
    std::string_view number;
    const char* labelName;
    std::string_view label;
    InputBox box;
    InputList list;
};

struct IdlerFrame {
    const char* frameName;
    std::string_view caption;
    const char* optionRowNumberName;
    std::array<IdlerButton, 3> buttonsLeftToRight;
    std::array<AngleRow, 2> angleRows;
};

// The carrying frame, then the return frame.
constexpr std::array<IdlerFrame, 2> idlerFrames = {{
    {"Frame1",
     "选取上托辊",
     "Label11",
     {IdlerButton::carryingTrough, IdlerButton::carryingV, IdlerButton::carryingFlat},
     {{{"Label12", "2.", "Label13", "槽角（度）：", InputBox::carryingTroughAngle,
        InputList::carryingRollerDiameter},
       {"Label14", "3.", "Label15", "前倾角（度）：", InputBox::carryingTiltAngle,
        InputList::carryingBearing}}}},
    {"Frame2",
     "选取下托辊",
     "Label17",
     {IdlerButton::returnTrough, IdlerButton::returnV, IdlerButton::returnFlat},
     {{{"Label16", "2.", "Label18", "槽角（度）：", InputBox::returnTroughAngle,
        InputList::returnRollerDiameter},
       {"Label19", "3.", "Label20", "前倾角（度）：", InputBox::returnTiltAngle,
        InputList::returnBearing}}}},
}};
constexpr std::string_view optionRowNumber = "1.";

constexpr std::string_view checkCaption = "是否有犁式卸料器";
constexpr std::string_view beltFrameCaption = "选择胶带";
constexpr std::string_view plyLabel = "输    送    带    层    数：";

// The design-file menu above the top row.
constexpr std::string_view fileMenuCaption = "文件(&F)";
constexpr std::string_view openDesignCaption = "打开设计文件(&O)…";
constexpr std::string_view recentDesignsCaption = "最近打开(&R)";
constexpr std::string_view noRecentDesigns = "（无）";
constexpr std::string_view saveDesignCaption = "保存设计文件(&S)…";
constexpr std::string_view saveDesignAsCaption = "另存为(&A)…";

struct CommandButton {
    const char* name;
    std::string_view caption;
};

// The bottom row, left to right: compute, calculator, reset, exit.
constexpr std::array<CommandButton, 4> commandButtons = {{
    {"Command1", "确  定"},
    {"Command2", "打开计算器"},
    {"Command3", "重新计算"},
    {"Command4", "退 出"},
}};

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel* makeLabel(const char* name, std::string_view text, QWidget* parent) {
    return makeLabel(name, toQString(text), parent);
}

// The belt-width label lists the widths the calculation takes (its %1).
QString entryLabelText(const EntryRow& entry) {
    const QString text = toQString(entry.label);
    return entry.box == InputBox::beltWidth ? text.arg(toQString(calculableBeltWidthsText("，")))
                                            : text;
}

}  // namespace

InputForm::InputForm(DesignerSession& session) : session_(session) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Built in reading order, which is also the order the Tab key follows.
    QMenuBar* menuBar = buildMenuBar();
    QWidget* topRow = buildTopRow();
    QWidget* entryColumn = buildEntryColumn();
    QWidget* beltFrame = buildBeltFrame();
    QWidget* carryingFrame = buildIdlerFrame(0);
    QWidget* returnFrame = buildIdlerFrame(1);
    QWidget* buttonRow = buildButtonRow();

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(beltFrame);
    rightColumn->addWidget(carryingFrame);
    rightColumn->addWidget(returnFrame);
    rightColumn->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(entryColumn, 1);
    middle->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
    middle->addLayout(rightColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(topRow);
    layout->addLayout(middle, 1);
    layout->addWidget(buttonRow);

    boxes_[InputBox::beltWidth]->installEventFilter(this);

    loadInputWindow(model_, session_.design());
    showModel();
    // The conditions are read whole at any window width: their lists never shrink below the
    // longest item.
    for (const InputList list :
         {InputList::workingCondition, InputList::runningCondition, InputList::drumSurface}) {
        lists_[list]->keepTextsWhole();
    }

    // Every change of what the windows show may change the modified mark.
    const auto follow = [this] { showDocumentState(); };
    for (const InputBox box : inputBoxes) {
        warnAboutReading(*boxes_[box]);
        connect(boxes_[box], &QLineEdit::textChanged, this, follow);
    }
    for (const InputList list : inputLists) {
        connect(lists_[list], &QComboBox::currentTextChanged, this, follow);
    }
    for (QButtonGroup* group : idlerGroups_) {
        connect(group, &QButtonGroup::idToggled, this, follow);
    }
    connect(&session_, &DesignerSession::designEdited, this, follow);
    connect(&session_.checkSettings(), &CheckSettings::changed, this, follow);
    startDocument({});
}

InputForm::~InputForm() {
    // The children outlive this part of the object; their last focus events must not reach it.
    boxes_[InputBox::beltWidth]->removeEventFilter(this);
}

QMenuBar* InputForm::buildMenuBar() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("DesignFileMenuBar"));
    QMenu* fileMenu = menuBar->addMenu(toQString(fileMenuCaption));
    QAction* open = fileMenu->addAction(toQString(openDesignCaption));
    open->setObjectName(QStringLiteral("OpenDesignAction"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &InputForm::handleOpenDesign);
    recentMenu_ = fileMenu->addMenu(toQString(recentDesignsCaption));
    recentMenu_->setObjectName(QStringLiteral("RecentDesignsMenu"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &InputForm::fillRecentMenu);
    fillRecentMenu();
    fileMenu->addSeparator();
    QAction* save = fileMenu->addAction(toQString(saveDesignCaption));
    save->setObjectName(QStringLiteral("SaveDesignAction"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &InputForm::handleSaveDesign);
    QAction* saveAs = fileMenu->addAction(toQString(saveDesignAsCaption));
    saveAs->setObjectName(QStringLiteral("SaveDesignAsAction"));
    saveAs->setShortcut(QKeySequence::SaveAs);
    connect(saveAs, &QAction::triggered, this, &InputForm::handleSaveDesignAs);
    addHelpMenu(*menuBar, *this);
    return menuBar;
}

QWidget* InputForm::buildTopRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const InputList list :
         {InputList::workingCondition, InputList::runningCondition, InputList::drumSurface}) {
        PromptComboBox* combo = makeList(list);
        combo->setParent(row);
        layout->addWidget(combo, 1);
    }
    check1_ = new QCheckBox(toQString(checkCaption), row);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setFocusPolicy(Qt::StrongFocus);
    connect(check1_, &QCheckBox::toggled, this, &InputForm::handlePloughTrippersToggle);
    layout->addWidget(check1_);
    tripperCount_ = new QLabel(row);
    tripperCount_->setObjectName(QStringLiteral("TripperCount"));
    // Room for "99 个" whether or not a count is shown, so the row does not shift.
    tripperCount_->setMinimumWidth(
        tripperCount_->fontMetrics().horizontalAdvance(QStringLiteral("99 ") + toQString("个")));
    layout->addWidget(tripperCount_);
    return row;
}

QWidget* InputForm::buildEntryColumn() {
    auto* column = new QWidget(this);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int row = 0; row < static_cast<int>(entryRows.size()); ++row) {
        const EntryRow& entry = entryRows[static_cast<std::size_t>(row)];
        QLabel* label = makeLabel(entry.labelName, entryLabelText(entry), column);
        QLineEdit* box = makeBox(entry.box);
        box->setParent(column);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(static_cast<int>(entryRows.size()), 1);
    return column;
}

QWidget* InputForm::buildBeltFrame() {
    auto* frame = new QGroupBox(toQString(beltFrameCaption), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const InputList list : {InputList::beltType, InputList::covers}) {
        PromptComboBox* combo = makeList(list);
        combo->setParent(frame);
        grid->addWidget(combo, row++, 0, 1, 2);
    }
    QLineEdit* plies = makeBox(InputBox::plies);
    plies->setParent(frame);
    QLabel* label = makeLabel("Label10", plyLabel, frame);
    label->setBuddy(plies);
    grid->addWidget(label, row, 0);
    grid->addWidget(plies, row, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* InputForm::buildIdlerFrame(int side) {
    const IdlerFrame& layout = idlerFrames[static_cast<std::size_t>(side)];
    auto* frame = new QGroupBox(toQString(layout.caption), this);
    frame->setObjectName(QLatin1String(layout.frameName));
    auto* grid = new QGridLayout(frame);

    auto* group = new QButtonGroup(frame);
    idlerGroups_[static_cast<std::size_t>(side)] = group;
    auto* optionRow = new QHBoxLayout;
    for (const IdlerButton idler : layout.buttonsLeftToRight) {
        auto* button = new QRadioButton(toQString(idlerButtonRow(idler).caption), frame);
        button->setObjectName(QStringLiteral("Option%1").arg(controlNumber(idler)));
        button->setFocusPolicy(Qt::StrongFocus);
        group->addButton(button, controlNumber(idler));
        connect(button, &QRadioButton::clicked, this,
                [this, idler] { handleIdlerFormClick(idler); });
        optionRow->addWidget(button);
    }
    optionRow->addStretch();
    grid->addWidget(makeLabel(layout.optionRowNumberName, optionRowNumber, frame), 0, 0);
    grid->addLayout(optionRow, 0, 1, 1, 3);

    int row = 1;
    for (const AngleRow& angle : layout.angleRows) {
        QLineEdit* box = makeBox(angle.box);
        box->setParent(frame);
        PromptComboBox* combo = makeList(angle.list);
        combo->setParent(frame);
        QLabel* label = makeLabel(angle.labelName, angle.label, frame);
        label->setBuddy(box);
        grid->addWidget(makeLabel(angle.numberName, angle.number, frame), row, 0);
        grid->addWidget(label, row, 1);
        grid->addWidget(box, row, 2);
        grid->addWidget(combo, row, 3);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 2);
    return frame;
}

QWidget* InputForm::buildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    std::array<QPushButton*, commandButtons.size()> buttons{};
    for (std::size_t index = 0; index < commandButtons.size(); ++index) {
        auto* button = new QPushButton(toQString(commandButtons[index].caption), row);
        button->setObjectName(QLatin1String(commandButtons[index].name));
        button->setFocusPolicy(Qt::StrongFocus);
        // Enter presses the focused button, and 确定 (compute) anywhere else.
        button->setAutoDefault(true);
        buttons[index] = button;
        layout->addStretch();
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(buttons[0], &QPushButton::clicked, this, &InputForm::handleCompute);
    connect(buttons[1], &QPushButton::clicked, this, &InputForm::handleCalculator);
    connect(buttons[2], &QPushButton::clicked, this, &InputForm::handleReset);
    connect(buttons[3], &QPushButton::clicked, this, &InputForm::close);
    makeDefaultButton(*this, *buttons[0]);
    return row;
}

QLineEdit* InputForm::makeBox(InputBox box) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Text%1").arg(controlNumber(box)));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    boxes_[box] = edit;
    return edit;
}

PromptComboBox* InputForm::makeList(InputList list) {
    auto* combo = new PromptComboBox(this);
    combo->setObjectName(QStringLiteral("Combo%1").arg(controlNumber(list)));
    lists_[list] = combo;
    connect(combo, &PromptComboBox::activated, this, [this, list] { handleListPick(list); });
    connect(combo, &PromptComboBox::popupAboutToShow, this,
            [this, list] { handleListOpening(list); });
    return combo;
}

bool InputForm::eventFilter(QObject* watched, QEvent* event) {
    // Every way out of the box stores the width, another window or a menu taking the keyboard
    // included, so whatever the person does next uses the width they see. A box that a handler's
    // own message or question takes the keyboard from is not left by the person: the handler has
    // read it already, and a second handler inside the first would show its message twice.
    if (watched == boxes_[InputBox::beltWidth] && event->type() == QEvent::FocusOut && !closing_ &&
        !handling_) {
        handleBeltWidthLostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void InputForm::readWidgets() {
    readWidgetsInto(model_);
}

void InputForm::readWidgetsInto(InputWindow& window) const {
    for (const InputBox box : inputBoxes) {
        window.boxes[box] = toUtf8(boxes_[box]->text());
    }
    for (const InputList list : inputLists) {
        window.lists[list].text = toUtf8(lists_[list]->currentText());
    }
    // The buttons' ids are their numbers.
    const auto checkedButton = [](const QButtonGroup& group) -> std::optional<IdlerButton> {
        const int id = group.checkedId();
        return id > 0 ? std::optional<IdlerButton>(static_cast<IdlerButton>(id)) : std::nullopt;
    };
    window.carryingIdlerButton = checkedButton(*idlerGroups_[0]);
    window.returnIdlerButton = checkedButton(*idlerGroups_[1]);
    window.ploughTrippers = check1_->isChecked();
}

DesignFile InputForm::shownDesign() const {
    InputWindow shown = model_;
    readWidgetsInto(shown);
    DesignFile design = captureInputWindow(shown, session_.design());
    design.equipment = session_.equipmentEntries();
    design.checks = session_.checkSettings().texts();
    if (session_.project() != ProjectInfo{}) {
        design.project = session_.project();
    }
    return design;
}

void InputForm::showModel() {
    for (const InputBox box : inputBoxes) {
        const QString text = toQString(model_.boxes[box]);
        if (boxes_[box]->text() != text) {
            boxes_[box]->setText(text);
        }
    }
    for (const InputList list : inputLists) {
        lists_[list]->showState(model_.lists[list]);
    }
    const std::array<std::optional<IdlerButton>, 2> selected = {model_.carryingIdlerButton,
                                                                model_.returnIdlerButton};
    for (std::size_t side = 0; side < idlerGroups_.size(); ++side) {
        QButtonGroup& group = *idlerGroups_[side];
        // An exclusive group cannot have its last button unchecked.
        group.setExclusive(false);
        for (QAbstractButton* button : group.buttons()) {
            button->setChecked(selected[side] &&
                               controlNumber(*selected[side]) == group.id(button));
        }
        group.setExclusive(true);
    }
    {
        const QSignalBlocker blocker(check1_);
        check1_->setChecked(model_.ploughTrippers);
    }
    tripperCount_->setText(toQString(ploughTripperCountText(model_, session_.design())));
    if (model_.focusBox) {
        QLineEdit* box = boxes_[*model_.focusBox];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    } else if (model_.focusList) {
        lists_[*model_.focusList]->setFocus(Qt::OtherFocusReason);
    }
    model_.focusBox.reset();
    model_.focusList.reset();
    showDocumentState();
}

void InputForm::storeBeltWidthIfFocused() {
    if (boxes_[InputBox::beltWidth]->hasFocus()) {
        handleBeltWidthLostFocus();
    }
}

template <class Handler>
void InputForm::runHandler(Handler&& handler) {
    const QScopedValueRollback<bool> handling(handling_, true);
    readWidgets();
    handler();
    showModel();
}

void InputForm::handleBeltWidthLostFocus() {
    runHandler(
        [this] { beltWidthLostFocus(model_, session_.design(), session_.dialogsFrom(*this)); });
}

void InputForm::handleIdlerFormClick(IdlerButton button) {
    storeBeltWidthIfFocused();
    runHandler([this, button] {
        chooseIdlerForm(model_, session_.design(), session_.dialogsFrom(*this), button);
    });
}

void InputForm::handleListPick(InputList list) {
    storeBeltWidthIfFocused();
    runHandler([this, list] { pickListItem(model_, session_.design(), list); });
}

void InputForm::handleListOpening(InputList list) {
    storeBeltWidthIfFocused();
    runHandler([this, list] { openList(model_, session_.dialogsFrom(*this), list); });
}

void InputForm::handlePloughTrippersToggle(bool checked) {
    storeBeltWidthIfFocused();
    runHandler([this, checked] {
        ploughTrippersChanged(model_, session_.design(), session_.dialogsFrom(*this), checked);
    });
}

void InputForm::handleCompute() {
    storeBeltWidthIfFocused();
    ComputeOutcome outcome = ComputeOutcome::refused;
    MessageRecord messages(session_.dialogsFrom(*this));
    runHandler([this, &outcome, &messages] {
        outcome = computeDrive(model_, session_.design(), messages);
    });
    if (outcome == ComputeOutcome::computed) {
        session_.setComputedInputs(captureInputWindow(model_, session_.design()),
                                   messages.shownMessages());
        session_.checkSettings().setBeltType(model_.lists[InputList::beltType].text);
        session_.showResults(session_.design().shared.resultsText, this);
    }
}

void InputForm::handleCalculator() {
    const QScopedValueRollback<bool> handling(handling_, true);
    storeBeltWidthIfFocused();
    openCalculator(session_.platform(), session_.dialogsFrom(*this), this);
}

void InputForm::handleReset() {
    const QScopedValueRollback<bool> handling(handling_, true);
    storeBeltWidthIfFocused();
    if (!leaveDesign()) {
        return;
    }
    runHandler([this] { resetInputWindow(model_); });
    // A cleared window is a new design: nothing in it to save yet.
    startDocument({});
}

void InputForm::closeEvent(QCloseEvent* event) {
    const QScopedValueRollback<bool> handling(handling_, true);
    if (!leaveDesign() || !session_.closeOtherWindows()) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

// ---- the design file -------------------------------------------------------------------------

void InputForm::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = recentDesignFiles();
    for (const QString& path : files) {
        QAction* action = recentMenu_->addAction(path);
        connect(action, &QAction::triggered, this, [this, path] { handleOpenRecent(path); });
    }
    if (files.isEmpty()) {
        recentMenu_->addAction(toQString(noRecentDesigns))->setEnabled(false);
    }
}

bool InputForm::leaveDesign() {
    switch (askBeforeLeaving(document_, shownDesign(), session_.dialogsFrom(*this))) {
        case LeaveDecision::proceed:
            return true;
        case LeaveDecision::saveFirst:
            return saveDesign(false);
        case LeaveDecision::stay:
            break;
    }
    return false;
}

bool InputForm::saveDesign(bool askForPath) {
    const QScopedValueRollback<bool> handling(handling_, true);
    storeBeltWidthIfFocused();
    QString path = QString::fromStdU16String(document_.path.u16string());
    if (askForPath || path.isEmpty()) {
        path = chooseDesignFileToSave(session_.platform(), this);
        if (path.isEmpty()) {
            return false;
        }
    }
    const DesignFile design = shownDesign();
    if (!writeDesignFile(design, path, session_.dialogsFrom(*this))) {
        return false;
    }
    document_ = {std::filesystem::path(path.toStdU16String()), design};
    rememberRecentDesignFile(path);
    showDocumentState();
    return true;
}

void InputForm::openDesign(const QString& path) {
    const std::optional<DesignFile> design = readDesignFile(path, session_.dialogsFrom(*this));
    if (!design) {
        forgetRecentDesignFile(path);
        return;
    }
    runHandler([this, &design] {
        enterDesignIntoWindow(*design, model_, session_.design(), session_.dialogsFrom(*this));
        session_.enterEquipmentEntries(design->equipment);
        session_.checkSettings().setTexts(design->checks);
        session_.project() = design->project.value_or(ProjectInfo{});
    });
    rememberRecentDesignFile(path);
    startDocument(std::filesystem::path(path.toStdU16String()));
}

void InputForm::startDocument(std::filesystem::path path) {
    document_ = {std::move(path), shownDesign()};
    showDocumentState();
}

void InputForm::showDocumentState() {
    if (closing_) {
        return;
    }
    setWindowTitle(toQString(documentWindowTitle(document_)));
    setWindowModified(hasUnsavedEdits(document_, shownDesign()));
}

void InputForm::handleOpenDesign() {
    const QScopedValueRollback<bool> handling(handling_, true);
    storeBeltWidthIfFocused();
    if (!leaveDesign()) {
        return;
    }
    const QString path = chooseDesignFileToOpen(session_.platform(), this);
    if (!path.isEmpty()) {
        openDesign(path);
    }
}

void InputForm::handleOpenRecent(const QString& path) {
    const QScopedValueRollback<bool> handling(handling_, true);
    storeBeltWidthIfFocused();
    if (leaveDesign()) {
        openDesign(path);
    }
}

void InputForm::handleSaveDesign() {
    saveDesign(false);
}

void InputForm::handleSaveDesignAs() {
    saveDesign(true);
}

}  // namespace dtii
