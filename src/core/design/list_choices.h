// What a pick in one of the input window's lists stores in the design record, found by the exact
// text of the pick.
#pragma once

#include <string_view>

#include "core/design/conveyor_design.h"
#include "core/design/input_fields.h"

namespace dtii {

// The text a list shows until something is picked.
std::string_view listPrompt(InputList list);

// What the list is about, for messages that name it.
std::string_view listSubject(InputList list);

// Stores the values of the item whose text equals `text` exactly; true when it did. Placeholder
// items ("D=" and the empty item) and texts of no item store nothing.
bool storeListChoice(ConveyorDesign& design, InputList list, std::string_view text);

}  // namespace dtii
