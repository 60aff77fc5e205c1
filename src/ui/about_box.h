// The 帮助 menu of the input window and its 关于 box: the program's name, version and licence.
#pragma once

#include <QString>

class QMenuBar;
class QWidget;

namespace dtii {

// The text of the 关于 box (rich text).
QString aboutText();

// Appends 帮助 → 关于 to the menu bar; the box opens over `parent` and closes itself.
void addHelpMenu(QMenuBar& menuBar, QWidget& parent);

}  // namespace dtii
