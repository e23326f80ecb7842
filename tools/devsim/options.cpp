#include "options.h"

#include <charconv>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>

namespace devsim {
namespace {

const char kUsage[] =
    "Usage: talvexupdate-devsim [options]\n"
    "Plays the device at the far end of a serial line on a pseudo-terminal. The first\n"
    "line of standard output is \"PTY /dev/pts/N\"; open that path as the serial port.\n"
    "Runs until SIGTERM or SIGINT, --exit-after-restart or --timeout.\n"
    "\n"
    "Run and output:\n"
    "  --link PATH              also make PATH a symbolic link to the pseudo-terminal\n"
    "  --report PATH            write a JSON report at exit (every kind of stop)\n"
    "  --image-out DIR          write each programmed segment as DIR/seg_XX.bin\n"
    "                           (65536 bytes, bytes never written are 0x00)\n"
    "  --exit-after-restart N   exit after the N-th restart frame\n"
    "  --timeout SECONDS        exit after this long without a received byte\n"
    "  --verbose                print the exchanges on standard error at exit\n"
    "Identity:\n"
    "  --kind 64k|short|full    0x1C answer; lead C3 with the 16-byte block; lead C4\n"
    "                           (or --lead) with block, header and parameters (default full)\n"
    "  --lead BYTE              lead byte of a full packet: C4 (default), C5, C7, C8;\n"
    "                           any other byte plays a device the tool does not know\n"
    "  --type TEXT              device type code, up to 3 characters (default QRa)\n"
    "  --hardware TEXT          hardware version, up to 2 characters (default A1)\n"
    "  --firmware TEXT          firmware version, up to 3 characters (default 4L1)\n"
    "  --aux LIST               parameters, comma-separated, up to 3 characters each\n"
    "  --serial TEXT|none       serial number, up to 16 characters (default 12345678);\n"
    "                           none sends a block of 0xFF\n"
    "Timing and line:\n"
    "  --program-delay MS       time to program a block or a serial number before 0xF4\n"
    "                           (default 10)\n"
    "  --frame-gap MS           a partial frame is dropped (answer 0xFE) after this long\n"
    "                           without a further byte (default 100)\n"
    "  --only-baud RATE         answer only while the line is set to RATE\n"
    "  --line-baud RATE         pace every byte at RATE, 10 bits a character, both ways\n"
    "Faults:\n"
    "  --fail-block K:CODE      after the K-th end-of-block answer CODE (F6, F7, F8, or\n"
    "                           none for no answer) instead of F4; may be repeated\n"
    "  --fail-serial CODE       second answer to the serial number packet (F6, F7, F8, none)\n"
    "  --nak-every N            answer every N-th frame 0xF5 (the frame is not taken)\n"
    "  --silent-after N         answer nothing at all after the N-th frame\n"
    "  --end-with-1c-at N       answer the N-th frame 0x1C\n"
    "  --bad-packet-sum-once    the first information packet carries a wrong sum\n"
    "  --hangup-after N         close the line after answering the N-th frame\n"
    "                           (0: at the first byte received)\n"
    "  --noise                  stray bytes where the tool ignores them: one in every\n"
    "                           programming wait, three after a restart frame\n"
    "\n"
    "Frames are binary records, text lines of the unformatted send (\":LLAAAATT..CC\\n\")\n"
    "count as frames too. A frame or line with a wrong checksum is answered 0xFE; a\n"
    "good line is answered 0xFA. A record frame before any block ID is refused (0xFE).\n"
    "Frames and end-of-blocks are counted from 1 over the whole run, resends included.\n"
    "A range-form block ID names a block of segment FF. Once the first 16 bytes of\n"
    "segment FE are programmed they are the device's serial number block. After a\n"
    "restart frame, a handshake answered 0xFA starts a verification pass, whose records\n"
    "are compared with the image.\n";

bool parseUnsigned(const std::string& text, unsigned& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool parseHexByte(std::string text, std::uint8_t& value)
{
    if (text.size() > 2 && (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0))
        text = text.substr(2);
    unsigned v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v, 16);
    if (ec != std::errc() || ptr != end || text.empty() || v > 0xFF)
        return false;
    value = static_cast<std::uint8_t>(v);
    return true;
}

bool parseAnswerCode(const std::string& text, AnswerCode& code)
{
    if (text == "none") {
        code = std::nullopt;
        return true;
    }
    std::uint8_t value = 0;
    if (!parseHexByte(text, value))
        return false;
    code = value;
    return true;
}

bool parseSeconds(const std::string& text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && value >= 0;
}

}  // namespace

const char* usageText() { return kUsage; }

ParsedOptions parseOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    Options& o = parsed.options;
    DeviceConfig& d = o.device;
    Faults& f = d.faults;

    using Handler = std::function<bool(const std::string&)>;
    auto count = [](std::optional<unsigned>& target) {
        return [&target](const std::string& v) {
            unsigned n = 0;
            if (!parseUnsigned(v, n))
                return false;
            target = n;
            return true;
        };
    };
    auto text = [](std::string& target, std::size_t width) {
        return [&target, width](const std::string& v) {
            if (v.empty() || v.size() > width)
                return false;
            target = v;
            return true;
        };
    };
    auto millis = [](std::chrono::nanoseconds& target) {
        return [&target](const std::string& v) {
            unsigned n = 0;
            if (!parseUnsigned(v, n))
                return false;
            target = std::chrono::milliseconds(n);
            return true;
        };
    };
    std::optional<unsigned> onlyBaud, exitAfter, lineBaud, nakEvery;

    const std::map<std::string, Handler> withValue = {
        {"--link", [&](const std::string& v) { o.link = v; return !v.empty(); }},
        {"--report", [&](const std::string& v) { o.report = v; return !v.empty(); }},
        {"--image-out", [&](const std::string& v) { o.imageOut = v; return !v.empty(); }},
        {"--exit-after-restart", count(exitAfter)},
        {"--timeout", [&](const std::string& v) { return parseSeconds(v, o.timeoutSeconds); }},
        {"--kind",
         [&](const std::string& v) {
             if (v == "64k")
                 d.kind = DeviceKind::System64k;
             else if (v == "short")
                 d.kind = DeviceKind::Short;
             else if (v == "full")
                 d.kind = DeviceKind::Full;
             else
                 return false;
             return true;
         }},
        {"--lead", [&](const std::string& v) { return parseHexByte(v, d.lead); }},
        {"--type", text(d.type, 3)},
        {"--hardware", text(d.hardware, 2)},
        {"--firmware", text(d.firmware, 3)},
        {"--aux",
         [&](const std::string& v) {
             d.aux.clear();
             if (v.empty())
                 return true;
             std::stringstream in(v);
             std::string item;
             while (std::getline(in, item, ',')) {
                 if (item.empty() || item.size() > 3)
                     return false;
                 d.aux.push_back(item);
             }
             if (v.back() == ',')
                 return false;
             return d.aux.size() <= 127;
         }},
        {"--serial",
         [&](const std::string& v) {
             auto block = serialBlockFromText(v);
             if (block)
                 d.infoBlock = *block;
             return block.has_value();
         }},
        {"--program-delay", millis(d.programDelay)},
        {"--frame-gap", millis(d.frameGap)},
        {"--only-baud", count(onlyBaud)},
        {"--line-baud", count(lineBaud)},
        {"--fail-block",
         [&](const std::string& v) {
             const auto colon = v.find(':');
             unsigned k = 0;
             AnswerCode code;
             if (colon == std::string::npos || !parseUnsigned(v.substr(0, colon), k) || k == 0
                 || !parseAnswerCode(v.substr(colon + 1), code))
                 return false;
             f.failBlocks[k] = code;
             return true;
         }},
        {"--fail-serial",
         [&](const std::string& v) {
             AnswerCode code;
             if (!parseAnswerCode(v, code))
                 return false;
             f.failSerial = code;
             return true;
         }},
        {"--nak-every", count(nakEvery)},
        {"--silent-after", count(f.silentAfter)},
        {"--end-with-1c-at", count(f.endWith1cAt)},
        {"--hangup-after", count(f.hangupAfter)},
    };
    const std::map<std::string, std::function<void()>> flags = {
        {"--bad-packet-sum-once", [&] { f.badPacketSumOnce = true; }},
        {"--noise", [&] { f.noise = true; }},
        {"--verbose", [&] { o.verbose = true; }},
        {"--help", [&] { o.help = true; }},
        {"-h", [&] { o.help = true; }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (auto flag = flags.find(name); flag != flags.end() && !value) {
            flag->second();
            continue;
        }
        auto handler = withValue.find(name);
        if (handler == withValue.end()) {
            parsed.error = "unknown option " + name;
            return parsed;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parsed.error = "missing value for " + name;
                return parsed;
            }
            value = args[++i];
        }
        if (!handler->second(*value)) {
            parsed.error = "bad value for " + name + ": " + *value;
            return parsed;
        }
    }
    if (onlyBaud) {
        if (*onlyBaud == 0) {
            parsed.error = "bad value for --only-baud: 0";
            return parsed;
        }
        d.onlyBaud = onlyBaud;
    }
    if (exitAfter)
        o.exitAfterRestart = *exitAfter;
    if (lineBaud)
        o.lineBaud = *lineBaud;
    if (nakEvery)
        f.nakEvery = *nakEvery;
    return parsed;
}

}  // namespace devsim
