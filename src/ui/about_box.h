// The 帮助 menu of the input window: 使用手册 (F1) and the 关于 box with the program's name,
// version and licence.
#pragma once

#include <QString>

class QMenuBar;
class QWidget;

namespace dtii {

// The text of the 关于 box (rich text).
QString aboutText();

// Appends 帮助 → 使用手册, 关于 to the menu bar; the manual and the box open over `parent`.
void addHelpMenu(QMenuBar& menuBar, QWidget& parent);

}  // namespace dtii
