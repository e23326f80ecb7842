#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "device.h"
#include "frames.h"

namespace devsim_test {

using namespace std::chrono_literals;

// A device on a virtual clock: bytes in, the answers due now out.
class DeviceTest : public ::testing::Test {
protected:
    devsim::DeviceConfig config;
    devsim::Time now{1s};
    devsim::LineSettings line{9600, 8, 'N', 1};

    devsim::Device& device()
    {
        if (!device_)
            device_ = std::make_unique<devsim::Device>(config);
        return *device_;
    }

    Bytes exchange(const Bytes& in)
    {
        device().receive(in, now, line);
        return due();
    }

    Bytes due()
    {
        Bytes out;
        for (const auto& b : device().takeOutput(now))
            out.push_back(b.value);
        return out;
    }

    void wait(devsim::Time span) { now += span; }

    // Sends one block of 1024 records with the pattern of its offsets; every record must
    // be acknowledged. AH is absolute (segment form) or relative (range form).
    void sendRecords(std::uint8_t block, bool relative)
    {
        for (unsigned page = 0; page < 64; ++page) {
            for (unsigned record = 0; record < 16; ++record) {
                const unsigned offset = block * 0x4000u + page * 0x100u + record * 0x10u;
                const auto ah = static_cast<std::uint8_t>(relative ? page : block * 64 + page);
                ASSERT_EQ(exchange(recordFrame(ah, static_cast<std::uint8_t>(record * 16), offset)), Bytes{0xFA});
            }
        }
    }

    // End of block: 0xFA at once, the result after the programming delay.
    Bytes endBlock()
    {
        Bytes answer = exchange(kEndOfBlock);
        wait(config.programDelay);
        const Bytes later = due();
        answer.insert(answer.end(), later.begin(), later.end());
        return answer;
    }

private:
    std::unique_ptr<devsim::Device> device_;
};

}  // namespace devsim_test
