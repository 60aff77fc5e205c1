// Painting the laid-out sheet on any paged device: a PDF writer or a printer (and so the print
// preview). One CJK font with TrueType outlines is chosen by name, so a PDF embeds it whole
// rather than leaving the reader to substitute one.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <optional>
#include <string>
#include <vector>

#include "core/report/calculation_sheet.h"
#include "sheet/sheet_page.h"

namespace dtii {

inline constexpr const char* sheetFontFamily = "WenQuanYi Micro Hei";

QFont sheetFont(FontRole role);

// A reason when the sheet's font is not installed.
std::optional<std::string> missingSheetFont();

// Text widths as the sheet's fonts set them on `device`.
class DeviceTextMeasure : public TextMeasure {
public:
    explicit DeviceTextMeasure(const QPaintDevice& device);
    double width(const QString& text, FontRole role) const override;

private:
    // The metrics of each role's font, made once: the layout asks for thousands of widths.
    std::vector<QFontMetricsF> metrics_;
    double pixelsPerMillimetre_;
};

// Paints one page; the painter's origin is the top left corner of the paper.
void paintSheetPage(QPainter& painter, const SheetPage& page);

// Sets the device to A4 portrait without margins, lays the sheet out and paints every page.
// Returns false when painting could not start on the device.
bool renderSheet(QPagedPaintDevice& device, const CalculationSheet& sheet);

}  // namespace dtii
