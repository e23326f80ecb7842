#include "gui/paint_throttle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace gui {

namespace {
constexpr qint64 kPaintIntervalMs = 16;
}  // namespace

PaintThrottle::PaintThrottle(QWidget& window) : QObject(&window), m_window(window) {
  m_deferred.setSingleShot(true);
  QObject::connect(&m_deferred, &QTimer::timeout, this, [this] {
    QCoreApplication::postEvent(&m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
  });
  window.installEventFilter(this);
}

bool PaintThrottle::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &m_window || event->type() != QEvent::UpdateRequest) return false;
  if (!m_sincePaint.isValid() || m_sincePaint.elapsed() >= kPaintIntervalMs) {
    m_sincePaint.start();
    return false;
  }
  // Held back: the region stays dirty and is painted when the interval is over.
  if (!m_deferred.isActive()) m_deferred.start(static_cast<int>(kPaintIntervalMs - m_sincePaint.elapsed()));
  return true;
}

}  // namespace gui
