#pragma once

#include "device/PortSerie.h"

#include <cstdio>
#include <termios.h>

namespace Zent {

// The POSIX serial port: exclusive (flock and TIOCEXCL), raw 8E1 with parity
// checking, waits by poll() on absolute deadlines, hang-up told apart from
// silence, pseudo-terminals accepted. ZENTORA_TRACE=file hex-dumps every
// transfer with a time stamp.
class PortPosix : public PortSerie {
public:
    PortPosix();
    ~PortPosix() override;
    int Ouvre(const std::string& chemin) override;
    int Ferme(bool restaure) override;
    bool Ouvert() const override { return Fd >= 0; }
    int SetVitesse(int baud) override;
    int Purge() override;
    int Ecrit(const std::uint8_t* octets, std::size_t nombre, int delaiMs) override;
    Lecture Lit(std::uint8_t& octet, int delaiMs, int& erreur) override;
    // The speed the line really runs at, read back from the driver (0 when unknown).
    int VitesseLue() const;

private:
    void Trace(const char* sens, const std::uint8_t* octets, std::size_t nombre);
    int Fd = -1;
    termios Sauve{};
    bool SauveValide = false;
    std::FILE* FichierTrace = nullptr;
    std::string Chemin;
};

// termios2 speed handling, in a translation unit of its own because
// <asm/termbits.h> clashes with <termios.h>. 0, or the error number; ENOTTY
// and EINVAL from a pseudo-terminal count as done.
int AppliqueVitesse(int fd, int baud);
int LitVitesse(int fd);

} // namespace Zent
