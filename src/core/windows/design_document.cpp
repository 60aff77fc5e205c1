// The edited design file: unsaved-edits check and question, title, extension, recent files.
#include "core/windows/design_document.h"

#include <algorithm>

#include "core/system/path_text.h"

namespace dtii {
namespace {

constexpr std::string_view modifiedMark = "[*]";
constexpr std::string_view titleSeparator = " - ";
constexpr std::string_view designExtension = ".json";
constexpr std::string_view unsavedQuestionTail = "的修改尚未保存。要保存吗？";
constexpr std::string_view untitledDesign = "当前设计";

}  // namespace

bool hasUnsavedEdits(const DesignDocument& document, const DesignFile& shown) {
    return !(document.saved == shown);
}

std::string documentWindowTitle(const DesignDocument& document) {
    if (document.path.empty()) {
        return std::string(programTitle) + std::string(modifiedMark);
    }
    return pathText(document.path.filename()) + std::string(modifiedMark) +
           std::string(titleSeparator) + std::string(programTitle);
}

LeaveDecision askBeforeLeaving(const DesignDocument& document, const DesignFile& shown,
                               UserDialogs& dialogs) {
    if (!hasUnsavedEdits(document, shown)) {
        return LeaveDecision::proceed;
    }
    const std::string subject = document.path.empty()
                                    ? std::string(untitledDesign)
                                    : "“" + pathText(document.path.filename()) + "”";
    switch (
        dialogs.askSaveDiscardCancel(subject + std::string(unsavedQuestionTail), programTitle)) {
        case UnsavedEditsAnswer::save:
            return LeaveDecision::saveFirst;
        case UnsavedEditsAnswer::discard:
            return LeaveDecision::proceed;
        case UnsavedEditsAnswer::cancel:
            break;
    }
    return LeaveDecision::stay;
}

std::filesystem::path withExtension(std::filesystem::path path, std::string_view extension) {
    const std::filesystem::path present = path.filename().extension();
    if (present.empty()) {
        path += std::string(extension);
    } else if (present == ".") {
        path += std::string(extension.substr(1));
    }
    return path;
}

std::filesystem::path withDesignExtension(std::filesystem::path path) {
    return withExtension(std::move(path), designExtension);
}

std::vector<std::string> recentFilesAfterUse(std::vector<std::string> recent,
                                             const std::string& path) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > recentFileLimit) {
        recent.resize(recentFileLimit);
    }
    return recent;
}

}  // namespace dtii
