// The results window's confirm button: asks whether the equipment list should be made.
#pragma once

#include "core/dialogs.h"

namespace dtii {

// True when the person answers OK to making the equipment list.
bool askForEquipmentList(UserDialogs& dialogs);

}  // namespace dtii
