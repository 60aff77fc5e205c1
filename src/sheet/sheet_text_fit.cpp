// Breaking text into lines and sharing a table's width among its columns.
#include "sheet/sheet_text_fit.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>
#include <string_view>

namespace dtii {
namespace {

constexpr char16_t firstWide = 0x2E80;  // CJK radicals onwards: a line may break around these

// Punctuation that never starts a line, and that never ends one.
constexpr std::u16string_view closing = u"，。、；：？！）》」』】”’";
constexpr std::u16string_view opening = u"（《「『【“‘";

bool wide(QChar c) {
    return c.unicode() >= firstWide;
}

// A blank between a digit and a Latin or Greek letter, a degree or a per cent sign joins a number
// to its unit ("9209.0 N", "75 kW", "35 °").
bool joinsNumberAndUnit(const QString& text, qsizetype blank) {
    if (blank <= 0 || blank + 1 >= text.size()) {
        return false;
    }
    const QChar before = text.at(blank - 1);
    const QChar after = text.at(blank + 1);
    return before.isDigit() &&
           ((after.isLetter() && !wide(after)) || after == u'°' || after == u'%');
}

// Whether a line may break between `before` and `after`, neither a blank: around Chinese
// characters, except before closing and after opening punctuation.
bool breaksBetween(QChar before, QChar after) {
    return (wide(before) || wide(after)) && closing.find(after.unicode()) == closing.npos &&
           opening.find(before.unicode()) == opening.npos;
}

}  // namespace

QStringList wrapText(const QString& text, double width, FontRole role, const TextMeasure& measure) {
    QStringList lines;
    QString line;
    qsizetype lastBreak = -1;  // in `line`: where the last place to break is
    bool dropAtBreak = false;  // whether that place is a blank, left out at a break
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is two code units and never split.
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, units);
        const bool blank = character == QLatin1String(" ");
        const bool breakableBlank = blank && !joinsNumberAndUnit(text, i);
        i += units - 1;
        if (character == QLatin1String("\n")) {
            lines.push_back(line);
            line.clear();
            lastBreak = -1;
            continue;
        }
        if (!line.isEmpty() && !blank && line.back() != u' ' &&
            breaksBetween(line.back(), character.front())) {
            lastBreak = line.size();
            dropAtBreak = false;
        }
        if (!line.isEmpty() && measure.width(line + character, role) > width) {
            if (breakableBlank) {
                lines.push_back(line);
                line.clear();
                lastBreak = -1;
                continue;  // a blank at a break is dropped
            }
            if (lastBreak > 0) {
                lines.push_back(line.left(lastBreak));
                line = line.mid(lastBreak + (dropAtBreak ? 1 : 0));
            } else {
                lines.push_back(line);
                line.clear();
            }
            lastBreak = -1;
        }
        if (breakableBlank) {
            lastBreak = line.size();
            dropAtBreak = true;
        }
        line += character;
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<double> fitColumnWidths(const std::vector<double>& natural, double total) {
    const double wanted = std::accumulate(natural.begin(), natural.end(), 0.0);
    std::vector<double> widths = natural;
    if (natural.empty()) {
        return widths;
    }
    if (wanted <= total) {
        for (double& width : widths) {
            width += wanted > 0 ? (total - wanted) * width / wanted
                                : total / static_cast<double>(widths.size());
        }
        return widths;
    }
    std::vector<std::size_t> order(natural.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&natural](std::size_t a, std::size_t b) { return natural[a] < natural[b]; });
    double left = total;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const double share = left / static_cast<double>(order.size() - k);
        if (natural[order[k]] > share) {
            for (std::size_t rest = k; rest < order.size(); ++rest) {
                widths[order[rest]] = share;
            }
            break;
        }
        left -= natural[order[k]];
    }
    return widths;
}

QString sheetUnits(const QString& text) {
    if (!text.contains(QLatin1String("kw"))) {
        return text;
    }
    static const QRegularExpression kilowatts(QStringLiteral("(?<![A-Za-z])kw(?![A-Za-z])"));
    QString result = text;
    return result.replace(kilowatts, QStringLiteral("kW"));
}

}  // namespace dtii
