// Checks panel: parameters on top, the rows of the checks below.
#include "ui/checks_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>
#include <string_view>

#include "core/checks/check_parameters.h"
#include "core/checks/check_tables.h"
#include "core/checks/design_checks.h"
#include "ui/check_settings.h"
#include "ui/designer_session.h"
#include "ui/number_typing.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view title = "设计校核";
constexpr std::string_view passed = "合格";
constexpr std::string_view failed = "不合格";
constexpr std::string_view informs = "—";

const CheckParameterKey& safetyFactorKey = checkParameterKeys[0];
const CheckParameterKey& surchargeAngleKey = checkParameterKeys[1];
const CheckParameterKey& motorSpeedKey = checkParameterKeys[2];
const CheckParameterKey& idlerLifeKey = checkParameterKeys[3];
const CheckParameterKey& takeUpAllowanceKey = checkParameterKeys[4];

// The row table's columns, left to right.
struct Column {
    std::string_view caption;
    QHeaderView::ResizeMode resize;
};
constexpr std::array<Column, 5> columns{{
    {"校核项目", QHeaderView::ResizeToContents},
    {"计算值", QHeaderView::Stretch},
    {"要求", QHeaderView::Stretch},
    {"结论", QHeaderView::ResizeToContents},
    {"建议", QHeaderView::Stretch},
}};

// The parameter's caption and the object name of its box.
struct ParameterField {
    const CheckParameterKey* parameter;
    std::string_view caption;
    const char* objectName;
};
const std::array<ParameterField, 5> parameterFields{{
    {&safetyFactorKey, "要求的安全系数", "RequiredSafetyFactor"},
    {&surchargeAngleKey, "动堆积角（度）", "SurchargeAngle"},
    {&motorSpeedKey, "电动机同步转速（r/min）", "MotorSpeed"},
    {&idlerLifeKey, "托辊轴承要求寿命（h）", "IdlerLifeHours"},
    {&takeUpAllowanceKey, "拉紧行程安装余量（m）", "TakeUpAllowance"},
}};

// The allowance box shows this while empty: the allowance then follows the take-up type and the
// belt.
constexpr std::string_view allowanceByType = "按拉紧装置型式和输送带取";

std::string_view captionOf(const CheckParameterKey& parameter) {
    for (const ParameterField& field : parameterFields) {
        if (field.parameter == &parameter) {
            return field.caption;
        }
    }
    return {};
}

QString numberQString(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? QString::fromLatin1(buffer.data(), end - buffer.data())
                                : QString();
}

// The text a parameter box shows: what was typed, or the default that applies.
QString shownText(const std::optional<CheckTexts>& texts, const CheckParameterKey& parameter,
                  double defaultValue) {
    if (texts && (*texts.*parameter.text) && !(*texts.*parameter.text)->empty()) {
        return toQString(*(*texts.*parameter.text));
    }
    return numberQString(defaultValue);
}

QTableWidgetItem* cell(const std::string& text) {
    auto* item = new QTableWidgetItem(toQString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

// The verdict in words and in colour, so that it reads without the colour too.
QTableWidgetItem* verdictCell(const std::optional<bool>& ok) {
    QTableWidgetItem* item = cell(std::string(!ok ? informs : *ok ? passed : failed));
    item->setTextAlignment(Qt::AlignCenter);
    if (ok) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setForeground(*ok ? QColor(0x1b, 0x5e, 0x20) : QColor(0xb7, 0x1c, 0x1c));
        item->setBackground(*ok ? QColor(0xe8, 0xf5, 0xe9) : QColor(0xff, 0xeb, 0xee));
    }
    return item;
}

}  // namespace

ChecksPanel::ChecksPanel(DesignerSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("ChecksPanel"));

    auto* heading = new QLabel(toQString(title), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    auto* form = new QFormLayout;
    for (const ParameterField& field : parameterFields) {
        QWidget* box = nullptr;
        if (field.parameter == &motorSpeedKey) {
            motorSpeed_ = new QComboBox(this);
            for (const int speed : motorSpeeds) {
                motorSpeed_->addItem(QString::number(speed));
            }
            connect(motorSpeed_, &QComboBox::activated, this, [this](int index) {
                parameterEdited(motorSpeedKey, motorSpeed_->itemText(index));
            });
            box = motorSpeed_;
        } else {
            auto* edit = new QLineEdit(this);
            const CheckParameterKey& parameter = *field.parameter;
            typeNumbersInAscii(*edit);
            // The box's text, which the line above may have put into ASCII since the edit.
            connect(edit, &QLineEdit::textEdited, this,
                    [this, &parameter, edit] { parameterEdited(parameter, edit->text()); });
            connect(edit, &QLineEdit::editingFinished, this, &ChecksPanel::showParameters);
            editOf(parameter) = edit;
            box = edit;
        }
        box->setObjectName(QLatin1String(field.objectName));
        form->addRow(toQString(field.caption), box);
    }

    takeUpAllowance_->setPlaceholderText(toQString(allowanceByType));

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("CheckParameterProblem"));
    problem_->setStyleSheet(QStringLiteral("color: #b71c1c"));
    problem_->setWordWrap(true);
    problem_->hide();

    rows_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    rows_->setObjectName(QStringLiteral("CheckRows"));
    rows_->verticalHeader()->hide();
    rows_->setWordWrap(true);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList captions;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        captions << toQString(columns[i].caption);
        rows_->horizontalHeader()->setSectionResizeMode(static_cast<int>(i), columns[i].resize);
    }
    rows_->setHorizontalHeaderLabels(captions);
    // Wrapped texts need their rows to grow whenever the columns change width.
    connect(rows_->horizontalHeader(), &QHeaderView::sectionResized, rows_,
            &QTableWidget::resizeRowsToContents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(rows_, 1);

    connect(&session_.checkSettings(), &CheckSettings::changed, this, &ChecksPanel::refresh);
    refresh();

    const QFontMetrics metrics(font());
    setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("国")) * 44);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Room for the nine rows with their wrapped texts.
    rows_->setMinimumHeight(metrics.lineSpacing() * 34);
}

QLineEdit*& ChecksPanel::editOf(const CheckParameterKey& parameter) {
    if (&parameter == &safetyFactorKey) {
        return safetyFactor_;
    }
    if (&parameter == &surchargeAngleKey) {
        return surchargeAngle_;
    }
    return &parameter == &idlerLifeKey ? idlerLife_ : takeUpAllowance_;
}

void ChecksPanel::refresh() {
    showParameters();
    showRows();
}

void ChecksPanel::parameterEdited(const CheckParameterKey& parameter, const QString& text) {
    const std::string typed = toUtf8(text);
    const std::string problem = checkParameterProblem(parameter.key, typed);
    if (!problem.empty()) {
        // The rows keep the last parameters that could be used until the text is mended.
        problem_->setText(toQString(std::string(captionOf(parameter)) + problem));
        problem_->show();
        return;
    }
    problem_->hide();
    session_.checkSettings().setText(parameter, typed);
}

void ChecksPanel::showParameters() {
    const CheckSettings& settings = session_.checkSettings();
    const std::optional<CheckTexts>& texts = settings.texts();
    // A box being typed into keeps its text; the others show what applies.
    if (!safetyFactor_->hasFocus()) {
        safetyFactor_->setText(
            shownText(texts, safetyFactorKey, defaultSafetyFactor(settings.beltType())));
    }
    if (!surchargeAngle_->hasFocus()) {
        surchargeAngle_->setText(shownText(texts, surchargeAngleKey, defaultSurchargeAngle));
    }
    if (!idlerLife_->hasFocus()) {
        idlerLife_->setText(shownText(texts, idlerLifeKey, defaultIdlerLifeHours));
    }
    if (!takeUpAllowance_->hasFocus()) {
        const std::optional<std::string> typed = texts ? texts->takeUpAllowance : std::nullopt;
        takeUpAllowance_->setText(typed ? toQString(*typed) : QString());
    }
    motorSpeed_->setCurrentText(shownText(texts, motorSpeedKey, defaultMotorSpeed));
    const bool typing = safetyFactor_->hasFocus() || surchargeAngle_->hasFocus() ||
                        idlerLife_->hasFocus() || takeUpAllowance_->hasFocus();
    if (!typing) {
        problem_->hide();
    }
}

void ChecksPanel::showRows() {
    const CheckSettings& settings = session_.checkSettings();
    const DesignChecks checks =
        runDesignChecks(session_.design(), settings.beltType(), settings.parameters(),
                        session_.pulleyDiameter(), session_.takeUpType());
    const std::vector<CheckRow> found = checkRows(checks);
    rows_->setRowCount(static_cast<int>(found.size()));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const int row = static_cast<int>(i);
        rows_->setItem(row, 0, cell(found[i].name));
        rows_->setItem(row, 1, cell(found[i].value));
        rows_->setItem(row, 2, cell(found[i].requirement));
        rows_->setItem(row, 3, verdictCell(found[i].ok));
        rows_->setItem(row, 4, cell(found[i].advice));
    }
    rows_->resizeRowsToContents();
}

}  // namespace dtii
