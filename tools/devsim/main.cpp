#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sys/prctl.h>
#include <unistd.h>

#include "device.h"
#include "event_loop.h"
#include "options.h"
#include "pty_line.h"
#include "report.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onStopSignal(int) { g_stop = 1; }

bool writeReport(const std::string& path, nlohmann::json report)
{
    // Renamed into place, so a reader never sees half a report.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << report.dump(1) << '\n';
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace devsim;
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "talvexupdate-devsim: " << parsed.error << "\n(see --help)\n";
        return 2;
    }
    const Options& options = parsed.options;
    if (options.help) {
        std::cout << usageText();
        return 0;
    }

    // Stop signals stay blocked except inside ppoll, so none is lost between checks.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGHUP);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    if (options.lineBaud != 0)
        prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);  // pacing wants wake-ups on time, not 50 us late

    std::string error;
    auto line = PtyLine::open(error);
    if (!line) {
        std::cerr << "talvexupdate-devsim: " << error << '\n';
        return 1;
    }
    if (!options.link.empty()) {
        ::unlink(options.link.c_str());
        if (::symlink(line->slavePath().c_str(), options.link.c_str()) != 0) {
            std::cerr << "talvexupdate-devsim: cannot link " << options.link << '\n';
            return 1;
        }
    }
    std::printf("PTY %s\n", line->slavePath().c_str());
    std::fflush(stdout);

    DeviceConfig config = options.device;
    if (options.lineBaud != 0) {
        // A slow paced line must not look like a pause inside a frame.
        const auto threeCharacters = std::chrono::nanoseconds(30'000'000'000LL / options.lineBaud);
        config.frameGap = std::max(config.frameGap, threeCharacters);
    }
    Device device(config);
    EventLoop loop(*line, device, options, g_stop, waitMask);
    const std::string stopReason = loop.run();
    line->close();

    int status = 0;
    if (!options.imageOut.empty()) {
        const std::string imageError = device.image().writeFiles(options.imageOut);
        if (!imageError.empty()) {
            std::cerr << "talvexupdate-devsim: " << imageError << '\n';
            status = 1;
        }
    }
    if (!options.report.empty()) {
        nlohmann::json report = buildReport(device);
        report["stop"] = stopReason;
        if (!writeReport(options.report, report)) {
            std::cerr << "talvexupdate-devsim: cannot write " << options.report << '\n';
            status = 1;
        }
    }
    if (options.verbose) {
        for (const auto& entry : device.log().lines())
            std::cerr << entry << '\n';
        std::cerr << "stop: " << stopReason << '\n';
    }
    if (!options.link.empty())
        ::unlink(options.link.c_str());
    return status;
}
