#include "device_config.h"

namespace devsim {

DeviceConfig::DeviceConfig() : infoBlock(*serialBlockFromText("12345678")) {}

std::optional<std::array<std::uint8_t, 16>> serialBlockFromText(const std::string& text)
{
    std::array<std::uint8_t, 16> block{};
    if (text == "none") {
        block.fill(0xFF);
        return block;
    }
    if (text.empty() || text.size() > block.size()
        || static_cast<unsigned char>(text[0]) == 0xFF)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i)
        block[i] = static_cast<std::uint8_t>(text[i]);
    return block;
}

std::optional<std::string> serialTextFromBlock(const std::array<std::uint8_t, 16>& block)
{
    if (block[0] == 0xFF)
        return std::nullopt;
    std::string text;
    for (std::uint8_t b : block) {
        if (b == 0)
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

}  // namespace devsim
