// The calculator button of the input window: start the default calculator, or let the person
// choose a program when it cannot be started.
#pragma once

#include "core/dialogs.h"
#include "ui/platform.h"

class QWidget;

namespace dtii {

void openCalculator(Platform& platform, UserDialogs& dialogs, QWidget* parent);

}  // namespace dtii
