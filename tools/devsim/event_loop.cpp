#include "event_loop.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace devsim {

EventLoop::EventLoop(PtyLine& line, Device& device, const Options& options,
                     const volatile std::sig_atomic_t& stop, const sigset_t& waitMask)
    : line_(line), device_(device), options_(options), stop_(stop), waitMask_(waitMask)
{
    if (options_.lineBaud != 0)
        charTime_ = Time(10'000'000'000LL / options_.lineBaud);
}

Time EventLoop::now()
{
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

void EventLoop::collectOutput(Time now)
{
    // Paced input reaches the device ahead of time, stamped with the time each byte will
    // have crossed the line, so its answers are taken as soon as they exist and written
    // when due: one wake-up per answer.
    const bool paced = charTime_.count() != 0;
    for (const TimedByte& b : device_.takeOutput(now, paced)) {
        if (paced) {
            // A byte is readable at the far end once its last bit has left.
            txFree_ = std::max(txFree_, b.due) + charTime_;
            output_.push_back({txFree_, b.value});
        } else {
            output_.push_back(b);
        }
    }
}

bool EventLoop::flushOutput(Time now)
{
    std::uint8_t chunk[512];
    while (!output_.empty() && output_.front().due <= now) {
        std::size_t n = 0;
        while (n < sizeof chunk && n < output_.size() && output_[n].due <= now) {
            chunk[n] = output_[n].value;
            ++n;
        }
        const ssize_t written = ::write(line_.master(), chunk, n);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                writeBlocked_ = true;
                return true;
            }
            return false;
        }
        writeLateness_ = std::max(Time(0), now - output_[static_cast<std::size_t>(written) - 1].due);
        output_.erase(output_.begin(), output_.begin() + written);
    }
    writeBlocked_ = false;
    return true;
}

bool EventLoop::readInput()
{
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(line_.master(), buffer, sizeof buffer);
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    if (n == 0)
        return false;
    const Time arrival = now();
    lastReceived_ = arrival;
    const LineSettings settings = line_.lineSettings();
    if (charTime_.count() == 0) {
        device_.receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)), arrival, settings);
        return true;
    }
    // The tool reacted to our last answer, which left this process late by the wake-up
    // delay of the timer; on a real line it would have arrived on time, and so would the
    // tool's reaction. Without this every frame would take the line time plus that delay.
    const Time start = arrival - writeLateness_;
    writeLateness_ = Time(0);
    for (ssize_t i = 0; i < n; ++i) {
        rxFree_ = std::max(rxFree_, start) + charTime_;
        device_.receive(std::span<const std::uint8_t>(&buffer[i], 1), rxFree_, settings);
    }
    return true;
}

std::string EventLoop::run()
{
    const Time timeout = Time(static_cast<long long>(options_.timeoutSeconds * 1e9));
    lastReceived_ = now();
    for (;;) {
        if (stop_)
            return "signal";
        Time t = now();
        collectOutput(t);
        if (!flushOutput(t))
            return "line error";
        if (device_.hangupRequested() && output_.empty()) {
            line_.waitUntilRead(200);
            line_.close();
            return "hangup";
        }
        if (options_.exitAfterRestart != 0 && device_.stats().restarts >= options_.exitAfterRestart
            && output_.empty())
            return "restarts";
        if (timeout.count() != 0 && t - lastReceived_ >= timeout)
            return "timeout";

        std::optional<Time> deadline = device_.nextDeadline();
        auto consider = [&deadline](Time candidate) {
            if (!deadline || candidate < *deadline)
                deadline = candidate;
        };
        if (!output_.empty() && !writeBlocked_)
            consider(output_.front().due);
        if (timeout.count() != 0)
            consider(lastReceived_ + timeout);

        pollfd fd{line_.master(), static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0};
        timespec wait{};
        timespec* waitPtr = nullptr;
        if (deadline) {
            const Time left = std::max(Time(0), *deadline - now());
            wait.tv_sec = static_cast<time_t>(left.count() / 1'000'000'000);
            wait.tv_nsec = static_cast<long>(left.count() % 1'000'000'000);
            waitPtr = &wait;
        }
        const int ready = ppoll(&fd, 1, waitPtr, &waitMask_);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return "line error";
        }
        if (ready == 0)
            continue;
        if (fd.revents & POLLIN) {
            if (!readInput())
                return "line error";
        } else if (fd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            // Cannot happen while the held slave descriptor is open; never poll on it again.
            return "line error";
        }
    }
}

}  // namespace devsim
