#include "firmware/hex_rec.h"

#include <cstdio>

const char* RecordTypeName(int type) {
  static const char* const kNames[] = {
      "Data Record",
      "End of File Record",
      "Ext. Segment Address Record",
      "Start Segment Address Record",
      "Ext. Linear Address Record",
      "Start Linear Address Record",
  };
  return type >= 0 && type < 6 ? kNames[type] : nullptr;
}

OVHexRec::OVHexRec() { m_nChecksum = ComputeChecksum(); }

int OVHexRec::ReadHexField(OVArchive& ar, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < 2 * bytes; ++i) value = value * 16 + static_cast<uint32_t>(HexDigitValue(ar.ReadChar()));
  return static_cast<int>(value);
}

void OVHexRec::Serialize(OVArchive& ar) {
  while (ar.ReadChar() != ':') {
  }
  m_nLength = static_cast<uint8_t>(ReadHexField(ar, 1));
  m_wOffset = static_cast<uint16_t>(ReadHexField(ar, 2));
  m_nType = static_cast<uint8_t>(ReadHexField(ar, 1));
  m_strData.resize(2 * size_t{m_nLength});
  for (char& c : m_strData) c = ar.ReadChar();
  m_nChecksum = static_cast<uint8_t>(ReadHexField(ar, 1));
}

uint8_t OVHexRec::ComputeChecksum() const {
  uint32_t sum = (m_wOffset >> 8) + m_nType + m_nLength + (m_wOffset & 0xFF);
  const char* data = m_strData.data();
  const size_t pairs = m_strData.size() / 2;
  for (size_t i = 0; i < pairs; ++i) sum += static_cast<uint32_t>(HexPairValue(data + 2 * i));
  if (m_strData.size() % 2 != 0) sum += static_cast<uint32_t>(HexDigitValue(m_strData.back()));
  return static_cast<uint8_t>(0x100 - (sum & 0xFF));
}

std::string OVHexRec::FormatRecord() const {
  char head[16];
  std::snprintf(head, sizeof head, ":%02x%04x%02x", m_nLength, m_wOffset, m_nType);
  char tail[8];
  std::snprintf(tail, sizeof tail, "%02x\n", m_nChecksum);
  std::string line;
  line.reserve(12 + m_strData.size());
  line += head;
  line += m_strData;
  line += tail;
  return line;
}
