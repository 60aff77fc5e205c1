// dtii-designer: the window program. Opens the input window; the program ends when its last
// window has closed.
#include <QApplication>

#include "ui/appearance.h"
#include "ui/designer_session.h"
#include "ui/platform.h"
#include "ui/qt_user_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Where the settings (the recently opened design files) are kept.
    QApplication::setOrganizationName(QStringLiteral("dtii"));
    QApplication::setApplicationName(QStringLiteral("dtii-designer"));
    dtii::installChineseTranslation(application);
    dtii::ensureChineseFont();

    dtii::QtUserDialogs dialogs;
    dtii::DesktopPlatform platform;
    dtii::DesignerSession session(dialogs, platform);
    dialogs.setOwnerSource([&session] { return session.raisingWindow(); });
    session.showInputWindow();
    return QApplication::exec();
}
