#pragma once
// Test doubles for the serial layer: a pseudo-terminal, a scripted port, a host
// that answers message boxes from a script and a main form that records.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/main_form_link.h"
#include "support/pty.h"
#include "platform/app/headless_host.h"
#include "platform/host.h"
#include "platform/serial/serial_port.h"

namespace serialtest {

using testsupport::Pty;

// A port whose every read answers from a script; writes are recorded.
class ScriptedPort : public platform::SerialPort {
 public:
  struct Reply {
    std::optional<uint8_t> byte;  // nothing: the read times out
    bool disconnect = false;
  };

  std::deque<Reply> replies;  // used up in order; afterwards every read times out
  std::deque<platform::IoResult> writeResults;  // per write; afterwards every write is whole
  std::vector<std::vector<uint8_t>> writes;
  int reads = 0;

  uint32_t GetState(platform::PortSettings& settings) override {
    settings = state;
    return 0;
  }
  uint32_t SetState(const platform::PortSettings& settings) override {
    state = settings;
    return 0;
  }
  uint32_t SetTimeouts(const platform::PortTimeouts&) override { return 0; }
  platform::IoResult Read(uint8_t* buffer, size_t n) override {
    ++reads;
    platform::IoResult result;
    if (replies.empty() || n == 0) return result;
    const Reply reply = replies.front();
    replies.pop_front();
    if (reply.disconnect) {
      result.disconnected = true;
      result.error = 5;
    } else if (reply.byte) {
      buffer[0] = *reply.byte;
      result.transferred = 1;
    }
    return result;
  }
  platform::IoResult Write(const uint8_t* data, size_t n) override {
    writes.emplace_back(data, data + n);
    if (writeResults.empty()) return {n, 0, false};
    const platform::IoResult result = writeResults.front();
    writeResults.pop_front();
    return result;
  }
  void Purge() override {}
  void Close() override {}

  platform::PortSettings state;
};

// The headless host, its message boxes answered from a script (Ok, or No for
// Yes/No, once the script is used up) and recorded with the port's write count.
class ScriptedHost : public platform::HeadlessHost {
 public:
  struct Shown {
    platform::MessageBoxRequest request;
    size_t writesBefore = 0;  // the port's write count when the box came up
  };

  explicit ScriptedHost(const ScriptedPort* port = nullptr) : m_port(port) { platform::SetHost(this); }

  std::deque<platform::Answer> answers;
  std::vector<Shown> shown;

  platform::Answer ShowMessageBox(const platform::MessageBoxRequest& request) override {
    shown.push_back({request, m_port != nullptr ? m_port->writes.size() : 0});
    if (!answers.empty()) {
      const platform::Answer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return request.buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Ok;
  }

 private:
  const ScriptedPort* m_port;
};

// The progress channel's rules (a run is active until EndProgress), recorded.
class RecordingForm : public ProgressOnlyForm {
 public:
  struct Progress {
    int pos;
    std::string text;
  };

  bool active = true;
  std::vector<Progress> progress;
  int endProgressCalls = 0;
  int cancelAtProgressCall = 0;  // > 0: the operator presses Cancel during that call

  bool BeginProgress(int, int, std::string, int) override {
    if (active) return false;
    active = true;
    m_bCancel = false;
    return true;
  }
  bool StepProgress(std::string) override { return active; }
  bool SetProgressPos(int pos, std::string text) override {
    progress.push_back({pos, text});
    if (static_cast<int>(progress.size()) == cancelAtProgressCall) {
      EndProgress();
      m_bCancel = true;
    }
    return active;
  }
  bool EndProgress() override {
    ++endProgressCalls;
    if (!active) return false;
    active = false;
    m_bCancel = false;
    return true;
  }
};

}  // namespace serialtest
