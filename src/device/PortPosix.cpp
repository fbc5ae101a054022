#include "device/PortPosix.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Zent {

namespace {

using Horloge = std::chrono::steady_clock;

int Restant(Horloge::time_point echeance)
{
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(echeance - Horloge::now()).count();
    return reste < 0 ? 0 : static_cast<int>(reste);
}

// Modem lines and exclusivity: a pseudo-terminal refuses some of these.
bool Tolere(int erreur) { return erreur == ENOTTY || erreur == EINVAL; }

} // namespace

PortPosix::PortPosix()
{
    if (const char* trace = std::getenv("ZENTORA_TRACE"); trace && *trace)
        FichierTrace = std::fopen(trace, "a");
}

PortPosix::~PortPosix()
{
    Ferme(true);
    if (FichierTrace)
        std::fclose(FichierTrace);
}

void PortPosix::Trace(const char* sens, const std::uint8_t* octets, std::size_t nombre)
{
    if (!FichierTrace || nombre == 0)
        return;
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    std::fprintf(FichierTrace, "%lld.%03ld %s %s", static_cast<long long>(t.tv_sec), t.tv_nsec / 1000000, Chemin.c_str(), sens);
    for (std::size_t i = 0; i < nombre; ++i)
        std::fprintf(FichierTrace, " %02X", octets[i]);
    std::fputc('\n', FichierTrace);
    std::fflush(FichierTrace);
}

int PortPosix::Ouvre(const std::string& chemin)
{
    Ferme(false);
    const int fd = ::open(chemin.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Another program must not share the port.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        return e == EWOULDBLOCK ? EBUSY : e;
    }
    if (::ioctl(fd, TIOCEXCL) != 0 && !Tolere(errno)) {
        const int e = errno;
        ::close(fd);
        return e;
    }
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        const int e = errno;
        ::close(fd);
        return e;
    }
    Sauve = t;
    SauveValide = true;
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARODD | CRTSCTS);
    t.c_cflag |= CS8 | PARENB | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | IGNPAR | PARMRK);
    t.c_iflag |= INPCK;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        const int e = errno;
        ::close(fd);
        return e;
    }
    int lignes = TIOCM_DTR;
    if (::ioctl(fd, TIOCMBIC, &lignes) != 0 && !Tolere(errno)) {
        const int e = errno;
        ::close(fd);
        return e;
    }
    lignes = TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIS, &lignes) != 0 && !Tolere(errno)) {
        const int e = errno;
        ::close(fd);
        return e;
    }
    Fd = fd;
    Chemin = chemin;
    return SetVitesse(9600);
}

int PortPosix::Ferme(bool restaure)
{
    if (Fd < 0)
        return 0;
    if (restaure && SauveValide)
        ::tcsetattr(Fd, TCSANOW, &Sauve);
    const int resultat = ::close(Fd) == 0 ? 0 : errno;
    Fd = -1;
    SauveValide = false;
    return resultat;
}

int PortPosix::SetVitesse(int baud) { return Fd < 0 ? EBADF : AppliqueVitesse(Fd, baud); }

int PortPosix::VitesseLue() const { return Fd < 0 ? 0 : LitVitesse(Fd); }

int PortPosix::Purge()
{
    if (Fd < 0)
        return EBADF;
    return ::tcflush(Fd, TCIOFLUSH) == 0 || Tolere(errno) ? 0 : errno;
}

int PortPosix::Ecrit(const std::uint8_t* octets, std::size_t nombre, int delaiMs)
{
    if (Fd < 0)
        return EBADF;
    const auto echeance = Horloge::now() + std::chrono::milliseconds(delaiMs);
    std::size_t faits = 0;
    while (faits < nombre) {
        const ssize_t n = ::write(Fd, octets + faits, nombre - faits);
        if (n > 0) {
            Trace(">", octets + faits, static_cast<std::size_t>(n));
            faits += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return errno;
        pollfd p{Fd, POLLOUT, 0};
        const int reste = Restant(echeance);
        if (reste == 0)
            return ETIMEDOUT;
        const int r = ::poll(&p, 1, reste);
        if (r < 0 && errno != EINTR)
            return errno;
        if (r > 0 && (p.revents & (POLLERR | POLLHUP)))
            return EIO;
    }
    return 0;
}

Lecture PortPosix::Lit(std::uint8_t& octet, int delaiMs, int& erreur)
{
    erreur = 0;
    if (Fd < 0) {
        erreur = EBADF;
        return Lecture::Erreur;
    }
    const auto echeance = Horloge::now() + std::chrono::milliseconds(delaiMs);
    for (;;) {
        const ssize_t n = ::read(Fd, &octet, 1);
        if (n == 1) {
            Trace("<", &octet, 1);
            return Lecture::Octet;
        }
        if (n == 0)
            return Lecture::Raccroche;
        if (errno == EIO)
            return Lecture::Raccroche; // the other end of a pseudo-terminal went away
        if (errno != EAGAIN && errno != EINTR) {
            erreur = errno;
            return Lecture::Erreur;
        }
        const int reste = Restant(echeance);
        if (reste == 0)
            return Lecture::Silence;
        pollfd p{Fd, POLLIN, 0};
        const int r = ::poll(&p, 1, reste);
        if (r < 0 && errno != EINTR) {
            erreur = errno;
            return Lecture::Erreur;
        }
        if (r > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN))
            return Lecture::Raccroche;
    }
}

} // namespace Zent
