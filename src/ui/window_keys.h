// The keys every window answers like a desktop dialog: Enter presses its default button (or the
// focused button), Esc closes it.
#pragma once

class QPushButton;
class QWidget;

namespace dtii {

// Enter anywhere in `window` presses `button`, except on a focused push button, which Enter
// presses itself. The button is drawn as the default one.
void makeDefaultButton(QWidget& window, QPushButton& button);

// Esc closes `window` (through its close event, so its closing questions still run).
void closeOnEscape(QWidget& window);

}  // namespace dtii
