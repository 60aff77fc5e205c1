// The operating-system side of the windows.
#include "ui/platform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <string_view>

#include "core/report/report_file.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view windowsCalculator = "c:\\windows\\calc.exe";
constexpr std::string_view programFilter = "应用程序(*.exe)|*.EXE|所有文件(*.*)|*.*";

// The desktops' own calculators, tried in this order.
constexpr std::array<std::string_view, 5> desktopCalculators = {
    "gnome-calculator", "kcalc", "qalculate-gtk", "galculator", "xcalc",
};

#ifdef Q_OS_WIN
constexpr bool onWindows = true;
#else
constexpr bool onWindows = false;
#endif

}  // namespace

std::filesystem::path DesktopPlatform::reportFilePath() const {
    return defaultReportFilePath();
}

QString DesktopPlatform::defaultCalculator() const {
    if (onWindows) {
        // Windows since Vista keeps calc.exe only in its system folder, which is on the search
        // path; the program's own default place is tried first.
        const QString classic = toQString(windowsCalculator);
        const QString inSystemFolder = QStandardPaths::findExecutable(QStringLiteral("calc"));
        return QFileInfo::exists(classic) || inSystemFolder.isEmpty() ? classic : inSystemFolder;
    }
    for (const std::string_view name : desktopCalculators) {
        const QString found = QStandardPaths::findExecutable(toQString(name));
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

bool DesktopPlatform::startProgram(const QString& program) {
    return !program.isEmpty() && QProcess::startDetached(program, QStringList());
}

QString DesktopPlatform::chooseFileToOpen(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString DesktopPlatform::chooseFileToSave(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the first extension of the filter ("设计文件
    // (*.json)" gives ".json"), and the dialog asks before replacing the file of that full name.
    const QRegularExpression firstExtension(QStringLiteral(R"(\*\.(\w+))"));
    dialog.setDefaultSuffix(firstExtension.match(filter).captured(1));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().constFirst()
               : QString();
}

QString DesktopPlatform::chooseSavePath(QWidget* parent, const QString& filter,
                                        const QString& suggested, QString* selectedFilter) {
    return QFileDialog::getSaveFileName(parent, QString(), suggested, filter, selectedFilter);
}

QString programChoiceFilter() {
    return qtNameFilter(toQString(programFilter), onWindows);
}

QString qtNameFilter(const QString& barSeparatedFilter, bool windows) {
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        QStringList patterns = parts[index + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (!windows) {
            patterns.replaceInStrings(QStringLiteral("*.*"), QStringLiteral("*"));
        }
        filters.append(parts[index] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace dtii
