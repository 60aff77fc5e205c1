// The selection dialog: options on top, the list in the middle, 采用 and 关闭 below. The search
// takes a blink; a progress window appears only when it takes longer.
#include "ui/auto_selection_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string_view>

#include "core/file/design_file.h"
#include "core/select/design_selection.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view dialogTitle = "自动选型";
constexpr std::string_view maxSpeedLabel = "最高带速（米/秒）：";
constexpr std::string_view topLabel = "列出方案数：";
constexpr std::string_view adoptCaption = "采  用";
constexpr std::string_view closeCaption = "关  闭";
constexpr std::string_view progressText = "正在计算和校核各个方案…";
constexpr std::string_view stopCaption = "停止";
constexpr std::string_view passedText = "合格";
constexpr std::string_view failedText = "不合格";
constexpr int progressDelay = 300;  // [ms] a search this short shows no progress window

// One column of the list: its heading and the text of a design's cell.
struct Column {
    std::string_view heading;
    QString (*text)(const SelectedDesign&);
    bool number = true;  // set flush right
};

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

const Column columns[] = {
    {"带宽B（毫米）", [](const SelectedDesign& d) { return toQString(d.B); }},
    {"带速V（米/秒）", [](const SelectedDesign& d) { return toQString(d.V); }},
    {"输送带型号", [](const SelectedDesign& d) { return toQString(d.beltType); }, false},
    {"层数", [](const SelectedDesign& d) { return toQString(d.plies); }},
    {"圆周驱动力Fu（N）", [](const SelectedDesign& d) { return fixed(d.Fu, 0); }},
    {"电动机功率Pm（kW）", [](const SelectedDesign& d) { return fixed(d.Pm, 2); }},
    {"选用电动机（kW）", [](const SelectedDesign& d) { return QString::number(d.ratedMotor); }},
    {"最大张力T1（N）", [](const SelectedDesign& d) { return fixed(d.T1, 0); }},
    {"安全系数", [](const SelectedDesign& d) { return fixed(d.safetyFactor, 2); }},
    {"填充率", [](const SelectedDesign& d) { return fixed(d.fillRatio * 100, 1) + u'%'; }},
};

}  // namespace

AutoSelectionDialog::AutoSelectionDialog(DesignFile design, QWidget* parent)
    : QDialog(parent), design_(std::move(design)) {
    setObjectName(QStringLiteral("AutoSelectionDialog"));
    setWindowTitle(toQString(dialogTitle));

    maxSpeed_ = new QComboBox(this);
    maxSpeed_->setObjectName(QStringLiteral("MaxSpeed"));
    for (const double speed : standardBeltSpeeds) {
        maxSpeed_->addItem(toQString(typedNumberText(speed)), speed);
    }
    maxSpeed_->setCurrentIndex(maxSpeed_->findData(defaultMaxSpeed));
    top_ = new QSpinBox(this);
    top_->setObjectName(QStringLiteral("ListLength"));
    top_->setRange(1, 200);
    top_->setValue(static_cast<int>(SelectionOptions{}.top));
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(toQString(maxSpeedLabel), this));
    options->addWidget(maxSpeed_);
    options->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
    options->addWidget(new QLabel(toQString(topLabel), this));
    options->addWidget(top_);
    options->addStretch();

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("SelectionSummary"));
    summary_->setWordWrap(true);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("SelectionList"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* buttons = new QDialogButtonBox(this);
    adopt_ = buttons->addButton(toQString(adoptCaption), QDialogButtonBox::AcceptRole);
    adopt_->setObjectName(QStringLiteral("AdoptButton"));
    adopt_->setEnabled(false);
    buttons->addButton(toQString(closeCaption), QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);

    connect(maxSpeed_, &QComboBox::currentIndexChanged, this, &AutoSelectionDialog::search);
    connect(top_, &QSpinBox::valueChanged, this, &AutoSelectionDialog::search);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { adopt_->setEnabled(!table_->selectedItems().isEmpty()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, &AutoSelectionDialog::adopt);
    connect(buttons, &QDialogButtonBox::accepted, this, &AutoSelectionDialog::adopt);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 150, fontMetrics().height() * 28);
}

void AutoSelectionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!searched_) {
        searched_ = true;
        search();
    }
}

void AutoSelectionDialog::search() {
    const SelectionOptions options{maxSpeed_->currentData().toDouble(),
                                   static_cast<std::size_t>(top_->value())};
    QProgressDialog progress(toQString(progressText), toQString(stopCaption), 0, 1000, this);
    progress.setWindowTitle(toQString(dialogTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelay);
    SelectionResult result =
        selectDesigns(design_, options, [&progress](std::uint64_t done, std::uint64_t total) {
            progress.setValue(static_cast<int>(done * 1000 / total));
            return !progress.wasCanceled();
        });
    progress.reset();
    best_ = std::move(result.best);
    QString summary = QStringLiteral("共计算 %1 个方案，%2 个通过全部校核")
                          .arg(result.candidates)
                          .arg(result.passing);
    if (result.stopped) {
        summary += QStringLiteral("（已停止，只列出已计算的方案）");
    } else if (result.passing == 0) {
        summary = toQString(noPassingDesignMessage(result));
    } else {
        summary += QStringLiteral("；带宽窄的在前，其次电动机小、输送带每毫米强度低、带速低。");
    }
    summary_->setText(summary);
    showList();
}

void AutoSelectionDialog::showList() {
    const std::size_t verdictCount = best_.empty() ? 0 : best_.front().verdicts.size();
    const int columnCount = static_cast<int>(std::size(columns) + verdictCount);
    table_->clear();
    table_->setColumnCount(columnCount);
    table_->setRowCount(static_cast<int>(best_.size()));
    QStringList headings;
    for (const Column& column : columns) {
        headings << toQString(column.heading);
    }
    for (std::size_t v = 0; v < verdictCount; ++v) {
        headings << toQString(best_.front().verdicts[v].check);
    }
    table_->setHorizontalHeaderLabels(headings);
    for (std::size_t row = 0; row < best_.size(); ++row) {
        const SelectedDesign& d = best_[row];
        int column = 0;
        for (const Column& c : columns) {
            auto* item = new QTableWidgetItem(c.text(d));
            item->setTextAlignment(c.number ? Qt::AlignRight | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(row), column++, item);
        }
        for (const CheckVerdict& verdict : d.verdicts) {
            auto* item = new QTableWidgetItem(toQString(verdict.ok ? passedText : failedText));
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(static_cast<int>(row), column++, item);
        }
    }
    table_->resizeColumnsToContents();
    if (!best_.empty()) {
        table_->selectRow(0);
    }
    adopt_->setEnabled(!best_.empty());
}

void AutoSelectionDialog::adopt() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    chosen_ = best_[static_cast<std::size_t>(selected.front()->row())];
    accept();
}

}  // namespace dtii
