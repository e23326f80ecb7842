#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "devsim_process.h"
#include "serial/open_port.h"
#include "serial/send_frame.h"
#include "serial_test_support.h"

namespace {

using serialtest::RecordingForm;
using serialtest::ScriptedHost;

std::vector<uint8_t> WithChecksum(std::vector<uint8_t> frame) {
  uint8_t sum = 0;
  for (uint8_t b : frame) sum = static_cast<uint8_t>(sum + b);
  frame.push_back(static_cast<uint8_t>(-sum));
  return frame;
}

std::vector<uint8_t> SegmentBlockId(uint8_t segment) { return WithChecksum({0x02, 0x00, 0x00, 0x04, 0x00, segment}); }

std::vector<uint8_t> Record(uint16_t address, uint8_t fill) {
  std::vector<uint8_t> frame = {0x10, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 0x00};
  for (int i = 0; i < 16; ++i) frame.push_back(static_cast<uint8_t>(fill + i));
  return WithChecksum(frame);
}

const std::string kDisconnected =
    "The connection to the device was lost: the serial port reports that the device is no longer there.  \n\n"
    "Please check the cable and the adapter, then disable and activate the port again.";

class SendFrameOnDevsim : public ::testing::Test {
 protected:
  void Start(std::vector<std::string> args, platform::PortTimeouts timeouts = {1000, 5000}) {
    sim = std::make_unique<e2e::DevsimProcess>(TALVEX_DEVSIM, std::move(args));
    ASSERT_FALSE(sim->ptyPath().empty());
    serial::OpenedPort opened = serial::OpenPort(OVLineSettings{}, sim->ptyPath());
    ASSERT_EQ(opened.error, 0u);
    port = std::move(opened.port);
    port->SetTimeouts(timeouts);
    link = std::make_unique<serial::LinkContext>(serial::LinkContext{*port, &form});
  }
  bool Send(const std::vector<uint8_t>& frame, const std::string& text = "Try:") {
    return serial::SendFrame(static_cast<int>(frame.size()), frame.data(), text, 3, *link, true);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& p : form.progress) texts.push_back(p.text);
    return texts;
  }

  ScriptedHost host;
  RecordingForm form;
  std::unique_ptr<e2e::DevsimProcess> sim;
  std::unique_ptr<platform::SerialPort> port;
  std::unique_ptr<serial::LinkContext> link;
};

TEST_F(SendFrameOnDevsim, AcknowledgedFramesGoOutOnceAndReachTheDevice) {
  Start({});

  EXPECT_TRUE(Send(SegmentBlockId(0x01), "ID Try:"));
  EXPECT_TRUE(Send(Record(0x0000, 0x10), "R1 Try:"));
  EXPECT_TRUE(Send(Record(0x0010, 0x20), "R2 Try:"));

  EXPECT_EQ(Texts(), (std::vector<std::string>{"ID Try:1", "R1 Try:1", "R2 Try:1"}));
  EXPECT_TRUE(host.shown.empty());
  port->Close();
  const nlohmann::json report = sim->Report();
  EXPECT_EQ(report["frames"]["valid"], 3);
  EXPECT_EQ(report["frames"]["invalid"], 0);
  EXPECT_EQ(report["frames"]["block_ids"], 1);
  EXPECT_EQ(report["frames"]["records"], 2);
}

TEST_F(SendFrameOnDevsim, ANakIsAnsweredWithTheSameFrameAgain) {
  Start({"--nak-every", "2"});

  EXPECT_TRUE(Send(SegmentBlockId(0x00)));
  EXPECT_TRUE(Send(Record(0x0000, 0x00)));

  EXPECT_EQ(Texts(), (std::vector<std::string>{"Try:1", "Try:1", "Try:2"}));
  port->Close();
  const nlohmann::json report = sim->Report();
  EXPECT_EQ(report["frames"]["records"], 1);
  EXPECT_EQ(report["frames"]["invalid"], 0);
}

TEST_F(SendFrameOnDevsim, EndOfExchangeFromTheDeviceEndsFalseAfterOneSend) {
  Start({"--end-with-1c-at", "2"});

  EXPECT_TRUE(Send(SegmentBlockId(0x00)));
  EXPECT_FALSE(Send(Record(0x0000, 0x00)));

  EXPECT_EQ(Texts(), (std::vector<std::string>{"Try:1", "Try:1"}));
  EXPECT_TRUE(host.shown.empty());
}

TEST_F(SendFrameOnDevsim, AHangUpEndsFalseWithOneMessage) {
  // The line closes as the first byte arrives, like an adapter pulled mid-frame.
  Start({"--hangup-after", "0"});

  EXPECT_FALSE(Send(SegmentBlockId(0x00)));

  ASSERT_EQ(host.shown.size(), 1u);
  EXPECT_EQ(host.shown[0].request.text, kDisconnected);
  EXPECT_EQ(host.shown[0].request.buttons, platform::Buttons::Ok);
  EXPECT_LE(form.progress.size(), 1u);
}

TEST_F(SendFrameOnDevsim, ASilentDeviceIsPromptedAboutAndYesEndsAfterOneMoreSend) {
  // Short reads keep the twenty silent tries quick; the count of tries is what matters.
  Start({"--silent-after", "1"}, {20, 5000});
  host.answers = {platform::Answer::Yes};

  EXPECT_TRUE(Send(SegmentBlockId(0x00)));
  EXPECT_FALSE(Send(Record(0x0000, 0x00)));

  ASSERT_EQ(host.shown.size(), 1u);
  EXPECT_EQ(form.progress.size(), 21u);
  EXPECT_EQ(form.progress.back().text, "Try:20");
  EXPECT_TRUE(form.m_bCancel);
  port->Close();
  const nlohmann::json report = sim->Report();
  EXPECT_EQ(report["bytes_ignored"]["silent"], 20 * 21);
}

}  // namespace
