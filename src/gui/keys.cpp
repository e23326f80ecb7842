#include "gui/keys.h"

namespace gui {

std::optional<platform::Key> KeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return static_cast<platform::Key>(key);  // Qt's codes are the upper-case ASCII ones
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    return static_cast<platform::Key>(static_cast<int>(platform::Key::F1) + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return platform::Key::Backspace;
    case Qt::Key_Delete: return platform::Key::Delete;
    case Qt::Key_Insert: return platform::Key::Insert;
    default: return std::nullopt;
  }
}

uint8_t ModifiersOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  uint8_t result = 0;
  if (modifiers & Qt::ControlModifier) result |= platform::key_mod::kCtrl;
  if (modifiers & Qt::AltModifier) result |= platform::key_mod::kAlt;
  if (modifiers & Qt::ShiftModifier) result |= platform::key_mod::kShift;
  return result;
}

}  // namespace gui
