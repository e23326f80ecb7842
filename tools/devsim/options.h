#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device_config.h"

namespace devsim {

struct Options {
    DeviceConfig device;
    std::string link;
    std::string report;
    std::string imageOut;
    unsigned exitAfterRestart = 0;  // 0: do not exit on restarts
    double timeoutSeconds = 0;      // 0: no silence time-out
    unsigned lineBaud = 0;          // 0: no pacing
    bool verbose = false;
    bool help = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the arguments were good
};

ParsedOptions parseOptions(const std::vector<std::string>& args);
const char* usageText();

}  // namespace devsim
