// Design files from the input window.
#include "ui/design_file_commands.h"

#include <optional>
#include <string>
#include <string_view>

#include "core/file/design_file.h"
#include "core/file/design_replay.h"
#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view designFilter = "设计文件 (*.json);;所有文件 (*)";
constexpr std::string_view saveFailed = "设计文件未能保存：";

// While a design is entered, the plough-tripper count comes from the file; every other box is
// shown to the person as usual.
class DesignAnswers : public UserDialogs {
public:
    DesignAnswers(UserDialogs& person, std::optional<std::string> trippers)
        : person_(person), trippers_(std::move(trippers)) {}

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        person_.showMessage(text, caption, icon);
    }
    std::string askText(std::string_view, std::string_view, std::string_view) override {
        return trippers_.value_or(std::string());
    }
    bool askOkCancel(std::string_view text, std::string_view caption) override {
        return person_.askOkCancel(text, caption);
    }

private:
    UserDialogs& person_;
    std::optional<std::string> trippers_;
};

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

void saveDesignToFile(const InputWindow& window, const ConveyorDesign& design,
                      const CheckSettings& checks, const ProjectInfo& project, Platform& platform,
                      UserDialogs& dialogs, QWidget* parent) {
    const QString chosen = platform.chooseFileToSave(parent, toQString(designFilter));
    if (chosen.isEmpty()) {
        return;
    }
    DesignFile file = captureInputWindow(window, design);
    file.checks = checks.texts();
    if (project != ProjectInfo{}) {
        file.project = project;
    }
    if (const std::optional<std::string> reason = saveDesignFile(file, toPath(chosen))) {
        dialogs.showMessage(std::string(saveFailed) + *reason, programTitle, MessageIcon::none);
    }
}

bool openDesignFile(InputWindow& window, ConveyorDesign& design, CheckSettings& checks,
                    ProjectInfo& project, Platform& platform, UserDialogs& dialogs,
                    QWidget* parent) {
    const QString chosen = platform.chooseFileToOpen(parent, toQString(designFilter));
    if (chosen.isEmpty()) {
        return false;
    }
    const DesignFileResult loaded = loadDesignFile(toPath(chosen));
    if (!loaded.design) {
        dialogs.showMessage(loaded.error, programTitle, MessageIcon::none);
        return false;
    }
    DesignAnswers answers(dialogs, loaded.design->ploughTrippers);
    replayInputWindow(*loaded.design, window, design, answers);
    checks.setTexts(loaded.design->checks);
    project = loaded.design->project.value_or(ProjectInfo{});
    return true;
}

}  // namespace dtii
