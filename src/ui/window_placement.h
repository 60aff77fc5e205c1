// Where a window opens: centred over the window that opened it, and wholly on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace dtii {

// The top-left corner of a window of `size` (decorations included) centred over `opener` and
// moved as little as needed to lie wholly inside `screen`; a window larger than the screen keeps
// its top-left corner on it.
QPoint placementOver(const QRect& opener, const QSize& size, const QRect& screen);

// Moves `window`, not yet shown, centred over `opener` (over its screen's centre when there is no
// opener), shrinking it first to fit the available part of that screen.
void placeOver(QWidget& window, const QWidget* opener);

}  // namespace dtii
