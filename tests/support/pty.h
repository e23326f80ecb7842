#pragma once
// A pseudo-terminal pair for tests that need a serial port to open.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace testsupport {

// A pseudo-terminal pair: the test plays the device on the master side.
class Pty {
 public:
  Pty() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
      m_slavePath = ptsname(m_master);
    }
  }
  ~Pty() { CloseMaster(); }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  int master() const { return m_master; }
  const std::string& slavePath() const { return m_slavePath; }
  // As an unplugged adapter does to the port.
  void CloseMaster() {
    if (m_master >= 0) close(m_master);
    m_master = -1;
  }

 private:
  int m_master = -1;
  std::string m_slavePath;
};

}  // namespace testsupport
