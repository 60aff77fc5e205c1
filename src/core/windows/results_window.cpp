#include "core/windows/results_window.h"

namespace dtii {

bool askForEquipmentList(UserDialogs& dialogs) {
    return dialogs.askOkCancel("您希望让程序自动生成设备清单吗？", questionCaption);
}

}  // namespace dtii
