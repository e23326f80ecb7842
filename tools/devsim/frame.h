#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace devsim {

// Binary Intel-HEX frames: length, address high, address low, type, data, checksum.
enum class FrameKind {
    BlockIdSegment,  // 02 00 00 04 00 S cs: the segment S, absolute record addresses follow
    BlockIdRange,    // 02 B 00 04 B+3F FF cs: one 16 KiB block, relative record addresses follow
    Record,          // 10 AH AL 00 <16 bytes> cs
    EndOfBlock,      // 00 00 00 01 FF
    Restart,         // 00 00 00 05 FB
    Invalid,         // wrong checksum, or a frame the device does not know
};

struct Frame {
    FrameKind kind = FrameKind::Invalid;
    std::string problem;           // why it is invalid
    std::uint8_t segment = 0;      // BlockIdSegment
    std::uint8_t block = 0;        // BlockIdRange: block index 0..3
    std::uint8_t addressHigh = 0;  // Record
    std::uint8_t addressLow = 0;   // Record
    std::array<std::uint8_t, 16> data{};  // Record
};

// Bytes of a whole frame whose first (length) byte is given.
constexpr std::size_t frameSize(std::uint8_t lengthByte) { return std::size_t{lengthByte} + 5; }

Frame decodeFrame(std::span<const std::uint8_t> bytes);

}  // namespace devsim
