#include "cli/console_form.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kBarWidth = 30;
}

bool ConsoleForm::BeginProgress(int low, int high, std::string caption, int step) {
  if (m_bActive) return false;
  m_bActive = true;
  m_bCancel = false;
  m_nLow = low;
  m_nHigh = high;
  m_nPos = low;
  m_nStep = step;
  m_strCaption = std::move(caption);
  m_nDrawnPercent = -1;
  Draw(true);
  return true;
}

bool ConsoleForm::StepProgress(std::string text) {
  if (!m_bActive) return false;
  m_nPos += m_nStep;
  if (!text.empty()) m_strCaption = std::move(text);
  Draw(false);
  return true;
}

bool ConsoleForm::SetProgressPos(int pos, std::string text) {
  if (!m_bActive) return false;
  m_nPos = pos;
  if (!text.empty()) m_strCaption = std::move(text);
  Draw(false);
  return true;
}

bool ConsoleForm::EndProgress() {
  if (!m_bActive) return false;
  m_bCancel = false;
  m_bActive = false;
  if (m_bDraw) {
    m_stream << "\r\033[K" << std::flush;
  }
  return true;
}

void ConsoleForm::Draw(bool force) {
  if (!m_bDraw) return;
  const long long range = std::max(1LL, m_nHigh - m_nLow);
  const long long done = std::clamp(m_nPos - m_nLow, 0LL, range);
  const int percent = static_cast<int>(done * 100 / range);
  if (!force && percent == m_nDrawnPercent) return;
  m_nDrawnPercent = percent;
  const int filled = percent * kBarWidth / 100;
  char figure[8];
  std::snprintf(figure, sizeof figure, "%3d%%", percent);
  m_stream << "\r" << m_strCaption << " [" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] "
           << figure << std::flush;
}
