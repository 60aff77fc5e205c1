// Qt implementation of the user dialogs: QMessageBox and QInputDialog.
#include "ui/qt_user_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/text_conversion.h"

namespace dtii {
namespace {

// A box given no caption of its own carries the program's title.
QString captionOrTitle(std::string_view caption) {
    return toQString(caption.empty() ? programTitle : caption);
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::information:
            return QMessageBox::Information;
        case MessageIcon::question:
            return QMessageBox::Question;
        case MessageIcon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtUserDialogs::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), captionOrTitle(caption), toDisplayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string QtUserDialogs::askText(std::string_view prompt, std::string_view caption,
                                   std::string_view defaultText) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        QApplication::activeWindow(), captionOrTitle(caption), toDisplayText(prompt),
        QLineEdit::Normal, toQString(defaultText), &accepted);
    return accepted ? toUtf8(answer) : std::string();
}

bool QtUserDialogs::askOkCancel(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Question, captionOrTitle(caption), toDisplayText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace dtii
