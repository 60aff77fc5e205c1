// PDF output through Qt's PDF writer, which embeds the TrueType outlines of the sheet's font.
#include "sheet/sheet_pdf.h"

#include <QPdfWriter>

#include "core/file/whole_file.h"
#include "core/system/path_text.h"
#include "sheet/sheet_painter.h"

namespace dtii {
namespace {
constexpr int pdfResolution = 1200;  // [dpi] for positions; text and lines stay vectors
}  // namespace

std::optional<std::string> writeSheetPdf(const CalculationSheet& sheet,
                                         const std::filesystem::path& path) {
    if (const std::optional<std::string> missing = missingSheetFont()) {
        return "无法写入“" + pathText(path) + "”：" + *missing;
    }
    return writeFileWhole(
        path, [&sheet](const std::filesystem::path& temporary) -> std::optional<std::string> {
            {
                QPdfWriter writer(QString::fromStdU16String(temporary.u16string()));
                writer.setResolution(pdfResolution);
                writer.setTitle(QStringLiteral("带式输送机设计计算书"));
                writer.setCreator(QStringLiteral("DTⅡ带式输送机设计"));
                if (!renderSheet(writer, sheet)) {
                    return std::string("无法生成 PDF");
                }
            }
            std::error_code error;
            if (std::filesystem::file_size(temporary, error) == 0 || error) {
                return std::string("PDF 未能写出");
            }
            return std::nullopt;
        });
}

std::optional<std::string> writeSheetPdfNow(const SheetSource& source,
                                            const std::filesystem::path& path) {
    return writeSheetPdf(calculationSheetNow(source), path);
}

}  // namespace dtii
