// Which minimum tension governs: no slip at the drive or the return-strand sag sets the slack
// side, then the carrying-strand sag may raise the whole loop.
#include "core/calc/belt_tensions.h"

#include "core/calc/drive_constants.h"

namespace dtii {

TensionCase tensionCase(const TensionConditions& c) {
    // An equal return-strand tension leaves the drive governing.
    const bool returnSagGoverns = !(c.returnSagTension <= c.noSlipTension);
    const double T2 = returnSagGoverns ? c.returnSagTension : c.noSlipTension;
    const double T4 = c.wrapFactor * T2 - c.Fw;
    return {returnSagGoverns, !(T4 >= c.carryingSagTension)};
}

BeltTensions beltTensions(const TensionConditions& c) {
    const double w = c.wrapFactor;
    const TensionCase which = tensionCase(c);
    BeltTensions t{};
    t.T2 = which.returnSagGoverns ? c.returnSagTension : c.noSlipTension;
    t.T1 = w * t.T2;
    t.T4 = t.T1 - c.Fw;
    if (which.carryingSagRaised) {
        t.T4 = c.carryingSagTension;
        t.T1 = t.T4 + c.Fw;
        t.T2 = t.T1 / w;
    }
    t.T3 =
        which.returnSagGoverns && !which.carryingSagRaised ? t.T2 + c.Fk : t.T4 / tailPulleyFactor;
    return t;
}

}  // namespace dtii
