#pragma once
// The frame's window: the menu bar, the toolbar, the status bar and the form
// as its client. It runs the frame's idle update about 30 times a second,
// translates the frame's accelerators before the focused widget sees a key,
// and passes dropped files and the close box to the frame.

#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <vector>

#include "platform/window/frame_window.h"

class QLabel;
class QToolBar;
class QScrollArea;

namespace gui {

class FormWidget;

class FrameView : public QMainWindow, public platform::FrameObserver {
 public:
  explicit FrameView(platform::FrameWindow& frame);
  ~FrameView() override;

  platform::FrameWindow& Model() const { return m_frame; }
  FormWidget* Form() const { return m_pForm; }
  QToolBar* ToolBar() const { return m_pToolBar; }
  // The status pane's label, by indicator id (0: the message pane).
  QLabel* Pane(int id) const;
  // Drops the form's widgets (its window is being destroyed).
  void ReleaseForm();
  // Stops observing the frame and its form, whose models are about to go.
  void Detach();

  void OnFrameChanged(platform::FrameWindow& frame, platform::FrameChange change) override;
  QMenu* createPopupMenu() override { return nullptr; }

  // An accelerator of the frame for this key press; true when it was one.
  bool TranslateKey(QKeyEvent* event);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  void BuildToolBar();
  void BuildStatusBar();
  void SyncToolBar();
  void SyncStatusBar();
  void FitToForm();

  platform::FrameWindow& m_frame;
  FormWidget* m_pForm = nullptr;
  QScrollArea* m_pClient = nullptr;
  QToolBar* m_pToolBar = nullptr;
  std::vector<QAction*> m_toolActions;  // one per toolbar entry, null for separators
  std::vector<QLabel*> m_panes;         // in the frame's pane order
  QTimer m_idleTimer;
  bool m_bDetached = false;
};

}  // namespace gui
