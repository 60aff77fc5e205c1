// Design files from the input window.
#include "ui/design_file_commands.h"

#include <string>
#include <string_view>

#include "core/file/design_replay.h"
#include "core/windows/design_document.h"
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
    UnsavedEditsAnswer askSaveDiscardCancel(std::string_view text,
                                            std::string_view caption) override {
        return person_.askSaveDiscardCancel(text, caption);
    }

private:
    UserDialogs& person_;
    std::optional<std::string> trippers_;
};

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

QString chooseDesignFileToSave(Platform& platform, QWidget* parent) {
    const QString chosen = platform.chooseFileToSave(parent, toQString(designFilter));
    if (chosen.isEmpty()) {
        return chosen;
    }
    return QString::fromStdU16String(withDesignExtension(toPath(chosen)).u16string());
}

QString chooseDesignFileToOpen(Platform& platform, QWidget* parent) {
    return platform.chooseFileToOpen(parent, toQString(designFilter));
}

bool writeDesignFile(const DesignFile& design, const QString& path, UserDialogs& dialogs) {
    if (const std::optional<std::string> reason = saveDesignFile(design, toPath(path))) {
        dialogs.showMessage(std::string(saveFailed) + *reason, programTitle, MessageIcon::none);
        return false;
    }
    return true;
}

std::optional<DesignFile> readDesignFile(const QString& path, UserDialogs& dialogs) {
    DesignFileResult loaded = loadDesignFile(toPath(path));
    if (!loaded.design) {
        dialogs.showMessage(loaded.error, programTitle, MessageIcon::none);
    }
    return std::move(loaded.design);
}

void enterDesignIntoWindow(const DesignFile& design, InputWindow& window, ConveyorDesign& record,
                           UserDialogs& dialogs) {
    DesignAnswers answers(dialogs, design.ploughTrippers);
    replayInputWindow(design, window, record, answers);
}

}  // namespace dtii
