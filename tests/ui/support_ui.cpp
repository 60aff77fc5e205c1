// Test support of the window tests.
#include "support_ui.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <array>

#include "ui/input_form.h"
#include "ui/prompt_combo_box.h"

namespace dtii::testing {

QString toQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool FakePlatform::startProgram(const QString& program) {
    started.append(program);
    return startable.contains(program);
}

QString FakePlatform::chooseFileToOpen(QWidget*, const QString& filter) {
    chooserFilters.append(filter);
    return chosenProgram;
}

QString FakePlatform::chooseFileToSave(QWidget*, const QString& filter) {
    chooserFilters.append(filter);
    return chosenSavePath;
}

ModalWatchdog::ModalWatchdog() {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start(50);
}

void ModalWatchdog::check() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        openedDialog_ = modal->windowTitle();
        modal->close();
    }
}

TestRun::TestRun() {
    // Settings (the recent files) of each test live in its own folder, as a file also on Windows,
    // whose native settings are the registry, shared by every run.
    QCoreApplication::setApplicationName(QStringLiteral("dtii-designer-tests"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory.path());
    platform.reportPath = std::filesystem::path(directory.path().toStdString()) / "report-file.txt";
    session = std::make_unique<DesignerSession>(dialogs, platform);
}

QWidget& TestRun::inputWindow() {
    return *session->showInputWindow();
}

bool activate(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

void typeWithoutLeaving(QLineEdit& box, const QString& text) {
    QTest::mouseClick(&box, Qt::LeftButton);
    box.selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(&box, Qt::Key_Delete);
    } else {
        QTest::keyClicks(&box, text);
    }
}

void typeInto(QLineEdit& box, const QString& text) {
    typeWithoutLeaving(box, text);
    QTest::keyClick(&box, Qt::Key_Tab);
}

bool pick(QWidget& window, const char* listName, const QString& itemText) {
    auto* list = child<PromptComboBox>(window, listName);
    if (list == nullptr) {
        return false;
    }
    const int index = list->findText(itemText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        qWarning("%s offers no item %s", listName, qPrintable(itemText));
        return false;
    }
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
    return true;
}

void click(QWidget& window, const char* name) {
    if (auto* button = child<QAbstractButton>(window, name)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

namespace {

void clickIdlerForm(QWidget& window, const std::string& caption, IdlerSide side) {
    for (const IdlerButtonRow& row : idlerButtons) {
        if (row.side == side && row.caption == caption) {
            const QByteArray name = "Option" + QByteArray::number(controlNumber(row.button));
            click(window, name.constData());
        }
    }
}

}  // namespace

void enterDesign(QWidget& inputWindow, const DesignFile& design, ScriptedDialogs& dialogs) {
    for (const InputBox box : inputBoxes) {
        const QByteArray name = "Text" + QByteArray::number(controlNumber(box));
        if (auto* edit = child<QLineEdit>(inputWindow, name.constData())) {
            typeInto(*edit, toQ(design.boxes[box]));
        }
    }
    clickIdlerForm(inputWindow, design.carryingIdlerForm, IdlerSide::carrying);
    clickIdlerForm(inputWindow, design.returnIdlerForm, IdlerSide::returning);
    for (const InputList list : inputLists) {
        if (const auto& item = design.lists[list]) {
            const QByteArray name = "Combo" + QByteArray::number(controlNumber(list));
            pick(inputWindow, name.constData(), toQ(*item));
        }
    }
    if (design.ploughTrippers) {
        dialogs.textAnswers.push_back(*design.ploughTrippers);
        click(inputWindow, "Check1");
    }
}

void enterEquipment(QWidget& equipmentWindow, const EquipmentEntries& entries) {
    if (entries.takeUpType) {
        pick(equipmentWindow, "Combo1", toQ(*entries.takeUpType));
    }
    for (int box = 1; box <= 5; ++box) {
        const QByteArray name = "Text" + QByteArray::number(box);
        if (auto* edit = child<QLineEdit>(equipmentWindow, name.constData())) {
            typeInto(*edit, toQ(entries.boxes[static_cast<std::size_t>(box)]));
        }
    }
}

std::string plainText(QWidget& window, const char* name) {
    auto* edit = child<QPlainTextEdit>(window, name);
    if (edit == nullptr) {
        return {};
    }
    QString text = edit->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

DesignFile designFromJson(std::string_view json) {
    DesignFileResult result = parseDesignFile(json, "test design");
    if (!result.design) {
        qFatal("test design does not parse: %s", result.error.c_str());
    }
    return *result.design;
}

const std::string_view exampleDesignJson = R"json(
{
  "format": "dtii-conveyor-design",
  "version": 1,
  "input": {
    "B": "800", "a0": "1.2", "au": "3", "r": "1000", "V": "2", "Q": "500",
    "L": "100", "H": "5", "wrapAngle": "200", "Lh": "100", "plies": "5",
    "carryingTroughAngle": "35", "carryingTiltAngle": "1.5",
    "returnTroughAngle": "0", "returnTiltAngle": "0",
    "workingCondition": "按标准设计，制造、调整好，物料内摩擦系数中等",
    "runningCondition": "干态运行",
    "drumSurface": "人字胶面滚筒",
    "beltType": "尼龙帆布NN-200",
    "covers": "4.5+1.5",
    "carryingIdlerForm": "槽形托辊", "carryingRollerDiameter": "D=108", "carryingBearing": "4G205",
    "returnIdlerForm": "平行托辊", "returnRollerDiameter": "D=108", "returnBearing": "4G205",
    "ploughTrippers": "2"
  },
  "equipment": {
    "takeUpType": "垂直重锤拉紧",
    "D": "800", "Ds": "", "Dt": "500", "hH": "1000", "hT": "800",
    "legHeight": "1100"
  }
}
)json";

}  // namespace dtii::testing
