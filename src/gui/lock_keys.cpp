#include "gui/lock_keys.h"

#include <QGuiApplication>

#ifdef TALVEX_GUI_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace gui {

namespace {
// The indicators change only at the operator's hand; the idle update asks far more often.
constexpr qint64 kRereadAfterMs = 100;
}  // namespace

#ifdef TALVEX_GUI_X11
struct LockKeyReader::Indicators {
  Display* display = nullptr;
  int caps = -1;
  int num = -1;
  int scroll = -1;
};

namespace {
int IndicatorIndex(Display* display, const char* name) {
  int index = -1;
  Bool on = False;
  const Atom atom = XInternAtom(display, name, False);
  if (XkbGetNamedIndicator(display, atom, &index, &on, nullptr, nullptr) == False) return -1;
  return index;
}
}  // namespace

LockKeyReader::LockKeyReader() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  m_pIndicators = new Indicators{display, IndicatorIndex(display, "Caps Lock"), IndicatorIndex(display, "Num Lock"),
                                 IndicatorIndex(display, "Scroll Lock")};
}

LockKeyReader::~LockKeyReader() {
  if (m_pIndicators == nullptr) return;
  XCloseDisplay(m_pIndicators->display);
  delete m_pIndicators;
}

platform::LockKeys LockKeyReader::Read() {
  if (m_pIndicators == nullptr) return {};
  if (m_sinceRead.isValid() && m_sinceRead.elapsed() < kRereadAfterMs) return m_last;
  m_sinceRead.start();
  unsigned int state = 0;
  if (XkbGetIndicatorState(m_pIndicators->display, XkbUseCoreKbd, &state) != Success) return m_last = {};
  const auto lit = [state](int index) { return index >= 0 && (state & (1u << index)) != 0; };
  m_last = {lit(m_pIndicators->caps), lit(m_pIndicators->num), lit(m_pIndicators->scroll)};
  return m_last;
}
#else
struct LockKeyReader::Indicators {};
LockKeyReader::LockKeyReader() = default;
LockKeyReader::~LockKeyReader() = default;
platform::LockKeys LockKeyReader::Read() { return {}; }
#endif

}  // namespace gui
