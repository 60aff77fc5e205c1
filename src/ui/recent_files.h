// The recently opened design files of the 文件 menu, kept in the user's settings.
#pragma once

#include <QString>
#include <QStringList>

namespace dtii {

// Newest first, at most five.
QStringList recentDesignFiles();

// `path` was opened or saved: it moves to the front of the list.
void rememberRecentDesignFile(const QString& path);

// `path` could not be opened: it leaves the list.
void forgetRecentDesignFile(const QString& path);

}  // namespace dtii
