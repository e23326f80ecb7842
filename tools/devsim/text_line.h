#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace devsim {

// One record of the unformatted send: ":LLAAAATT<data>CC", either letter case.
struct TextRecord {
    std::uint8_t length = 0;
    std::uint16_t offset = 0;
    std::uint8_t type = 0;
    std::vector<std::uint8_t> data;
};

struct TextLineResult {
    std::optional<TextRecord> record;  // set when the line is well formed and its sum is right
    std::string problem;               // "format" or "checksum" otherwise
};

// The line without its line end; it starts with ':'.
TextLineResult parseTextLine(std::string_view line);

// Tracks the address records (types 02 and 04) across lines and places data records.
class TextLoader {
public:
    // Linear address of a data record's first byte.
    std::uint32_t dataAddress(const TextRecord& record) const { return base_ + record.offset; }
    void apply(const TextRecord& record);

private:
    std::uint32_t base_ = 0;
};

}  // namespace devsim
