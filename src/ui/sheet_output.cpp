// Printing and exporting from the report window through the sheet library and the list writers.
#include "ui/sheet_output.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

#include "core/file/whole_file.h"
#include "core/report/equipment_list.h"
#include "core/windows/design_document.h"
#include "sheet/sheet_painter.h"
#include "sheet/sheet_pdf.h"
#include "ui/designer_session.h"
#include "ui/text_conversion.h"
#include "xlsx/equipment_list_xlsx.h"

namespace dtii {
namespace {

constexpr std::string_view pdfFilter = "PDF 文件 (*.pdf)";
constexpr std::string_view csvFilter = "CSV 文件 (*.csv)";
constexpr std::string_view workbookFilters = "Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)";
constexpr std::string_view sheetFallback = "带式输送机计算书";
constexpr std::string_view listFallback = "带式输送机";
constexpr std::string_view listEnding = "设备表.xlsx";
constexpr std::string_view printFailed = "无法打印计算书：打印机未能开始打印。";
constexpr std::string_view previewCaption = "计算书打印预览";
const char* const folderKey = "sheet/lastFolder";

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

void tell(DesignerSession& session, std::string_view text) {
    session.dialogs().showMessage(text, programTitle, MessageIcon::none);
}

// A printer that lays pages out from the paper's corner, as the sheet's margins expect; the print
// job is named as the PDF is titled.
void prepare(QPrinter& printer, const ProjectInfo& project) {
    printer.setFullPage(true);
    printer.setDocName(toQString(sheetPdfTitle(project)));
}

}  // namespace

CalculationSheet currentSheet(const DesignerSession& session) {
    return calculationSheetNow(session.sheetSource());
}

QString suggestedPath(const QString& fileName) {
    const QString folder = QSettings().value(QLatin1String(folderKey)).toString();
    return folder.isEmpty() ? fileName : QDir(folder).filePath(fileName);
}

void rememberFolder(const QString& chosenPath) {
    QSettings().setValue(QLatin1String(folderKey), QFileInfo(chosenPath).absolutePath());
}

QString equipmentListPath(const QString& chosen, const QString& selectedFilter) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("xlsx")) {
        return chosen;
    }
    return chosen + (selectedFilter == toQString(csvFilter) ? QStringLiteral(".csv")
                                                            : QStringLiteral(".xlsx"));
}

void printSheet(DesignerSession& session, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, session.project());
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!renderSheet(printer, currentSheet(session))) {
        tell(session, printFailed);
    }
}

void previewSheet(DesignerSession& session, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, session.project());
    const CalculationSheet sheet = currentSheet(session);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("SheetPreview"));
    dialog.setWindowTitle(toQString(previewCaption));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&sheet](QPrinter* target) { renderSheet(*target, sheet); });
    dialog.exec();
}

void exportSheetPdf(DesignerSession& session, QWidget* parent) {
    const QString fileName = toQString(projectFileName(session.project(), sheetFallback, ".pdf"));
    const QString chosen = session.platform().chooseSavePath(parent, toQString(pdfFilter),
                                                             suggestedPath(fileName), nullptr);
    if (chosen.isEmpty()) {
        return;
    }
    rememberFolder(chosen);
    if (const std::optional<std::string> failure =
            writeSheetPdf(currentSheet(session), withExtension(toPath(chosen), ".pdf"))) {
        tell(session, *failure);
    }
}

void exportEquipmentList(DesignerSession& session, QWidget* parent) {
    const QString fileName =
        toQString(projectFileName(session.project(), listFallback, listEnding));
    QString selectedFilter;
    const QString chosen = session.platform().chooseSavePath(
        parent, toQString(workbookFilters), suggestedPath(fileName), &selectedFilter);
    if (chosen.isEmpty()) {
        return;
    }
    rememberFolder(chosen);
    const QString path = equipmentListPath(chosen, selectedFilter);
    const std::vector<EquipmentListRow> rows = currentSheet(session).equipment;
    const std::optional<std::string> failure =
        QFileInfo(path).suffix().toLower() == QLatin1String("csv")
            ? writeFileWhole(toPath(path), equipmentListCsv(rows))
            : writeEquipmentListXlsx(rows, toPath(path));
    if (failure) {
        tell(session, *failure);
    }
}

}  // namespace dtii
