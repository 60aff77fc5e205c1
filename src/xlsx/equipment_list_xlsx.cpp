// The equipment list through libxlsxwriter.
#include "xlsx/equipment_list_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>

#include "core/file/whole_file.h"
#include "core/report/calculation_sheet.h"
#include "core/system/path_text.h"
#include "xlsx/workbook_numbers.h"

namespace dtii {
namespace {

constexpr std::size_t columnCount = std::size(equipmentListHeadings);
constexpr double cellMargin = 2;  // characters beside the widest text

std::array<std::string, columnCount> rowTexts(const EquipmentListRow& row) {
    return {std::to_string(row.number), std::string(row.category), row.name, row.designation,
            row.unitWeightText};
}

std::optional<std::string> fillWorkbook(const std::vector<EquipmentListRow>& rows,
                                        const std::string& fileName) {
    lxw_workbook* workbook = workbook_new(fileName.c_str());
    if (workbook == nullptr) {
        return std::string("无法创建工作簿");
    }
    // Two runs with the same SOURCE_DATE_EPOCH give the same bytes: the creation time is the
    // only thing of the run the workbook records.
    if (const std::optional<std::time_t> fixed = epochSeconds(std::getenv("SOURCE_DATE_EPOCH"))) {
        lxw_doc_properties properties{};
        properties.created = *fixed;
        workbook_set_properties(workbook, &properties);
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "设备表");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);

    std::array<double, columnCount> widths{};
    for (std::size_t column = 0; column < columnCount; ++column) {
        const std::string heading(equipmentListHeadings[column]);
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(column), heading.c_str(), bold);
        widths[column] = columnWidthFor(heading);
    }
    lxw_row_t line = 1;
    for (const EquipmentListRow& row : rows) {
        const auto texts = rowTexts(row);
        worksheet_write_number(sheet, line, 0, row.number, nullptr);
        for (const lxw_col_t column : {1, 2, 3}) {
            worksheet_write_string(sheet, line, column, texts[column].c_str(), nullptr);
        }
        if (row.unitWeight) {
            worksheet_write_number(sheet, line, 4, *row.unitWeight, nullptr);
        } else {
            worksheet_write_string(sheet, line, 4, texts[4].c_str(), nullptr);
        }
        for (std::size_t column = 0; column < columnCount; ++column) {
            widths[column] = std::max(widths[column], columnWidthFor(texts[column]));
        }
        ++line;
    }
    for (std::size_t column = 0; column < columnCount; ++column) {
        const auto index = static_cast<lxw_col_t>(column);
        worksheet_set_column(sheet, index, index, widths[column] + cellMargin, nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        return "工作簿未能写出（" + std::string(lxw_strerror(closed)) + "）";
    }
    return std::nullopt;
}

// The workbook at `path` with its numbers in their shortest texts.
std::optional<std::string> shortenNumbersInFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string workbook((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        return std::string("工作簿读回失败");
    }
    in.close();
    if (std::optional<std::string> failure = shortenWorkbookNumbers(workbook)) {
        return failure;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(workbook.data(), static_cast<std::streamsize>(workbook.size()));
    out.close();
    return out ? std::nullopt : std::optional<std::string>("工作簿未能写出");
}

}  // namespace

double columnWidthFor(const std::string& text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;  // CJK and full-width forms are three bytes and up
        i += length;
    }
    return width;
}

std::optional<std::string> writeEquipmentListXlsx(const std::vector<EquipmentListRow>& rows,
                                                  const std::filesystem::path& path) {
    return writeFileWhole(path, [&rows](const std::filesystem::path& temporary) {
        if (std::optional<std::string> failure = fillWorkbook(rows, pathText(temporary))) {
            return failure;
        }
        return shortenNumbersInFile(temporary);
    });
}

}  // namespace dtii
