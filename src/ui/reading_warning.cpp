// The warning frame of an entry box; which texts deserve it is the core's rule.
#include "ui/reading_warning.h"

#include <QComboBox>
#include <QLineEdit>
#include <optional>
#include <string>

#include "core/windows/box_reading.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

// The frame for a widget of the class `type`.
QString warningFrame(const char* type) {
    return QLatin1String(type) +
           QStringLiteral(" { border: 2px solid #e08a00; border-radius: 2px; padding: 1px; }");
}

void showWarning(QWidget& widget, const char* type, const QString& tip) {
    if (widget.toolTip() != tip) {
        widget.setToolTip(tip);
        widget.setStyleSheet(tip.isEmpty() ? QString() : warningFrame(type));
    }
}

void showReadingWarning(QLineEdit& box, const QString& text) {
    const std::optional<std::string> warning = boxReadingWarning(toUtf8(text));
    showWarning(box, "QLineEdit", warning ? toQString(*warning) : QString());
}

}  // namespace

void warnAboutReading(QLineEdit& box) {
    QObject::connect(&box, &QLineEdit::textChanged, &box,
                     [&box](const QString& text) { showReadingWarning(box, text); });
    showReadingWarning(box, box.text());
}

void showListWarning(QComboBox& list, const QString& cause) {
    showWarning(list, "QComboBox", cause);
}

}  // namespace dtii
