#include "platform/window/data_exchange.h"

#include <charconv>

#include "platform/host.h"
#include "platform/window/window.h"

namespace platform {

void DataExchange::Fail(const std::string& message) {
  if (m_bFailed) return;
  m_bFailed = true;
  MessageBox(message, Buttons::Ok, Icon::Warning);
}

Control* FindControlForExchange(DataExchange& dx, int id) {
  dx.SetLastControl(id);
  return dx.GetWindow().GetDlgItem(id);
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
  Control* control = FindControlForExchange(dx, id);
  if (control == nullptr || dx.Failed()) return;
  if (dx.IsSaving())
    value = control->GetWindowText();
  else
    control->SetWindowText(value);
}

void DDX_Text(DataExchange& dx, int id, int& value) {
  Control* control = FindControlForExchange(dx, id);
  if (control == nullptr || dx.Failed()) return;
  if (!dx.IsSaving()) {
    control->SetWindowText(std::to_string(value));
    return;
  }
  std::string text = control->GetWindowText();
  const size_t first = text.find_first_not_of(" \t");
  const size_t last = text.find_last_not_of(" \t");
  text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  int parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    dx.Fail("Enter a whole number.");
    return;
  }
  value = parsed;
}

void DDX_CBIndex(DataExchange& dx, int id, int& index) {
  auto* combo = dynamic_cast<ComboBox*>(FindControlForExchange(dx, id));
  if (combo == nullptr || dx.Failed()) return;
  if (dx.IsSaving())
    index = combo->GetCurSel();
  else
    combo->SetCurSel(index);
}

void DDX_Check(DataExchange& dx, int id, int& state) {
  auto* box = dynamic_cast<CheckBox*>(FindControlForExchange(dx, id));
  if (box == nullptr || dx.Failed()) return;
  if (dx.IsSaving())
    state = box->GetCheck();
  else
    box->SetCheck(state);
}

void DDV_MinMaxInt(DataExchange& dx, int value, int min, int max) {
  if (!dx.IsSaving() || dx.Failed()) return;
  if (value < min || value > max)
    dx.Fail("Enter a whole number from " + std::to_string(min) + " to " + std::to_string(max) + ".");
}

void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxChars) {
  if (dx.Failed()) return;
  Control* control = dx.GetWindow().GetDlgItem(dx.LastControl());
  if (!dx.IsSaving()) {
    if (auto* edit = dynamic_cast<Edit*>(control)) edit->LimitText(static_cast<size_t>(maxChars));
    if (auto* combo = dynamic_cast<ComboBox*>(control)) combo->LimitText(static_cast<size_t>(maxChars));
    return;
  }
  if (value.size() > static_cast<size_t>(maxChars))
    dx.Fail("Enter no more than " + std::to_string(maxChars) + " characters.");
}

}  // namespace platform
