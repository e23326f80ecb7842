#include "report.h"

#include "info_packet.h"

namespace devsim {
namespace {

nlohmann::json optionalByte(const std::optional<std::uint8_t>& value)
{
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

std::string kindName(DeviceKind kind)
{
    switch (kind) {
    case DeviceKind::System64k: return "64k";
    case DeviceKind::Short: return "short";
    case DeviceKind::Full: return "full";
    }
    return "full";
}

nlohmann::json lineJson(const LineSettings& line)
{
    return {{"baud", line.baud},
            {"data_bits", line.dataBits},
            {"parity", std::string(1, line.parity)},
            {"stop_bits", line.stopBits}};
}

}  // namespace

nlohmann::json buildReport(const Device& device)
{
    const DeviceStats& s = device.stats();
    nlohmann::json report;
    report["device"] = {{"kind", kindName(device.config().kind)},
                        {"lead", hexByte(handshakeLead(device.config()))},
                        {"type", device.config().type},
                        {"hardware", device.config().hardware},
                        {"firmware", device.config().firmware},
                        {"aux", device.config().aux}};
    report["exchanges"] = device.log().toJson();
    report["frames"] = {{"received", s.framesValid + s.framesInvalid},
                        {"valid", s.framesValid},
                        {"invalid", s.framesInvalid},
                        {"block_ids", s.blockIds},
                        {"records", s.records},
                        {"end_of_blocks", s.endOfBlocks}};
    report["text_lines"] = {{"valid", s.textLinesValid}, {"invalid", s.textLinesInvalid}};

    nlohmann::json blocks = nlohmann::json::array();
    for (const BlockReport& b : device.blocks()) {
        blocks.push_back({{"segment", optionalByte(b.segment)},
                          {"block", optionalByte(b.block)},
                          {"form", b.rangeForm ? "range" : "segment"},
                          {"records", b.records},
                          {"result", b.result ? hexByte(*b.result) : std::string("none")},
                          {"verification", b.verification}});
    }
    report["blocks"] = blocks;
    report["restarts"] = s.restarts;
    report["handshakes"] = s.handshakes;
    report["packet_resends"] = s.packetResends;
    report["verification_passes"] = s.verificationPasses;
    report["verification_mismatches"] = s.verificationMismatches;
    report["serial_packets"] = s.serialPackets;
    const auto serial = serialTextFromBlock(device.infoBlock());
    report["serial_number"] = serial ? nlohmann::json(*serial) : nlohmann::json(nullptr);
    report["serial_block"] = hexBytes(device.infoBlock());
    nlohmann::json lines = nlohmann::json::array();
    for (const LineSettings& line : device.linesSeen())
        lines.push_back(lineJson(line));
    report["line_settings"] = lines;
    report["bytes_ignored"] = {{"wrong_baud", s.bytesIgnoredWrongBaud},
                               {"silent", s.bytesIgnoredSilent},
                               {"stray", s.strayBytes}};
    nlohmann::json segments = nlohmann::json::array();
    for (std::uint8_t index : device.image().segmentIndexes())
        segments.push_back(hexByte(index));
    report["image_segments"] = segments;
    return report;
}

}  // namespace devsim
