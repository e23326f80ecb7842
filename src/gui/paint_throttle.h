#pragma once
// Repaints a window at most about 60 times a second. A worker may change the
// form thousands of times a second through the UI thread; the widgets take
// every change at once, but painting each one would cost more than the change.
// The dirty region waits and is painted whole at the next turn.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace gui {

class PaintThrottle : public QObject {
 public:
  // Watches the window's paint requests for as long as the window lives.
  explicit PaintThrottle(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& m_window;
  QElapsedTimer m_sincePaint;
  QTimer m_deferred;
};

}  // namespace gui
