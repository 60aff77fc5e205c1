// Placing new windows over their opener.
#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace dtii {

QPoint placementOver(const QRect& opener, const QSize& size, const QRect& screen) {
    const QPoint centred = opener.topLeft() + QPoint((opener.width() - size.width()) / 2,
                                                     (opener.height() - size.height()) / 2);
    const int x = std::max(screen.left(), std::min(centred.x(), screen.right() + 1 - size.width()));
    const int y =
        std::max(screen.top(), std::min(centred.y(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

void placeOver(QWidget& window, const QWidget* opener) {
    QScreen* screen = opener != nullptr ? opener->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    // The new window is not shown yet, so its decorations are taken to be the opener's.
    const QSize decorations = opener != nullptr && opener->isVisible()
                                  ? opener->frameGeometry().size() - opener->size()
                                  : QSize(0, 0);
    // A window not sized by its own code takes the size of its contents, as showing it would.
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    const QSize fitting = window.size().boundedTo(available.size() - decorations);
    if (fitting != window.size()) {
        window.resize(fitting);
    }
    const QRect over =
        opener != nullptr && opener->isVisible() ? opener->frameGeometry() : available;
    window.move(placementOver(over, window.size() + decorations, available));
}

}  // namespace dtii
