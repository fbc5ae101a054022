#pragma once

#include <cstdint>

namespace Zent {

// Result codes of the firing-program side. They reach the user (the time
// table shows unexpected codes), so the numbers must never change.
using CodeRetour = std::uint32_t;

inline constexpr CodeRetour Succes = 0;
inline constexpr CodeRetour ErrIndexHorsTable = 100012;
inline constexpr CodeRetour ErrTirInactif = 100013;
inline constexpr CodeRetour ErrVoieInvalide = 100014;
inline constexpr CodeRetour ErrRetardHorsLimites = 100015;
inline constexpr CodeRetour ErrTempsHorsBornes = 100016;
inline constexpr CodeRetour ErrValeurAjustee = 100017;
inline constexpr CodeRetour ErrTempsSuivantsDeplaces = 100018;
inline constexpr CodeRetour ErrRetardIncoherent = 100019;
inline constexpr CodeRetour ErrIndexSecours = 100022;
inline constexpr CodeRetour ErrVoieDeSecours = 100023;
inline constexpr CodeRetour ErrVoieDejaUtilisee = 100025;
inline constexpr CodeRetour ErrProgrammePlein = 100027;

} // namespace Zent
