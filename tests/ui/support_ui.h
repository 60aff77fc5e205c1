// Shared pieces of the window tests: a stand-in for the operating system, a watchdog against real
// modal dialogs, one designer session per test, and helpers that type, click and pick like a
// person would.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/file/design_file.h"
#include "support/scripted_dialogs.h"
#include "ui/designer_session.h"
#include "ui/platform.h"

namespace dtii::testing {

// Programs "start" when their path is in `startable`; every attempt is recorded.
class FakePlatform : public Platform {
public:
    std::filesystem::path reportPath;
    QString calculator = QStringLiteral("/usr/bin/fake-calculator");
    QStringList startable;
    QStringList started;         // every program the window tried to start, in order
    QString chosenProgram;       // the answer of every file-open dialog
    QString chosenSavePath;      // the answer of every file-save dialog
    QStringList chooserFilters;  // the filter of every file dialog that opened

    std::filesystem::path reportFilePath() const override { return reportPath; }
    QString defaultCalculator() const override { return calculator; }
    bool startProgram(const QString& program) override;
    QString chooseFileToOpen(QWidget* parent, const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& filter) override;
};

// Fails the running test when a real modal dialog opens (and closes it, so the test goes on).
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    ModalWatchdog();
    QString openedDialog() const { return openedDialog_; }

private:
    void check();
    QTimer timer_;
    QString openedDialog_;
};

// Everything one test drives: scripted boxes, a fake system, a temporary report file.
struct TestRun {
    QTemporaryDir directory;
    ScriptedDialogs dialogs;
    FakePlatform platform;
    std::unique_ptr<DesignerSession> session;

    TestRun();
    QWidget& inputWindow();
};

// A child widget of `window` by object name; fails the test when there is none.
template <typename Widget>
Widget* child(QWidget& window, const char* name) {
    auto* found = window.findChild<Widget*>(QLatin1String(name));
    if (found == nullptr) {
        qWarning("no widget named %s in %s", name, qPrintable(window.objectName()));
    }
    return found;
}

// Shows the window and makes it the active one, so focus changes reach its widgets.
bool activate(QWidget& window);

// Clicks into the box, replaces its text by typing, then presses Tab to move on.
void typeInto(QLineEdit& box, const QString& text);
// Clicks into the box and types, leaving the focus in the box.
void typeWithoutLeaving(QLineEdit& box, const QString& text);

// Picks the item with this text from a drop-down list, as a click in the open list does (the
// opening itself is not part of a pick).
bool pick(QWidget& window, const char* listName, const QString& itemText);

void click(QWidget& window, const char* name);

// Enters a whole design into the input window through its widgets, in the window's own order,
// answering the plough-tripper box from the design.
void enterDesign(QWidget& inputWindow, const DesignFile& design, ScriptedDialogs& dialogs);

// Fills the equipment-list window through its widgets.
void enterEquipment(QWidget& equipmentWindow, const EquipmentEntries& entries);

// The text of a multi-line text box, with CR LF line breaks as the core builds them.
std::string plainText(QWidget& window, const char* name);

// A design file given as JSON text, or a failed test.
DesignFile designFromJson(std::string_view json);

// The example design of the project: an 800 mm conveyor with an equipment section.
extern const std::string_view exampleDesignJson;

QString toQ(std::string_view text);

}  // namespace dtii::testing
