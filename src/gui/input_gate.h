#pragma once
// Holds back the operator's input while a long operation runs on the UI thread
// and pumps events: painting, timers and queued calls go on, and only the
// controls that work during long operations (the form's Cancel) take input.

#include <QObject>

namespace gui {

class InputGate : public QObject {
 public:
  // Nested: input flows again when every Hold has met its Release.
  void Hold();
  void Release();
  bool IsHolding() const { return m_nHolds > 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int m_nHolds = 0;
};

// Lets input through while it lives (a message box or a dialog shown in the middle of a long operation).
class InputGateSuspension {
 public:
  explicit InputGateSuspension(InputGate& gate);
  ~InputGateSuspension();
  InputGateSuspension(const InputGateSuspension&) = delete;
  InputGateSuspension& operator=(const InputGateSuspension&) = delete;

 private:
  InputGate& m_gate;
  int m_nHolds = 0;
};

}  // namespace gui
