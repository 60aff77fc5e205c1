// Menu, toolbar and title-block fields of the report window.
#include "ui/sheet_bar.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "ui/designer_session.h"
#include "ui/sheet_output.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

using SheetCommand = void (*)(DesignerSession&, QWidget*);

struct SheetAction {
    const char* objectName;
    std::string_view caption;
    QKeySequence::StandardKey shortcut;
    SheetCommand command;
};

constexpr std::array<SheetAction, 4> sheetActions{{
    {"PrintSheetAction", "打印(&P)…", QKeySequence::Print, printSheet},
    {"PreviewSheetAction", "打印预览(&V)…", QKeySequence::UnknownKey, previewSheet},
    {"ExportPdfAction", "导出PDF(&D)…", QKeySequence::UnknownKey, exportSheetPdf},
    {"ExportEquipmentAction", "导出设备表(&E)…", QKeySequence::UnknownKey, exportEquipmentList},
}};

constexpr std::string_view menuCaption = "计算书(&S)";

struct ProjectField {
    const char* objectName;
    std::string_view label;
    std::string ProjectInfo::*text;
    int row;
};

// Two rows: the document's identity above, the people who sign it and the date below.
constexpr std::array<ProjectField, 10> projectFields{{
    {"ProjectName", "工程名称：", &ProjectInfo::name, 0},
    {"ProjectCompany", "设计单位：", &ProjectInfo::company, 0},
    {"ProjectNumber", "计算书编号：", &ProjectInfo::number, 0},
    {"ProjectRevision", "版次：", &ProjectInfo::revision, 0},
    {"ProjectStage", "设计阶段：", &ProjectInfo::stage, 0},
    {"ProjectDesigner", "设计：", &ProjectInfo::designer, 1},
    {"ProjectChecker", "校核：", &ProjectInfo::checker, 1},
    {"ProjectReviewer", "审核：", &ProjectInfo::reviewer, 1},
    {"ProjectApprover", "审定：", &ProjectInfo::approver, 1},
    {"ProjectDate", "日期：", &ProjectInfo::date, 1},
}};

// The stretch of each box column: the project and company names get the room.
constexpr std::array<int, 5> boxStretch{4, 3, 2, 2, 2};

}  // namespace

SheetBar::SheetBar(DesignerSession& session, QWidget* window) : QWidget(window), session_(session) {
    setObjectName(QStringLiteral("SheetBar"));
    menuBar_ = new QMenuBar(window);
    menuBar_->setObjectName(QStringLiteral("SheetMenuBar"));
    QMenu* menu = menuBar_->addMenu(toQString(menuCaption));
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("SheetToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    for (const SheetAction& entry : sheetActions) {
        auto* action = new QAction(toQString(entry.caption), window);
        action->setObjectName(QLatin1String(entry.objectName));
        if (entry.shortcut != QKeySequence::UnknownKey) {
            action->setShortcut(entry.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        const SheetCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, window, command] {
            // A shortcut pressed while the report is out of date does nothing either.
            if (session_.reportIsCurrent()) {
                command(session_, window);
            }
        });
        sheetActions_.append(action);
        window->addAction(action);
        menu->addAction(action);
        toolBar->addAction(action);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(buildProjectFields());
}

void SheetBar::offerSheet(bool offered) {
    for (QAction* action : sheetActions_) {
        action->setEnabled(offered);
    }
}

QWidget* SheetBar::buildProjectFields() {
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(6, 2, 6, 4);
    const QString today = toQString(sheetDateNow({}));
    std::array<int, 2> column{};
    for (const ProjectField& field : projectFields) {
        auto* box = new QLineEdit(toQString(session_.project().*field.text), fields);
        box->setObjectName(QLatin1String(field.objectName));
        auto* label = new QLabel(toQString(field.label), fields);
        label->setBuddy(box);
        if (field.text == &ProjectInfo::date) {
            box->setPlaceholderText(today);  // what the sheet prints when left empty
            box->setMinimumWidth(
                box->fontMetrics().horizontalAdvance(today + QStringLiteral("00")));
        }
        const auto member = field.text;
        connect(box, &QLineEdit::textEdited, this,
                [this, member](const QString& text) { session_.project().*member = toUtf8(text); });
        int& at = column[static_cast<std::size_t>(field.row)];
        grid->addWidget(label, field.row, at++);
        grid->addWidget(box, field.row, at++);
    }
    for (std::size_t i = 0; i < boxStretch.size(); ++i) {
        grid->setColumnStretch(static_cast<int>(2 * i + 1), boxStretch[i]);
    }
    return fields;
}

}  // namespace dtii
