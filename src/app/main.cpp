// dtii-designer: the window program. Opens the input window; the program ends when its last
// window has closed.
#include <QApplication>

#include "ui/appearance.h"
#include "ui/designer_session.h"
#include "ui/platform.h"
#include "ui/qt_user_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    dtii::installChineseTranslation(application);
    dtii::ensureChineseFont();

    dtii::QtUserDialogs dialogs;
    dtii::DesktopPlatform platform;
    dtii::DesignerSession session(dialogs, platform);
    session.showInputWindow();
    return QApplication::exec();
}
