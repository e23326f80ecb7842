#include "firmware/archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

std::unique_ptr<OVFileSource> OVFileSource::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<OVFileSource>(new OVFileSource(fd, static_cast<uint64_t>(info.st_size)));
}

OVFileSource::~OVFileSource() { ::close(m_fd); }

size_t OVFileSource::Read(char* buffer, size_t size) {
  for (;;) {
    const ssize_t n = ::pread(m_fd, buffer, size, static_cast<off_t>(m_nPosition));
    if (n >= 0) {
      m_nPosition += static_cast<uint64_t>(n);
      return static_cast<size_t>(n);
    }
    if (errno != EINTR) return 0;
  }
}

void OVFileSource::Seek(uint64_t position) { m_nPosition = position; }

size_t OVMemorySource::Read(char* buffer, size_t size) {
  if (m_nPosition >= m_data.size()) return 0;
  const size_t n = std::min<uint64_t>(size, m_data.size() - m_nPosition);
  std::memcpy(buffer, m_data.data() + m_nPosition, n);
  m_nPosition += n;
  return n;
}

void OVMemorySource::Seek(uint64_t position) { m_nPosition = position; }

void OVArchive::Fill() {
  const size_t n = m_source.Read(m_buffer, kBufferSize);
  if (n == 0) throw OVArchiveEndOfFile();
  m_pCur = m_buffer;
  m_pEnd = m_buffer + n;
}

void OVArchive::Flush() {
  m_source.Seek(GetReadPosition());
  m_pCur = m_pEnd = nullptr;
}

void OVArchive::Seek(uint64_t position) {
  Flush();
  m_source.Seek(position);
  m_pCur = m_pEnd = nullptr;
}
