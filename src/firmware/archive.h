#pragma once
// The sequential character reader a load runs on: a 4096-byte buffer over a
// byte source, the source's length and position (which runs ahead of the
// reader by up to the buffer), a way back to an earlier position, and an
// end-of-file error that ends the whole load.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

// What the archive reads from. Only the buffer refill reaches it, so a
// virtual call per 4096 characters is all it costs.
class OVByteSource {
 public:
  virtual ~OVByteSource() = default;
  // Returns the number of bytes read; 0 at the end (a read error counts as the end).
  virtual size_t Read(char* buffer, size_t size) = 0;
  virtual void Seek(uint64_t position) = 0;
  virtual uint64_t GetPosition() const = 0;
  virtual uint64_t GetLength() const = 0;
};

class OVFileSource final : public OVByteSource {
 public:
  // nullptr when the file cannot be opened for reading.
  static std::unique_ptr<OVFileSource> Open(const std::string& path);
  ~OVFileSource() override;
  OVFileSource(const OVFileSource&) = delete;
  OVFileSource& operator=(const OVFileSource&) = delete;

  size_t Read(char* buffer, size_t size) override;
  void Seek(uint64_t position) override;
  uint64_t GetPosition() const override { return m_nPosition; }
  uint64_t GetLength() const override { return m_nLength; }

 private:
  OVFileSource(int fd, uint64_t length) : m_fd(fd), m_nLength(length) {}
  int m_fd;
  uint64_t m_nLength;
  uint64_t m_nPosition = 0;
};

// Reads from bytes the caller keeps alive (tests, fuzzing).
class OVMemorySource final : public OVByteSource {
 public:
  explicit OVMemorySource(std::string_view data) : m_data(data) {}
  size_t Read(char* buffer, size_t size) override;
  void Seek(uint64_t position) override;
  uint64_t GetPosition() const override { return m_nPosition; }
  uint64_t GetLength() const override { return m_data.size(); }

 private:
  std::string_view m_data;
  uint64_t m_nPosition = 0;
};

// The reader ran out of characters in the middle of a load. Thrown only by the
// archive and caught only by the document's load.
class OVArchiveEndOfFile : public std::exception {
 public:
  const char* what() const noexcept override { return "unexpected end of file"; }
};

class OVArchive {
 public:
  static constexpr size_t kBufferSize = 4096;

  explicit OVArchive(OVByteSource& source) : m_source(source) {}
  OVArchive(const OVArchive&) = delete;
  OVArchive& operator=(const OVArchive&) = delete;

  char ReadChar() {
    if (m_pCur == m_pEnd) [[unlikely]]
      Fill();
    return *m_pCur++;
  }

  // Puts the unread characters back into the source.
  void Flush();
  // Flushes and moves the source to position; the next character comes from there.
  void Seek(uint64_t position);

  // The source's own position: ahead of the reader by what the buffer holds.
  uint64_t GetFilePosition() const { return m_source.GetPosition(); }
  uint64_t GetFileLength() const { return m_source.GetLength(); }
  // The position of the next character the reader hands out.
  uint64_t GetReadPosition() const { return m_source.GetPosition() - static_cast<uint64_t>(m_pEnd - m_pCur); }

 private:
  void Fill();

  OVByteSource& m_source;
  const char* m_pCur = nullptr;
  const char* m_pEnd = nullptr;
  char m_buffer[kBufferSize];
};
