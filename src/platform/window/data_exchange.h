#pragma once
// Data exchange between a window's controls and its members, with the
// standard validations. A failed validation shows its message box and stops
// the exchange (UpdateData returns false); LastControl names the culprit.

#include <string>

#include "platform/window/control.h"

namespace platform {

class Window;

class DataExchange {
 public:
  DataExchange(Window& window, bool saveAndValidate) : m_window(window), m_bSaveAndValidate(saveAndValidate) {}
  Window& GetWindow() const { return m_window; }
  bool IsSaving() const { return m_bSaveAndValidate; }
  bool Failed() const { return m_bFailed; }
  // The control the next validation refers to.
  int LastControl() const { return m_nLastControl; }
  void SetLastControl(int id) { m_nLastControl = id; }
  // Shows message (warning, OK) unless the exchange already failed, and marks it failed.
  void Fail(const std::string& message);

 private:
  Window& m_window;
  bool m_bSaveAndValidate;
  bool m_bFailed = false;
  int m_nLastControl = 0;
};

// Binds a member pointer to the control of that id and kind (null when it has none).
template <class T>
void DDX_Control(DataExchange& dx, int id, T*& member);

void DDX_Text(DataExchange& dx, int id, std::string& value);
// Decimal integer; a text that is no integer fails with "Enter a whole number.".
void DDX_Text(DataExchange& dx, int id, int& value);
// The selected index of a combo box (-1 for none).
void DDX_CBIndex(DataExchange& dx, int id, int& index);
void DDX_Check(DataExchange& dx, int id, int& state);

// Fails with "Enter a whole number from <min> to <max>.".
void DDV_MinMaxInt(DataExchange& dx, int value, int min, int max);
// Limits the edit when loading; fails with "Enter no more than <n> characters." when saving.
void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxChars);

Control* FindControlForExchange(DataExchange& dx, int id);

template <class T>
void DDX_Control(DataExchange& dx, int id, T*& member) {
  member = dynamic_cast<T*>(FindControlForExchange(dx, id));
}

}  // namespace platform
