#include "firmware/mem_map.h"

#include <cstring>
#include <new>

#include "core/main_form_link.h"
#include "firmware/hex_file.h"

void OVSegment::WriteHex(uint16_t offset, std::string_view text) {
  // A byte is HexToInt of its pair, the same byte the checksum test adds up.
  uint16_t at = offset;
  const size_t pairs = text.size() / 2;
  for (size_t i = 0; i < pairs; ++i, ++at) m_data[at] = static_cast<uint8_t>(HexPairValue(text.data() + 2 * i));
  if (text.size() % 2 != 0) m_data[at] = static_cast<uint8_t>(HexDigitValue(text.back()));
}

void OVSegment::BuildRecordFrame(int block, int page, int record, uint8_t* frame, bool bRelative) const {
  frame[0] = 0x10;
  frame[1] = static_cast<uint8_t>(bRelative ? page : block * 64 + page);
  frame[2] = static_cast<uint8_t>(record * 16);
  frame[3] = 0x00;
  const size_t offset = (static_cast<size_t>(block) * 16384 + static_cast<size_t>(page) * 256 + static_cast<size_t>(record) * 16) & 0xFFFF;
  std::memcpy(frame + 4, m_data + offset, 16);
  uint32_t sum = 0;
  for (int i = 0; i < 20; ++i) sum += frame[i];
  frame[20] = static_cast<uint8_t>(0x100 - (sum & 0xFF));
}

void ReadAddressPairs(std::string_view text, int& first, int& second) {
  char digits[4] = {'0', '0', '0', '0'};
  for (size_t i = 0; i < 4 && i < text.size(); ++i) digits[i] = text[i];
  first = OVHexRec::HexToInt(std::string_view(digits, 2)) & 0xFF;
  second = OVHexRec::HexToInt(std::string_view(digits + 2, 2)) & 0xFF;
}

OVSegment* OVMemMap::AllocateSegment() { return new (std::nothrow) OVSegment(); }

OVMemMap::OVMemMap(const OVHexFile* first, MainFormLink* form, SegmentAllocator allocate) {
  for (const OVHexFile* node = first; node != nullptr; node = node->GetNext()) {
    if (form != nullptr) form->StepProgress(std::string());
    const OVHexRec& rec = *node->GetRecord();
    int high = 0;
    int low = 0;
    switch (rec.m_nType) {
      case kDataRecord: {
        std::unique_ptr<OVSegment>& slot = m_pSegments[m_nCurSeg];
        if (!slot) {
          slot.reset(allocate());
          if (!slot) {
            m_bComplete = false;
            return;
          }
        }
        slot->WriteHex(rec.m_wOffset, rec.m_strData);
        if (m_nCurSeg == m_nTopSeg && rec.m_wOffset > m_wTopOffset) m_wTopOffset = rec.m_wOffset;
        break;
      }
      case kExtSegmentAddressRecord:
        ReadAddressPairs(rec.m_strData, high, low);
        m_nCurSeg = static_cast<uint8_t>(high >> 4);
        if (m_nCurSeg > m_nTopSeg) {
          m_nTopSeg = m_nCurSeg;
          m_wTopOffset = 0;
        }
        break;
      case kExtLinearAddressRecord:
        ReadAddressPairs(rec.m_strData, high, low);
        m_nCurSeg = static_cast<uint8_t>(low);
        break;
      default:
        break;
    }
  }
}

uint8_t* OVMemMap::GetPagePtr(uint8_t segment, uint8_t page) {
  OVSegment* seg = m_pSegments[segment].get();
  return seg != nullptr ? seg->GetPagePtr(page) : nullptr;
}

void OVMemMap::BuildRecordFrame(uint8_t segment, int block, int page, int record, uint8_t* frame, bool bRelative) const {
  const OVSegment* seg = m_pSegments[segment].get();
  if (seg == nullptr) {
    frame[3] = 0xFF;
    return;
  }
  seg->BuildRecordFrame(block, page, record, frame, bRelative);
}
