// Starting a calculator program from the input window.
#include "ui/calculator_command.h"

#include <string>
#include <string_view>

#include "ui/text_conversion.h"

namespace dtii {
namespace {

constexpr std::string_view calculatorMissing = "在默认路径中找不到calc.exe";
// A chosen program that will not start is named, so the person sees which one failed.
constexpr std::string_view chosenProgramFailed = "无法启动所选的程序：";

}  // namespace

void openCalculator(Platform& platform, UserDialogs& dialogs, QWidget* parent) {
    if (platform.startProgram(platform.defaultCalculator())) {
        return;
    }
    dialogs.showMessage(calculatorMissing, programTitle, MessageIcon::none);
    const QString chosen = platform.chooseFileToOpen(parent, programChoiceFilter());
    if (chosen.isEmpty()) {
        return;
    }
    if (!platform.startProgram(chosen)) {
        dialogs.showMessage(std::string(chosenProgramFailed) + toUtf8(chosen), programTitle,
                            MessageIcon::none);
    }
}

}  // namespace dtii
