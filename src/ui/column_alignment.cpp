// Two-column spacing of wide characters.
#include "ui/column_alignment.h"

#include <QFontMetricsF>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace dtii {

void keepToColumns(QTextDocument& document, const QFont& font, int position, int length) {
    const QFontMetricsF metrics(font);
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));  // [px]
    const int end = qMin(position + length, document.characterCount() - 1);
    QTextCursor cursor(&document);
    // The spacing belongs to the edit that brought the characters: one undo takes back both.
    cursor.joinPreviousEditBlock();
    for (int at = qMax(position, 0); at < end; ++at) {
        const QChar character = document.characterAt(at);
        if (character.isSpace() || character.isSurrogate()) {
            continue;
        }
        const qreal advance = metrics.horizontalAdvance(character);
        // Narrow characters keep the plain font; a wide one gets the spacing that brings it to
        // two columns (none in a font that already draws it so).
        const qreal spacing = advance > 1.5 * column ? 2 * column - advance : 0;
        QTextCharFormat format;
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(spacing);
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
}

}  // namespace dtii
