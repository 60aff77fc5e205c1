// Translation and fonts of the windows.
#include "ui/appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace dtii {
namespace {

// Proportional fonts with Chinese glyphs, in order of preference.
constexpr std::array<const char*, 5> chineseFamilies = {
    "Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "SimSun",
};

// Fixed-width fonts whose Chinese characters are twice as wide as their Latin ones.
constexpr std::array<const char*, 5> doubleWidthMonospaceFamilies = {
    "NSimSun", "WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC", "Sarasa Mono SC", "SimSun",
};

template <std::size_t size>
QString firstInstalled(const std::array<const char*, size>& families) {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : families) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive)) {
            return QLatin1String(family);
        }
    }
    return {};
}

}  // namespace

bool installChineseTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

void ensureChineseFont() {
    QFont font = QApplication::font();
    if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::SimplifiedChinese)) {
        return;
    }
    QString family = firstInstalled(chineseFamilies);
    if (family.isEmpty()) {
        const QStringList withChinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (withChinese.isEmpty()) {
            return;
        }
        family = withChinese.front();
    }
    font.setFamilies({family});
    QApplication::setFont(font);
}

QFont reportFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QString family = firstInstalled(doubleWidthMonospaceFamilies);
    if (!family.isEmpty()) {
        font.setFamilies({family});
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(QApplication::font().pointSizeF());
    return font;
}

}  // namespace dtii
