// What a pick in one of the input window's lists stores in the design record, found by the exact
// text of the pick. Lists are numbered as the window's Combo1 ... Combo9.
#pragma once

#include <string_view>

#include "core/design/conveyor_design.h"

namespace dtii {

// The text a list shows until something is picked.
std::string_view listPrompt(int listNumber);

// What the list is about, for messages that name it.
std::string_view listSubject(int listNumber);

// Stores the values of the item whose text equals `text` exactly; true when it did. Placeholder
// items ("D=" and the empty item) and texts of no item store nothing.
bool storeListChoice(ConveyorDesign& design, int listNumber, std::string_view text);

}  // namespace dtii
