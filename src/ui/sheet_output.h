// The report window's outputs beyond its text: printing the calculation sheet, its print
// preview, the sheet as PDF and the equipment list as a workbook or CSV.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/report/calculation_sheet.h"

class QPrinter;
class QWidget;

namespace dtii {

class DesignerSession;

// The sheet of the session's current report, dated by the title block or today.
CalculationSheet currentSheet(const DesignerSession& session);

// Where the next file is suggested: the last folder a sheet or list went to, and `fileName`.
QString suggestedPath(const QString& fileName);
void rememberFolder(const QString& chosenPath);

// The chosen path with the ending its filter stands for when the name has no known ending:
// ".csv" for the CSV filter, ".xlsx" otherwise.
QString equipmentListPath(const QString& chosen, const QString& selectedFilter);

// Platform's print dialog, then the sheet on the chosen printer.
void printSheet(DesignerSession& session, QWidget* parent);
// A modal print preview window of the sheet.
void previewSheet(DesignerSession& session, QWidget* parent);
// Asks where and writes the PDF, or the workbook / CSV; says why when it fails.
void exportSheetPdf(DesignerSession& session, QWidget* parent);
void exportEquipmentList(DesignerSession& session, QWidget* parent);

}  // namespace dtii
