#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "device_config.h"

namespace devsim {

// The information packet as it follows the lead byte, without its sum byte.
std::vector<std::uint8_t> infoPacketBody(const DeviceConfig& config);

// Low 8 bits of the lead byte plus every body byte.
std::uint8_t infoPacketSum(std::uint8_t lead, std::span<const std::uint8_t> body);

// Lead byte for the configured kind (0x1C for a 64k system).
std::uint8_t handshakeLead(const DeviceConfig& config);

}  // namespace devsim
