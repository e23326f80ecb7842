#include "gui/qt_host.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>
#include <QTimer>

#include "gui/frame_view.h"
#include "gui/menus.h"
#include "gui/message_box.h"
#include "gui/window_view.h"
#include "platform/window/window.h"

namespace gui {

namespace {
// Long operations ask to pump at every step; the window repaints at about this pace.
constexpr qint64 kDefaultPumpIntervalMs = 15;

QString FromModel(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

QtHost::QtHost() : m_nPumpIntervalMs(kDefaultPumpIntervalMs) {}

QtHost::~QtHost() {
  if (platform::GetHost() == this) platform::SetHost(nullptr);
  while (m_nWaitCursor > 0) EndWaitCursor();
}

bool QtHost::IsUiThread() const { return QThread::currentThread() == thread(); }

void QtHost::CallOnUiThread(const std::function<void()>& fn) {
  if (IsUiThread()) {
    fn();
    return;
  }
  QMetaObject::invokeMethod(
      this,
      [this, &fn] {
        ++m_nForeignCallDepth;
        fn();
        --m_nForeignCallDepth;
      },
      Qt::BlockingQueuedConnection);
}

void QtHost::PumpEvents() {
  if (!IsUiThread() || m_nForeignCallDepth > 0 || m_nPumpDepth > 0) return;
  if (m_sincePump.isValid() && m_sincePump.elapsed() < m_nPumpIntervalMs) return;
  ++m_nPumpDepth;
  m_gate.Hold();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  m_gate.Release();
  --m_nPumpDepth;
  m_sincePump.start();
}

void QtHost::BeginWaitCursor() {
  if (!IsUiThread()) return CallOnUiThread([this] { BeginWaitCursor(); });
  if (m_nWaitCursor++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtHost::EndWaitCursor() {
  if (!IsUiThread()) return CallOnUiThread([this] { EndWaitCursor(); });
  if (m_nWaitCursor == 0) return;
  if (--m_nWaitCursor == 0) QApplication::restoreOverrideCursor();
}

platform::Answer QtHost::ShowMessageBox(const platform::MessageBoxRequest& request) {
  if (IsUiThread()) return ShowMessageBoxNow(request);
  // The UI thread shows the box while the asking thread waits for the answer.
  platform::Answer answer = platform::Answer::Cancel;
  CallOnUiThread([&] { answer = ShowMessageBoxNow(request); });
  return answer;
}

platform::Answer QtHost::ShowMessageBoxNow(const platform::MessageBoxRequest& request) {
  const InputGateSuspension suspension(m_gate);
  QMessageBox box(DialogParent());
  SetUpMessageBox(box, request);
  if (m_onBoxShown) {
    // Runs inside the box's own loop, once it shows.
    QTimer::singleShot(0, &box, [this, &box] {
      if (m_onBoxShown) m_onBoxShown(box);
    });
  }
  box.exec();
  return AnswerOf(box, request.buttons);
}

QWidget* QtHost::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return m_pFrameView;
}

DialogWidget* QtHost::DialogOf(const platform::Window& window) const {
  const auto it = m_dialogs.find(&window);
  return it != m_dialogs.end() ? it->second : nullptr;
}

void QtHost::RealiseWindow(platform::Window& window) {
  if (DialogOf(window) != nullptr) return;
  // A window without an owner stands on its own (the log window); otherwise it stays above its owner.
  QWidget* parent = nullptr;
  if (const platform::Window* owner = window.GetOwner()) parent = DialogOf(*owner);
  auto* dialog = new DialogWidget(window, parent, false);
  m_dialogs[&window] = dialog;
  dialog->setVisible(window.IsVisible());
}

void QtHost::DestroyWindow(platform::Window& window) {
  const auto it = m_dialogs.find(&window);
  if (it == m_dialogs.end()) {
    // The form goes before its frame: its widgets leave the frame with it.
    FormWidget* form = m_pFrameView != nullptr ? m_pFrameView->Form() : nullptr;
    if (form != nullptr && &form->View().Model() == &window) m_pFrameView->ReleaseForm();
    return;
  }
  DialogWidget* dialog = it->second;
  m_dialogs.erase(it);
  // The models go right after this call; the widgets may still be in one of their own handlers.
  dialog->View().Detach();
  dialog->hide();
  dialog->deleteLater();
}

void QtHost::RunModal(platform::Window& window) {
  const InputGateSuspension suspension(m_gate);
  auto* dialog = new DialogWidget(window, DialogParent(), true);
  m_dialogs[&window] = dialog;
  dialog->setWindowModality(Qt::ApplicationModal);
  if (!window.IsModalEnded()) dialog->exec();
}

void QtHost::EndModal(platform::Window& window) {
  if (DialogWidget* dialog = DialogOf(window)) dialog->done(window.ModalResult());
}

void QtHost::RealiseFrame(platform::FrameWindow& frame) {
  if (m_pFrameView != nullptr) return;
  m_pFrameView = new FrameView(frame);
  m_pFrameView->show();
}

void QtHost::DestroyFrame(platform::FrameWindow& frame) {
  if (m_pFrameView == nullptr || &m_pFrameView->Model() != &frame) return;
  m_pFrameView->Detach();
  m_pFrameView->hide();
  m_pFrameView->deleteLater();
  m_pFrameView = nullptr;
}

int QtHost::TrackPopupMenu(const platform::MenuResource& menu, platform::Point screen, platform::FrameWindow& owner) {
  if (menu.items.empty()) return 0;
  const InputGateSuspension suspension(m_gate);
  QMenu popup(m_pFrameView);
  // The first pop-up of the resource is the menu; its items ask the frame for their states.
  const platform::MenuItem& first = menu.items.front();
  if ((first.flags & platform::menu_flag::kPopup) != 0)
    FillMenu(popup, first.popup, owner);
  else
    FillMenu(popup, menu.items, owner);
  QAction* chosen = popup.exec(QPoint(screen.x, screen.y));
  return chosen != nullptr ? MenuCommand(chosen) : 0;
}

std::optional<std::string> QtHost::ChooseFileToOpen(const platform::FileFilter& filter) {
  const InputGateSuspension suspension(m_gate);
  // The description names its pattern, "(*.hex)", which is what the dialog filters by.
  const QString filters = FromModel(filter.description) + QStringLiteral(";;All Files (*)");
  const QString path = QFileDialog::getOpenFileName(DialogParent(), QStringLiteral("Open"), QString(), filters);
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

platform::LockKeys QtHost::QueryLockKeys() const { return m_lockKeys.Read(); }

int QtHost::RunMessageLoop() { return QApplication::exec(); }

void QtHost::Quit(int exitCode) { QCoreApplication::exit(exitCode); }

// The form draws nothing on a page: the job ends with the dialog, whatever the operator chose.
bool QtHost::ShowPrintDialog() {
  const InputGateSuspension suspension(m_gate);
  QPrinter printer;
  QPrintDialog dialog(&printer, DialogParent());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace gui
