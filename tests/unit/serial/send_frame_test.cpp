#include "serial/send_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "serial_test_support.h"

namespace {

using platform::Answer;
using platform::Buttons;
using serialtest::RecordingForm;
using serialtest::ScriptedHost;
using serialtest::ScriptedPort;

const std::vector<uint8_t> kRecordFrame = {0x10, 0x12, 0x30, 0x00, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                                           9,    10,   11,   12,   13, 14, 15, 0x87};
const std::string kTryText = "Sending OVHex File : Block 3 Record 17,  Try:";
const std::string kPrompt =
    "Warning: The Talvex Unit is not responding.\nYou may wait to see if it recovers, or cancel the operation and "
    "try again.\n\nWould you like to cancel the transmission?";
const std::string kDisconnected =
    "The connection to the device was lost: the serial port reports that the device is no longer there.  \n\n"
    "Please check the cable and the adapter, then disable and activate the port again.";

ScriptedPort::Reply Byte(uint8_t b) { return {b, false}; }
ScriptedPort::Reply Silence() { return {std::nullopt, false}; }
ScriptedPort::Reply Hangup() { return {std::nullopt, true}; }

class SendFrameTest : public ::testing::Test {
 protected:
  bool Send(int pos = 52) {
    serial::LinkContext link{port, &form};
    return serial::SendFrame(static_cast<int>(kRecordFrame.size()), kRecordFrame.data(), kTryText, pos, link, true);
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : host.shown) texts.push_back(box.request.text);
    return texts;
  }

  ScriptedPort port;
  ScriptedHost host{&port};
  RecordingForm form;
};

struct AnswerCase {
  const char* name;
  std::vector<ScriptedPort::Reply> replies;
  bool result;
  size_t sends;
};

class SendFrameAnswers : public SendFrameTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(SendFrameAnswers, SendsUntilTheAnswerDecides) {
  const AnswerCase& c = GetParam();
  port.replies.assign(c.replies.begin(), c.replies.end());

  EXPECT_EQ(Send(), c.result);

  ASSERT_EQ(port.writes.size(), c.sends);
  for (const auto& written : port.writes) EXPECT_EQ(written, kRecordFrame);
  ASSERT_EQ(form.progress.size(), c.sends);
  for (size_t i = 0; i < c.sends; ++i) {
    EXPECT_EQ(form.progress[i].pos, 52);
    EXPECT_EQ(form.progress[i].text, kTryText + std::to_string(i + 1));
  }
  EXPECT_TRUE(host.shown.empty());
  EXPECT_FALSE(form.m_bCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SendFrameAnswers,
    ::testing::Values(AnswerCase{"AckAtOnce", {Byte(0xFA)}, true, 1},
                      AnswerCase{"ProcessedAtOnce", {Byte(0xF4)}, true, 1},
                      AnswerCase{"NakThenAck", {Byte(0xF5), Byte(0xFA)}, true, 2},
                      AnswerCase{"SilenceAndNoiseThenAck", {Silence(), Byte(0x00), Byte(0xF8), Byte(0xF4)}, true, 4},
                      AnswerCase{"DeviceEndsExchange", {Byte(0x1C)}, false, 1},
                      AnswerCase{"NakThenDeviceEnds", {Byte(0xF5), Byte(0x1C)}, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SendFrameTest, SilentDevicePromptsBeforeEveryTwentiethSendAndYesEndsAfterOneMore) {
  host.answers = {Answer::No, Answer::Yes};

  EXPECT_FALSE(Send());

  ASSERT_EQ(host.shown.size(), 2u);
  for (const auto& box : host.shown) {
    EXPECT_EQ(box.request.text, kPrompt);
    EXPECT_EQ(box.request.buttons, Buttons::YesNo);
    EXPECT_EQ(box.request.icon, platform::Icon::Warning);
    EXPECT_EQ(box.request.caption, "TalvexUpdate");
  }
  EXPECT_EQ(host.shown[0].writesBefore, 19u);
  EXPECT_EQ(host.shown[1].writesBefore, 39u);
  EXPECT_EQ(port.writes.size(), 40u);
  EXPECT_EQ(port.reads, 40);
  EXPECT_EQ(form.progress.back().text, kTryText + "40");
  // The flag is set after EndProgress, which would have cleared it.
  EXPECT_EQ(form.endProgressCalls, 1);
  EXPECT_FALSE(form.active);
  EXPECT_TRUE(form.m_bCancel);
}

TEST_F(SendFrameTest, YesStillSendsOnceMoreEvenIfTheDeviceThenAcknowledges) {
  for (int i = 0; i < 19; ++i) port.replies.push_back(Silence());
  port.replies.push_back(Byte(0xFA));
  host.answers = {Answer::Yes};

  EXPECT_FALSE(Send());

  EXPECT_EQ(port.writes.size(), 20u);
  EXPECT_TRUE(form.m_bCancel);
}

TEST_F(SendFrameTest, CancelDuringTheTryEndsFalseThoughTheDeviceAcknowledged) {
  port.replies = {Byte(0xFA)};
  form.cancelAtProgressCall = 1;

  EXPECT_FALSE(Send());
  EXPECT_EQ(port.writes.size(), 1u);
}

TEST_F(SendFrameTest, ShortWriteWarnsWithCountAndCodeAndStillReadsTheAnswer) {
  port.writeResults = {{15, 110, false}};
  port.replies = {Byte(0xFA)};

  EXPECT_TRUE(Send());

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "Warning: Serial port is not accepting transmission.  Bytes written: 15, Error code: 110"});
  EXPECT_EQ(host.shown[0].request.buttons, Buttons::Ok);
  EXPECT_EQ(port.writes.size(), 1u);
  EXPECT_EQ(port.reads, 1);
}

TEST_F(SendFrameTest, HangupOnReadEndsFalseWithOneMessage) {
  port.replies = {Byte(0xF5), Hangup()};

  EXPECT_FALSE(Send());

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kDisconnected});
  EXPECT_EQ(port.writes.size(), 2u);
}

TEST_F(SendFrameTest, HangupOnWriteEndsFalseWithOneMessageAndNoRead) {
  port.writeResults = {{0, 5, true}};

  EXPECT_FALSE(Send());

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kDisconnected});
  EXPECT_EQ(port.reads, 0);
  EXPECT_TRUE(form.progress.empty());
}

TEST_F(SendFrameTest, TryTextGrowsWithLargeTryCountsAndLongTexts) {
  // Every prompt is answered No: one before each 20th send, the 1000th included.
  for (int i = 0; i < 999; ++i) port.replies.push_back(Silence());
  port.replies.push_back(Byte(0xFA));
  const std::string longText(300, 'x');
  serial::LinkContext link{port, &form};

  EXPECT_TRUE(serial::SendFrame(5, kRecordFrame.data(), longText, 7, link, false));

  EXPECT_EQ(form.progress.back().text, longText + "1000");
  EXPECT_EQ(host.shown.size(), 50u);
}

TEST_F(SendFrameTest, WorksWithoutAForm) {
  port.replies = {Byte(0xF5), Byte(0xFA)};
  serial::LinkContext link{port, nullptr};

  EXPECT_TRUE(serial::SendFrame(static_cast<int>(kRecordFrame.size()), kRecordFrame.data(), kTryText, 0, link, true));
  EXPECT_EQ(port.writes.size(), 2u);
}

TEST_F(SendFrameTest, YesWithoutAFormStillEnds) {
  host.answers = {Answer::Yes};
  serial::LinkContext link{port, nullptr};

  EXPECT_FALSE(serial::SendFrame(5, kRecordFrame.data(), kTryText, 0, link, true));
  EXPECT_EQ(port.writes.size(), 20u);
}

}  // namespace
