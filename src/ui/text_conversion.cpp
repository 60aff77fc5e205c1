// Text conversion between the core and the Qt widgets.
#include "ui/text_conversion.h"

namespace dtii {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString toDisplayText(std::string_view text) {
    QString display = toQString(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return display;
}

std::string fromDisplayText(const QString& text) {
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return toUtf8(stored);
}

}  // namespace dtii
