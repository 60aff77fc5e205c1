#include "core/select/adopt_selection.h"

namespace dtii {

void adoptSelectedDesign(const SelectedDesign& chosen, InputWindow& window, ConveyorDesign& record,
                         UserDialogs& dialogs) {
    window.boxes[InputBox::beltWidth] = chosen.B;
    beltWidthLostFocus(window, record, dialogs);
    window.boxes[InputBox::beltSpeed] = chosen.V;
    window.boxes[InputBox::plies] = chosen.plies;
    window.lists[InputList::beltType].text = chosen.beltType;
    pickListItem(window, record, InputList::beltType);
}

}  // namespace dtii
