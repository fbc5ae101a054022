#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Zent {


enum class Lecture { Octet, Silence, Raccroche, Erreur };

// A serial port as the link needs it: 8 data bits, even parity, one stop
// bit, no flow control, DTR off and RTS on; blocking calls bounded by a
// time-out.
class PortSerie {
public:
    virtual ~PortSerie() = default;
    virtual int Ouvre(const std::string& chemin) = 0;
    // Closes; `restaure` puts back the line settings found at opening.
    virtual int Ferme(bool restaure) = 0;
    virtual bool Ouvert() const = 0;
    virtual int SetVitesse(int baud) = 0;
    virtual int Purge() = 0;
    // All bytes, or the error; `delaiMs` bounds the whole write.
    virtual int Ecrit(const std::uint8_t* octets, std::size_t nombre, int delaiMs) = 0;
    // One byte within `delaiMs`; `erreur` holds the error number for Erreur.
    virtual Lecture Lit(std::uint8_t& octet, int delaiMs, int& erreur) = 0;
};

} // namespace Zent
