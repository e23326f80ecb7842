#pragma once

#include <nlohmann/json.hpp>

#include "device.h"

namespace devsim {

// What the device saw and did, for tests to read after the run.
nlohmann::json buildReport(const Device& device);

}  // namespace devsim
