#include "text_line.h"

namespace devsim {
namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool hexBytes(std::string_view text, std::vector<std::uint8_t>& out)
{
    if (text.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = hexValue(text[i]);
        const int lo = hexValue(text[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return true;
}

}  // namespace

TextLineResult parseTextLine(std::string_view line)
{
    TextLineResult result;
    std::vector<std::uint8_t> bytes;
    if (line.empty() || line[0] != ':' || !hexBytes(line.substr(1), bytes) || bytes.size() < 5
        || bytes.size() != std::size_t{bytes[0]} + 5) {
        result.problem = "format";
        return result;
    }
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    if ((sum & 0xFF) != 0) {
        result.problem = "checksum";
        return result;
    }
    TextRecord record;
    record.length = bytes[0];
    record.offset = static_cast<std::uint16_t>((bytes[1] << 8) | bytes[2]);
    record.type = bytes[3];
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    result.record = std::move(record);
    return result;
}

void TextLoader::apply(const TextRecord& record)
{
    if (record.data.size() != 2)
        return;
    const std::uint32_t value = (std::uint32_t{record.data[0]} << 8) | record.data[1];
    if (record.type == 0x04)
        base_ = (value << 16) & 0xFFFFFF;
    else if (record.type == 0x02)
        base_ = (value << 4) & 0xFFFFFF;
}

}  // namespace devsim
