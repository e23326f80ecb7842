#include "serial/open_port.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <cerrno>

#include "serial_test_support.h"

namespace {

using serialtest::Pty;

// The test's own descriptor on the slave, opened before the port takes it exclusively.
class OpenPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(pty.slavePath().empty());
    observer = open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(observer, 0);
  }
  void TearDown() override { close(observer); }

  termios Applied() const {
    termios tio{};
    EXPECT_EQ(tcgetattr(observer, &tio), 0);
    return tio;
  }

  Pty pty;
  int observer = -1;
};

TEST_F(OpenPortTest, StartUpSettingsAreAppliedRawWithFlowControlOff) {
  serial::OpenedPort opened = serial::OpenPort(OVLineSettings{}, pty.slavePath());

  ASSERT_EQ(opened.error, 0u);
  ASSERT_TRUE(opened.port);
  ASSERT_TRUE(opened.settings);
  EXPECT_EQ(opened.devicePath, pty.slavePath());
  EXPECT_EQ(opened.settings->baudRate, 9600u);
  EXPECT_EQ(opened.settings->byteSize, 8);
  EXPECT_EQ(opened.settings->parity, platform::Parity::None);
  EXPECT_EQ(opened.settings->stopBits, platform::StopBits::One);
  EXPECT_FALSE(opened.settings->outX);
  EXPECT_FALSE(opened.settings->inX);

  const termios tio = Applied();
  EXPECT_EQ(cfgetospeed(&tio), B9600);
  EXPECT_EQ(cfgetispeed(&tio), B9600);
  EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
  EXPECT_EQ(tio.c_cflag & (CRTSCTS | CSTOPB | PARENB), 0u);
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
  EXPECT_EQ(tio.c_cc[VMIN], 1);
  EXPECT_EQ(tio.c_cc[VTIME], 0);
}

struct LineCase {
  const char* name;
  OVLineSettings line;
  speed_t speed;
  uint32_t baudRate;
  uint8_t byteSize;
  platform::Parity parity;
  tcflag_t visibleFlags;  // what a pseudo-terminal keeps of the framing
};

class OpenPortLines : public OpenPortTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(OpenPortLines, TheRecordsIndexesBecomeTheLine) {
  const LineCase& c = GetParam();
  serial::OpenedPort opened = serial::OpenPort(c.line, pty.slavePath());

  ASSERT_EQ(opened.error, 0u);
  EXPECT_EQ(opened.settings->baudRate, c.baudRate);
  EXPECT_EQ(opened.settings->byteSize, c.byteSize);
  EXPECT_EQ(opened.settings->parity, c.parity);
  const termios tio = Applied();
  EXPECT_EQ(cfgetospeed(&tio), c.speed);
  EXPECT_EQ(tio.c_cflag & (CSTOPB | CMSPAR), c.visibleFlags);
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, OpenPortLines,
    ::testing::Values(LineCase{"Index7Is38400", {1, 0, 0, 7}, B38400, 38400, 8, platform::Parity::None, 0},
                      LineCase{"Index0Is300", {1, 0, 0, 0}, B300, 300, 8, platform::Parity::None, 0},
                      LineCase{"TwoStopBits", {1, 0, 2, 5}, B9600, 9600, 8, platform::Parity::None, CSTOPB},
                      LineCase{"SevenBitsEven", {0, 2, 0, 6}, B19200, 19200, 7, platform::Parity::Even, 0},
                      LineCase{"MarkParity", {1, 3, 0, 4}, B4800, 4800, 8, platform::Parity::Mark, CMSPAR},
                      LineCase{"SpaceParity", {1, 4, 2, 3}, B2400, 2400, 8, platform::Parity::Space,
                               CMSPAR | CSTOPB}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpenPortTest, SecondOpenOfTheSamePortIsDeniedWithAReason) {
  serial::OpenedPort first = serial::OpenPort(OVLineSettings{}, pty.slavePath());
  ASSERT_EQ(first.error, 0u);

  serial::OpenedPort second = serial::OpenPort(OVLineSettings{}, pty.slavePath());

  EXPECT_EQ(second.error, platform::kErrorAccessDenied);
  EXPECT_FALSE(second.port);
  EXPECT_FALSE(second.settings);
  EXPECT_EQ(second.accessDeniedReason,
            "Access to " + pty.slavePath() + " was denied: another program holds the port open for its exclusive use.");
}

TEST_F(OpenPortTest, ClosingReleasesThePortForTheNextOpen) {
  serial::OpenedPort first = serial::OpenPort(OVLineSettings{}, pty.slavePath());
  ASSERT_EQ(first.error, 0u);
  first.port->Close();

  EXPECT_EQ(serial::OpenPort(OVLineSettings{}, pty.slavePath()).error, 0u);
}

TEST_F(OpenPortTest, OneAndAHalfStopBitsAreRefusedAndThePortIsReleased) {
  const OVLineSettings line{1, 0, 1, 5};
  serial::OpenedPort opened = serial::OpenPort(line, pty.slavePath());

  EXPECT_EQ(opened.error, static_cast<uint32_t>(EINVAL));
  EXPECT_FALSE(opened.port);
  EXPECT_FALSE(opened.settings);
  EXPECT_EQ(serial::OpenFailureMessage(opened.error, line),
            "The selected serial port could not be set up.  \n\nThe serial ports of this system do not support 1.5 "
            "stop bits.  \nPlease choose 1 or 2 stop bits.\n\nError code: 22");
  // Nothing of the refused settings reached the line.
  EXPECT_EQ(Applied().c_cflag & CSTOPB, 0u);
  EXPECT_EQ(serial::OpenPort(OVLineSettings{}, pty.slavePath()).error, 0u);
}

TEST(OpenPortFailures, MissingDevicesAndUnknownNamesAreNotFound) {
  for (const char* name : {"/dev/talvex-no-such-port", "User Defined", "Unavailable", "COM9"}) {
    serial::OpenedPort opened = serial::OpenPort(OVLineSettings{}, name);
    EXPECT_EQ(opened.error, platform::kErrorFileNotFound) << name;
    EXPECT_FALSE(opened.port) << name;
    EXPECT_FALSE(opened.settings) << name;
  }
}

TEST(OpenPortFailures, ADeviceThatIsNoTerminalIsRefusedWithAnOkBoxText) {
  serial::OpenedPort opened = serial::OpenPort(OVLineSettings{}, "/dev/null");

  EXPECT_EQ(opened.error, static_cast<uint32_t>(ENOTTY));
  EXPECT_FALSE(opened.port);
  EXPECT_EQ(serial::OpenFailureMessage(opened.error, OVLineSettings{}),
            "The selected serial port could not be set up.  \n\nThe selected device is not a serial port.\n\n"
            "Error code: 25");
}

TEST(BaudRateForIndex, IsThreeHundredTimesAPowerOfTwo) {
  const uint32_t expected[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(serial::BaudRateForIndex(i), expected[i]) << i;
}

}  // namespace
