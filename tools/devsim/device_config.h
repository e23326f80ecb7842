#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace devsim {

// How the device answers the 0x1C request.
enum class DeviceKind {
    System64k,  // answers 0x1C, sends no packet
    Short,      // lead 0xC3, 16-byte block and sum
    Full,       // lead 0xC4/C5/C7/C8, block, 9-byte header, parameters and sum
};

// nullopt stands for "no answer at all".
using AnswerCode = std::optional<std::uint8_t>;

struct Faults {
    std::map<unsigned, AnswerCode> failBlocks;  // K-th end-of-block (1-based) -> code instead of 0xF4
    unsigned nakEvery = 0;                      // every N-th frame answered 0xF5
    std::optional<unsigned> silentAfter;        // no answer to anything after N frames
    std::optional<unsigned> endWith1cAt;        // the N-th frame answered 0x1C
    std::optional<unsigned> hangupAfter;        // close the line after N frames
    bool badPacketSumOnce = false;              // first information packet carries a wrong sum
    bool noise = false;                         // stray bytes where the protocol ignores them
    std::optional<AnswerCode> failSerial;       // second answer to the serial number packet
};

struct DeviceConfig {
    DeviceKind kind = DeviceKind::Full;
    std::uint8_t lead = 0xC4;
    std::string type = "QRa";
    std::string hardware = "A1";
    std::string firmware = "4L1";
    std::vector<std::string> aux;
    std::array<std::uint8_t, 16> infoBlock{};  // the serial number block of the packet
    std::chrono::nanoseconds programDelay = std::chrono::milliseconds(10);
    // A partial frame left this long without a further byte is dropped, so the device
    // finds the start of the next frame again after a short write.
    std::chrono::nanoseconds frameGap = std::chrono::milliseconds(100);
    std::optional<unsigned> onlyBaud;
    Faults faults;

    DeviceConfig();
};

// The 16-byte block for a serial number text (zero-padded); "none" gives 16 bytes 0xFF.
std::optional<std::array<std::uint8_t, 16>> serialBlockFromText(const std::string& text);
// The serial number as text, or nullopt when the block starts with 0xFF.
std::optional<std::string> serialTextFromBlock(const std::array<std::uint8_t, 16>& block);

}  // namespace devsim
