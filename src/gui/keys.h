#pragma once
// Qt's keys as the window layer's virtual keys and modifiers.

#include <QKeyEvent>
#include <cstdint>
#include <optional>

#include "platform/window/resources.h"

namespace gui {

std::optional<platform::Key> KeyOf(const QKeyEvent& event);
uint8_t ModifiersOf(const QKeyEvent& event);

}  // namespace gui
