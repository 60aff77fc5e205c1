// The 使用手册 window: the whole manual in a text browser with its table of contents beside it.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace dtii {

class ManualWindow : public QWidget {
    Q_OBJECT

public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows the chapter kept in `fileName` (e.g. "12-command-line.md"); false when there is none.
    bool showChapter(const QString& fileName);

    // Selects the next place of `words` in the manual, going round once; false when there is none.
    bool findNext(const QString& words);

private:
    void fillContents();
    void showHeading(const QTreeWidgetItem* item);
    void followLink(const QUrl& link);

    QTreeWidget* contents_ = nullptr;
    QTextBrowser* text_ = nullptr;
    std::vector<QString> chapterFiles_;              // in reading order
    std::vector<QTreeWidgetItem*> chapterHeadings_;  // the first heading of each chapter
};

// Opens the manual over `owner`, or brings forward the one already open there.
void showManual(QWidget& owner);

}  // namespace dtii
