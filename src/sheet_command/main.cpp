// dtii-calc-sheet: dtii-calc's sheet and bom commands with the writers that need Qt's PDF engine
// and libxlsxwriter. dtii-calc hands these commands over with its own arguments, so both
// programs take the same command line.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/command_process.h"
#include "sheet/sheet_pdf.h"
#include "sheet/shipped_fonts.h"
#include "xlsx/equipment_list_xlsx.h"

namespace {

// Standard error carries the same lines as dtii-calc's other commands; Qt's own notes about its
// environment (no runtime folder, and the like) are not among them.
void keepOnlyQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "dtii-calc：" << message.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(keepOnlyQtFailures);
    // No window is ever shown: the offscreen platform needs no display, also on a server. Windows
    // always has its own platform, and only that one reads the fonts shipped beside the program.
#ifndef Q_OS_WIN
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    // Only the sheet needs Qt's fonts and painting; the workbook starts faster without them.
    int qtArgc = 1;
    std::optional<QGuiApplication> application;
    if (argc > 1 && std::string_view(argv[1]) == "sheet") {
        application.emplace(qtArgc, argv);
        dtii::addShippedFonts();
    }

    dtii::OutputWriters writers;
    writers.sheetPdf = dtii::writeSheetPdfNow;
    writers.equipmentXlsx = dtii::writeEquipmentListXlsx;

    // The arguments as UTF-8 and the streams as dtii-calc's own, whatever the system.
    const dtii::CommandProcess process(argc, argv);
    const dtii::ExitStatus status =
        dtii::runCommandLine(process.arguments(), std::cout, std::cerr, writers);
    std::cout.flush();
    return static_cast<int>(status);
}
