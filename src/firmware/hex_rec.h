#pragma once
// One Intel-HEX record: the numeric fields as numbers, the data field as the
// hexadecimal text the file wrote (its letter case kept).

#include <cstdint>
#include <string>
#include <string_view>

#include "firmware/archive.h"

enum OVRecordType : uint8_t {
  kDataRecord = 0,
  kEndOfFileRecord = 1,
  kExtSegmentAddressRecord = 2,
  kStartSegmentAddressRecord = 3,
  kExtLinearAddressRecord = 4,
  kStartLinearAddressRecord = 5,
};

// The names the record view shows for types 0 to 5; nullptr for any other type.
const char* RecordTypeName(int type);

// One hexadecimal character's worth: no character is rejected ("G" is 16, a
// blank -16). The rule, applied once per character code into a table, so the
// load, the test and the map pay a lookup rather than branches on random digits.
inline constexpr int HexDigitRule(int code) {
  int v = static_cast<signed char>(code);
  if (v >= 'a' && v <= 'z') v -= 'a' - 'A';
  return v >= 'A' ? v - 0x37 : v - 0x30;
}
struct OVHexDigitTable {
  int16_t value[256];
  constexpr OVHexDigitTable() : value() {
    for (int code = 0; code < 256; ++code) value[code] = static_cast<int16_t>(HexDigitRule(code));
  }
};
inline constexpr OVHexDigitTable kHexDigits{};
inline int HexDigitValue(char c) { return kHexDigits.value[static_cast<unsigned char>(c)]; }
// HexToInt of a pair of characters.
inline int HexPairValue(const char* pair) { return HexDigitValue(pair[0]) * 16 + HexDigitValue(pair[1]); }

class OVHexRec {
 public:
  OVHexRec();

  // Reads one record: skips to the next ':', then exactly 10 + 2 x length
  // characters, line ends included. Throws OVArchiveEndOfFile when the stream ends first.
  void Serialize(OVArchive& ar);

  static int ReadHexField(OVArchive& ar, int bytes);
  // Works in unsigned arithmetic, so a long text wraps instead of overflowing.
  static int HexToInt(std::string_view text) {
    uint32_t value = 0;
    for (char c : text) value = value * 16 + static_cast<uint32_t>(HexDigitValue(c));
    return static_cast<int>(value);
  }

  uint8_t ComputeChecksum() const;
  bool IsChecksumValid() const { return ComputeChecksum() == m_nChecksum; }
  uint8_t GetType() const { return m_nType; }
  std::string FormatRecord() const;

  uint8_t m_nChecksum;
  uint16_t m_wOffset = 0;
  uint8_t m_nLength = 0;
  uint8_t m_nType = kEndOfFileRecord;
  std::string m_strData;
};
