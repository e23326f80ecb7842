#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace devsim {

// Every exchange in order; consecutive identical entries are merged into one with a
// count, so 1024 acknowledged records read "record -> FA x1024".
class ExchangeLog {
public:
    void add(const std::string& text, unsigned count = 1);
    std::vector<std::string> lines() const;
    nlohmann::json toJson() const;
    const std::string& last() const;

private:
    std::vector<std::pair<std::string, unsigned>> entries_;
};

std::string hexByte(std::uint8_t value);
std::string hexBytes(std::span<const std::uint8_t> bytes);

}  // namespace devsim
