// Which minimum tension governs: no slip at the drive or the return-strand sag sets the slack
// side, then the carrying-strand sag may raise the whole loop.
#include "core/calc/belt_tensions.h"

#include "core/calc/drive_constants.h"

namespace dtii {

BeltTensions beltTensions(const TensionConditions& c) {
    const double w = c.wrapFactor;
    // An equal return-strand tension leaves the drive governing.
    const bool returnSagGoverns = !(c.returnSagTension <= c.noSlipTension);
    BeltTensions t{};
    t.T2 = returnSagGoverns ? c.returnSagTension : c.noSlipTension;
    t.T1 = w * t.T2;
    t.T4 = t.T1 - c.Fw;
    const bool carryingCheckPassed = t.T4 >= c.carryingSagTension;
    if (!carryingCheckPassed) {
        t.T4 = c.carryingSagTension;
        t.T1 = t.T4 + c.Fw;
        t.T2 = t.T1 / w;
    }
    t.returnSagGoverns = returnSagGoverns;
    t.carryingSagRaised = !carryingCheckPassed;
    t.T3 = returnSagGoverns && carryingCheckPassed ? t.T2 + c.Fk : t.T4 / tailPulleyFactor;
    return t;
}

}  // namespace dtii
