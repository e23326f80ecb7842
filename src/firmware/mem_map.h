#pragma once
// The sparse 24-bit memory image of a record list: 256 segments of 64 KiB,
// storage only where data falls. A segment is 4 blocks of 64 pages of 256
// bytes; a page is 16 record frames of 16 bytes.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class OVHexFile;
class MainFormLink;

inline constexpr int kRecordFrameSize = 21;

class OVSegment {
 public:

  // Stores the bytes of a data text from offset on, wrapping inside the segment.
  void WriteHex(uint16_t offset, std::string_view text);
  uint8_t* GetPagePtr(uint8_t page) { return m_data + size_t{page} * 256; }
  void BuildRecordFrame(int block, int page, int record, uint8_t* frame, bool bRelative) const;

  uint8_t m_data[65536] = {};
};

class OVMemMap {
 public:
  // Returns a new, zeroed segment, or nullptr when there is no memory for one.
  using SegmentAllocator = OVSegment* (*)();
  static OVSegment* AllocateSegment();

  // Builds the image from the list starting at first (or an empty image),
  // stepping form's progress once per record when a form is given. When a
  // segment cannot be allocated the build stops and IsComplete() is false.
  OVMemMap(const OVHexFile* first, MainFormLink* form, SegmentAllocator allocate = &AllocateSegment);
  ~OVMemMap() = default;
  OVMemMap(const OVMemMap&) = delete;
  OVMemMap& operator=(const OVMemMap&) = delete;

  bool IsComplete() const { return m_bComplete; }
  uint8_t* GetPagePtr(uint8_t segment, uint8_t page);
  // An absent segment sets only frame[3] to 0xFF and leaves the rest as it was.
  void BuildRecordFrame(uint8_t segment, int block, int page, int record, uint8_t* frame, bool bRelative) const;
  bool HasSegment(uint8_t segment) const { return m_pSegments[segment] != nullptr; }

  uint8_t m_nCurSeg = 0xFF;
  std::array<std::unique_ptr<OVSegment>, 256> m_pSegments;
  uint16_t m_wTopOffset = 0;
  uint8_t m_nTopSeg = 0;

 private:
  bool m_bComplete = true;
};

// The two numbers of an address record's data text: its first and second
// digit pairs, missing digits counting as 0.
void ReadAddressPairs(std::string_view text, int& first, int& second);
