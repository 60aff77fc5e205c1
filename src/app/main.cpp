// dtii-designer: the window program. Opens the input window, with the design file named on the
// command line when there is one (a file manager passes the file opened by double-click); the
// program ends when its last window has closed.
#include <QApplication>
#include <QIcon>

#include "core/program_version.h"
#include "sheet/shipped_fonts.h"
#include "ui/appearance.h"
#include "ui/designer_session.h"
#include "ui/input_form.h"
#include "ui/platform.h"
#include "ui/qt_user_dialogs.h"
#include "ui/text_conversion.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Where the settings (the recently opened design files) are kept.
    QApplication::setOrganizationName(QStringLiteral("dtii"));
    QApplication::setApplicationName(QStringLiteral("dtii-designer"));
    QApplication::setApplicationVersion(dtii::toQString(dtii::programVersion));
    // The desktop entry and the icon installed with the package carry the same name.
    QGuiApplication::setDesktopFileName(dtii::toQString(dtii::applicationId));
    QApplication::setWindowIcon(QIcon::fromTheme(dtii::toQString(dtii::applicationId)));
    dtii::installChineseTranslation(application);
    dtii::addShippedFonts();
    dtii::ensureChineseFont();

    dtii::QtUserDialogs dialogs;
    dtii::DesktopPlatform platform;
    dtii::DesignerSession session(dialogs, platform);
    dialogs.setOwnerSource([&session] { return session.raisingWindow(); });
    dtii::InputForm* input = session.showInputWindow();
    // Qt has taken its own options out of the arguments; the first one left is the design file.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        input->openDesignFile(arguments.at(1));
    }
    return QApplication::exec();
}
