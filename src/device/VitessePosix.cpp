// Any speed through termios2 and BOTHER: 14400, 56000, 128000 and 256000 are
// not standard rates.
#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace Zent {

int AppliqueVitesse(int fd, int baud)
{
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0)
        return errno == ENOTTY || errno == EINVAL ? 0 : errno;
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD);
    t.c_cflag |= BOTHER;
    t.c_ispeed = static_cast<speed_t>(baud);
    t.c_ospeed = static_cast<speed_t>(baud);
    if (ioctl(fd, TCSETS2, &t) != 0)
        return errno == ENOTTY || errno == EINVAL ? 0 : errno;
    return 0;
}

int LitVitesse(int fd)
{
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0)
        return 0;
    return static_cast<int>(t.c_ospeed);
}

} // namespace Zent
