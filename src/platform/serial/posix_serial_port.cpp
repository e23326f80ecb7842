#include "platform/serial/posix_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/serial/port_names.h"

namespace platform {

namespace {
using Clock = std::chrono::steady_clock;

constexpr std::array<std::pair<uint32_t, speed_t>, 19> kSpeeds{{
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    {460800, B460800},
}};

// Milliseconds left until the deadline, rounded up so that poll never wakes early.
int MsUntil(Clock::time_point deadline) {
  const auto left = deadline - Clock::now();
  if (left <= Clock::duration::zero()) return 0;
  return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// Linux numbers the slaves of /dev/ptmx with majors 136 to 143.
bool IsPseudoTerminalSlave(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) return false;
  const unsigned deviceMajor = major(info.st_rdev);
  return deviceMajor >= 136 && deviceMajor <= 143;
}

bool IsHangUp(int error) { return error == EIO || error == ENXIO || error == ENODEV; }

std::string GroupOf(const struct stat& info) {
  if (const group* entry = getgrgid(info.st_gid); entry != nullptr && entry->gr_name != nullptr) {
    return entry->gr_name;
  }
  return std::to_string(info.st_gid);
}

std::string AccessDeniedReason(const std::string& path, int error) {
  if (error == EBUSY || error == EWOULDBLOCK) {
    return "Access to " + path + " was denied: another program holds the port open for its exclusive use.";
  }
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return "Access to " + path + " was denied: " + SystemErrorText(error) + ".";
  return "Access to " + path + " was denied: the device belongs to group '" + GroupOf(info) +
         "' and does not allow this user to read and write it; the user may need to be a member of that group.";
}
}  // namespace

std::string SystemErrorText(uint32_t code) {
  // 2 and 5 are the program's own codes, not errno values (5 would read as EIO).
  if (code == kErrorFileNotFound) return "The system cannot find the device specified";
  if (code == kErrorAccessDenied) return "Access is denied";
  return std::system_category().message(static_cast<int>(code));
}

std::optional<speed_t> SpeedForBaud(uint32_t baudRate) {
  for (const auto& [rate, speed] : kSpeeds) {
    if (rate == baudRate) return speed;
  }
  return std::nullopt;
}

uint32_t SettingsToTermios(const PortSettings& settings, termios& tio) {
  const std::optional<speed_t> speed = SpeedForBaud(settings.baudRate);
  if (!speed) return EINVAL;
  tcflag_t size = 0;
  switch (settings.byteSize) {
    case 5: size = CS5; break;
    case 6: size = CS6; break;
    case 7: size = CS7; break;
    case 8: size = CS8; break;
    default: return EINVAL;
  }
  tcflag_t parity = 0;
  switch (settings.parity) {
    case Parity::None: break;
    case Parity::Odd: parity = PARENB | PARODD; break;
    case Parity::Even: parity = PARENB; break;
    case Parity::Mark: parity = PARENB | CMSPAR | PARODD; break;
    case Parity::Space: parity = PARENB | CMSPAR; break;
    default: return EINVAL;
  }
  tcflag_t stop = 0;
  switch (settings.stopBits) {
    case StopBits::One: break;
    case StopBits::Two: stop = CSTOPB; break;
    // termios has no one and a half stop bits; silently sending one or two would
    // mismatch the far end, so the settings are refused.
    default: return EINVAL;
  }
  termios raw = tio;
  cfmakeraw(&raw);
  raw.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  if (settings.outX) raw.c_iflag |= IXON;
  if (settings.inX) raw.c_iflag |= IXOFF;
  raw.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  raw.c_cflag |= size | parity | stop | CLOCAL | CREAD;
  raw.c_cc[VMIN] = 1;  // VMIN 0 would make an empty read look like end of file
  raw.c_cc[VTIME] = 0;
  cfsetispeed(&raw, *speed);
  cfsetospeed(&raw, *speed);
  tio = raw;
  return 0;
}

PortSettings SettingsFromTermios(const termios& tio) {
  PortSettings settings;
  settings.baudRate = 0;
  const speed_t speed = cfgetospeed(&tio);
  for (const auto& [rate, value] : kSpeeds) {
    if (value == speed) settings.baudRate = rate;
  }
  switch (tio.c_cflag & CSIZE) {
    case CS5: settings.byteSize = 5; break;
    case CS6: settings.byteSize = 6; break;
    case CS7: settings.byteSize = 7; break;
    default: settings.byteSize = 8; break;
  }
  if ((tio.c_cflag & PARENB) == 0) {
    settings.parity = Parity::None;
  } else if ((tio.c_cflag & CMSPAR) != 0) {
    settings.parity = (tio.c_cflag & PARODD) != 0 ? Parity::Mark : Parity::Space;
  } else {
    settings.parity = (tio.c_cflag & PARODD) != 0 ? Parity::Odd : Parity::Even;
  }
  settings.stopBits = (tio.c_cflag & CSTOPB) != 0 ? StopBits::Two : StopBits::One;
  settings.outX = (tio.c_iflag & IXON) != 0;
  settings.inX = (tio.c_iflag & IXOFF) != 0;
  return settings;
}

PosixSerialPort::PosixSerialPort(int fd) : m_fd(fd), m_bDrainsOnLine(!IsPseudoTerminalSlave(fd)) {}

PosixSerialPort::~PosixSerialPort() { Close(); }

uint32_t PosixSerialPort::GetState(PortSettings& settings) {
  termios tio{};
  if (m_fd < 0) return EBADF;
  if (tcgetattr(m_fd, &tio) != 0) return static_cast<uint32_t>(errno);
  settings = SettingsFromTermios(tio);
  return 0;
}

uint32_t PosixSerialPort::SetState(const PortSettings& settings) {
  termios tio{};
  if (m_fd < 0) return EBADF;
  if (tcgetattr(m_fd, &tio) != 0) return static_cast<uint32_t>(errno);
  if (const uint32_t refused = SettingsToTermios(settings, tio); refused != 0) return refused;
  if (tcsetattr(m_fd, TCSANOW, &tio) != 0) return static_cast<uint32_t>(errno);
  m_baudRate = settings.baudRate;
  return 0;
}

uint32_t PosixSerialPort::SetTimeouts(const PortTimeouts& timeouts) {
  m_timeouts = timeouts;
  return 0;
}

IoResult PosixSerialPort::Read(uint8_t* buffer, size_t n) {
  IoResult result;
  if (m_fd < 0) {
    result.error = EBADF;
    return result;
  }
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(m_timeouts.readTotalMs);
  while (result.transferred < n) {
    pollfd entry{m_fd, POLLIN, 0};
    const int ready = poll(&entry, 1, MsUntil(deadline));
    if (ready < 0) {
      if (errno == EINTR) continue;
      result.error = static_cast<uint32_t>(errno);
      break;
    }
    if (ready == 0) break;  // time-out: whatever arrived so far
    if ((entry.revents & POLLIN) != 0) {
      const ssize_t got = read(m_fd, buffer + result.transferred, n - result.transferred);
      if (got > 0) {
        result.transferred += static_cast<size_t>(got);
        continue;
      }
      if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      result.error = got == 0 ? static_cast<uint32_t>(EIO) : static_cast<uint32_t>(errno);
      result.disconnected = got == 0 || IsHangUp(errno);
      break;
    }
    // POLLHUP, POLLERR or POLLNVAL without data: the device is gone.
    result.error = EIO;
    result.disconnected = true;
    break;
  }
  return result;
}

size_t PosixSerialPort::DrainUntil(Clock::time_point deadline) {
  for (;;) {
    int queued = 0;
    if (ioctl(m_fd, TIOCOUTQ, &queued) != 0 || queued <= 0) return 0;
    const int left = MsUntil(deadline);
    if (left == 0) return static_cast<size_t>(queued);
    // Sleep about as long as the queued characters take on the line (10 bits each).
    const long long lineMs = 10'000LL * queued / std::max<uint32_t>(m_baudRate, 1) + 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long long>(lineMs, left)));
  }
}

IoResult PosixSerialPort::Write(const uint8_t* data, size_t n) {
  IoResult result;
  if (m_fd < 0) {
    result.error = EBADF;
    return result;
  }
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(m_timeouts.writeTotalMs);
  size_t handed = 0;
  while (handed < n) {
    const ssize_t put = write(m_fd, data + handed, n - handed);
    if (put > 0) {
      handed += static_cast<size_t>(put);
      continue;
    }
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno == EAGAIN) {
      pollfd entry{m_fd, POLLOUT, 0};
      const int ready = poll(&entry, 1, MsUntil(deadline));
      if (ready < 0 && errno == EINTR) continue;
      if (ready == 0) {
        result.error = ETIMEDOUT;
        break;
      }
      if (ready > 0 && (entry.revents & POLLOUT) == 0) {
        result.error = EIO;
        result.disconnected = true;
        break;
      }
      if (ready < 0) {
        result.error = static_cast<uint32_t>(errno);
        break;
      }
      continue;
    }
    result.error = put < 0 ? static_cast<uint32_t>(errno) : static_cast<uint32_t>(EIO);
    result.disconnected = put < 0 && IsHangUp(errno);
    break;
  }
  size_t pending = 0;
  if (!result.disconnected && m_bDrainsOnLine) pending = DrainUntil(deadline);
  if (pending > 0 || result.error == ETIMEDOUT) {
    // What has not left by the deadline is dropped, so the count written is the truth
    // and no stray tail reaches the device later.
    tcflush(m_fd, TCOFLUSH);
    if (result.error == 0) result.error = ETIMEDOUT;
  }
  result.transferred = handed - std::min(pending, handed);
  return result;
}

void PosixSerialPort::Purge() {
  if (m_fd >= 0) tcflush(m_fd, TCIOFLUSH);
}

void PosixSerialPort::Close() {
  if (m_fd < 0) return;
  ioctl(m_fd, TIOCNXCL);
  flock(m_fd, LOCK_UN);
  close(m_fd);
  m_fd = -1;
}

PortOpenResult OpenPosixSerialPort(const std::string& path) {
  PortOpenResult result;
  result.devicePath = path;
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    switch (error) {
      // A ttyS node without a UART behind it refuses with EIO: no such port either.
      case ENOENT: case ENXIO: case ENODEV: case EIO: case ENOTDIR:
        result.error = kErrorFileNotFound;
        break;
      case EACCES: case EPERM: case EBUSY: case EROFS:
        result.error = kErrorAccessDenied;
        result.reason = AccessDeniedReason(path, error);
        break;
      default:
        result.error = static_cast<uint32_t>(error);
        break;
    }
    return result;
  }
  // flock also excludes a second opener that runs as root, whom TIOCEXCL lets through.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    close(fd);
    result.error = kErrorAccessDenied;
    result.reason = AccessDeniedReason(path, EWOULDBLOCK);
    return result;
  }
  ioctl(fd, TIOCEXCL);  // fails harmlessly on what is not a terminal; SetState then refuses it
  result.port = std::make_unique<PosixSerialPort>(fd);
  return result;
}

PortOpenResult OpenSerialPort(const std::string& name) {
  const PortMapping mapping = ResolvePortName(name);
  if (mapping.path.empty()) {
    PortOpenResult result;
    result.error = kErrorFileNotFound;
    return result;
  }
  return OpenPosixSerialPort(mapping.path);
}

}  // namespace platform
