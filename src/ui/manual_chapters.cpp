// Reads the manual's chapters from the resources the build embeds (every docs/manual/*.md).
#include "ui/manual_chapters.h"

#include <QDir>
#include <QFile>

// The chapters are compiled into this static library; the linker keeps them because this calls in.
// Outside every namespace: the registration function it names is a global one.
static void registerManualResources() {
    Q_INIT_RESOURCE(dtii_manual);
}

namespace dtii {

std::vector<ManualChapter> manualChapters() {
    static const bool registered = (registerManualResources(), true);
    static_cast<void>(registered);
    // The numbers in front of the file names give the order of the chapters.
    const QDir folder(QStringLiteral(":/manual"));
    const QStringList names =
        folder.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    std::vector<ManualChapter> chapters;
    chapters.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            chapters.push_back({name, QString::fromUtf8(file.readAll())});
        }
    }
    return chapters;
}

}  // namespace dtii
