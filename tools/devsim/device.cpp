#include "device.h"

#include <algorithm>

#include "info_packet.h"

namespace devsim {
namespace {

constexpr std::uint8_t kRequest = 0x1C;
constexpr std::uint8_t kAck = 0xFA;
constexpr std::uint8_t kProgrammed = 0xF4;
constexpr std::uint8_t kNak = 0xF5;
constexpr std::uint8_t kBadSum = 0xFE;
constexpr std::uint8_t kNoise = 0x55;
// Longest text line the device accepts: 255 data bytes and the fields around them.
constexpr std::size_t kMaxTextLine = 1 + 2 * (255 + 5) + 16;

std::string answerText(const AnswerCode& code)
{
    return code ? hexByte(*code) : std::string("(no answer)");
}

}  // namespace

Device::Device(DeviceConfig config) : config_(std::move(config))
{
    stage_.data.assign(DeviceImage::kSegmentSize, 0);
    stage_.written.assign(DeviceImage::kSegmentSize, 0);
    silent_ = config_.faults.silentAfter && *config_.faults.silentAfter == 0;
}

void Device::send(std::uint8_t value, Time due)
{
    due = std::max(due, lastDue_);
    lastDue_ = due;
    output_.push_back({due, value});
}

void Device::send(std::span<const std::uint8_t> bytes, Time due)
{
    for (std::uint8_t b : bytes)
        send(b, due);
}

std::vector<TimedByte> Device::takeOutput(Time now, bool includeFuture)
{
    dropPartialIfStale(now);
    std::vector<TimedByte> due;
    while (!output_.empty() && (includeFuture || output_.front().due <= now)) {
        due.push_back(output_.front());
        output_.pop_front();
    }
    return due;
}

std::optional<Time> Device::nextDeadline() const
{
    std::optional<Time> deadline;
    if (!output_.empty())
        deadline = output_.front().due;
    if (collect_ != Collect::None) {
        const Time drop = lastByte_ + config_.frameGap;
        if (!deadline || drop < *deadline)
            deadline = drop;
    }
    return deadline;
}

void Device::receive(std::span<const std::uint8_t> bytes, Time now, const LineSettings& line)
{
    if (bytes.empty())
        return;
    if (linesSeen_.empty() || !(linesSeen_.back() == line))
        linesSeen_.push_back(line);
    if (config_.faults.hangupAfter && *config_.faults.hangupAfter == 0)
        hangup_ = true;
    if (hangup_)
        return;
    dropPartialIfStale(now);
    if (config_.onlyBaud && line.baud != *config_.onlyBaud) {
        // At another rate the device sees nothing it could decode.
        collect_ = Collect::None;
        stats_.bytesIgnoredWrongBaud += static_cast<unsigned>(bytes.size());
        log_.add("bytes ignored at " + std::to_string(line.baud) + " baud", static_cast<unsigned>(bytes.size()));
        return;
    }
    for (std::uint8_t b : bytes) {
        if (hangup_)
            break;
        if (silent_) {
            ++stats_.bytesIgnoredSilent;
            log_.add("byte ignored (silent)");
            continue;
        }
        handleByte(b, now);
        lastByte_ = now;
    }
}

void Device::dropPartialIfStale(Time now)
{
    if (collect_ == Collect::None || now < lastByte_ + config_.frameGap)
        return;
    const std::size_t have = buffer_.size();
    const Collect what = collect_;
    collect_ = Collect::None;
    buffer_.clear();
    if (what == Collect::Text) {
        ++stats_.textLinesInvalid;
        log_.add("incomplete line (" + std::to_string(have) + " characters) -> FE");
    } else {
        ++stats_.framesInvalid;
        log_.add(std::string(what == Collect::SerialPacket ? "incomplete serial packet (" : "incomplete frame (")
                 + std::to_string(have) + " of " + std::to_string(expected_) + " bytes) -> FE");
    }
    send(kBadSum, lastByte_ + config_.frameGap);
}

void Device::handleByte(std::uint8_t b, Time now)
{
    switch (collect_) {
    case Collect::None:
        handleCommand(b, now);
        return;
    case Collect::Frame:
        buffer_.push_back(b);
        if (buffer_.size() == expected_)
            handleFrame(now);
        return;
    case Collect::SerialPacket:
        buffer_.push_back(b);
        if (buffer_.size() == expected_)
            handleSerialPacket(now);
        return;
    case Collect::Text:
        if (b == '\n') {
            handleTextLine(now);
        } else if (b != '\r') {
            buffer_.push_back(b);
            if (buffer_.size() > kMaxTextLine)
                handleTextLine(now);
        }
        return;
    }
}

void Device::handleCommand(std::uint8_t b, Time now)
{
    switch (b) {
    case kRequest:
        handleHandshake(now);
        return;
    case kBadSum:
        if (!awaitingDecision_) {
            ++stats_.strayBytes;
            log_.add("stray FE");
            return;
        }
        {
            ++stats_.packetResends;
            auto body = infoPacketBody(config_);
            body.push_back(infoPacketSum(handshakeLead(config_), body));
            send(body, now);
            log_.add("FE -> packet again " + std::to_string(body.size()) + " bytes");
        }
        return;
    case 0xFA:
    case 0xFB:
    case 0xFC:
        handleDecision(b, now);
        return;
    case ':':
        collect_ = Collect::Text;
        buffer_.assign(1, b);
        return;
    default:
        collect_ = Collect::Frame;
        buffer_.assign(1, b);
        expected_ = frameSize(b);
        return;
    }
}

void Device::handleHandshake(Time now)
{
    ++stats_.handshakes;
    handshakeAfterRestart_ = afterRestart_;
    const std::uint8_t lead = handshakeLead(config_);
    if (config_.kind == DeviceKind::System64k) {
        awaitingDecision_ = false;
        send(lead, now);
        log_.add("handshake 1C -> 1C");
        return;
    }
    awaitingDecision_ = true;
    auto body = infoPacketBody(config_);
    std::uint8_t sum = infoPacketSum(lead, body);
    const bool spoil = config_.faults.badPacketSumOnce && !badSumSent_;
    if (spoil) {
        badSumSent_ = true;
        sum = static_cast<std::uint8_t>(sum + 1);
    }
    send(lead, now);
    send(body, now);
    send(sum, now);
    log_.add("handshake 1C -> " + hexByte(lead) + " packet " + std::to_string(body.size() + 2) + " bytes"
             + (spoil ? " (bad sum)" : ""));
}

void Device::handleDecision(std::uint8_t b, Time now)
{
    const bool pending = awaitingDecision_;
    awaitingDecision_ = false;
    std::string text = "decision " + hexByte(b);
    if (!pending)
        text += " (no packet sent)";
    if (b == 0xFA) {
        if (handshakeAfterRestart_) {
            verifying_ = true;
            ++stats_.verificationPasses;
            text += " (verification)";
        }
        handshakeAfterRestart_ = false;
        afterRestart_ = false;
    } else if (b == 0xFB) {
        collect_ = Collect::SerialPacket;
        buffer_.clear();
        expected_ = 17;
        lastByte_ = now;
    }
    log_.add(text);
}

void Device::handleSerialPacket(Time now)
{
    collect_ = Collect::None;
    ++stats_.serialPackets;
    unsigned sum = 0;
    for (std::size_t i = 0; i < 16; ++i)
        sum += buffer_[i];
    std::array<std::uint8_t, 16> block{};
    std::copy_n(buffer_.begin(), 16, block.begin());
    const std::string shown = hexBytes(block);
    if ((sum & 0xFF) != buffer_[16]) {
        send(kBadSum, now);
        log_.add("serial packet " + shown + " bad sum -> FE");
        return;
    }
    const AnswerCode second = config_.faults.failSerial ? *config_.faults.failSerial : AnswerCode(kProgrammed);
    send(kAck, now);
    if (second)
        send(*second, now + config_.programDelay);
    if (second == kProgrammed)
        config_.infoBlock = block;
    log_.add("serial packet " + shown + " -> FA " + answerText(second));
}

void Device::handleTextLine(Time now)
{
    collect_ = Collect::None;
    const unsigned number = ++frameNumber_;
    const std::string line(buffer_.begin(), buffer_.end());
    buffer_.clear();
    if (config_.faults.endWith1cAt && *config_.faults.endWith1cAt == number) {
        send(kRequest, now);
        log_.add("line -> 1C");
        afterFrame(number);
        return;
    }
    const TextLineResult parsed = parseTextLine(line);
    if (!parsed.record) {
        ++stats_.textLinesInvalid;
        send(kBadSum, now);
        log_.add("invalid line (" + parsed.problem + ") " + line + " -> FE");
        afterFrame(number);
        return;
    }
    ++stats_.textLinesValid;
    const TextRecord& record = *parsed.record;
    if (record.type == 0x00)
        image_.writeLinear(textLoader_.dataAddress(record), record.data);
    textLoader_.apply(record);
    // A line with the right sum is acknowledged with 0xFA, a wrong one answered 0xFE,
    // as for every other exchange of the device.
    send(kAck, now);
    log_.add("line -> FA");
    afterFrame(number);
}

void Device::handleFrame(Time now)
{
    collect_ = Collect::None;
    const unsigned number = ++frameNumber_;
    const Frame frame = decodeFrame(buffer_);
    if (frame.kind == FrameKind::Invalid) {
        if (applyFrameFaults(number, "invalid frame", now))
            ++stats_.framesInvalid;
        else
            invalidFrame("invalid frame (" + frame.problem + ") " + hexBytes(buffer_), now);
    } else {
        processFrame(frame, now);
    }
    buffer_.clear();
    afterFrame(number);
}

// The faults that replace the answer to a frame; true when one did.
bool Device::applyFrameFaults(unsigned number, const std::string& what, Time now)
{
    const Faults& faults = config_.faults;
    if (faults.endWith1cAt && *faults.endWith1cAt == number) {
        send(kRequest, now);
        log_.add(what + " -> 1C");
        stage_.open = false;
        return true;
    }
    if (faults.nakEvery != 0 && number % faults.nakEvery == 0) {
        send(kNak, now);
        log_.add(what + " -> F5");
        return true;
    }
    return false;
}

void Device::afterFrame(unsigned number)
{
    if (config_.faults.silentAfter && *config_.faults.silentAfter == number)
        silent_ = true;
    if (config_.faults.hangupAfter && *config_.faults.hangupAfter == number)
        hangup_ = true;
}

void Device::invalidFrame(const std::string& text, Time now)
{
    ++stats_.framesInvalid;
    send(kBadSum, now);
    log_.add(text + " -> FE");
}

void Device::processFrame(const Frame& frame, Time now)
{
    if (frame.kind == FrameKind::Restart) {
        ++stats_.framesValid;
        processRestart(now);
        return;
    }
    std::string what;
    switch (frame.kind) {
    case FrameKind::BlockIdSegment: what = "block id segment " + hexByte(frame.segment); break;
    case FrameKind::BlockIdRange: what = "block id range " + std::to_string(frame.block); break;
    case FrameKind::Record: what = verifying_ ? "verify record" : "record"; break;
    case FrameKind::EndOfBlock: what = "end of block"; break;
    default: break;
    }
    if (applyFrameFaults(frameNumber_, what, now)) {
        ++stats_.framesValid;
        return;
    }
    switch (frame.kind) {
    case FrameKind::BlockIdSegment:
        ++stats_.framesValid;
        ++stats_.blockIds;
        openStage(frame.segment, false, 0);
        send(kAck, now);
        log_.add(what + " -> FA");
        return;
    case FrameKind::BlockIdRange:
        // The range form names a block of the console's one segment, 0xFF.
        ++stats_.framesValid;
        ++stats_.blockIds;
        openStage(0xFF, true, frame.block);
        send(kAck, now);
        log_.add(what + " -> FA");
        return;
    case FrameKind::Record:
        processRecord(frame, now);
        return;
    case FrameKind::EndOfBlock:
        processEndOfBlock(now);
        return;
    default:
        return;
    }
}

void Device::processRecord(const Frame& frame, Time now)
{
    if (!stage_.open) {
        invalidFrame("record without block id " + hexByte(frame.addressHigh) + hexByte(frame.addressLow), now);
        return;
    }
    unsigned offset = (unsigned{frame.addressHigh} << 8) | frame.addressLow;
    if (stage_.relative) {
        if (frame.addressHigh >= 0x40) {
            invalidFrame("record outside block " + hexByte(frame.addressHigh) + hexByte(frame.addressLow), now);
            return;
        }
        offset += unsigned{stage_.block} * 0x4000;
    }
    if (offset + frame.data.size() > DeviceImage::kSegmentSize) {
        invalidFrame("record past segment end " + hexByte(frame.addressHigh) + hexByte(frame.addressLow), now);
        return;
    }
    ++stats_.framesValid;
    ++stats_.records;
    ++stage_.records;
    stage_.blocksTouched |= 1u << (offset / 0x4000);
    bool differs = false;
    for (std::size_t i = 0; i < frame.data.size(); ++i) {
        stage_.data[offset + i] = frame.data[i];
        stage_.written[offset + i] = 1;
        if (verifying_)
            differs = differs || !image_.hasSegment(stage_.segment)
                      || image_.segment(stage_.segment)[offset + i] != frame.data[i];
    }
    if (differs)
        ++stats_.verificationMismatches;
    send(kAck, now);
    log_.add(differs ? "verify record differs -> FA" : verifying_ ? "verify record -> FA" : "record -> FA");
}

void Device::processEndOfBlock(Time now)
{
    ++stats_.framesValid;
    const unsigned number = ++stats_.endOfBlocks;
    AnswerCode result = kProgrammed;
    if (auto fail = config_.faults.failBlocks.find(number); fail != config_.faults.failBlocks.end())
        result = fail->second;

    BlockReport report;
    report.verification = verifying_;
    report.result = result;
    if (stage_.open) {
        report.segment = stage_.segment;
        report.rangeForm = stage_.relative;
        report.records = stage_.records;
        if (stage_.relative) {
            report.block = stage_.block;
        } else {
            for (std::uint8_t b = 0; b < 4; ++b) {
                if (stage_.blocksTouched & (1u << b)) {
                    report.block = b;
                    break;
                }
            }
        }
    }
    blocks_.push_back(report);

    send(kAck, now);
    if (config_.faults.noise)
        send(kNoise, now + config_.programDelay / 2);
    if (result)
        send(*result, now + config_.programDelay);
    // A block that reports no result is taken as programmed by the tool, and so here.
    const bool failed = result && *result != kProgrammed;
    if (stage_.open && !failed)
        commitStage();
    stage_.open = false;
    log_.add("end of block -> FA " + answerText(result));
}

void Device::processRestart(Time now)
{
    ++stats_.restarts;
    stage_.open = false;
    awaitingDecision_ = false;
    verifying_ = false;
    afterRestart_ = true;
    handshakeAfterRestart_ = false;
    log_.add("restart");
    if (config_.faults.noise) {
        const std::uint8_t boot[] = {kNoise, 0xAA, kNoise};
        send(boot, now + config_.programDelay);
    }
}

void Device::openStage(std::uint8_t segment, bool relative, std::uint8_t block)
{
    std::fill(stage_.written.begin(), stage_.written.end(), 0);
    stage_.open = true;
    stage_.relative = relative;
    stage_.segment = segment;
    stage_.block = block;
    stage_.records = 0;
    stage_.blocksTouched = 0;
}

void Device::commitStage()
{
    const bool infoBlockWritten = std::all_of(stage_.written.begin(), stage_.written.begin() + 16,
                                              [](std::uint8_t w) { return w != 0; });
    std::size_t offset = 0;
    while (offset < DeviceImage::kSegmentSize) {
        if (!stage_.written[offset]) {
            ++offset;
            continue;
        }
        std::size_t end = offset;
        while (end < DeviceImage::kSegmentSize && stage_.written[end])
            ++end;
        image_.write(stage_.segment, static_cast<std::uint16_t>(offset),
                     std::span<const std::uint8_t>(stage_.data.data() + offset, end - offset));
        offset = end;
    }
    // The device keeps its serial number at the start of segment 0xFE.
    if (stage_.segment == 0xFE && infoBlockWritten)
        std::copy_n(image_.segment(0xFE).begin(), 16, config_.infoBlock.begin());
}

}  // namespace devsim
