// Numbers typed through a Chinese input method: its full-width digits, point and minus become the
// ASCII ones in the box as they are typed, so the box shows what the calculation reads.
#pragma once

#include <QString>

class QLineEdit;

namespace dtii {

// `text` with every full-width digit, point and minus replaced by its ASCII character.
QString withAsciiNumberCharacters(QString text);

// Every edit of `box` by the person is put into ASCII at once; the cursor stays where it was.
void typeNumbersInAscii(QLineEdit& box);

}  // namespace dtii
