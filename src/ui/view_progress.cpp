// The progress and cancel channel of the main form and its companions.
#include <cstdint>

#include "app/update_doc.h"
#include "platform/host.h"
#include "ui/ovupdate_view.h"

namespace {
constexpr const char* kInactivePrefix = "INACTIVE MESSAGE: ";
}

void COVUpdateView::Log(const std::string& line) { m_document.m_logView.AppendLine(line); }

void COVUpdateView::PumpDuringLongOperation() {
  platform::Host* host = platform::GetHost();
  if (host != nullptr && host->IsUiThread()) host->PumpEvents();
}

bool COVUpdateView::BeginProgress(int low, int high, std::string caption, int step) {
  return platform::OnUiThread([&] { return BeginProgressNow(low, high, caption, step); });
}

bool COVUpdateView::BeginProgressNow(int low, int high, const std::string& caption, int step) {
  if (m_progress == nullptr) return false;
  // The three controls change together; each refusal leaves the ones before it enabled.
  if (m_progress->SetEnabled(true)) return false;
  if (m_btnCancel->SetEnabled(true)) return false;
  if (m_grpStatus->SetEnabled(true)) return false;
  m_bCancel = false;
  Log(caption);
  if (platform::Host* host = platform::GetHost()) host->BeginWaitCursor();
  m_grpStatus->SetWindowText(caption);
  m_progress->SetRangePacked(static_cast<uint32_t>(high) << 16 | (static_cast<uint32_t>(low) & 0xFFFF));
  m_progress->SetPos(low);
  m_progress->SetStep(step);
  return true;
}

bool COVUpdateView::StepProgress(std::string text) {
  return platform::OnUiThread([&] { return ReportNow(text, true, 0); });
}

bool COVUpdateView::SetProgressPos(int pos, std::string text) {
  return platform::OnUiThread([&] { return ReportNow(text, false, pos); });
}

bool COVUpdateView::ReportNow(const std::string& text, bool step, int pos) {
  if (m_progress == nullptr) return false;
  if (!m_progress->IsEnabled()) {
    if (!text.empty()) {
      m_grpStatus->SetWindowText(text);
      Log(kInactivePrefix + text);
    }
    return false;
  }
  if (step)
    m_progress->StepIt();
  else
    m_progress->SetPos(pos);
  if (!text.empty()) {
    m_grpStatus->SetWindowText(text);
    Log(text);
  }
  // A run stepped on the UI thread is a long operation: keep painting and let Cancel through.
  PumpDuringLongOperation();
  return true;
}

bool COVUpdateView::EndProgress() {
  return platform::OnUiThread([&] { return EndProgressNow(); });
}

bool COVUpdateView::EndProgressNow() {
  if (m_progress == nullptr || !m_progress->IsEnabled()) return false;
  m_bCancel = false;
  if (platform::Host* host = platform::GetHost()) host->EndWaitCursor();
  m_progress->SetPos(0);
  m_progress->SetEnabled(false);
  m_btnCancel->SetEnabled(false);
  m_grpStatus->SetEnabled(false);
  return true;
}

void COVUpdateView::OnCancelProgress() {
  EndProgressNow();
  m_bCancel = true;
}

void COVUpdateView::ShowFileName(std::string name) {
  platform::OnUiThread([&] {
    if (m_lblFileName == nullptr) return;
    m_lblFileName->SetWindowText(name);
    m_lblFileName->SetEnabled(true);
  });
}

void COVUpdateView::EnableFileButtons(bool enable) {
  platform::OnUiThread([&] {
    if (m_btnViewMemory == nullptr) return;
    m_btnViewMemory->SetEnabled(enable);
    m_btnViewRecords->SetEnabled(enable);
    m_btnTestHex->SetEnabled(enable);
  });
}

void COVUpdateView::EnableUpdateButtons(bool enable) {
  platform::OnUiThread([&] { EnableUpdateButtonsNow(enable); });
}

void COVUpdateView::EnableUpdateButtonsNow(bool enable) {
  if (m_btnUpdateConsole == nullptr) return;
  m_btnUpdateConsole->SetEnabled(enable);
  m_btnUpdateDevice->SetWindowText(m_document.DeviceDisplayName(m_document.m_szFileDeviceType));
  m_btnUpdateDevice->SetEnabled(enable);
  m_btnUpdateMatrix->SetEnabled(enable);
  m_btnSendUnformatted->SetEnabled(enable);
  m_btnCheckDevice->SetEnabled(enable);
}

void COVUpdateView::EnableActivatePort(bool enable) {
  platform::OnUiThread([&] {
    if (m_btnActivatePort != nullptr) m_btnActivatePort->SetEnabled(enable);
  });
}

void COVUpdateView::EnableLoadHex(bool enable) {
  platform::OnUiThread([&] {
    if (m_btnLoadHex != nullptr) m_btnLoadHex->SetEnabled(enable);
  });
}

// From the worker there is nothing to do: the UI thread is free and paints by itself.
void COVUpdateView::Refresh() { PumpDuringLongOperation(); }
