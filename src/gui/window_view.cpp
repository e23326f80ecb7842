#include "gui/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QThread>
#include <QToolTip>

#include "gui/control_widgets.h"
#include "gui/images.h"
#include "gui/paint_throttle.h"

namespace gui {

namespace ws = platform::wstyle;
namespace st = platform::style;
using platform::Control;
using platform::ControlChange;
using platform::ControlKind;

namespace {
QString FromModel(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

WindowView::WindowView(platform::Window& window, QWidget& surface)
    : m_window(window),
      m_surface(surface),
      m_units(DialogFont(window.Template().fontName, window.Template().fontPointSize)) {
  m_surface.setFont(DialogFont(window.Template().fontName, window.Template().fontPointSize));
  // Template order: later controls lie above earlier ones (the frames come first).
  for (const auto& control : window.Controls()) {
    QWidget* widget = CreateControlWidget(*control, &m_surface);
    m_widgets.emplace(control.get(), widget);
    widget->installEventFilter(this);
  }
  for (const auto& control : window.Controls()) {
    QWidget* widget = m_widgets.at(control.get());
    SyncControlWidgetFully(*control, widget);
    Place(*control, widget);
  }
  window.SetObserver(this);
}

WindowView::~WindowView() { Detach(); }

void WindowView::Detach() {
  if (m_bDetached) return;
  m_bDetached = true;
  if (m_window.Observer() == this) m_window.SetObserver(nullptr);
  for (const auto& [control, widget] : m_widgets) {
    widget->removeEventFilter(this);
    DetachControlWidget(widget);
  }
  m_widgets.clear();
}

QSize WindowView::ClientSize() const { return m_units.ToPixels(m_window.Template().cx, m_window.Template().cy); }

QWidget* WindowView::WidgetFor(int controlId) const {
  const Control* control = m_window.GetDlgItem(controlId);
  return control != nullptr ? WidgetFor(*control) : nullptr;
}

QWidget* WindowView::WidgetFor(const Control& control) const {
  const auto it = m_widgets.find(&control);
  return it != m_widgets.end() ? it->second : nullptr;
}

void WindowView::Place(Control& control, QWidget* widget) {
  if (const auto pixels = control.PixelRect()) {
    widget->setGeometry(pixels->x, pixels->y, pixels->cx, pixels->cy);
    return;
  }
  QRect rect = m_units.ToPixels(control.DialogRect());
  if (control.Kind() == ControlKind::ComboBox) {
    // The template's height includes the dropped list.
    rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
  }
  if (control.Kind() == ControlKind::UpDown && control.HasStyle(st::kAlignRight)) {
    // Set at the right end of its buddy, which gives up that much width.
    const auto* upDown = static_cast<platform::UpDown*>(&control);
    if (QWidget* buddy = upDown->GetBuddy() != nullptr ? WidgetFor(*upDown->GetBuddy()) : nullptr) {
      const int width = rect.width() > 0 ? std::min(rect.width(), buddy->width() / 2) : 16;
      QRect around = buddy->geometry();
      buddy->setGeometry(around.adjusted(0, 0, -width, 0));
      rect = QRect(around.right() - width + 1, around.top(), width, around.height());
    }
  }
  widget->setGeometry(rect);
}

void WindowView::ResyncLater(int controlId) {
  QPointer<QObject> guard(this);
  QMetaObject::invokeMethod(
      this,
      [this, guard, controlId] {
        if (guard.isNull()) return;
        if (Control* control = m_window.GetDlgItem(controlId))
          if (QWidget* widget = WidgetFor(*control)) SyncControlWidgetFully(*control, widget);
      },
      Qt::QueuedConnection);
}

void WindowView::OnControlChanged(Control& control, ControlChange change) {
  if (QThread::currentThread() != thread()) {
    // Models belong to the UI thread; a change made elsewhere is shown from there.
    ResyncLater(control.GetDlgCtrlID());
    return;
  }
  QWidget* widget = WidgetFor(control);
  if (widget == nullptr) return;
  if (change == ControlChange::Geometry)
    Place(control, widget);
  else
    SyncControlWidget(control, widget, change);
}

void WindowView::OnWindowChanged(platform::Window& window, platform::WindowChange change) {
  switch (change) {
    case platform::WindowChange::Caption:
      if (m_surface.isWindow()) m_surface.setWindowTitle(FromModel(window.GetWindowText()));
      break;
    case platform::WindowChange::Visible:
      if (m_surface.isWindow()) m_surface.setVisible(window.IsVisible());
      break;
    case platform::WindowChange::ToolTips:
      if (!window.ToolTipsEnabled()) QToolTip::hideText();
      break;
    case platform::WindowChange::Destroyed: break;
  }
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  const Control* control = widget != nullptr ? ControlOfWidget(widget) : nullptr;
  const auto tip = control != nullptr && !m_bDetached ? m_window.ToolTipText(control->GetDlgCtrlID()) : std::nullopt;
  if (tip && !tip->empty())
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), FromModel(*tip), widget);
  else
    QToolTip::hideText();
  return true;
}

// ---- surfaces

FormWidget::FormWidget(platform::Window& window, QWidget* parent) : QWidget(parent), m_view(window, *this) {
  setAutoFillBackground(true);
  setFixedSize(m_view.ClientSize());
}

void FormWidget::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (m_view.IsDetached()) return;
  m_view.Model().UserContextMenu({event->globalPos().x(), event->globalPos().y()});
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || event->modifiers() != Qt::NoModifier || m_view.IsDetached()) {
    QWidget::keyPressEvent(event);
    return;
  }
  // The form's own focus: the window need not be the active one.
  auto* focused = dynamic_cast<platform::PushButton*>(ControlOfWidget(focusWidget()));
  platform::PushButton* target = focused;
  for (const auto& control : m_view.Model().Controls()) {
    if (target != nullptr) break;
    auto* button = dynamic_cast<platform::PushButton*>(control.get());
    if (button != nullptr && button->IsDefault()) target = button;
  }
  event->accept();
  // The button refuses the click itself when it is disabled or hidden.
  if (target != nullptr) target->UserClick();
}

DialogWidget::DialogWidget(platform::Window& window, QWidget* parent, bool modal)
    : QDialog(parent), m_view(window, *this) {
  const uint32_t style = window.Template().style;
  setWindowTitle(FromModel(window.GetWindowText()));
  setWindowIcon(ProgramIcon(0));
  new PaintThrottle(*this);
  setModal(modal);
  setSizeGripEnabled(false);
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if ((style & ws::kCaption) != 0) flags |= Qt::WindowTitleHint;
  if ((style & ws::kSysMenu) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if ((style & ws::kSizingBorder) != 0) flags |= Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  if ((style & ws::kSizingBorder) != 0)
    resize(m_view.ClientSize());
  else
    setFixedSize(m_view.ClientSize());
  m_lastReported = m_view.ClientSize();
}

// Escape is the Cancel button's command, as the close box is the window's close.
void DialogWidget::reject() {
  if (!m_view.IsDetached()) m_view.Model().UserClose();
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!m_view.IsDetached()) m_view.Model().UserClose();
}

void DialogWidget::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The first size is the template's: the controls keep their places until the window really changes size.
  if (size() == m_lastReported || m_view.IsDetached()) return;
  m_lastReported = size();
  m_view.Model().UserResize(width(), height());
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (m_view.IsDetached()) return;
  m_view.Model().UserContextMenu({event->globalPos().x(), event->globalPos().y()});
}

}  // namespace gui
