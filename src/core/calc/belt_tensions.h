// The four belt tensions from the drive's minimum-tension conditions.
#pragma once

namespace dtii {

struct TensionConditions {
    double wrapFactor;          // e^(mu alpha)
    double Fw;                  // carrying-strand resistance [N]
    double Fk;                  // return-strand resistance [N]
    double noSlipTension;       // [N]
    double returnSagTension;    // [N]
    double carryingSagTension;  // [N]
};

struct BeltTensions {
    double T1, T2, T3, T4;  // [N]
};

// Which case of the tension rule applies.
struct TensionCase {
    bool returnSagGoverns;   // the return-strand sag, not the no-slip condition, sets T2
    bool carryingSagRaised;  // the carrying-strand sag raises the loop: T4 is its tension
};

TensionCase tensionCase(const TensionConditions& conditions);

BeltTensions beltTensions(const TensionConditions& conditions);

}  // namespace dtii
