#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "frames.h"

namespace devsim_test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The simulator program, started with a pipe on its standard output.
class Simulator {
public:
    explicit Simulator(std::vector<std::string> args)
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv;
            std::string program = DEVSIM_PROGRAM;
            argv.push_back(program.data());
            for (auto& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        stdout_ = out[0];
        std::string line;
        char c = 0;
        while (waitReadable(stdout_, 5000) && read(stdout_, &c, 1) == 1 && c != '\n')
            line.push_back(c);
        if (line.rfind("PTY ", 0) == 0)
            pty_ = line.substr(4);
    }

    ~Simulator()
    {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (stdout_ >= 0)
            close(stdout_);
    }

    const std::string& pty() const { return pty_; }
    pid_t pid() const { return pid_; }

    // The exit status, or -1 when the program is still running after the time-out. Its
    // standard output closes when it exits.
    int waitExit(int milliseconds)
    {
        char c;
        ssize_t got = 1;
        while (got > 0 && waitReadable(stdout_, milliseconds))
            got = read(stdout_, &c, 1);
        int status = 0;
        if (got != 0 || waitpid(pid_, &status, 0) != pid_)
            return -1;
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    static bool waitReadable(int fd, int milliseconds)
    {
        pollfd p{fd, POLLIN, 0};
        return poll(&p, 1, milliseconds) > 0;
    }

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    bool exited_ = false;
    std::string pty_;
};

// The tool's end of the line, as the serial layer opens it.
class Port {
public:
    Port(const std::string& path, speed_t speed, bool twoStopBits = false)
    {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios t{};
        if (fd_ < 0 || tcgetattr(fd_, &t) != 0)
            return;
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        if (twoStopBits)
            t.c_cflag |= CSTOPB;
        t.c_cc[VMIN] = 1;
        t.c_cc[VTIME] = 0;
        cfsetispeed(&t, speed);
        cfsetospeed(&t, speed);
        tcsetattr(fd_, TCSANOW, &t);
    }
    ~Port()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    void write(const Bytes& bytes) { ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }

    // Up to n bytes, returning early only when the time-out passes.
    Bytes read(std::size_t n, int milliseconds = 2000)
    {
        Bytes out;
        const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
        while (out.size() < n) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            pollfd p{fd_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0 || !(p.revents & POLLIN))
                break;
            std::uint8_t buffer[256];
            const ssize_t got = ::read(fd_, buffer, std::min(n - out.size(), sizeof buffer));
            if (got <= 0)
                break;
            out.insert(out.end(), buffer, buffer + got);
        }
        return out;
    }

private:
    int fd_ = -1;
};

class SimulatorOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/devsim_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    nlohmann::json readReport() const
    {
        std::ifstream in(dir / "report.json");
        return nlohmann::json::parse(in);
    }

    fs::path dir;
};

TEST_F(SimulatorOverPty, HandshakeAndOneBlockEndInTheImageFile)
{
    const fs::path link = dir / "port";
    Simulator sim({"--report", (dir / "report.json").string(), "--image-out", dir.string(), "--link",
                   link.string(), "--exit-after-restart", "1", "--timeout", "20"});
    ASSERT_EQ(sim.pty().rfind("/dev/pts/", 0), 0u) << sim.pty();
    EXPECT_EQ(fs::read_symlink(link), sim.pty());

    Port port(link.string(), B38400);
    ASSERT_TRUE(port.isOpen());
    port.write({0x1C});
    const Bytes packet = port.read(27);
    ASSERT_EQ(packet.size(), 27u);
    EXPECT_EQ(packet[0], 0xC4);
    EXPECT_EQ(packet[26], 0x8F);
    port.write({0xFA});

    port.write(segmentBlockId(0xFE));
    ASSERT_EQ(port.read(1), Bytes{0xFA});
    for (unsigned page = 0; page < 64; ++page) {
        for (unsigned record = 0; record < 16; ++record) {
            const unsigned offset = 0x4000 + page * 0x100 + record * 0x10;
            port.write(recordFrame(static_cast<std::uint8_t>(0x40 + page), static_cast<std::uint8_t>(record * 16), offset));
            ASSERT_EQ(port.read(1), Bytes{0xFA}) << page << " " << record;
        }
    }
    port.write(kEndOfBlock);
    EXPECT_EQ(port.read(2), (Bytes{0xFA, 0xF4}));
    port.write(kRestart);
    EXPECT_EQ(sim.waitExit(5000), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));

    std::ifstream file(dir / "seg_FE.bin", std::ios::binary);
    const Bytes image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(image.size(), 65536u);
    for (unsigned offset = 0; offset < image.size(); ++offset) {
        const bool sent = offset >= 0x4000 && offset < 0x8000;
        ASSERT_EQ(image[offset], sent ? patternByte(offset) : 0) << offset;
    }
    const auto report = readReport();
    EXPECT_EQ(report["stop"], "restarts");
    EXPECT_EQ(report["blocks"][0]["segment"], 0xFE);
    EXPECT_EQ(report["blocks"][0]["block"], 1);
    EXPECT_EQ(report["blocks"][0]["records"], 1024);
    EXPECT_EQ(report["line_settings"][0]["baud"], 38400);
}

TEST_F(SimulatorOverPty, AnswersOnlyAtTheRateItWasToldToUse)
{
    Simulator sim({"--only-baud", "9600", "--timeout", "20"});
    {
        Port fast(sim.pty(), B38400);
        fast.write({0x1C});
        EXPECT_EQ(fast.read(1, 300), Bytes{});
    }
    Port slow(sim.pty(), B9600);
    slow.write({0x1C});
    EXPECT_EQ(slow.read(27).size(), 27u);
}

TEST_F(SimulatorOverPty, HangupClosesTheLineAtOnce)
{
    Simulator sim({"--hangup-after", "1", "--report", (dir / "report.json").string(), "--timeout", "20"});
    Port port(sim.pty(), B9600);
    port.write(segmentBlockId(0xFF));
    EXPECT_EQ(port.read(1), Bytes{0xFA});
    pollfd p{port.fd(), POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 2000), 1);
    EXPECT_TRUE(p.revents & POLLHUP);
    EXPECT_EQ(sim.waitExit(5000), 0);
    EXPECT_EQ(readReport()["stop"], "hangup");
}

TEST_F(SimulatorOverPty, TerminationWritesTheReportWithTheLineSettingsSeen)
{
    Simulator sim({"--report", (dir / "report.json").string()});
    Port port(sim.pty(), B19200, true);
    port.write({0x1C});
    EXPECT_EQ(port.read(27).size(), 27u);
    kill(sim.pid(), SIGTERM);
    EXPECT_EQ(sim.waitExit(5000), 0);
    const auto report = readReport();
    EXPECT_EQ(report["stop"], "signal");
    EXPECT_EQ(report["handshakes"], 1);
    EXPECT_EQ(report["line_settings"][0]["baud"], 19200);
    EXPECT_EQ(report["line_settings"][0]["stop_bits"], 2);
}

}  // namespace
}  // namespace devsim_test
