// Full-width number characters into ASCII while typing.
#include "ui/number_typing.h"

#include <QLineEdit>
#include <array>

namespace dtii {
namespace {

struct Replacement {
    char16_t fullWidth;
    char ascii;
};

// The digits run from U+FF10; these are the others an input method gives for a number.
constexpr std::array<Replacement, 2> signs{{
    {u'．', '.'},
    {u'－', '-'},
}};

QChar asciiOf(QChar typed) {
    const char16_t code = typed.unicode();
    if (code >= u'０' && code <= u'９') {
        return QLatin1Char(static_cast<char>('0' + (code - u'０')));
    }
    for (const Replacement& sign : signs) {
        if (code == sign.fullWidth) {
            return QLatin1Char(sign.ascii);
        }
    }
    return typed;
}

}  // namespace

QString withAsciiNumberCharacters(QString text) {
    for (QChar& character : text) {
        character = asciiOf(character);
    }
    return text;
}

void typeNumbersInAscii(QLineEdit& box) {
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box](const QString& typed) {
        const QString ascii = withAsciiNumberCharacters(typed);
        if (ascii != typed) {
            // One character for one, so the cursor keeps its place.
            const int cursor = box.cursorPosition();
            box.setText(ascii);
            box.setCursorPosition(cursor);
        }
    });
}

}  // namespace dtii
