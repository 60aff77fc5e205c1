// Editable drop-down list with an opening signal.
#include "ui/prompt_combo_box.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "ui/text_conversion.h"

namespace dtii {

PromptComboBox::PromptComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typed text stays in the edit field only: it never becomes an item and is never completed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    setFocusPolicy(Qt::StrongFocus);
}

void PromptComboBox::showPopup() {
    Q_EMIT popupAboutToShow();
    QComboBox::showPopup();
}

void PromptComboBox::showState(const ListState& shown) {
    const QSignalBlocker blocker(this);
    bool refilled = false;
    if (state().items != shown.items) {
        clear();
        for (const std::string& item : shown.items) {
            addItem(toQString(item));
        }
        refilled = true;
    }
    const QString text = toQString(shown.text);
    if (refilled || currentText() != text) {
        const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        setCurrentIndex(index);
        setEditText(text);
    }
    // A text longer than the field shows its beginning.
    if (!hasFocus()) {
        lineEdit()->setCursorPosition(0);
    }
}

void PromptComboBox::keepTextsWhole() {
    const QFontMetrics metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(currentText());  // [px]
    for (int index = 0; index < count(); ++index) {
        widest = qMax(widest, metrics.horizontalAdvance(itemText(index)));
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize contents(widest + metrics.horizontalAdvance(QLatin1Char(' ')), metrics.height());
    setMinimumWidth(
        style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this).width());
}

ListState PromptComboBox::state() const {
    ListState current;
    current.text = toUtf8(currentText());
    current.items.reserve(static_cast<std::size_t>(count()));
    for (int index = 0; index < count(); ++index) {
        current.items.push_back(toUtf8(itemText(index)));
    }
    return current;
}

}  // namespace dtii
