// The design record: everything the engineer entered and picked, the values each choice carries,
// and the results of the drive calculation. One instance lives for the whole run of the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dtii {

// Read by every window: what the equipment selection and the report need.
struct SharedDesign {
    std::int16_t B = 0;                       // belt width [mm]
    std::int16_t carryingRollerDiameter = 0;  // [mm] 89, 108, 133, 159, 194; 0 = not chosen
    std::int16_t carryingIdlerForm = 0;       // rollers per set: 3 trough, 2 V, 1 flat; 0 = none
    std::int16_t returnIdlerForm = 0;         // same coding as the carrying side
    double V = 0;                             // belt speed [m/s]
    double Q = 0;                             // capacity [t/h]
    double r = 0;                             // material density [kg/m^3]
    double Lh = 0;                            // horizontal projected length [m]
    double H = 0;                             // lift, upwards positive [m]
    std::int16_t returnRollerDiameter = 0;    // [mm]
    std::int16_t carryingBearing = 0;       // 1 4G204, 2 4G205, 3 4G305, 4 4G306, 5 310KA; 0 = none
    std::string resultsText;                // the fourteen-line results listing
    double Fu = 0;                          // circumferential drive force [N]
    double Pa = 0;                          // drive-pulley power [kW]
    double Pm = 0;                          // motor power [kW]
    double T1 = 0, T2 = 0, T3 = 0, T4 = 0;  // belt tensions [N]
    double carryingTroughAngle = 0;         // [degrees]
    double carryingTiltAngle = 0;           // forward tilt [degrees]
    double a0 = 0;                          // carrying idler spacing [m]
    double Fw = 0;                          // carrying-strand resistance [N]
    double Fk = 0;                          // return-strand resistance [N]

    bool operator==(const SharedDesign&) const = default;
};

// Owned by the input window and the drive calculation that runs from it.
struct InputDesign {
    double frictionFactor = 0;          // artificial friction factor f of the working condition
    std::int16_t runningCondition = 0;  // 1 dry, 2 clean and wet, 3 dirty and wet; 0 = none
    std::int16_t drumSurface = 0;       // drive-pulley surface 1 to 4; 0 = none
    std::array<std::array<double, 4>, 3> driveFrictionTable{};  // [running - 1][surface - 1]
    std::int16_t returnBearing = 0;                             // same codes as carryingBearing
    std::int16_t carryingRollerLength = 0;                      // [mm]
    std::int16_t returnRollerLength = 0;                        // [mm]
    double plyMass = 0;                       // [kg/m^2 per ply]; 0 for steel-cord belts
    double coverMass = 0;                     // [kg/m^2 per mm of cover]; 0 for steel-cord belts
    double steelCordMass = 0;                 // [kg/m^2]
    double topCover = 0, bottomCover = 0;     // cover thickness [mm]
    double ploughResistance = 0;              // [N]
    double ploughCount = 0;                   // plough trippers as entered
    double L = 0;                             // conveyor length [m]
    double au = 0;                            // return idler spacing [m]
    std::int16_t plies = 0;                   // fabric plies
    double returnTroughAngle = 0;             // [degrees]
    double returnTiltAngle = 0;               // [degrees]
    double wrapAngle = 0;                     // wrap angle on the drive pulley [degrees]
    double qG = 0, qB = 0, qRO = 0, qRU = 0;  // masses per metre [kg/m]
    double carryingRollerMass = 0;            // rotating mass of one roller [kg]
    double returnRollerMass = 0;              // [kg]

    bool operator==(const InputDesign&) const = default;
};

// Working values of the drive calculation, kept beside the record.
struct DriveWorkingValues {
    double driveFriction = 0;               // mu between belt and drive pulley
    double wrapFactor = 0;                  // e^(mu alpha)
    double slopeResistance = 0;             // FSt [N]
    double volumeFlow = 0;                  // Iv [m^3/s]
    double troughFactor = 0;                // C epsilon
    double skirtWidth = 0;                  // b1 [m]
    double tiltResistance = 0;              // F epsilon, carrying idler forward tilt [N]
    double skirtResistance = 0;             // Fgl, skirt-board friction [N]
    double specialMainResistance = 0;       // FS1 [N]
    double returnTiltResistance = 0;        // [N]
    double cleanerResistance = 0;           // [N]
    double specialSecondaryResistance = 0;  // FS2 [N]
    double secondaryFactor = 0;             // C
    double mainAndSecondaryResistance = 0;  // C * FH [N]
    double FA = 0;                          // starting drive force [N]
    double noSlipTension = 0;               // [N]
    double returnSagTension = 0;            // [N]
    double carryingSagTension = 0;          // [N]

    bool operator==(const DriveWorkingValues&) const = default;
};

struct ConveyorDesign {
    SharedDesign shared;
    InputDesign input;
    DriveWorkingValues working;

    bool operator==(const ConveyorDesign&) const = default;
};

}  // namespace dtii
