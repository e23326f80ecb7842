#include "exchange_log.h"

#include <cstdio>

namespace devsim {

void ExchangeLog::add(const std::string& text, unsigned count)
{
    if (!entries_.empty() && entries_.back().first == text)
        entries_.back().second += count;
    else
        entries_.emplace_back(text, count);
}

std::vector<std::string> ExchangeLog::lines() const
{
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const auto& [text, count] : entries_)
        out.push_back(count == 1 ? text : text + " x" + std::to_string(count));
    return out;
}

nlohmann::json ExchangeLog::toJson() const { return lines(); }

const std::string& ExchangeLog::last() const
{
    static const std::string none;
    return entries_.empty() ? none : entries_.back().first;
}

std::string hexByte(std::uint8_t value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty())
            out.push_back(' ');
        out += hexByte(b);
    }
    return out;
}

}  // namespace devsim
