#include "device_fixture.h"
#include "frame.h"
#include "report.h"

namespace devsim_test {
namespace {

TEST(FrameDecoding, BothBlockIdFormsAndTheFixedFrames)
{
    // The frames as the tool puts them on the wire.
    const auto segment = devsim::decodeFrame(Bytes{0x02, 0x00, 0x00, 0x04, 0x00, 0xFE, 0xFC});
    EXPECT_EQ(segment.kind, devsim::FrameKind::BlockIdSegment);
    EXPECT_EQ(segment.segment, 0xFE);
    EXPECT_EQ(devsim::decodeFrame(Bytes{0x02, 0x00, 0x00, 0x04, 0x00, 0x01, 0xF9}).segment, 1);

    const Bytes rangeForms[] = {{0x02, 0x00, 0x00, 0x04, 0x3F, 0xFF, 0xBC},
                                {0x02, 0x40, 0x00, 0x04, 0x7F, 0xFF, 0x3C},
                                {0x02, 0x80, 0x00, 0x04, 0xBF, 0xFF, 0xBC},
                                {0x02, 0xC0, 0x00, 0x04, 0xFF, 0xFF, 0x3C}};
    for (unsigned block = 0; block < 4; ++block) {
        const auto range = devsim::decodeFrame(rangeForms[block]);
        EXPECT_EQ(range.kind, devsim::FrameKind::BlockIdRange);
        EXPECT_EQ(range.block, block);
    }
    EXPECT_EQ(devsim::decodeFrame(kEndOfBlock).kind, devsim::FrameKind::EndOfBlock);
    EXPECT_EQ(devsim::decodeFrame(kRestart).kind, devsim::FrameKind::Restart);

    const auto record = devsim::decodeFrame(recordFrame(0x3F, 0xF0, 0));
    EXPECT_EQ(record.kind, devsim::FrameKind::Record);
    EXPECT_EQ(record.addressHigh, 0x3F);
    EXPECT_EQ(record.addressLow, 0xF0);
    EXPECT_EQ(record.data[1], patternByte(1));
}

TEST(FrameDecoding, WrongSumsAndUnknownFramesAreInvalid)
{
    struct Case {
        Bytes bytes;
        const char* problem;
    };
    const Case cases[] = {
        {{0x02, 0x00, 0x00, 0x04, 0x00, 0xFE, 0xFB}, "checksum"},
        {{0x00, 0x00, 0x00, 0x01, 0xFE}, "checksum"},
        {withChecksum({0x02, 0x00, 0x00, 0x04, 0x01, 0xFE}), "block id"},  // above 24 bits
        {withChecksum({0x02, 0x40, 0x00, 0x04, 0x7E, 0xFF}), "block id"},  // range that is not a block
        {withChecksum({0x04, 0x00, 0x00, 0x00, 1, 2, 3, 4}), "unsupported"},
        {withChecksum({0x00, 0x00, 0x00, 0x03}), "unsupported"},
    };
    for (const Case& c : cases) {
        const auto frame = devsim::decodeFrame(c.bytes);
        EXPECT_EQ(frame.kind, devsim::FrameKind::Invalid) << c.problem;
        EXPECT_EQ(frame.problem, c.problem);
    }
}

TEST_F(DeviceTest, SegmentFormBlockIsProgrammedIntoTheImage)
{
    EXPECT_EQ(exchange(segmentBlockId(0xFE)), Bytes{0xFA});
    sendRecords(2, false);
    EXPECT_EQ(exchange(kEndOfBlock), Bytes{0xFA});
    wait(config.programDelay - 1ms);
    EXPECT_EQ(due(), Bytes{});
    wait(1ms);
    EXPECT_EQ(due(), Bytes{0xF4});

    const auto& image = device().image().segment(0xFE);
    EXPECT_EQ(image[0x7FFF], 0x00);
    for (unsigned offset = 0x8000; offset < 0xC000; ++offset)
        ASSERT_EQ(image[offset], patternByte(offset)) << offset;
    EXPECT_EQ(image[0xC000], 0x00);

    const auto report = devsim::buildReport(device());
    ASSERT_EQ(report["blocks"].size(), 1u);
    EXPECT_EQ(report["blocks"][0]["segment"], 0xFE);
    EXPECT_EQ(report["blocks"][0]["block"], 2);
    EXPECT_EQ(report["blocks"][0]["records"], 1024);
    EXPECT_EQ(report["blocks"][0]["form"], "segment");
    EXPECT_EQ(report["blocks"][0]["result"], "F4");
}

TEST_F(DeviceTest, RangeFormBlockTakesRelativeAddressesInSegmentFF)
{
    EXPECT_EQ(exchange(Bytes{0x02, 0x40, 0x00, 0x04, 0x7F, 0xFF, 0x3C}), Bytes{0xFA});
    sendRecords(1, true);
    EXPECT_EQ(endBlock(), (Bytes{0xFA, 0xF4}));
    const auto& image = device().image().segment(0xFF);
    for (unsigned offset = 0x4000; offset < 0x8000; ++offset)
        ASSERT_EQ(image[offset], patternByte(offset)) << offset;
    EXPECT_EQ(image[0x3FFF], 0x00);
    EXPECT_FALSE(device().image().hasSegment(0xFE));
    const auto report = devsim::buildReport(device());
    EXPECT_EQ(report["blocks"][0]["block"], 1);
    EXPECT_EQ(report["blocks"][0]["form"], "range");
}

TEST_F(DeviceTest, RecordsThatCannotBePlacedAreRefused)
{
    // No block ID yet.
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFE});
    // A relative address must stay inside the 16 KiB block.
    exchange(rangeBlockId(0));
    EXPECT_EQ(exchange(recordFrame(0x40, 0x00, 0)), Bytes{0xFE});
    EXPECT_EQ(exchange(recordFrame(0x3F, 0xF0, 0)), Bytes{0xFA});
    // After the end of block the next record needs a new block ID.
    endBlock();
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFE});
    EXPECT_EQ(device().stats().framesInvalid, 3u);
    EXPECT_EQ(device().stats().records, 1u);
}

TEST_F(DeviceTest, FrameWithWrongChecksumIsAnsweredFEAndNotTaken)
{
    exchange(segmentBlockId(0xFF));
    Bytes bad = recordFrame(0x00, 0x00, 0);
    bad[10] ^= 0x01;
    EXPECT_EQ(exchange(bad), Bytes{0xFE});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x10, 0x10)), Bytes{0xFA});
    endBlock();
    const auto& image = device().image().segment(0xFF);
    EXPECT_EQ(image[0x06], 0x00);  // the bad frame left nothing
    EXPECT_EQ(image[0x16], patternByte(0x16));
    EXPECT_EQ(device().stats().framesValid, 3u);
    EXPECT_EQ(device().stats().framesInvalid, 1u);
}

TEST_F(DeviceTest, PartialFrameIsDroppedAfterTheGapSoTheNextFrameIsFound)
{
    exchange(segmentBlockId(0xFF));
    const Bytes record = recordFrame(0x00, 0x00, 0);
    EXPECT_EQ(exchange(Bytes(record.begin(), record.begin() + 12)), Bytes{});
    EXPECT_EQ(device().nextDeadline(), now + config.frameGap);
    wait(config.frameGap);
    EXPECT_EQ(due(), Bytes{0xFE});
    EXPECT_EQ(exchange(record), Bytes{0xFA});
}

TEST_F(DeviceTest, RestartIsNotAnsweredAndVerificationFollowsAHandshake)
{
    exchange({0x1C});
    exchange({0xFA});
    exchange(segmentBlockId(0xFF));
    sendRecords(0, false);
    endBlock();
    EXPECT_EQ(exchange(kRestart), Bytes{});

    // The verification prelude, then the same block again with one record changed.
    EXPECT_EQ(exchange({0x1C}).size(), 27u);
    exchange({0xFA});
    exchange(segmentBlockId(0xFF));
    EXPECT_EQ(exchange(recordFrame(0x00, 0x00, 0)), Bytes{0xFA});
    EXPECT_EQ(exchange(recordFrame(0x00, 0x10, 0x99)), Bytes{0xFA});
    endBlock();
    exchange(kRestart);

    const auto report = devsim::buildReport(device());
    EXPECT_EQ(report["restarts"], 2);
    EXPECT_EQ(report["verification_passes"], 1);
    EXPECT_EQ(report["verification_mismatches"], 1);
    EXPECT_EQ(report["blocks"][1]["verification"], true);
    EXPECT_EQ(report["blocks"][1]["records"], 2);
}

TEST_F(DeviceTest, ProgrammedInfoBlockBecomesTheSerialNumber)
{
    exchange(segmentBlockId(0xFE));
    Bytes record = {0x10, 0x00, 0x00, 0x00};
    for (char c : std::string("87654321"))
        record.push_back(static_cast<std::uint8_t>(c));
    record.resize(20, 0);
    EXPECT_EQ(exchange(withChecksum(record)), Bytes{0xFA});
    endBlock();
    // The verification prelude reports the new number.
    const Bytes packet = exchange({0x1C});
    EXPECT_EQ(Bytes(packet.begin() + 1, packet.begin() + 9), bytesOf("87654321"));
}

TEST_F(DeviceTest, UnformattedLinesAreAcknowledgedAndPlaced)
{
    EXPECT_EQ(exchange(bytesOf(":020000040002F8\n")), Bytes{0xFA});
    EXPECT_EQ(exchange(bytesOf(":0410000001020304e2\n")), Bytes{0xFA});  // lower case as the tool writes
    EXPECT_EQ(exchange(bytesOf(":0410000001020304E3\n")), Bytes{0xFE});
    EXPECT_EQ(exchange(bytesOf(":04100000010203\n")), Bytes{0xFE});
    EXPECT_EQ(exchange(bytesOf(":00000001FF\r\n")), Bytes{0xFA});
    const auto& segment = device().image().segment(0x02);
    EXPECT_EQ(Bytes(segment.begin() + 0x1000, segment.begin() + 0x1005), (Bytes{1, 2, 3, 4, 0}));
    EXPECT_EQ(device().stats().textLinesValid, 3u);
    EXPECT_EQ(device().stats().textLinesInvalid, 2u);
}

}  // namespace
}  // namespace devsim_test
