// Moving texts between the core's UTF-8 strings with CR LF line breaks and Qt's QString with the
// plain line feeds its text widgets use.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace dtii {

QString toQString(std::string_view text);
std::string toUtf8(const QString& text);

// CR LF becomes LF, for putting a text the system built into a text widget.
QString toDisplayText(std::string_view text);

// Every line break of a text widget's text becomes CR LF again.
std::string fromDisplayText(const QString& text);

}  // namespace dtii
