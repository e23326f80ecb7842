// Record frames through SendFrame against talvexupdate-devsim, and the floor
// they are measured against: one byte out and one byte back over a bare
// pseudo-terminal, echoed by another process as the simulator is.
//
//   bench_serial --benchmark_filter=Unpaced   frames/s, bare round trips/s and their ratio
//   bench_serial --benchmark_filter=Paced     1,000 frames on a 38400-baud line
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/main_form_link.h"
#include "devsim_process.h"
#include "platform/app/headless_host.h"
#include "serial/open_port.h"
#include "serial/send_frame.h"

namespace {

using Clock = std::chrono::steady_clock;

// Rates are counted against wall time here: most of it is spent waiting, so a
// rate against CPU time would say nothing.
double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The progress channel reduced to nothing, so only the link is measured.
class NoProgress : public ProgressOnlyForm {
 public:
  bool BeginProgress(int, int, std::string, int) override { return true; }
  bool StepProgress(std::string) override { return true; }
  bool SetProgressPos(int, std::string) override { return true; }
  bool EndProgress() override { return true; }
};

std::vector<uint8_t> WithChecksum(std::vector<uint8_t> frame) {
  uint8_t sum = 0;
  for (uint8_t b : frame) sum = static_cast<uint8_t>(sum + b);
  frame.push_back(static_cast<uint8_t>(-sum));
  return frame;
}

// The 4,096 record frames of one segment, 21 bytes each.
std::vector<std::vector<uint8_t>> SegmentRecords() {
  std::vector<std::vector<uint8_t>> frames;
  for (unsigned address = 0; address < 0x10000; address += 16) {
    std::vector<uint8_t> frame = {0x10, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 0x00};
    for (unsigned i = 0; i < 16; ++i) frame.push_back(static_cast<uint8_t>(address / 16 + i));
    frames.push_back(WithChecksum(frame));
  }
  return frames;
}

// The simulator, the tool's port on its line at 38400 baud and segment 1 opened by a block ID frame.
struct DevsimLink {
  explicit DevsimLink(std::vector<std::string> args) : sim(TALVEX_DEVSIM, std::move(args)) {
    host.SetDefaultAnswer([](const platform::MessageBoxRequest&) { return platform::Answer::No; });
    platform::SetHost(&host);
    if (sim.ptyPath().empty()) return;
    OVLineSettings line;
    line.m_nBaudRate = 7;
    serial::OpenedPort opened = serial::OpenPort(line, sim.ptyPath());
    port = std::move(opened.port);
    if (!port) return;
    link.emplace(serial::LinkContext{*port, &form});
    const std::vector<uint8_t> blockId = WithChecksum({0x02, 0x00, 0x00, 0x04, 0x00, 0x01});
    ready = Send(blockId);
  }
  ~DevsimLink() {
    if (port) port->Close();
    sim.Stop();
    platform::SetHost(nullptr);
  }
  bool Send(const std::vector<uint8_t>& frame) {
    return serial::SendFrame(static_cast<int>(frame.size()), frame.data(), "Sending OVHex File : Record Try:", 1, *link,
                             true);
  }

  platform::HeadlessHost host;
  NoProgress form;
  e2e::DevsimProcess sim;
  std::unique_ptr<platform::SerialPort> port;
  std::optional<serial::LinkContext> link;
  bool ready = false;
};

// One byte out, the same byte back, on a raw line with blocking reads; the
// echo runs in a process of its own, as the simulator does.
class BarePtyEcho {
 public:
  BarePtyEcho() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) return;
    m_slave = open(ptsname(m_master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0) return;
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tcsetattr(m_slave, TCSANOW, &tio);
    m_echo = fork();
    if (m_echo == 0) {
      close(m_slave);
      uint8_t byte = 0;
      while (read(m_master, &byte, 1) == 1) {
        if (write(m_master, &byte, 1) != 1) break;
      }
      _exit(0);
    }
  }
  ~BarePtyEcho() {
    if (m_echo > 0) {
      kill(m_echo, SIGTERM);
      waitpid(m_echo, nullptr, 0);
    }
    if (m_slave >= 0) close(m_slave);
    if (m_master >= 0) close(m_master);
  }
  bool ready() const { return m_echo > 0; }
  bool RoundTrip() {
    uint8_t byte = 0x5A;
    return write(m_slave, &byte, 1) == 1 && read(m_slave, &byte, 1) == 1;
  }

 private:
  int m_master = -1;
  int m_slave = -1;
  pid_t m_echo = -1;
};

// Record frames against the simulator and bare round trips, alternating in
// rounds so that both see the same load on the machine; one iteration is one
// round of each.
void BM_UnpacedSendFrameVsBarePty(benchmark::State& state) {
  constexpr int kRound = 500;
  DevsimLink device({});
  BarePtyEcho bare;
  if (!device.ready || !bare.ready()) {
    state.SkipWithError("the simulator or the echo did not start");
    return;
  }
  const std::vector<std::vector<uint8_t>> frames = SegmentRecords();
  size_t next = 0;
  double frameSeconds = 0;
  double bareSeconds = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    for (int i = 0; i < kRound; ++i) {
      if (!device.Send(frames[next])) {
        state.SkipWithError("a record frame was not acknowledged");
        return;
      }
      next = (next + 1) % frames.size();
    }
    frameSeconds += SecondsSince(start);
    start = Clock::now();
    for (int i = 0; i < kRound; ++i) {
      if (!bare.RoundTrip()) {
        state.SkipWithError("the echo stopped");
        return;
      }
    }
    bareSeconds += SecondsSince(start);
  }
  const double rounds = static_cast<double>(state.iterations()) * kRound;
  state.counters["frames/s"] = rounds / frameSeconds;
  state.counters["bare/s"] = rounds / bareSeconds;
  state.counters["ratio"] = bareSeconds / frameSeconds;
}
BENCHMARK(BM_UnpacedSendFrameVsBarePty)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);

// 1,000 record frames with the simulator pacing its line at 38400 baud; the
// line's own time is 21 bytes out and 1 back at 10 bits a byte for each.
void BM_PacedSendFrameRecordsAt38400(benchmark::State& state) {
  constexpr int kFrames = 1000;
  constexpr double kLineSecondsPerFrame = (21.0 + 1.0) * 10.0 / 38400.0;
  DevsimLink device({"--line-baud", "38400"});
  if (!device.ready) {
    state.SkipWithError("the simulator did not acknowledge the block ID");
    return;
  }
  const std::vector<std::vector<uint8_t>> frames = SegmentRecords();
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    for (int i = 0; i < kFrames; ++i) {
      if (!device.Send(frames[static_cast<size_t>(i)])) {
        state.SkipWithError("a record frame was not acknowledged");
        return;
      }
    }
  }
  const double seconds = SecondsSince(start) / static_cast<double>(state.iterations());
  const double lineSeconds = kLineSecondsPerFrame * kFrames;
  state.counters["line_ms/frame"] = kLineSecondsPerFrame * 1000.0;
  state.counters["ms/frame"] = seconds * 1000.0 / kFrames;
  // Measured time over the line's time: 1.000 is the line itself.
  state.counters["x_line"] = seconds / lineSeconds;

  // What the pseudo-terminal itself adds to every paced frame: both ends have
  // slept for a frame's line time, and waking from that costs far more than
  // the back-to-back round trip of the unpaced benchmark (median of 200).
  BarePtyEcho bare;
  std::vector<double> idleRoundTrips;
  for (int i = 0; i < 200 && bare.ready(); ++i) {
    std::this_thread::sleep_for(std::chrono::duration<double>(kLineSecondsPerFrame));
    const Clock::time_point sent = Clock::now();
    if (!bare.RoundTrip()) break;
    idleRoundTrips.push_back(SecondsSince(sent));
  }
  if (!idleRoundTrips.empty()) {
    std::nth_element(idleRoundTrips.begin(), idleRoundTrips.begin() + idleRoundTrips.size() / 2, idleRoundTrips.end());
    state.counters["idle_rt_us"] = idleRoundTrips[idleRoundTrips.size() / 2] * 1e6;
  }
}
BENCHMARK(BM_PacedSendFrameRecordsAt38400)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
