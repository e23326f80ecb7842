#include "platform/serial/posix_serial_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "serial_test_support.h"

namespace {

using serialtest::Pty;

struct FramingCase {
  const char* name;
  uint8_t byteSize;
  platform::Parity parity;
  platform::StopBits stopBits;
  tcflag_t flags;
};

class TermiosFraming : public ::testing::TestWithParam<FramingCase> {};

// A pseudo-terminal drops data bits and parity, so the framing is checked where it is built.
TEST_P(TermiosFraming, BuildsTheFlagsAndReadsThemBack) {
  const FramingCase& c = GetParam();
  platform::PortSettings settings;
  settings.byteSize = c.byteSize;
  settings.parity = c.parity;
  settings.stopBits = c.stopBits;
  termios tio{};
  tio.c_cflag = CRTSCTS;
  tio.c_iflag = IXON | IXOFF | IXANY;

  ASSERT_EQ(platform::SettingsToTermios(settings, tio), 0u);

  EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), c.flags);
  EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD | CRTSCTS), static_cast<tcflag_t>(CLOCAL | CREAD));
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY), 0u);
  const platform::PortSettings back = platform::SettingsFromTermios(tio);
  EXPECT_EQ(back.byteSize, c.byteSize);
  EXPECT_EQ(back.parity, c.parity);
  EXPECT_EQ(back.stopBits, c.stopBits);
  EXPECT_EQ(back.baudRate, 9600u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TermiosFraming,
    ::testing::Values(FramingCase{"Eight_None_One", 8, platform::Parity::None, platform::StopBits::One, CS8},
                      FramingCase{"Seven_Odd_One", 7, platform::Parity::Odd, platform::StopBits::One,
                                  CS7 | PARENB | PARODD},
                      FramingCase{"Seven_Even_Two", 7, platform::Parity::Even, platform::StopBits::Two,
                                  CS7 | PARENB | CSTOPB},
                      FramingCase{"Eight_Mark_One", 8, platform::Parity::Mark, platform::StopBits::One,
                                  CS8 | PARENB | PARODD | CMSPAR},
                      FramingCase{"Eight_Space_Two", 8, platform::Parity::Space, platform::StopBits::Two,
                                  CS8 | PARENB | CMSPAR | CSTOPB}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TermiosRefusals, WhatTermiosCannotDoIsRefusedUnchanged) {
  platform::PortSettings oneAndHalf;
  oneAndHalf.stopBits = platform::StopBits::OneAndHalf;
  platform::PortSettings oddRate;
  oddRate.baudRate = 10000;
  platform::PortSettings nineBits;
  nineBits.byteSize = 9;
  platform::PortSettings badParity;
  badParity.parity = static_cast<platform::Parity>(5);

  for (const platform::PortSettings& settings : {oneAndHalf, oddRate, nineBits, badParity}) {
    termios tio{};
    tio.c_cflag = CS8 | CRTSCTS;
    EXPECT_EQ(platform::SettingsToTermios(settings, tio), static_cast<uint32_t>(EINVAL));
    EXPECT_EQ(tio.c_cflag, static_cast<tcflag_t>(CS8 | CRTSCTS));
  }
}

class PosixPortOnPty : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::PortOpenResult opened = platform::OpenPosixSerialPort(pty.slavePath());
    ASSERT_EQ(opened.error, 0u);
    port = std::move(opened.port);
    ASSERT_EQ(port->SetState(platform::PortSettings{}), 0u);
    // Short enough that a read that times out costs the suite little.
    port->SetTimeouts({50, 500});
  }

  Pty pty;
  std::unique_ptr<platform::SerialPort> port;
};

TEST_F(PosixPortOnPty, BytesPassBothWaysUnchanged) {
  const uint8_t frame[] = {0x00, 0x00, 0x00, 0x01, 0xFF, 0x0A, 0x0D, 0x11, 0x13, 0x03};
  const platform::IoResult written = port->Write(frame, sizeof frame);
  EXPECT_EQ(written.transferred, sizeof frame);
  EXPECT_EQ(written.error, 0u);
  uint8_t received[sizeof frame] = {};
  ASSERT_EQ(read(pty.master(), received, sizeof received), static_cast<ssize_t>(sizeof frame));
  EXPECT_EQ(std::memcmp(received, frame, sizeof frame), 0);

  ASSERT_EQ(write(pty.master(), frame, sizeof frame), static_cast<ssize_t>(sizeof frame));
  uint8_t answer[sizeof frame] = {};
  const platform::IoResult got = port->Read(answer, sizeof answer);
  EXPECT_EQ(got.transferred, sizeof frame);
  EXPECT_FALSE(got.disconnected);
  EXPECT_EQ(std::memcmp(answer, frame, sizeof frame), 0);
}

TEST_F(PosixPortOnPty, AReadOfMoreThanArrivesReturnsWhatCame) {
  const uint8_t one = 0xFA;
  ASSERT_EQ(write(pty.master(), &one, 1), 1);
  uint8_t answer[2] = {};

  const platform::IoResult got = port->Read(answer, 2);

  EXPECT_EQ(got.transferred, 1u);
  EXPECT_EQ(got.error, 0u);
  EXPECT_FALSE(got.disconnected);
  EXPECT_EQ(answer[0], 0xFA);
  EXPECT_EQ(port->Read(answer, 1).transferred, 0u);
}

TEST_F(PosixPortOnPty, PurgeDiscardsWhatWasNotRead) {
  const uint8_t stray[] = {1, 2, 3};
  ASSERT_EQ(write(pty.master(), stray, sizeof stray), 3);
  uint8_t peek = 0;
  ASSERT_EQ(port->Read(&peek, 1).transferred, 1u);

  port->Purge();

  EXPECT_EQ(port->Read(&peek, 1).transferred, 0u);
}

TEST_F(PosixPortOnPty, AClosedFarEndIsReportedAsDisconnected) {
  pty.CloseMaster();
  uint8_t answer = 0;
  const platform::IoResult got = port->Read(&answer, 1);
  EXPECT_TRUE(got.disconnected);
  EXPECT_EQ(got.transferred, 0u);

  const uint8_t frame[] = {0x00, 0x00, 0x00, 0x05, 0xFB};
  const platform::IoResult written = port->Write(frame, sizeof frame);
  EXPECT_TRUE(written.disconnected);
  EXPECT_EQ(written.transferred, 0u);
}

TEST_F(PosixPortOnPty, GetStateReadsBackWhatWasSet) {
  platform::PortSettings settings;
  settings.baudRate = 38400;
  settings.stopBits = platform::StopBits::Two;
  ASSERT_EQ(port->SetState(settings), 0u);

  platform::PortSettings back;
  ASSERT_EQ(port->GetState(back), 0u);
  EXPECT_EQ(back.baudRate, 38400u);
  EXPECT_EQ(back.stopBits, platform::StopBits::Two);
}

TEST_F(PosixPortOnPty, AClosedPortFailsEveryCall) {
  port->Close();
  uint8_t byte = 0;
  EXPECT_EQ(port->Read(&byte, 1).error, static_cast<uint32_t>(EBADF));
  EXPECT_EQ(port->Write(&byte, 1).error, static_cast<uint32_t>(EBADF));
  platform::PortSettings settings;
  EXPECT_EQ(port->SetState(settings), static_cast<uint32_t>(EBADF));
  // The device is free again.
  EXPECT_EQ(platform::OpenPosixSerialPort(pty.slavePath()).error, 0u);
}

}  // namespace
