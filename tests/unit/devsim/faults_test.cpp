#include "device_fixture.h"
#include "report.h"

namespace devsim_test {
namespace {

TEST_F(DeviceTest, FailBlockAnswersItsCodeOnceAndDropsTheBlock)
{
    config.faults.failBlocks[2] = 0xF6;
    exchange(segmentBlockId(0xFF));
    exchange(recordFrame(0x00, 0x00, 0));
    EXPECT_EQ(endBlock(), (Bytes{0xFA, 0xF4}));
    exchange(segmentBlockId(0xFF));
    exchange(recordFrame(0x40, 0x00, 0x4000));
    EXPECT_EQ(endBlock(), (Bytes{0xFA, 0xF6}));
    EXPECT_EQ(device().image().segment(0xFF)[0x4001], 0x00);
    // The tool sends the block again, and now it is programmed.
    exchange(segmentBlockId(0xFF));
    exchange(recordFrame(0x40, 0x00, 0x4000));
    EXPECT_EQ(endBlock(), (Bytes{0xFA, 0xF4}));
    EXPECT_EQ(device().image().segment(0xFF)[0x4001], patternByte(0x4001));
    const auto blocks = devsim::buildReport(device())["blocks"];
    EXPECT_EQ(blocks[1]["result"], "F6");
    EXPECT_EQ(blocks[2]["result"], "F4");
}

TEST_F(DeviceTest, FailBlockWithoutAnswerLeavesTheToolWaiting)
{
    config.faults.failBlocks[1] = std::nullopt;
    exchange(segmentBlockId(0xFF));
    exchange(recordFrame(0x00, 0x00, 0));
    EXPECT_EQ(endBlock(), Bytes{0xFA});
    wait(10s);
    EXPECT_EQ(due(), Bytes{});
    EXPECT_EQ(devsim::buildReport(device())["blocks"][0]["result"], "none");
}

TEST_F(DeviceTest, NakEveryNthFrameIsNotTaken)
{
    config.faults.nakEvery = 2;
    EXPECT_EQ(exchange(segmentBlockId(0xFF)), Bytes{0xFA});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xF5});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFA});
    EXPECT_EQ(exchange(kEndOfBlock), Bytes{0xF5});
    EXPECT_EQ(device().stats().records, 1u);
    EXPECT_EQ(device().stats().endOfBlocks, 0u);
}

TEST_F(DeviceTest, SilentAfterNFramesAnswersNothingMore)
{
    config.faults.silentAfter = 2;
    EXPECT_EQ(exchange(segmentBlockId(0xFF)), Bytes{0xFA});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFA});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x10, 0)), Bytes{});
    EXPECT_EQ(exchange({0x1C}), Bytes{});
    wait(1s);
    EXPECT_EQ(due(), Bytes{});
}

TEST_F(DeviceTest, EndWith1cAnswersTheNthFrameWithTheRequestByte)
{
    config.faults.endWith1cAt = 2;
    exchange(segmentBlockId(0xFF));
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0x1C});
    EXPECT_EQ(device().stats().records, 0u);
}

TEST_F(DeviceTest, EndWith1cCountsUnformattedLines)
{
    config.faults.endWith1cAt = 1;
    EXPECT_EQ(exchange(bytesOf(":00000001FF\n")), Bytes{0x1C});
}

TEST_F(DeviceTest, HangupAfterNFramesAnswersThemFirst)
{
    config.faults.hangupAfter = 2;
    exchange(segmentBlockId(0xFF));
    EXPECT_FALSE(device().hangupRequested());
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFA});
    EXPECT_TRUE(device().hangupRequested());
    EXPECT_EQ(exchange(recordFrame(0x00, 0x10, 0)), Bytes{});
}

TEST_F(DeviceTest, NoiseFallsOnlyIntoWaitsTheToolIgnores)
{
    config.faults.noise = true;
    EXPECT_EQ(exchange(segmentBlockId(0xFF)), Bytes{0xFA});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFA});
    EXPECT_EQ(endBlock(), (Bytes{0xFA, 0x55, 0xF4}));
    EXPECT_EQ(exchange(kRestart), Bytes{});
    wait(config.programDelay);
    EXPECT_EQ(due(), (Bytes{0x55, 0xAA, 0x55}));
}

TEST_F(DeviceTest, OnlyBaudIgnoresTheLineAtAnyOtherRate)
{
    config.onlyBaud = 9600;
    line.baud = 38400;
    EXPECT_EQ(exchange({0x1C}), Bytes{});
    line.baud = 9600;
    EXPECT_EQ(exchange({0x1C}).front(), 0xC4);
    const auto report = devsim::buildReport(device());
    EXPECT_EQ(report["bytes_ignored"]["wrong_baud"], 1);
    ASSERT_EQ(report["line_settings"].size(), 2u);
    EXPECT_EQ(report["line_settings"][0]["baud"], 38400);
    EXPECT_EQ(report["line_settings"][1]["baud"], 9600);
}

TEST_F(DeviceTest, ReportListsTheExchangesCompactlyInOrder)
{
    exchange({0x1C});
    exchange({0xFE});
    exchange({0xFA});
    exchange(segmentBlockId(0xFE));
    sendRecords(0, false);
    Bytes bad = kEndOfBlock;
    bad[4] = 0xFE;
    exchange(bad);
    endBlock();
    exchange(kRestart);

    const auto report = devsim::buildReport(device());
    const std::vector<std::string> expected = {
        "handshake 1C -> C4 packet 27 bytes",
        "FE -> packet again 26 bytes",
        "decision FA",
        "block id segment FE -> FA",
        "record -> FA x1024",
        "invalid frame (checksum) 00 00 00 01 FE -> FE",
        "end of block -> FA F4",
        "restart",
    };
    EXPECT_EQ(report["exchanges"].get<std::vector<std::string>>(), expected);
    EXPECT_EQ(report["frames"]["received"], 1028);
    EXPECT_EQ(report["frames"]["valid"], 1027);
    EXPECT_EQ(report["frames"]["invalid"], 1);
    EXPECT_EQ(report["handshakes"], 1);
    EXPECT_EQ(report["restarts"], 1);
    EXPECT_EQ(report["verification_passes"], 0);
    EXPECT_EQ(report["image_segments"], nlohmann::json::array({"FE"}));
    EXPECT_EQ(report["device"]["lead"], "C4");
    EXPECT_EQ(report["line_settings"][0],
              (nlohmann::json{{"baud", 9600}, {"data_bits", 8}, {"parity", "N"}, {"stop_bits", 1}}));
}

}  // namespace
}  // namespace devsim_test
