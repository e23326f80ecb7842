#include "gui/input_gate.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "gui/control_widgets.h"

namespace gui {

namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

bool WorksDuringLongOperation(QObject* watched) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  const platform::Control* control = ControlOfWidget(widget);
  return control != nullptr && control->WorksDuringLongOperation() && control->IsEnabled();
}

}  // namespace

void InputGate::Hold() {
  // Installed anew on each first hold, so that it comes before every other filter.
  if (m_nHolds++ == 0) qApp->installEventFilter(this);
}

void InputGate::Release() {
  if (m_nHolds == 0) return;
  if (--m_nHolds == 0) qApp->removeEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
  if (m_nHolds == 0 || !IsInput(event->type()) || WorksDuringLongOperation(watched)) return false;
  // A close request of a window is refused, as a click would be.
  event->ignore();
  return true;
}

InputGateSuspension::InputGateSuspension(InputGate& gate) : m_gate(gate) {
  while (m_gate.IsHolding()) {
    m_gate.Release();
    ++m_nHolds;
  }
}

InputGateSuspension::~InputGateSuspension() {
  for (; m_nHolds > 0; --m_nHolds) m_gate.Hold();
}

}  // namespace gui
