// Makes a text widget's characters keep to columns: a character drawn wider than the font's
// digits (Chinese characters, full-width brackets, Roman numerals) is spaced out to exactly two
// columns, so texts laid out by counting columns line up in any font.
#pragma once

class QTextDocument;
class QFont;

namespace dtii {

// Spaces out the wide characters among `length` characters starting at `position`.
void keepToColumns(QTextDocument& document, const QFont& font, int position, int length);

}  // namespace dtii
