// Qt implementation of the user dialogs: QMessageBox and QInputDialog.
#include "ui/qt_user_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <array>

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

struct UnsavedEditsButton {
    QMessageBox::StandardButton button;
    std::string_view caption;
    UnsavedEditsAnswer answer;
};

constexpr std::array<UnsavedEditsButton, 3> unsavedEditsButtons{{
    {QMessageBox::Save, "保存(&S)", UnsavedEditsAnswer::save},
    {QMessageBox::Discard, "不保存(&N)", UnsavedEditsAnswer::discard},
    {QMessageBox::Cancel, "取消", UnsavedEditsAnswer::cancel},
}};

}  // namespace

void QtUserDialogs::setOwnerSource(std::function<QWidget*()> ownerSource) {
    ownerSource_ = std::move(ownerSource);
}

QWidget* QtUserDialogs::owner() const {
    QWidget* named = ownerSource_ ? ownerSource_() : nullptr;
    return named != nullptr && named->isVisible() ? named : QApplication::activeWindow();
}

void QtUserDialogs::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), captionOrTitle(caption), toDisplayText(text), QMessageBox::Ok,
                    owner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string QtUserDialogs::askText(std::string_view prompt, std::string_view caption,
                                   std::string_view defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner(), captionOrTitle(caption), toDisplayText(prompt),
                              QLineEdit::Normal, toQString(defaultText), &accepted);
    return accepted ? toUtf8(answer) : std::string();
}

bool QtUserDialogs::askOkCancel(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Question, captionOrTitle(caption), toDisplayText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

UnsavedEditsAnswer QtUserDialogs::askSaveDiscardCancel(std::string_view text,
                                                       std::string_view caption) {
    QMessageBox box(QMessageBox::Question, captionOrTitle(caption), toDisplayText(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner());
    box.setTextFormat(Qt::PlainText);
    for (const UnsavedEditsButton& entry : unsavedEditsButtons) {
        box.button(entry.button)->setText(toQString(entry.caption));
    }
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int chosen = box.exec();
    for (const UnsavedEditsButton& entry : unsavedEditsButtons) {
        if (chosen == entry.button) {
            return entry.answer;
        }
    }
    return UnsavedEditsAnswer::cancel;
}

}  // namespace dtii
