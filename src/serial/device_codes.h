#pragma once
// The single bytes exchanged with the device outside frames and as answers to
// them. Every exchange names its bytes from here; none writes the numbers itself.

#include <cstdint>

namespace devcode {

// Sent by the device.
inline constexpr uint8_t kNoPacket = 0x1C;       // handshake: a 64k system; elsewhere: the device ends the exchange
inline constexpr uint8_t kShortPacket = 0xC3;    // lead byte: 16-byte block and sum follow
inline constexpr uint8_t kFullPacketC4 = 0xC4;   // lead bytes: block, 9-byte header, parameters and sum follow
inline constexpr uint8_t kFullPacketC5 = 0xC5;
inline constexpr uint8_t kFullPacketC7 = 0xC7;
inline constexpr uint8_t kFullPacketC8 = 0xC8;
inline constexpr uint8_t kProcessed = 0xF4;      // frame accepted and processed; block or serial number programmed
inline constexpr uint8_t kResendHint = 0xF5;     // no meaning of its own: the frame is sent again
inline constexpr uint8_t kEraseError = 0xF6;
inline constexpr uint8_t kProgrammingError = 0xF7;
inline constexpr uint8_t kBlockCheckError = 0xF8;
inline constexpr uint8_t kAck = 0xFA;            // frame or packet received correctly
inline constexpr uint8_t kBadChecksum = 0xFE;    // the serial number packet's sum was wrong

// Sent by the tool.
inline constexpr uint8_t kRequestInfo = 0x1C;    // handshake and verification prelude: send the information packet
inline constexpr uint8_t kResendPacket = 0xFE;   // the information packet had a read error: send it again
inline constexpr uint8_t kGoOn = 0xFA;           // the firmware upload follows
inline constexpr uint8_t kSerialFollows = 0xFB;  // the serial number packet follows
inline constexpr uint8_t kEnd = 0xFC;            // nothing follows

constexpr bool IsFullPacketLead(uint8_t code) {
  return code == kFullPacketC4 || code == kFullPacketC5 || code == kFullPacketC7 || code == kFullPacketC8;
}

// An answer that acknowledges a frame.
constexpr bool IsFrameAccepted(uint8_t code) { return code == kAck || code == kProcessed; }

// The name an error answer carries in messages and log lines, or nullptr for
// a byte that is no error code.
constexpr const char* ErrorCodeName(uint8_t code) {
  switch (code) {
    case kEraseError: return "F6(Erase Error)";
    case kProgrammingError: return "F7(Programming Error)";
    case kBlockCheckError: return "F8(Block Checking Error)";
    case kBadChecksum: return "FE(Bad Checksum Error)";
    default: return nullptr;
  }
}

}  // namespace devcode
