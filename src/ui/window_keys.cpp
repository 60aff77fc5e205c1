// Enter and Esc as window shortcuts. A shortcut rather than a key handler, because the lists'
// edit fields take Enter for themselves and would never pass it on to the window.
#include "ui/window_keys.h"

#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

namespace dtii {

void makeDefaultButton(QWidget& window, QPushButton& button) {
    button.setDefault(true);
    auto* enter = new QShortcut(&window);
    enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    QObject::connect(enter, &QShortcut::activated, &button, [&window, &button] {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QPushButton* target =
            focused != nullptr && focused->window() == &window ? focused : &button;
        if (target->isEnabled()) {
            target->click();
        }
    });
}

void closeOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace dtii
