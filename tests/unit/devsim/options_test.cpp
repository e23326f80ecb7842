#include <gtest/gtest.h>

#include "options.h"

namespace {

using devsim::parseOptions;

TEST(Options, EveryFlagReachesItsSetting)
{
    const auto parsed = parseOptions({"--kind", "full", "--lead", "C7", "--type", "VJV", "--hardware", "B2",
                                      "--firmware", "4L2", "--aux", "1A0,2B0", "--serial", "none",
                                      "--program-delay", "25", "--frame-gap=40", "--only-baud", "9600",
                                      "--line-baud", "38400", "--fail-block", "3:F7", "--fail-block", "5:none",
                                      "--fail-serial", "F8", "--nak-every", "4", "--silent-after", "9",
                                      "--end-with-1c-at", "7", "--hangup-after", "0", "--bad-packet-sum-once",
                                      "--noise", "--link", "/tmp/l", "--report", "/tmp/r.json", "--image-out",
                                      "/tmp/img", "--exit-after-restart", "2", "--timeout", "1.5"});
    ASSERT_EQ(parsed.error, "");
    const auto& o = parsed.options;
    const auto& d = o.device;
    EXPECT_EQ(d.kind, devsim::DeviceKind::Full);
    EXPECT_EQ(d.lead, 0xC7);
    EXPECT_EQ(d.type, "VJV");
    EXPECT_EQ(d.hardware, "B2");
    EXPECT_EQ(d.firmware, "4L2");
    EXPECT_EQ(d.aux, (std::vector<std::string>{"1A0", "2B0"}));
    EXPECT_EQ(d.infoBlock[0], 0xFF);
    EXPECT_EQ(d.programDelay, std::chrono::milliseconds(25));
    EXPECT_EQ(d.frameGap, std::chrono::milliseconds(40));
    EXPECT_EQ(d.onlyBaud, 9600u);
    EXPECT_EQ(o.lineBaud, 38400u);
    EXPECT_EQ(d.faults.failBlocks.at(3), devsim::AnswerCode(0xF7));
    EXPECT_EQ(d.faults.failBlocks.at(5), std::nullopt);
    EXPECT_EQ(d.faults.failSerial, devsim::AnswerCode(0xF8));
    EXPECT_EQ(d.faults.nakEvery, 4u);
    EXPECT_EQ(d.faults.silentAfter, 9u);
    EXPECT_EQ(d.faults.endWith1cAt, 7u);
    EXPECT_EQ(d.faults.hangupAfter, 0u);
    EXPECT_TRUE(d.faults.badPacketSumOnce);
    EXPECT_TRUE(d.faults.noise);
    EXPECT_EQ(o.link, "/tmp/l");
    EXPECT_EQ(o.report, "/tmp/r.json");
    EXPECT_EQ(o.imageOut, "/tmp/img");
    EXPECT_EQ(o.exitAfterRestart, 2u);
    EXPECT_DOUBLE_EQ(o.timeoutSeconds, 1.5);
}

TEST(Options, SerialNumberTextIsZeroPadded)
{
    const auto parsed = parseOptions({"--serial", "AB12"});
    ASSERT_EQ(parsed.error, "");
    const auto& block = parsed.options.device.infoBlock;
    EXPECT_EQ(block[0], 'A');
    EXPECT_EQ(block[3], '2');
    EXPECT_EQ(block[4], 0);
    EXPECT_EQ(block[15], 0);
}

TEST(Options, BadValuesAreRefusedWithTheirName)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--kind", "128k"}, "bad value for --kind: 128k"},
        {{"--type", "ABCD"}, "bad value for --type: ABCD"},
        {{"--hardware", "ABC"}, "bad value for --hardware: ABC"},
        {{"--aux", "1A0,,2B0"}, "bad value for --aux: 1A0,,2B0"},
        {{"--serial", "12345678901234567"}, "bad value for --serial: 12345678901234567"},
        {{"--fail-block", "0:F6"}, "bad value for --fail-block: 0:F6"},
        {{"--fail-block", "2"}, "bad value for --fail-block: 2"},
        {{"--nak-every", "-1"}, "bad value for --nak-every: -1"},
        {{"--timeout"}, "missing value for --timeout"},
        {{"--colour"}, "unknown option --colour"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(parseOptions(args).error, error);
}

}  // namespace
