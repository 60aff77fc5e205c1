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

BeltTensions beltTensions(const TensionConditions& conditions);

}  // namespace dtii
