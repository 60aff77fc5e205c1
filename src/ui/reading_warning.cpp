// The warning frame of an entry box; which texts deserve it is the core's rule.
#include "ui/reading_warning.h"

#include <QLineEdit>
#include <optional>
#include <string>

#include "core/windows/box_reading.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

const QString warningFrame =
    QStringLiteral("QLineEdit { border: 2px solid #e08a00; border-radius: 2px; padding: 1px; }");

void showReadingWarning(QLineEdit& box, const QString& text) {
    const std::optional<std::string> warning = boxReadingWarning(toUtf8(text));
    const QString tip = warning ? toQString(*warning) : QString();
    if (box.toolTip() != tip) {
        box.setToolTip(tip);
        box.setStyleSheet(warning ? warningFrame : QString());
    }
}

}  // namespace

void warnAboutReading(QLineEdit& box) {
    QObject::connect(&box, &QLineEdit::textChanged, &box,
                     [&box](const QString& text) { showReadingWarning(box, text); });
    showReadingWarning(box, box.text());
}

}  // namespace dtii
