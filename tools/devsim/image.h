#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace devsim {

// The device's memory: 64 KiB segments that exist once something was programmed into
// them; bytes never written read 0x00.
class DeviceImage {
public:
    static constexpr std::size_t kSegmentSize = 0x10000;

    void write(std::uint8_t segment, std::uint16_t offset, std::span<const std::uint8_t> bytes);
    // Linear 24-bit address; bytes may run on into the next segment.
    void writeLinear(std::uint32_t address, std::span<const std::uint8_t> bytes);

    bool hasSegment(std::uint8_t segment) const { return segments_.count(segment) != 0; }
    const std::vector<std::uint8_t>& segment(std::uint8_t segment) const { return segments_.at(segment); }
    std::vector<std::uint8_t> segmentIndexes() const;

    // Writes seg_XX.bin (65536 bytes, XX in upper-case hex) per segment; returns the error
    // text of the first failure, empty on success.
    std::string writeFiles(const std::string& directory) const;

private:
    std::vector<std::uint8_t>& segmentForWrite(std::uint8_t segment);
    std::map<std::uint8_t, std::vector<std::uint8_t>> segments_;
};

std::string segmentFileName(std::uint8_t segment);

}  // namespace devsim
