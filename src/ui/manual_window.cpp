// The manual window: every chapter in one document, so that reading and scrolling
// run across chapters; the contents list the chapters and their sections.
#include "ui/manual_window.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/manual_chapters.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view manualCaption = "使用手册";
constexpr std::string_view contentsCaption = "目录";
constexpr std::string_view findPrompt = "查找（Ctrl+F，回车查找下一处）";
constexpr int blockNumberRole = Qt::UserRole;

}  // namespace

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(toQString(manualCaption));

    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("ManualContents"));
    contents_->setHeaderLabel(toQString(contentsCaption));
    contents_->header()->setStretchLastSection(true);

    text_ = new QTextBrowser;
    text_->setObjectName(QStringLiteral("ManualText"));
    text_->setOpenLinks(false);

    // 查找 above the text; Ctrl+F goes there, Enter finds the next place.
    auto* find = new QLineEdit;
    find->setObjectName(QStringLiteral("ManualFind"));
    find->setPlaceholderText(toQString(findPrompt));
    find->setClearButtonEnabled(true);
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    QObject::connect(findKey, &QShortcut::activated, find, [find] {
        find->setFocus();
        find->selectAll();
    });
    QObject::connect(find, &QLineEdit::returnPressed, this,
                     [this, find] { findNext(find->text()); });

    auto* reading = new QWidget;
    auto* readingLayout = new QVBoxLayout(reading);
    readingLayout->setContentsMargins(0, 0, 0, 0);
    readingLayout->addWidget(find);
    readingLayout->addWidget(text_);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(contents_);
    splitter->addWidget(reading);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    QString whole;
    for (const ManualChapter& chapter : manualChapters()) {
        chapterFiles_.push_back(chapter.fileName);
        whole += chapter.markdown + QStringLiteral("\n\n");
    }
    text_->setMarkdown(whole);
    fillContents();

    QObject::connect(contents_, &QTreeWidget::currentItemChanged, this,
                     [this](const QTreeWidgetItem* item) { showHeading(item); });
    QObject::connect(text_, &QTextBrowser::anchorClicked, this,
                     [this](const QUrl& link) { followLink(link); });

    // Wide enough for a table of the method chapter, never larger than the screen.
    const QSize wanted(fontMetrics().averageCharWidth() * 130, fontMetrics().height() * 42);
    const QSize room = screen() ? screen()->availableGeometry().size() * 9 / 10 : wanted;
    resize(wanted.boundedTo(room));
    splitter->setSizes({width() / 4, width() * 3 / 4});
}

void ManualWindow::fillContents() {
    // Each chapter opens with one first-level heading; its sections are the second level.
    QTreeWidgetItem* chapter = nullptr;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level != 1 && !(level == 2 && chapter)) {
            continue;
        }
        auto* item = level == 1 ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(chapter);
        item->setText(0, block.text());
        item->setData(0, blockNumberRole, block.blockNumber());
        if (level == 1) {
            chapter = item;
            chapterHeadings_.push_back(item);
        }
    }
}

void ManualWindow::showHeading(const QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    const QTextBlock block =
        text_->document()->findBlockByNumber(item->data(0, blockNumberRole).toInt());
    text_->setTextCursor(QTextCursor(block));
    // The heading goes to the top of the view, not merely somewhere into it.
    const QRectF place = text_->document()->documentLayout()->blockBoundingRect(block);
    text_->verticalScrollBar()->setValue(static_cast<int>(place.top()));
}

bool ManualWindow::showChapter(const QString& fileName) {
    const auto found = std::find(chapterFiles_.begin(), chapterFiles_.end(), fileName);
    const auto index = static_cast<std::size_t>(found - chapterFiles_.begin());
    if (found == chapterFiles_.end() || index >= chapterHeadings_.size()) {
        return false;
    }
    contents_->setCurrentItem(chapterHeadings_[index]);
    showHeading(chapterHeadings_[index]);
    return true;
}

bool ManualWindow::findNext(const QString& words) {
    if (words.isEmpty()) {
        return false;
    }
    if (text_->find(words)) {
        return true;
    }
    // Past the last place: go round to the beginning once; nowhere at all: stay where one was.
    const QTextCursor place = text_->textCursor();
    text_->moveCursor(QTextCursor::Start);
    if (text_->find(words)) {
        return true;
    }
    text_->setTextCursor(place);
    return false;
}

void ManualWindow::followLink(const QUrl& link) {
    // A link to another chapter file stays in the window; a web address goes to the browser.
    if (link.scheme().isEmpty() && showChapter(link.fileName())) {
        return;
    }
    if (!link.scheme().isEmpty()) {
        QDesktopServices::openUrl(link);
    }
}

void showManual(QWidget& owner) {
    auto* window = owner.findChild<ManualWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new ManualWindow(&owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace dtii
