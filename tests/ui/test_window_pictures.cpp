// Pictures of the four windows at normal size.
#include <QApplication>
#include <QTest>

#include "support_pictures.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    dtii::testing::WindowPictures pictures(QStringLiteral("-100"));
    return QTest::qExec(&pictures, argc, argv);
}
