#include "pty_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace devsim {

unsigned baudFromSpeed(unsigned speed)
{
    switch (speed) {
    case B50: return 50;
    case B75: return 75;
    case B110: return 110;
    case B134: return 134;
    case B150: return 150;
    case B200: return 200;
    case B300: return 300;
    case B600: return 600;
    case B1200: return 1200;
    case B1800: return 1800;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return 0;
    }
}

std::unique_ptr<PtyLine> PtyLine::open(std::string& error)
{
    std::unique_ptr<PtyLine> line(new PtyLine);
    line->master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line->master_ < 0 || grantpt(line->master_) != 0 || unlockpt(line->master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return nullptr;
    }
    char name[128];
    if (ptsname_r(line->master_, name, sizeof name) != 0) {
        error = std::string("ptsname: ") + std::strerror(errno);
        return nullptr;
    }
    line->slavePath_ = name;
    line->heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line->heldSlave_ < 0) {
        error = "cannot open " + line->slavePath_ + ": " + std::strerror(errno);
        return nullptr;
    }
    // Raw at once, so that nothing the device sends is echoed back before the tool
    // sets its own line settings.
    termios settings{};
    if (tcgetattr(line->heldSlave_, &settings) == 0) {
        cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        tcsetattr(line->heldSlave_, TCSANOW, &settings);
    }
    const int flags = fcntl(line->master_, F_GETFL);
    fcntl(line->master_, F_SETFL, flags | O_NONBLOCK);
    return line;
}

PtyLine::~PtyLine() { close(); }

void PtyLine::close()
{
    if (master_ >= 0)
        ::close(master_);
    if (heldSlave_ >= 0)
        ::close(heldSlave_);
    master_ = heldSlave_ = -1;
}

void PtyLine::waitUntilRead(int milliseconds) const
{
    // Bytes reach the slave's queue a moment after the write, so an empty queue counts
    // only once it has been seen holding them.
    bool seenPending = false;
    for (int waited = 0; waited < milliseconds; ++waited) {
        int pending = 0;
        if (heldSlave_ < 0 || ioctl(heldSlave_, TIOCINQ, &pending) != 0)
            return;
        if (pending != 0)
            seenPending = true;
        else if (seenPending)
            return;
        poll(nullptr, 0, 1);
    }
}

LineSettings PtyLine::lineSettings() const
{
    LineSettings line;
    termios settings{};
    if (master_ < 0 || tcgetattr(master_, &settings) != 0)
        return line;
    line.baud = baudFromSpeed(cfgetospeed(&settings));
    switch (settings.c_cflag & CSIZE) {
    case CS5: line.dataBits = 5; break;
    case CS6: line.dataBits = 6; break;
    case CS7: line.dataBits = 7; break;
    default: line.dataBits = 8; break;
    }
    if (!(settings.c_cflag & PARENB))
        line.parity = 'N';
    else if (settings.c_cflag & CMSPAR)
        line.parity = (settings.c_cflag & PARODD) ? 'M' : 'S';
    else
        line.parity = (settings.c_cflag & PARODD) ? 'O' : 'E';
    line.stopBits = (settings.c_cflag & CSTOPB) ? 2 : 1;
    return line;
}

}  // namespace devsim
