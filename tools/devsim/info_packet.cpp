#include "info_packet.h"

namespace devsim {
namespace {

void appendField(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

}  // namespace

std::uint8_t handshakeLead(const DeviceConfig& config)
{
    switch (config.kind) {
    case DeviceKind::System64k: return 0x1C;
    case DeviceKind::Short: return 0xC3;
    case DeviceKind::Full: return config.lead;
    }
    return 0x1C;
}

std::vector<std::uint8_t> infoPacketBody(const DeviceConfig& config)
{
    std::vector<std::uint8_t> body(config.infoBlock.begin(), config.infoBlock.end());
    if (config.kind != DeviceKind::Full)
        return body;
    body.push_back(static_cast<std::uint8_t>(config.aux.size()));
    appendField(body, config.type, 3);
    appendField(body, config.hardware, 2);
    appendField(body, config.firmware, 3);
    for (const auto& value : config.aux)
        appendField(body, value, 3);
    return body;
}

std::uint8_t infoPacketSum(std::uint8_t lead, std::span<const std::uint8_t> body)
{
    unsigned sum = lead;
    for (std::uint8_t b : body)
        sum += b;
    return static_cast<std::uint8_t>(sum);
}

}  // namespace devsim
