#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace devsim_test {

using Bytes = std::vector<std::uint8_t>;

// Appends the two's complement of the 8-bit sum, as the tool does.
inline Bytes withChecksum(Bytes bytes)
{
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    bytes.push_back(static_cast<std::uint8_t>(0x100 - (sum & 0xFF)));
    return bytes;
}

inline Bytes segmentBlockId(std::uint8_t segment) { return withChecksum({0x02, 0x00, 0x00, 0x04, 0x00, segment}); }

inline Bytes rangeBlockId(std::uint8_t block)
{
    const auto b = static_cast<std::uint8_t>(block * 0x40);
    return withChecksum({0x02, b, 0x00, 0x04, static_cast<std::uint8_t>(b + 0x3F), 0xFF});
}

// A recognisable byte for every offset of a segment.
inline std::uint8_t patternByte(unsigned offset) { return static_cast<std::uint8_t>((offset * 7 + (offset >> 8)) & 0xFF); }

inline Bytes recordFrame(std::uint8_t ah, std::uint8_t al, unsigned patternOffset)
{
    Bytes frame = {0x10, ah, al, 0x00};
    for (unsigned i = 0; i < 16; ++i)
        frame.push_back(patternByte(patternOffset + i));
    return withChecksum(frame);
}

inline const Bytes kEndOfBlock = {0x00, 0x00, 0x00, 0x01, 0xFF};
inline const Bytes kRestart = {0x00, 0x00, 0x00, 0x05, 0xFB};

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

}  // namespace devsim_test
