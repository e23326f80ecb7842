#include "image.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace devsim {

std::vector<std::uint8_t>& DeviceImage::segmentForWrite(std::uint8_t segment)
{
    auto& data = segments_[segment];
    if (data.empty())
        data.assign(kSegmentSize, 0x00);
    return data;
}

void DeviceImage::write(std::uint8_t segment, std::uint16_t offset, std::span<const std::uint8_t> bytes)
{
    if (offset + bytes.size() > kSegmentSize) {
        writeLinear((std::uint32_t{segment} << 16) | offset, bytes);
        return;
    }
    std::copy(bytes.begin(), bytes.end(), segmentForWrite(segment).begin() + offset);
}

void DeviceImage::writeLinear(std::uint32_t address, std::span<const std::uint8_t> bytes)
{
    for (std::uint8_t b : bytes) {
        const auto segment = static_cast<std::uint8_t>((address >> 16) & 0xFF);
        segmentForWrite(segment)[address & 0xFFFF] = b;
        address = (address + 1) & 0xFFFFFF;
    }
}

std::vector<std::uint8_t> DeviceImage::segmentIndexes() const
{
    std::vector<std::uint8_t> indexes;
    for (const auto& [index, data] : segments_)
        indexes.push_back(index);
    return indexes;
}

std::string segmentFileName(std::uint8_t segment)
{
    char name[16];
    std::snprintf(name, sizeof name, "seg_%02X.bin", segment);
    return name;
}

std::string DeviceImage::writeFiles(const std::string& directory) const
{
    for (const auto& [index, data] : segments_) {
        const std::string path = directory + "/" + segmentFileName(index);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.close();
        if (!out)
            return "cannot write " + path;
    }
    return {};
}

}  // namespace devsim
