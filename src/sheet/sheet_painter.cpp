// The thin painting layer: every position and text comes laid out from sheet_layout.
#include "sheet/sheet_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <array>

#include "sheet/sheet_layout.h"

namespace dtii {
namespace {

constexpr double millimetresPerInch = 25.4;

struct RoleFont {
    FontRole role;
    double points;
    bool bold;
};

constexpr std::array<RoleFont, 5> roleFonts{{
    {FontRole::title, 20, true},
    {FontRole::heading, 13, true},
    {FontRole::body, 10, false},
    {FontRole::bold, 10, true},
    {FontRole::small, 8.5, false},
}};

// Where the role's font stands in roleFonts.
std::size_t roleIndex(FontRole role) {
    for (std::size_t i = 0; i < roleFonts.size(); ++i) {
        if (roleFonts[i].role == role) {
            return i;
        }
    }
    return 0;
}

struct StrokePen {
    Stroke stroke;
    double width;  // [mm]
    Qt::PenStyle style;
    QRgb colour;
};

// The diagram's strands and limits differ in dash pattern and weight, not only in colour.
constexpr std::array<StrokePen, 7> strokePens{{
    {Stroke::rule, 0.2, Qt::SolidLine, 0xff000000},
    {Stroke::heavyRule, 0.45, Qt::SolidLine, 0xff000000},
    {Stroke::axis, 0.3, Qt::SolidLine, 0xff000000},
    {Stroke::carrying, 0.6, Qt::SolidLine, 0xff1f4e9c},
    {Stroke::returning, 0.5, Qt::DashDotLine, 0xffa0301e},
    {Stroke::carryingSag, 0.3, Qt::DashLine, 0xff1f4e9c},
    {Stroke::returnSag, 0.35, Qt::DotLine, 0xffa0301e},
}};

constexpr double markRadius = 0.9;  // [mm]

double pixelsPerMillimetre(const QPaintDevice& device) {
    return device.logicalDpiX() / millimetresPerInch;
}

Qt::Alignment alignment(TextAlign align) {
    switch (align) {
        case TextAlign::centre:
            return Qt::AlignHCenter;
        case TextAlign::right:
            return Qt::AlignRight;
        case TextAlign::left:
            break;
    }
    return Qt::AlignLeft;
}

QPen pen(Stroke stroke, double scale) {
    for (const StrokePen& entry : strokePens) {
        if (entry.stroke == stroke) {
            QPen result(QColor::fromRgb(entry.colour), entry.width * scale, entry.style,
                        Qt::FlatCap, Qt::MiterJoin);
            return result;
        }
    }
    return QPen(Qt::black);
}

// The family has one face, so bold is synthesized, and font engines differ in how: FreeType keeps
// the advances, Windows widens every emboldened glyph. Widths are therefore measured in the
// regular face, which every platform sets alike, so the lines break at the same places.
QFont measuringFont(FontRole role) {
    QFont font = sheetFont(role);
    font.setBold(false);
    return font;
}

// How much narrower the role's text must be painted on the painter's device to fill just the
// width measured in the regular face: 1 where the engine keeps the advances of bold glyphs.
double boldSqueeze(const QPainter& painter, const QString& text, FontRole role) {
    const QFont font = sheetFont(role);
    if (!font.bold()) {
        return 1;
    }
    const double painted = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    const double measured =
        QFontMetricsF(measuringFont(role), painter.device()).horizontalAdvance(text);
    return painted > measured ? measured / painted : 1;
}

void drawSheetText(QPainter& painter, const QRectF& box, int flags, const QString& text,
                   FontRole role) {
    painter.setFont(sheetFont(role));
    const double squeeze = boldSqueeze(painter, text, role);
    if (squeeze >= 1) {
        painter.drawText(box, flags, text);
        return;
    }
    // Drawn into a box as much wider and squeezed back about its left edge, the text keeps its
    // alignment in the laid-out box.
    painter.save();
    painter.translate(box.left(), 0);
    painter.scale(squeeze, 1);
    painter.drawText(QRectF(0, box.top(), box.width() / squeeze, box.height()), flags, text);
    painter.restore();
}

}  // namespace

QFont sheetFont(FontRole role) {
    QFont font(QString::fromLatin1(sheetFontFamily));
    const RoleFont& entry = roleFonts[roleIndex(role)];
    font.setPointSizeF(entry.points);
    font.setBold(entry.bold);
    // Outlines scale smoothly; hinting would nudge the widths the layout measured.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

std::optional<std::string> missingSheetFont() {
    if (QFontDatabase::families().contains(QString::fromLatin1(sheetFontFamily))) {
        return std::nullopt;
    }
    return "缺少计算书字体“" + std::string(sheetFontFamily) + "”（fonts-wqy-microhei）";
}

DeviceTextMeasure::DeviceTextMeasure(const QPaintDevice& device)
    : pixelsPerMillimetre_(pixelsPerMillimetre(device)) {
    for (const RoleFont& entry : roleFonts) {
        metrics_.emplace_back(measuringFont(entry.role), &device);
    }
}

double DeviceTextMeasure::width(const QString& text, FontRole role) const {
    return metrics_[roleIndex(role)].horizontalAdvance(text) / pixelsPerMillimetre_;
}

void paintSheetPage(QPainter& painter, const SheetPage& page) {
    const double scale = pixelsPerMillimetre(*painter.device());
    const auto toDevice = [scale](QPointF point) { return point * scale; };
    for (const SheetLine& line : page.lines) {
        painter.setPen(pen(line.stroke, scale));
        QPolygonF points;
        for (const QPointF& point : line.points) {
            points << toDevice(point);
        }
        painter.drawPolyline(points);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const SheetMark& mark : page.marks) {
        const double radius = markRadius * scale;
        if (mark.shape == MarkShape::disc) {
            painter.drawEllipse(toDevice(mark.centre), radius, radius);
        } else {
            painter.drawRect(QRectF(toDevice(mark.centre) - QPointF(radius, radius),
                                    QSizeF(2 * radius, 2 * radius)));
        }
    }
    painter.setPen(Qt::black);
    for (const SheetText& text : page.texts) {
        const QRectF box(toDevice(text.box.topLeft()), toDevice(text.box.bottomRight()));
        drawSheetText(painter, box,
                      static_cast<int>(alignment(text.align) | Qt::AlignVCenter) |
                          Qt::TextSingleLine | Qt::TextDontClip,
                      text.text, text.role);
    }
}

bool renderSheet(QPagedPaintDevice& device, const CalculationSheet& sheet) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<SheetPage> pages = layOutSheet(sheet, DeviceTextMeasure(device));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        paintSheetPage(painter, pages[i]);
    }
    return painter.end();
}

}  // namespace dtii
