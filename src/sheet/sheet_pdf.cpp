// PDF output through Qt's PDF writer, which embeds the TrueType outlines of the sheet's font;
// the document information is then set whole (title, author, a creation date that can be fixed).
#include "sheet/sheet_pdf.h"

#include <QBuffer>
#include <QPdfWriter>

#include "core/file/whole_file.h"
#include "core/system/path_text.h"
#include "sheet/pdf_document_info.h"
#include "sheet/sheet_painter.h"

namespace dtii {
namespace {

constexpr int pdfResolution = 1200;  // [dpi] for positions; text and lines stay vectors
constexpr const char* sheetCreator = "DTⅡ带式输送机设计";
constexpr const char* sheetTitle = "带式输送机设计计算书";

}  // namespace

std::string sheetPdfTitle(const ProjectInfo& project) {
    return project.name.empty() ? std::string(sheetTitle) : project.name + " " + sheetTitle;
}

std::optional<std::string> writeSheetPdf(const CalculationSheet& sheet,
                                         const std::filesystem::path& path) {
    if (const std::optional<std::string> missing = missingSheetFont()) {
        return "无法写入“" + pathText(path) + "”：" + *missing;
    }
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(pdfResolution);
        writer.setTitle(QString::fromStdString(sheetPdfTitle(sheet.project)));
        writer.setCreator(QString::fromUtf8(sheetCreator));
        if (!renderSheet(writer, sheet)) {
            return "无法写入“" + pathText(path) + "”：无法生成 PDF";
        }
    }
    if (bytes.isEmpty()) {
        return "无法写入“" + pathText(path) + "”：PDF 未能写出";
    }
    std::string pdf = bytes.toStdString();
    const PdfDocumentInfo info{sheetPdfTitle(sheet.project), sheet.project.designer, sheetCreator,
                               "Qt " QT_VERSION_STR, sheetTimeNow()};
    if (std::optional<std::string> stamped = withDocumentInfo(pdf, info)) {
        pdf = std::move(*stamped);
    }
    return writeFileWhole(path, pdf);
}

std::optional<std::string> writeSheetPdfNow(const SheetSource& source,
                                            const std::filesystem::path& path) {
    return writeSheetPdf(calculationSheetNow(source), path);
}

}  // namespace dtii
