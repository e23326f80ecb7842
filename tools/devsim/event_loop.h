#pragma once

#include <csignal>
#include <deque>
#include <string>

#include "device.h"
#include "options.h"
#include "pty_line.h"

namespace devsim {

// Moves bytes between the pseudo-terminal and the device, optionally paced at a real
// line's rate. Never spins: every wait is a ppoll with a deadline.
class EventLoop {
public:
    EventLoop(PtyLine& line, Device& device, const Options& options, const volatile std::sig_atomic_t& stop,
              const sigset_t& waitMask);
    // Returns why it stopped: "signal", "timeout", "restarts", "hangup", "line error".
    std::string run();

private:
    static Time now();
    void collectOutput(Time now);
    bool flushOutput(Time now);
    bool readInput();

    PtyLine& line_;
    Device& device_;
    const Options& options_;
    const volatile std::sig_atomic_t& stop_;
    const sigset_t& waitMask_;
    Time charTime_{};
    Time rxFree_{};
    Time txFree_{};
    Time lastReceived_{};
    Time writeLateness_{};
    std::deque<TimedByte> output_;
    bool writeBlocked_ = false;
};

}  // namespace devsim
