// How the program looks: Qt's own buttons in Chinese, a default font that has Chinese glyphs, and
// the fixed-width font of the report.
#pragma once

#include <QFont>

class QApplication;

namespace dtii {

// Loads Qt's Chinese translation so standard buttons read "确定" and "取消"; false when the
// translation is not installed.
bool installChineseTranslation(QApplication& application);

// Makes the application font one with Chinese glyphs when the default has none.
void ensureChineseFont();

// A fixed-width font in which a Chinese character takes exactly two columns.
QFont reportFont();

}  // namespace dtii
