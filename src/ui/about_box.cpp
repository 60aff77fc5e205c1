// The 帮助 menu: the manual (F1) and the 关于 box, which names the program, version and licence.
#include "ui/about_box.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <string_view>

#include "core/dialogs.h"
#include "core/program_version.h"
#include "ui/manual_window.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view helpMenuCaption = "帮助(&H)";
constexpr std::string_view manualActionCaption = "使用手册(&M)";
constexpr std::string_view aboutActionCaption = "关于(&A)…";
constexpr std::string_view aboutCaption = "关于";

}  // namespace

QString aboutText() {
    return QStringLiteral(
               "<h3>%1</h3><p>版本 %2</p>"
               "<p>按输送机的设计条件计算驱动力、功率和输送带张力，"
               "并选取 DTⅡ 系列设备与结构件，生成设备清单。</p>"
               "<p>本程序按 Apache License 2.0 许可发布；"
               "所用的库（Qt %3 等）按其各自的许可发布。</p>")
        .arg(toQString(programTitle), toQString(programVersion), QString::fromLatin1(qVersion()));
}

void addHelpMenu(QMenuBar& menuBar, QWidget& parent) {
    QMenu* helpMenu = menuBar.addMenu(toQString(helpMenuCaption));
    QAction* manual = helpMenu->addAction(toQString(manualActionCaption));
    manual->setObjectName(QStringLiteral("ManualAction"));
    // F1 opens the manual from every window of the program, not only from this one.
    manual->setShortcut(QKeySequence::HelpContents);
    manual->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(manual, &QAction::triggered, &parent, [&parent] { showManual(parent); });
    QAction* about = helpMenu->addAction(toQString(aboutActionCaption));
    about->setObjectName(QStringLiteral("AboutAction"));
    about->setMenuRole(QAction::AboutRole);
    QObject::connect(about, &QAction::triggered, &parent, [&parent] {
        // Window-modal and self-deleting: the handler returns at once, like the other windows.
        auto* box = new QMessageBox(QMessageBox::NoIcon, toQString(aboutCaption), aboutText(),
                                    QMessageBox::Ok, &parent);
        box->setObjectName(QStringLiteral("AboutBox"));
        box->setTextFormat(Qt::RichText);
        box->setIconPixmap(parent.windowIcon().pixmap(64, 64));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

}  // namespace dtii
