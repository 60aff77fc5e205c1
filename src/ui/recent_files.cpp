// The recent-files list in QSettings; the list rule itself is the core's.
#include "ui/recent_files.h"

#include <QSettings>
#include <string>
#include <vector>

#include "core/windows/design_document.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

const QString settingsKey = QStringLiteral("recentDesignFiles");

}  // namespace

QStringList recentDesignFiles() {
    QStringList files = QSettings().value(settingsKey).toStringList();
    if (files.size() > static_cast<qsizetype>(recentFileLimit)) {
        files.resize(static_cast<qsizetype>(recentFileLimit));
    }
    return files;
}

void rememberRecentDesignFile(const QString& path) {
    std::vector<std::string> files;
    for (const QString& file : recentDesignFiles()) {
        files.push_back(toUtf8(file));
    }
    QStringList updated;
    for (const std::string& file : recentFilesAfterUse(std::move(files), toUtf8(path))) {
        updated.append(toQString(file));
    }
    QSettings().setValue(settingsKey, updated);
}

void forgetRecentDesignFile(const QString& path) {
    QStringList files = recentDesignFiles();
    files.removeAll(path);
    QSettings().setValue(settingsKey, files);
}

}  // namespace dtii
