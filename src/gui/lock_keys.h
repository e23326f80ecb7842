#pragma once
// Caps Lock, Num Lock and Scroll Lock as the X server's keyboard indicators
// show them; all off on a platform without them (offscreen, Wayland).

#include <QElapsedTimer>

#include "platform/window/frame_window.h"

namespace gui {

class LockKeyReader {
 public:
  LockKeyReader();
  ~LockKeyReader();
  LockKeyReader(const LockKeyReader&) = delete;
  LockKeyReader& operator=(const LockKeyReader&) = delete;

  // Asked for each of the three panes at every idle update: one query serves them all.
  platform::LockKeys Read();

 private:
  struct Indicators;
  Indicators* m_pIndicators = nullptr;
  platform::LockKeys m_last;
  QElapsedTimer m_sinceRead;
};

}  // namespace gui
