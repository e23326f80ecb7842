#pragma once
// Writes Intel-HEX text of our own making: the samples, the benchmark images
// and the random files of the robustness tests. Header-only, standard library only.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace samples {

class HexWriter {
 public:
  explicit HexWriter(bool lowerCase = false, std::string lineEnd = "\n")
      : m_bLowerCase(lowerCase), m_strLineEnd(std::move(lineEnd)) {}

  void Text(const std::string& text) { m_text += text; }

  void Record(uint8_t type, uint16_t offset, const uint8_t* data, size_t n) {
    uint32_t sum = static_cast<uint32_t>(n) + (offset >> 8) + (offset & 0xFF) + type;
    Line(":");
    Byte(static_cast<uint8_t>(n));
    Byte(static_cast<uint8_t>(offset >> 8));
    Byte(static_cast<uint8_t>(offset));
    Byte(type);
    for (size_t i = 0; i < n; ++i) {
      Byte(data[i]);
      sum += data[i];
    }
    Byte(static_cast<uint8_t>(0x100 - (sum & 0xFF)));
    m_text += m_strLineEnd;
  }
  void Data(uint16_t offset, const std::vector<uint8_t>& bytes) { Record(0, offset, bytes.data(), bytes.size()); }
  void ExtSegment(uint16_t paragraph) { Address(2, paragraph); }
  void ExtLinear(uint16_t upper) { Address(4, upper); }
  void EndOfFile() { Record(1, 0, nullptr, 0); }

  // Writes bytes as 16-byte data records from offset on.
  void Block(uint16_t offset, const std::vector<uint8_t>& bytes) {
    for (size_t i = 0; i < bytes.size(); i += 16) {
      const size_t n = bytes.size() - i < 16 ? bytes.size() - i : 16;
      Record(0, static_cast<uint16_t>(offset + i), bytes.data() + i, n);
    }
  }

  const std::string& Str() const { return m_text; }

 private:
  void Line(const char* s) { m_text += s; }
  void Byte(uint8_t b) {
    const char* digits = m_bLowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    m_text += digits[b >> 4];
    m_text += digits[b & 15];
  }
  void Address(uint8_t type, uint16_t value) {
    const uint8_t data[2] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    Record(type, 0, data, 2);
  }

  bool m_bLowerCase;
  std::string m_strLineEnd;
  std::string m_text;
};

// A small deterministic generator, so generated files are the same everywhere.
class Random {
 public:
  explicit Random(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 7;
    m_state ^= m_state << 17;
    return static_cast<uint32_t>(m_state >> 11);
  }
  std::vector<uint8_t> Bytes(size_t n) {
    std::vector<uint8_t> bytes(n);
    for (auto& b : bytes) b = static_cast<uint8_t>(Next());
    return bytes;
  }

 private:
  uint64_t m_state;
};

// An image of `bytes` bytes of random data in 16-byte records, filling
// segments from 0 upwards, each opened by an extended linear address record.
inline std::string MakeImage(size_t bytes, uint64_t seed) {
  HexWriter hex;
  Random random(seed);
  for (size_t done = 0; done < bytes; done += 65536) {
    hex.ExtLinear(static_cast<uint16_t>(done / 65536));
    const size_t n = bytes - done < 65536 ? bytes - done : 65536;
    hex.Block(0, random.Bytes(n));
  }
  hex.EndOfFile();
  return hex.Str();
}

}  // namespace samples
