// What differs from one operating system to another: where the report file lives, which
// calculator program is the default, starting a program, and choosing files with a dialog.
#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace dtii {

// The windows reach the system only through this interface, so tests can stand in for it.
class Platform {
public:
    virtual ~Platform() = default;

    virtual std::filesystem::path reportFilePath() const = 0;

    // The calculator started by the calculator button; empty when the system has none.
    virtual QString defaultCalculator() const = 0;

    // Starts a program without a shell; false when it cannot be found or started.
    virtual bool startProgram(const QString& program) = 0;

    // A modal file-open dialog with a Qt name filter; empty when nothing was chosen.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& filter) = 0;

    // A modal file-save dialog (it asks before replacing a file); empty when cancelled.
    virtual QString chooseFileToSave(QWidget* parent, const QString& filter) = 0;

    // The same, starting at `suggested` (a folder and file name); `selectedFilter`, when given,
    // receives the filter the person picked.
    virtual QString chooseSavePath(QWidget* parent, const QString& filter, const QString& suggested,
                                   QString* selectedFilter) {
        (void)suggested;
        (void)selectedFilter;
        return chooseFileToSave(parent, filter);
    }
};

// The real operating system.
class DesktopPlatform : public Platform {
public:
    std::filesystem::path reportFilePath() const override;
    QString defaultCalculator() const override;
    bool startProgram(const QString& program) override;
    QString chooseFileToOpen(QWidget* parent, const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& filter) override;
    QString chooseSavePath(QWidget* parent, const QString& filter, const QString& suggested,
                           QString* selectedFilter) override;
};

// The program-choice filter of the calculator button, written as a Qt name filter.
QString programChoiceFilter();

// Turns a filter of alternating descriptions and patterns separated by "|" into a Qt name
// filter. Elsewhere than on Windows "*.*" becomes "*", because programs there have no extension.
QString qtNameFilter(const QString& barSeparatedFilter, bool windows);

}  // namespace dtii
