#pragma once

#include <cstdint>
#include <string>

namespace Zent {

// Type of a shot as the program file and the dialogs name it; the record
// keeps the inverse flag `Manuel`.
enum TypeTypeDeTir : int { TirManuel = 0, TirAutomatique = 1 };

// One shot record. Field order follows the console image.
struct UnTir {
    std::int32_t Voie = 0;
    double Retard = 0.0;       // seconds after the previous shot (or the key press)
    double RetardAbsolu = 0.0; // seconds since the key press of the sequence
    bool Manuel = true;
    bool DernierTir = true;
    bool Inactif = true;
    bool Reserve = false;
    std::string Description; // single-byte text; empty means no description
};

} // namespace Zent
