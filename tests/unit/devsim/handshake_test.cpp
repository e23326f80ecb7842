#include "device_fixture.h"
#include "info_packet.h"
#include "report.h"

namespace devsim_test {
namespace {

// 0xC4 + "12345678" + 8 zero bytes + count 0 + "QRa" "A1" "4L1".
const Bytes kDefaultPacket = {0xC4, '1', '2', '3', '4', '5', '6', '7', '8', 0, 0, 0, 0, 0, 0, 0, 0,
                              0x00, 'Q', 'R', 'a', 'A', '1', '4', 'L', '1'};

TEST_F(DeviceTest, FullPacketCarriesBlockHeaderAndSum)
{
    Bytes expected = kDefaultPacket;
    // 0xC4 + (0x31..0x38 = 420) + (Q R a = 260) + (A 1 = 114) + (4 L 1 = 177) = 1167 = 4 * 256 + 0x8F
    expected.push_back(0x8F);
    EXPECT_EQ(exchange({0x1C}), expected);
}

TEST_F(DeviceTest, ParametersFollowTheHeaderAndShortValuesArePadded)
{
    config.aux = {"1A0", "2B"};
    config.lead = 0xC7;
    Bytes answer = exchange({0x1C});
    ASSERT_EQ(answer.size(), 1u + 16 + 9 + 6 + 1);
    EXPECT_EQ(answer[0], 0xC7);
    EXPECT_EQ(answer[17], 2);  // parameter count
    EXPECT_EQ(Bytes(answer.begin() + 26, answer.begin() + 32), (Bytes{'1', 'A', '0', '2', 'B', 0}));
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < answer.size(); ++i)
        sum += answer[i];
    EXPECT_EQ(answer.back(), sum & 0xFF);
}

TEST_F(DeviceTest, ShortPacketIsLeadBlockAndSum)
{
    config.kind = devsim::DeviceKind::Short;
    Bytes expected(kDefaultPacket.begin(), kDefaultPacket.begin() + 17);
    expected[0] = 0xC3;
    expected.push_back(0x67);  // 0xC3 + 420 = 615 = 2 * 256 + 0x67
    EXPECT_EQ(exchange({0x1C}), expected);
}

TEST_F(DeviceTest, SystemOf64kAnswersTheRequestByte)
{
    config.kind = devsim::DeviceKind::System64k;
    EXPECT_EQ(exchange({0x1C}), Bytes{0x1C});
    EXPECT_EQ(exchange({0xFC}), Bytes{});
}

TEST_F(DeviceTest, DeviceWithoutSerialNumberSendsBlockOfFF)
{
    config.infoBlock = *devsim::serialBlockFromText("none");
    const Bytes answer = exchange({0x1C});
    EXPECT_EQ(Bytes(answer.begin() + 1, answer.begin() + 17), Bytes(16, 0xFF));
}

TEST_F(DeviceTest, BadSumOnceThenPacketAgainWithoutLeadByte)
{
    config.faults.badPacketSumOnce = true;
    const Bytes first = exchange({0x1C});
    EXPECT_EQ(first.back(), 0x90);  // the right sum 0x8F plus one
    Bytes again(kDefaultPacket.begin() + 1, kDefaultPacket.end());
    again.push_back(0x8F);  // the sum still counts the lead byte
    EXPECT_EQ(exchange({0xFE}), again);
    EXPECT_EQ(exchange({0x1C}).back(), 0x8F);
    EXPECT_EQ(device().stats().packetResends, 1u);
}

TEST_F(DeviceTest, SerialNumberPacketIsProgrammedAfterTheDelay)
{
    config.infoBlock = *devsim::serialBlockFromText("none");
    exchange({0x1C});
    EXPECT_EQ(exchange({0xFB}), Bytes{});
    Bytes packet = bytesOf("12345678");
    packet.resize(16, 0);
    packet.push_back(0xA4);  // 0x31 + ... + 0x38 = 420 = 256 + 0xA4
    EXPECT_EQ(exchange(packet), Bytes{0xFA});
    wait(config.programDelay - 1ms);
    EXPECT_EQ(due(), Bytes{});
    wait(1ms);
    EXPECT_EQ(due(), Bytes{0xF4});
    EXPECT_EQ(devsim::buildReport(device())["serial_number"], "12345678");
}

TEST_F(DeviceTest, SerialNumberPacketWithBadSumIsRefused)
{
    config.infoBlock = *devsim::serialBlockFromText("none");
    exchange({0x1C});
    exchange({0xFB});
    Bytes packet = bytesOf("12345678");
    packet.resize(16, 0);
    packet.push_back(0xA5);
    EXPECT_EQ(exchange(packet), Bytes{0xFE});
    wait(1s);
    EXPECT_EQ(due(), Bytes{});
    EXPECT_TRUE(devsim::buildReport(device())["serial_number"].is_null());
}

TEST_F(DeviceTest, SerialNumberFaultReplacesTheSecondAnswer)
{
    for (const auto& [code, expected] : std::vector<std::pair<devsim::AnswerCode, Bytes>>{
             {0xF7, {0xFA, 0xF7}}, {std::nullopt, {0xFA}}}) {
        devsim::DeviceConfig cfg;
        cfg.faults.failSerial = code;
        devsim::Device d(cfg);
        const Bytes input = {0xFB, 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'A'};
        d.receive(Bytes{0x1C}, now, line);
        d.takeOutput(now);
        d.receive(input, now, line);
        Bytes out;
        for (const auto& b : d.takeOutput(now + 1s))
            out.push_back(b.value);
        EXPECT_EQ(out, expected);
        EXPECT_EQ(devsim::serialTextFromBlock(d.infoBlock()), "12345678");
    }
}

}  // namespace
}  // namespace devsim_test
