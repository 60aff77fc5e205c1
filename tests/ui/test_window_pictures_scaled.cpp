// Pictures of the four windows at 150 % scaling.
#include <QApplication>
#include <QTest>

#include "support_pictures.h"

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication application(argc, argv);
    dtii::testing::WindowPictures pictures(QStringLiteral("-150"));
    return QTest::qExec(&pictures, argc, argv);
}
