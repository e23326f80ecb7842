#pragma once
// The widgets of one window: a widget per control on a surface (the form's
// widget inside the frame, or a dialog), placed at the template's dialog-unit
// geometry, kept in step with the models as the window reports changes, and
// asking the window for tool tips. The surfaces forward the window's own input
// (close box, resizing, context menu) to it.

#include <QDialog>
#include <QObject>
#include <QSize>
#include <QWidget>
#include <unordered_map>

#include "gui/dialog_units.h"
#include "platform/window/window.h"

namespace gui {

class WindowView : public QObject, public platform::WindowObserver {
 public:
  WindowView(platform::Window& window, QWidget& surface);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  platform::Window& Model() const { return m_window; }
  QWidget& Surface() const { return m_surface; }
  const DialogUnits& Units() const { return m_units; }
  // The template's client size in pixels.
  QSize ClientSize() const;
  QWidget* WidgetFor(int controlId) const;
  QWidget* WidgetFor(const platform::Control& control) const;
  // Stops observing the window and cuts the widgets from their models, which are about to go.
  void Detach();
  bool IsDetached() const { return m_bDetached; }

  void OnControlChanged(platform::Control& control, platform::ControlChange change) override;
  void OnWindowChanged(platform::Window& window, platform::WindowChange change) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place(platform::Control& control, QWidget* widget);
  void ResyncLater(int controlId);

  platform::Window& m_window;
  QWidget& m_surface;
  DialogUnits m_units;
  std::unordered_map<const platform::Control*, QWidget*> m_widgets;
  bool m_bDetached = false;
};

// The main form inside the frame.
class FormWidget : public QWidget {
 public:
  FormWidget(platform::Window& window, QWidget* parent);
  WindowView& View() { return m_view; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Enter presses the focused push button, or else the form's default button, as in a dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  WindowView m_view;
};

// A modeless or modal window of its own.
class DialogWidget : public QDialog {
 public:
  DialogWidget(platform::Window& window, QWidget* parent, bool modal);
  WindowView& View() { return m_view; }
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  WindowView m_view;
  QSize m_lastReported;
};

}  // namespace gui
