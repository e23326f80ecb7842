#include "platform/window/control.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/window/window.h"

namespace platform {

Control::Control(Window& owner, const ControlTemplate& source)
    : m_strText(source.text),
      m_owner(owner),
      m_nId(source.id),
      m_kind(source.kind),
      m_nStyle(source.style),
      m_dialogRect(source.rect),
      m_bEnabled((source.style & style::kDisabled) == 0),
      m_bVisible((source.style & style::kHidden) == 0) {}

bool Control::SetEnabled(bool enable) {
  const bool was = m_bEnabled;
  if (was != enable) {
    m_bEnabled = enable;
    Changed(ControlChange::Enabled);
  }
  return was;
}

void Control::TakeTypedText(const std::string& text, size_t limit) {
  std::string typed = text;
  if (limit != 0 && typed.size() > limit) typed.resize(limit);
  if (typed == m_strText) return;
  m_strText = typed;
  Changed(ControlChange::Text);
  Notify(Notification::EditChange);
}

void Control::ShowWindow(bool show) {
  if (m_bVisible == show) return;
  m_bVisible = show;
  Changed(ControlChange::Visible);
}

void Control::SetWindowText(const std::string& text) {
  if (m_strText == text) return;
  m_strText = text;
  Changed(ControlChange::Text);
}

void Control::MoveWindow(const Rect& pixels) {
  m_pixelRect = pixels;
  Changed(ControlChange::Geometry);
}

void Control::Changed(ControlChange change) { m_owner.ControlChanged(*this, change); }

void Control::Notify(Notification notification) { m_owner.DispatchNotify(*this, notification); }

void PushButton::UserClick() {
  if (IsEnabled() && IsVisible()) Notify(Notification::Clicked);
}

// ---- Edit

Edit::Edit(Window& owner, const ControlTemplate& source)
    : Control(owner, source), m_bReadOnly((source.style & style::kReadOnly) != 0) {}

void Edit::LimitText(size_t maxChars) {
  m_nLimit = maxChars;
  Changed(ControlChange::Limit);
}

void Edit::SetReadOnly(bool readOnly) {
  if (m_bReadOnly == readOnly) return;
  m_bReadOnly = readOnly;
  Changed(ControlChange::ReadOnly);
}

int Edit::GetLineCount() const {
  int breaks = 0;
  for (size_t i = m_strText.find("\r\n"); i != std::string::npos; i = m_strText.find("\r\n", i + 2)) ++breaks;
  return breaks + 1;
}

void Edit::AppendText(const std::string& text) {
  if (text.empty()) return;
  m_strText += text;
  Changed(ControlChange::Text);
}

void Edit::UserSetText(const std::string& text) {
  if (m_bReadOnly || !IsEnabled()) return;
  TakeTypedText(text, m_nLimit);
}

// ---- ComboBox

namespace {
int CompareNoCase(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
}  // namespace

ComboBox::ComboBox(Window& owner, const ControlTemplate& source) : Control(owner, source) {
  for (const char* item : source.items) AddString(item);
  if (!IsEditable()) m_strText.clear();
}

std::string ComboBox::GetLBText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return m_items[static_cast<size_t>(index)];
}

int ComboBox::AddString(const std::string& text) {
  size_t at = m_items.size();
  if (IsSorted()) {
    at = static_cast<size_t>(std::upper_bound(m_items.begin(), m_items.end(), text,
                                              [](const std::string& a, const std::string& b) {
                                                return CompareNoCase(a, b) < 0;
                                              }) -
                             m_items.begin());
  }
  m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), text);
  if (m_nSelection >= static_cast<int>(at)) ++m_nSelection;
  Changed(ControlChange::Items);
  return static_cast<int>(at);
}

int ComboBox::InsertString(int index, const std::string& text) {
  if (index < -1 || index > GetCount()) return kError;
  const size_t at = index == -1 ? m_items.size() : static_cast<size_t>(index);
  m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), text);
  if (m_nSelection >= static_cast<int>(at)) ++m_nSelection;
  Changed(ControlChange::Items);
  return static_cast<int>(at);
}

int ComboBox::DeleteString(int index) {
  if (index < 0 || index >= GetCount()) return kError;
  m_items.erase(m_items.begin() + index);
  if (m_nSelection == index) {
    m_nSelection = -1;
    if (!IsEditable()) m_strText.clear();
    Changed(ControlChange::Selection);
  } else if (m_nSelection > index) {
    --m_nSelection;
  }
  Changed(ControlChange::Items);
  return GetCount();
}

void ComboBox::ResetContent() {
  m_items.clear();
  m_nSelection = -1;
  if (IsEditable()) m_strText.clear();
  Changed(ControlChange::Items);
  Changed(ControlChange::Selection);
}

int ComboBox::FindStringExact(int startAfter, const std::string& text) const {
  const int count = GetCount();
  for (int k = 1; k <= count; ++k) {
    const int i = (startAfter + k + count) % count;
    if (CompareNoCase(m_items[static_cast<size_t>(i)], text) == 0) return i;
  }
  return kError;
}

int ComboBox::SetCurSel(int index) {
  const bool valid = index >= 0 && index < GetCount();
  m_nSelection = valid ? index : -1;
  if (valid)
    m_strText = m_items[static_cast<size_t>(index)];
  else if (!IsEditable() || index != -1)
    m_strText.clear();
  Changed(ControlChange::Selection);
  Changed(ControlChange::Text);
  return valid ? index : kError;
}

void ComboBox::SetWindowText(const std::string& text) {
  if (IsEditable()) {
    std::string value = text;
    if (m_nLimit != 0 && value.size() > m_nLimit) value.resize(m_nLimit);
    Control::SetWindowText(value);
    return;
  }
  // A list shows only its entries: the text selects the matching one.
  SetCurSel(FindStringExact(-1, text));
}

std::string ComboBox::GetWindowText() const {
  if (IsEditable()) return m_strText;
  return GetLBText(m_nSelection);
}

void ComboBox::LimitText(size_t maxChars) {
  m_nLimit = maxChars;
  Changed(ControlChange::Limit);
}

void ComboBox::UserDropDown() {
  if (!IsEnabled() || m_bDroppedDown) return;
  Notify(Notification::DropDown);
  m_bDroppedDown = true;
}

void ComboBox::UserSelect(int index) {
  if (!IsEnabled() || index < 0 || index >= GetCount()) return;
  SetCurSel(index);
  Notify(Notification::SelChange);
}

void ComboBox::UserCloseUp() {
  if (!m_bDroppedDown) return;
  m_bDroppedDown = false;
  Notify(Notification::CloseUp);
}

void ComboBox::UserSetEditText(const std::string& text) {
  if (!IsEditable() || !IsEnabled()) return;
  TakeTypedText(text, m_nLimit);
}

// ---- CheckBox

void CheckBox::SetCheck(int state) {
  const int limit = IsThreeState() ? kIndeterminate : kChecked;
  const int value = std::clamp(state, kUnchecked, limit);
  if (value == m_nCheck) return;
  m_nCheck = value;
  Changed(ControlChange::Check);
}

void CheckBox::UserClick() {
  if (!IsEnabled() || !IsVisible()) return;
  if (HasStyle(style::kAuto)) SetCheck((m_nCheck + 1) % (IsThreeState() ? 3 : 2));
  Notify(Notification::Clicked);
}

// ---- ProgressBar

void ProgressBar::SetRange(uint16_t low, uint16_t high) {
  m_nLow = low;
  m_nHigh = high;
  m_nPos = std::clamp<int>(m_nPos, std::min(low, high), std::max(low, high));
  Changed(ControlChange::Range);
  Changed(ControlChange::Position);
}

int ProgressBar::SetPos(int pos) {
  const int previous = m_nPos;
  m_nPos = std::clamp<int>(pos, std::min(m_nLow, m_nHigh), std::max(m_nLow, m_nHigh));
  if (m_nPos != previous) Changed(ControlChange::Position);
  return previous;
}

int ProgressBar::SetStep(int step) {
  const int previous = m_nStep;
  m_nStep = step;
  return previous;
}

int ProgressBar::StepIt() {
  const int previous = m_nPos;
  const int64_t low = m_nLow;
  const int64_t high = m_nHigh;
  int64_t pos = static_cast<int64_t>(m_nPos) + m_nStep;
  if (high > low) {
    const int64_t span = high - low;
    if (pos > high) pos = low + (pos - low) % span;
    if (pos < low) pos = high - (low - pos) % span;
  } else {
    pos = low;
  }
  m_nPos = static_cast<int>(pos);
  if (m_nPos != previous) Changed(ControlChange::Position);
  return previous;
}

// ---- Slider

void Slider::SetRange(int min, int max) {
  m_nMin = min;
  m_nMax = max;
  m_nPos = std::clamp(m_nPos, m_nMin, std::max(m_nMin, m_nMax));
  Changed(ControlChange::Range);
  Changed(ControlChange::Position);
}

void Slider::SetPos(int pos) {
  const int value = std::clamp(pos, m_nMin, std::max(m_nMin, m_nMax));
  if (value == m_nPos) return;
  m_nPos = value;
  Changed(ControlChange::Position);
}

void Slider::SetTicFreq(int n) {
  m_nTicFreq = n;
  Changed(ControlChange::Ticks);
}

void Slider::UserScroll(ScrollCode code, int pos) {
  if (!IsEnabled()) return;
  SetPos(pos);
  Owner().DispatchScroll(*this, code, m_nPos, HasStyle(style::kVertical));
}

// ---- UpDown

UpDown::UpDown(Window& owner, const ControlTemplate& source) : Control(owner, source) {}

void UpDown::SetRange(int lower, int upper) {
  m_nLower = static_cast<int16_t>(lower);
  m_nUpper = static_cast<int16_t>(upper);
  Changed(ControlChange::Range);
}

int UpDown::SetBase(int base) {
  if (base != 10 && base != 16) return 0;
  const int previous = m_nBase;
  m_nBase = base;
  return previous;
}

void UpDown::SetPos(int pos) {
  const int lo = std::min(m_nLower, m_nUpper);
  const int hi = std::max(m_nLower, m_nUpper);
  m_nPos = std::clamp(pos, lo, hi);
  WriteBuddy();
  Changed(ControlChange::Position);
}

int UpDown::PositionFromBuddy(bool* ok) const {
  *ok = false;
  if (m_pBuddy == nullptr) return m_nPos;
  std::string text = m_pBuddy->GetWindowText();
  if (m_nBase == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
  text.erase(std::remove(text.begin(), text.end(), ','), text.end());
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value, m_nBase);
  if (text.empty() || error != std::errc() || end != last) return m_nPos;
  const int lo = std::min(m_nLower, m_nUpper);
  const int hi = std::max(m_nLower, m_nUpper);
  if (value < lo || value > hi) return m_nPos;
  *ok = true;
  return value;
}

int32_t UpDown::GetPos() const {
  if (m_pBuddy == nullptr || !HasStyle(style::kSetBuddyInt)) return m_nPos & 0xFFFF;
  bool ok = false;
  const int pos = PositionFromBuddy(&ok);
  return static_cast<int32_t>((static_cast<uint32_t>(ok ? 0 : 1) << 16) | (static_cast<uint32_t>(pos) & 0xFFFF));
}

void UpDown::WriteBuddy() {
  if (m_pBuddy == nullptr || !HasStyle(style::kSetBuddyInt)) return;
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, m_nPos, m_nBase);
  std::string text(digits, result.ptr);
  if (m_nBase == 16) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  m_pBuddy->SetWindowText(text);
}

void UpDown::UserSpin(int delta) {
  if (!IsEnabled() || delta == 0) return;
  if (m_pBuddy != nullptr && HasStyle(style::kSetBuddyInt)) {
    bool ok = false;
    m_nPos = PositionFromBuddy(&ok);
  }
  if (!Owner().DispatchDeltaPos(*this, delta)) return;
  // The arrows count towards the upper end, whichever way round the range is.
  const int direction = m_nUpper >= m_nLower ? 1 : -1;
  const int lo = std::min(m_nLower, m_nUpper);
  const int hi = std::max(m_nLower, m_nUpper);
  int pos = m_nPos + delta * direction;
  if (pos > hi) pos = Wraps() ? lo + (pos - hi - 1) % (hi - lo + 1) : hi;
  if (pos < lo) pos = Wraps() ? hi - (lo - pos - 1) % (hi - lo + 1) : lo;
  m_nPos = pos;
  WriteBuddy();
  Changed(ControlChange::Position);
  Owner().DispatchScroll(*this, ScrollCode::ThumbPosition, m_nPos, true);
  Owner().DispatchScroll(*this, ScrollCode::EndScroll, m_nPos, true);
}

// ---- ScrollBar

void ScrollBar::SetScrollRange(int min, int max) {
  m_nMin = min;
  m_nMax = max;
  m_nPos = std::clamp(m_nPos, m_nMin, std::max(m_nMin, m_nMax));
  Changed(ControlChange::Range);
}

int ScrollBar::SetScrollPos(int pos) {
  const int previous = m_nPos;
  m_nPos = std::clamp(pos, m_nMin, std::max(m_nMin, m_nMax));
  if (m_nPos != previous) Changed(ControlChange::Position);
  return previous;
}

void ScrollBar::UserScroll(ScrollCode code, int trackPos) {
  if (!IsEnabled()) return;
  Owner().DispatchScroll(*this, code, trackPos, IsVertical());
}

}  // namespace platform
