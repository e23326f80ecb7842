#include "serial/send_frame.h"

#include <atomic>

#include "platform/host.h"
#include "serial/device_codes.h"

namespace serial {

namespace {
constexpr unsigned kPromptEvery = 20;

constexpr const char* kNotRespondingPrompt =
    "Warning: The Talvex Unit is not responding.\nYou may wait to see if it recovers, or cancel the operation "
    "and try again.\n\nWould you like to cancel the transmission?";

// One box instead of a prompt every 20 instant failures.
constexpr const char* kDisconnectedMessage =
    "The connection to the device was lost: the serial port reports that the device is no longer there.  "
    "\n\nPlease check the cable and the adapter, then disable and activate the port again.";

std::string ShortWriteWarning(size_t written, uint32_t error) {
  return "Warning: Serial port is not accepting transmission.  Bytes written: " + std::to_string(written) +
         ", Error code: " + std::to_string(error);
}
}  // namespace

bool SendFrame(int length, const uint8_t* frame, const std::string& text, int pos, LinkContext& link,
               [[maybe_unused]] bool wait) {
  std::atomic<bool> localCancel{false};
  std::atomic<bool>& cancel = link.form != nullptr ? link.form->m_bCancel : localCancel;
  const size_t size = length > 0 ? static_cast<size_t>(length) : 0;

  uint8_t answer = 0;
  unsigned tries = 0;
  platform::IoResult read;
  while (!devcode::IsFrameAccepted(answer) && !cancel.load()) {
    ++tries;
    if (tries % kPromptEvery == 0 &&
        platform::MessageBox(kNotRespondingPrompt, platform::Buttons::YesNo) == platform::Answer::Yes) {
      // EndProgress clears the flag, so it comes first; this pass still sends once more.
      if (link.form != nullptr) link.form->EndProgress();
      cancel.store(true);
    }
    answer = 0;
    const platform::IoResult written = link.port.Write(frame, size);
    if (written.disconnected) {
      platform::MessageBox(kDisconnectedMessage);
      return false;
    }
    if (written.transferred < size) platform::MessageBox(ShortWriteWarning(written.transferred, written.error));
    if (link.form != nullptr) link.form->SetProgressPos(pos, text + std::to_string(tries));
    read = link.port.Read(&answer, 1);
    if (read.disconnected) {
      platform::MessageBox(kDisconnectedMessage);
      return false;
    }
    if (read.transferred != 1) answer = 0;
    if (answer == devcode::kNoPacket) break;
  }
  return read.transferred == 1 && devcode::IsFrameAccepted(answer) && !cancel.load();
}

}  // namespace serial
