#include "frame.h"

namespace devsim {
namespace {

Frame invalid(std::string problem)
{
    Frame frame;
    frame.problem = std::move(problem);
    return frame;
}

}  // namespace

Frame decodeFrame(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() != frameSize(bytes[0]))
        return invalid("length");
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    if ((sum & 0xFF) != 0)
        return invalid("checksum");

    const std::uint8_t length = bytes[0];
    const std::uint8_t ah = bytes[1];
    const std::uint8_t al = bytes[2];
    const std::uint8_t type = bytes[3];
    Frame frame;
    if (type == 0x04 && length == 2) {
        if (ah == 0 && al == 0 && bytes[4] == 0) {
            frame.kind = FrameKind::BlockIdSegment;
            frame.segment = bytes[5];
            return frame;
        }
        if (al == 0 && ah % 0x40 == 0 && bytes[4] == ah + 0x3F && bytes[5] == 0xFF) {
            frame.kind = FrameKind::BlockIdRange;
            frame.block = static_cast<std::uint8_t>(ah / 0x40);
            return frame;
        }
        return invalid("block id");
    }
    if (type == 0x00 && length == 16) {
        frame.kind = FrameKind::Record;
        frame.addressHigh = ah;
        frame.addressLow = al;
        for (std::size_t i = 0; i < 16; ++i)
            frame.data[i] = bytes[4 + i];
        return frame;
    }
    if (length == 0 && ah == 0 && al == 0 && type == 0x01) {
        frame.kind = FrameKind::EndOfBlock;
        return frame;
    }
    if (length == 0 && ah == 0 && al == 0 && type == 0x05) {
        frame.kind = FrameKind::Restart;
        return frame;
    }
    return invalid("unsupported");
}

}  // namespace devsim
