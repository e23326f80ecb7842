#include "platform/app/headless_host.h"

#include <algorithm>

#include "platform/window/window.h"

namespace platform {

namespace {
const char* ButtonsName(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return "OK";
    case Buttons::OkCancel: return "OK/Cancel";
    case Buttons::YesNo: return "Yes/No";
  }
  return "?";
}

Answer SafestAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
  }
  return Answer::Ok;
}
}  // namespace

HeadlessHost::HeadlessHost() : m_uiThread(std::this_thread::get_id()) {}

HeadlessHost::~HeadlessHost() {
  if (GetHost() == this) SetHost(nullptr);
}

void HeadlessHost::ExpectMessageBox(std::string text, Answer answer) {
  std::lock_guard lock(m_mutex);
  m_expectedBoxes.emplace_back(std::move(text), answer);
}

void HeadlessHost::SetDefaultAnswer(std::function<Answer(const MessageBoxRequest&)> policy) {
  std::lock_guard lock(m_mutex);
  m_defaultAnswer = std::move(policy);
}

void HeadlessHost::ExpectModal(int templateId, std::function<void(Window&)> script) {
  m_expectedModals.emplace_back(templateId, std::move(script));
}

void HeadlessHost::ExpectFileDialog(std::optional<std::string> path) { m_expectedFiles.push_back(std::move(path)); }

void HeadlessHost::ExpectPopupMenu(int command) { m_expectedPopups.push_back(command); }

void HeadlessHost::SetFailureHandler(std::function<void(const std::string&)> handler) {
  std::lock_guard lock(m_mutex);
  m_onFailure = std::move(handler);
}

void HeadlessHost::Fail(const std::string& message) {
  std::function<void(const std::string&)> handler;
  {
    std::lock_guard lock(m_mutex);
    m_failures.push_back(message);
    handler = m_onFailure;
  }
  if (handler) handler(message);
}

std::vector<HeadlessHost::RecordedBox> HeadlessHost::Boxes() const {
  std::lock_guard lock(m_mutex);
  return m_boxes;
}

void HeadlessHost::ClearBoxes() {
  std::lock_guard lock(m_mutex);
  m_boxes.clear();
}

std::vector<std::string> HeadlessHost::Failures() const {
  std::lock_guard lock(m_mutex);
  return m_failures;
}

std::vector<std::string> HeadlessHost::Leftovers() const {
  std::vector<std::string> left;
  std::lock_guard lock(m_mutex);
  for (const auto& [text, answer] : m_expectedBoxes) left.push_back("message box never shown: " + text);
  for (const auto& [id, script] : m_expectedModals) left.push_back("dialog never shown: " + std::to_string(id));
  if (!m_expectedFiles.empty()) left.push_back("file dialog never shown");
  if (!m_expectedPopups.empty()) left.push_back("pop-up menu never shown");
  return left;
}

Answer HeadlessHost::ShowMessageBox(const MessageBoxRequest& request) {
  std::string failure;
  Answer answer = SafestAnswer(request.buttons);
  {
    std::lock_guard lock(m_mutex);
    bool expected = false;
    if (!m_expectedBoxes.empty() && m_expectedBoxes.front().first == request.text) {
      answer = m_expectedBoxes.front().second;
      m_expectedBoxes.pop_front();
      expected = true;
    } else if (m_defaultAnswer) {
      answer = m_defaultAnswer(request);
      expected = true;
    } else {
      failure = "unexpected message box (" + std::string(ButtonsName(request.buttons)) + "): " + request.text;
      if (!m_expectedBoxes.empty()) failure += "\n  expected: " + m_expectedBoxes.front().first;
    }
    m_boxes.push_back({request, answer, expected});
  }
  if (!failure.empty()) Fail(failure);
  return answer;
}

bool HeadlessHost::RunOneTask(std::unique_lock<std::mutex>& lock) {
  if (m_queue.empty()) return false;
  Task* task = m_queue.front();
  m_queue.pop_front();
  lock.unlock();
  task->fn();
  lock.lock();
  task->done = true;
  m_changed.notify_all();
  return true;
}

void HeadlessHost::CallOnUiThread(const std::function<void()>& fn) {
  if (IsUiThread()) {
    fn();
    return;
  }
  if (m_bForeignInline) {
    std::lock_guard inlineLock(m_inlineMutex);
    fn();
    return;
  }
  Task task{fn, false};
  std::unique_lock lock(m_mutex);
  m_queue.push_back(&task);
  m_changed.notify_all();
  m_changed.wait(lock, [&] { return task.done; });
}

void HeadlessHost::ProcessPendingCalls() {
  std::unique_lock lock(m_mutex);
  while (RunOneTask(lock)) {
  }
}

void HeadlessHost::RunUntil(const std::function<bool()>& done) {
  std::unique_lock lock(m_mutex);
  for (;;) {
    lock.unlock();
    const bool finished = done();
    lock.lock();
    if (finished) return;
    if (!RunOneTask(lock)) m_changed.wait(lock, [&] { return !m_queue.empty() || m_quitCode.has_value(); });
    if (m_quitCode && m_queue.empty()) {
      lock.unlock();
      if (!done()) Fail("message loop ended before the awaited state");
      return;
    }
  }
}

void HeadlessHost::PumpEvents() {
  ++m_nPumps;
  ProcessPendingCalls();
}

void HeadlessHost::EndWaitCursor() {
  if (m_nWaitCursor == 0) {
    Fail("wait cursor ended more often than begun");
    return;
  }
  --m_nWaitCursor;
}

void HeadlessHost::RealiseWindow(Window& window) {
  if (std::find(m_windows.begin(), m_windows.end(), &window) == m_windows.end()) m_windows.push_back(&window);
}

void HeadlessHost::DestroyWindow(Window& window) {
  m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), &window), m_windows.end());
}

void HeadlessHost::RunModal(Window& window) {
  const int id = window.Template().id;
  const auto it = std::find_if(m_expectedModals.begin(), m_expectedModals.end(),
                               [id](const auto& entry) { return entry.first == id; });
  if (it == m_expectedModals.end()) {
    Fail("unexpected dialog " + std::to_string(id));
    window.EndDialog(kIdCancel);
    return;
  }
  const auto script = it->second;
  m_expectedModals.erase(it);
  m_windows.push_back(&window);
  script(window);
  if (!window.IsModalEnded()) {
    Fail("dialog " + std::to_string(id) + " left open by its script");
    window.EndDialog(kIdCancel);
  }
}

void HeadlessHost::EndModal(Window&) {}

void HeadlessHost::DestroyFrame(FrameWindow& frame) {
  if (m_pFrame == &frame) m_pFrame = nullptr;
}

int HeadlessHost::TrackPopupMenu(const MenuResource& menu, Point screen, FrameWindow&) {
  m_popupMenus.push_back(menu.id);
  m_popupPositions.push_back(screen);
  if (m_expectedPopups.empty()) return 0;
  const int command = m_expectedPopups.front();
  m_expectedPopups.pop_front();
  return command;
}

std::optional<std::string> HeadlessHost::ChooseFileToOpen(const FileFilter& filter) {
  m_fileDialogs.push_back(filter);
  if (m_expectedFiles.empty()) {
    Fail("unexpected file dialog");
    return std::nullopt;
  }
  auto path = m_expectedFiles.front();
  m_expectedFiles.pop_front();
  return path;
}

int HeadlessHost::RunMessageLoop() {
  RunUntil([this] {
    std::lock_guard lock(m_mutex);
    return m_quitCode.has_value();
  });
  return m_quitCode.value_or(0);
}

void HeadlessHost::Quit(int exitCode) {
  std::lock_guard lock(m_mutex);
  m_quitCode = exitCode;
  m_changed.notify_all();
}

}  // namespace platform
