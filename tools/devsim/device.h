#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device_config.h"
#include "exchange_log.h"
#include "frame.h"
#include "image.h"
#include "text_line.h"

namespace devsim {

// Time on a clock chosen by the caller (the pty loop uses the steady clock, tests a
// virtual one); the device only compares and adds.
using Time = std::chrono::nanoseconds;

struct LineSettings {
    unsigned baud = 0;
    unsigned dataBits = 8;
    char parity = 'N';  // N, O, E, M, S
    unsigned stopBits = 1;
    bool operator==(const LineSettings&) const = default;
};

struct TimedByte {
    Time due;
    std::uint8_t value;
};

struct BlockReport {
    std::optional<std::uint8_t> segment;  // none: end of block without a block ID before it
    std::optional<std::uint8_t> block;    // none: no record told which block
    bool rangeForm = false;
    unsigned records = 0;
    AnswerCode result;                    // 0xF4, 0xF6.. or none (no answer)
    bool verification = false;
};

struct DeviceStats {
    unsigned framesValid = 0;
    unsigned framesInvalid = 0;
    unsigned blockIds = 0;
    unsigned records = 0;
    unsigned endOfBlocks = 0;
    unsigned restarts = 0;
    unsigned handshakes = 0;
    unsigned packetResends = 0;
    unsigned verificationPasses = 0;
    unsigned verificationMismatches = 0;  // records of a verification pass that differ from the image
    unsigned textLinesValid = 0;
    unsigned textLinesInvalid = 0;
    unsigned serialPackets = 0;
    unsigned bytesIgnoredWrongBaud = 0;
    unsigned bytesIgnoredSilent = 0;
    unsigned strayBytes = 0;
};

// The device side of the serial protocol as a pure state machine: bytes in, timed answer
// bytes out. Answers keep the order in which they were produced.
class Device {
public:
    explicit Device(DeviceConfig config);

    void receive(std::span<const std::uint8_t> bytes, Time now, const LineSettings& line);
    // Answer bytes due at or before now (with includeFuture: all of them), each with the
    // time it becomes due.
    std::vector<TimedByte> takeOutput(Time now, bool includeFuture = false);
    // When takeOutput has something new to do (a delayed answer, a partial frame to drop).
    std::optional<Time> nextDeadline() const;

    bool hangupRequested() const { return hangup_; }
    const DeviceStats& stats() const { return stats_; }
    const std::vector<BlockReport>& blocks() const { return blocks_; }
    const DeviceImage& image() const { return image_; }
    const ExchangeLog& log() const { return log_; }
    const std::array<std::uint8_t, 16>& infoBlock() const { return config_.infoBlock; }
    const std::vector<LineSettings>& linesSeen() const { return linesSeen_; }
    const DeviceConfig& config() const { return config_; }

private:
    enum class Collect { None, Frame, Text, SerialPacket };

    struct Stage {
        bool open = false;
        bool relative = false;
        std::uint8_t segment = 0;
        std::uint8_t block = 0;
        unsigned records = 0;
        unsigned blocksTouched = 0;  // bit per block 0..3
        std::vector<std::uint8_t> data;
        std::vector<std::uint8_t> written;
    };

    void send(std::uint8_t value, Time due);
    void send(std::span<const std::uint8_t> bytes, Time due);
    void dropPartialIfStale(Time now);
    void handleByte(std::uint8_t b, Time now);
    void handleCommand(std::uint8_t b, Time now);
    void handleHandshake(Time now);
    void handleDecision(std::uint8_t b, Time now);
    void handleFrame(Time now);
    void handleTextLine(Time now);
    void handleSerialPacket(Time now);
    void processFrame(const Frame& frame, Time now);
    void processRecord(const Frame& frame, Time now);
    void processEndOfBlock(Time now);
    void processRestart(Time now);
    bool applyFrameFaults(unsigned number, const std::string& what, Time now);
    void afterFrame(unsigned number);
    void openStage(std::uint8_t segment, bool relative, std::uint8_t block);
    void commitStage();
    void invalidFrame(const std::string& text, Time now);

    DeviceConfig config_;
    ExchangeLog log_;
    DeviceStats stats_;
    DeviceImage image_;
    std::vector<BlockReport> blocks_;
    std::vector<LineSettings> linesSeen_;
    std::deque<TimedByte> output_;
    Time lastDue_{};

    Collect collect_ = Collect::None;
    std::vector<std::uint8_t> buffer_;
    std::size_t expected_ = 0;
    Time lastByte_{};

    Stage stage_;
    TextLoader textLoader_;
    unsigned frameNumber_ = 0;
    bool awaitingDecision_ = false;
    bool badSumSent_ = false;
    bool afterRestart_ = false;
    bool handshakeAfterRestart_ = false;
    bool verifying_ = false;
    bool silent_ = false;
    bool hangup_ = false;
};

}  // namespace devsim
