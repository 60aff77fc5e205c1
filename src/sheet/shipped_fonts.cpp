// Registering the program's own fonts with Qt's font database for this process only.
#include "sheet/shipped_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace dtii {

void addShippedFonts() {
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QStringList patterns = {QStringLiteral("*.ttf"), QStringLiteral("*.ttc"),
                                  QStringLiteral("*.otf")};
    for (const QString& name : folder.entryList(patterns, QDir::Files, QDir::Name)) {
        QFontDatabase::addApplicationFont(folder.filePath(name));
    }
}

}  // namespace dtii
