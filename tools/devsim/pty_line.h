#pragma once

#include <memory>
#include <string>

#include "device.h"

namespace devsim {

// The master side of a pseudo-terminal, with one slave descriptor held open so that the
// master never reports a hang-up while the tool has the slave closed (between runs, or
// before it first opens it).
class PtyLine {
public:
    static std::unique_ptr<PtyLine> open(std::string& error);
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    // The slave's settings as the tool last set them (tcgetattr on the master reads them).
    LineSettings lineSettings() const;
    // As an unplugged adapter: the tool's descriptor sees the hang-up at once.
    void close();
    // Waits (at most the given time) until the tool has read what was written to it,
    // since closing the master discards what it has not read yet.
    void waitUntilRead(int milliseconds) const;

private:
    PtyLine() = default;
    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
};

unsigned baudFromSpeed(unsigned speed);

}  // namespace devsim
