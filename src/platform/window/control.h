#pragma once
// Control models. A control belongs to its window and to the UI thread. Every
// change of state is reported to the window's observer (the backend), which
// brings its widget into step; the User... operations are what the backend
// calls for input: they change the model as the real control would and send
// the window its notification through the window's message table.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/window/geometry.h"
#include "platform/window/resources.h"

namespace platform {

class Window;

// What changed, so a backend can update only that part of its widget.
enum class ControlChange { Enabled, Visible, Text, Geometry, ReadOnly, Limit, Items, Selection, Check, Range, Position, Ticks };

enum class Notification { Clicked, DoubleClicked, SelChange, DropDown, CloseUp, EditChange, KillFocus, SetFocus };

// The scroll codes of slider, scroll bar and up-down messages.
enum class ScrollCode {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};

class Control {
 public:
  Control(Window& owner, const ControlTemplate& source);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int GetDlgCtrlID() const { return m_nId; }
  ControlKind Kind() const { return m_kind; }
  uint32_t Style() const { return m_nStyle; }
  bool HasStyle(uint32_t bits) const { return (m_nStyle & bits) == bits; }
  Window& Owner() const { return m_owner; }

  // Returns whether the control was enabled before.
  bool SetEnabled(bool enable);
  bool IsEnabled() const { return m_bEnabled; }
  void ShowWindow(bool show);
  bool IsVisible() const { return m_bVisible; }

  virtual void SetWindowText(const std::string& text);
  virtual std::string GetWindowText() const { return m_strText; }

  // Template position in dialog units.
  Rect DialogRect() const { return m_dialogRect; }
  // Set by MoveWindow; the backend then places the control in pixels instead.
  std::optional<Rect> PixelRect() const { return m_pixelRect; }
  void MoveWindow(const Rect& pixels);

  // Input the control takes while a long operation runs on the UI thread
  // (every other input is held back until it ends): the Cancel button.
  void SetWorksDuringLongOperation(bool works) { m_bWorksDuringLongOperation = works; }
  bool WorksDuringLongOperation() const { return m_bWorksDuringLongOperation; }

 protected:
  void Changed(ControlChange change);
  void Notify(Notification notification);
  // Text the user typed, cut to limit (0: none); a change is reported as an edit change.
  void TakeTypedText(const std::string& text, size_t limit);

  std::string m_strText;

 private:
  Window& m_owner;
  int m_nId;
  ControlKind m_kind;
  uint32_t m_nStyle;
  Rect m_dialogRect;
  std::optional<Rect> m_pixelRect;
  bool m_bEnabled;
  bool m_bVisible;
  bool m_bWorksDuringLongOperation = false;
};

class PushButton : public Control {
 public:
  using Control::Control;
  bool IsDefault() const { return HasStyle(style::kDefaultButton); }
  // A click of an enabled, visible button reaches the window's message table.
  void UserClick();
};

class StaticText : public Control {
 public:
  using Control::Control;
};

// Its caption is its window text.
class GroupBox : public Control {
 public:
  using Control::Control;
};

class IconControl : public Control {
 public:
  IconControl(Window& owner, const ControlTemplate& source) : Control(owner, source), m_nImage(source.image) {}
  int Image() const { return m_nImage; }

 private:
  int m_nImage;
};

class Edit : public Control {
 public:
  Edit(Window& owner, const ControlTemplate& source);
  // 0 means no limit of our own.
  void LimitText(size_t maxChars);
  size_t GetLimitText() const { return m_nLimit; }
  void SetReadOnly(bool readOnly);
  bool IsReadOnly() const { return m_bReadOnly; }
  bool IsMultiline() const { return HasStyle(style::kMultiline); }
  // Lines as the edit counts them: "\r\n" breaks a line, and an empty line follows a final break.
  int GetLineCount() const;
  // Appending keeps the caret at the end; the backend scrolls to it.
  void AppendText(const std::string& text);
  // Typing: ignored when read-only; cut to the limit; EditChange follows.
  void UserSetText(const std::string& text);

 private:
  size_t m_nLimit = 0;
  bool m_bReadOnly;
};

// A drop-down list (kDropDownList) or a list with its own edit field (kDropDown).
class ComboBox : public Control {
 public:
  ComboBox(Window& owner, const ControlTemplate& source);
  static constexpr int kError = -1;

  bool IsEditable() const { return HasStyle(style::kDropDown); }
  bool IsSorted() const { return HasStyle(style::kSorted); }
  int GetCount() const { return static_cast<int>(m_items.size()); }
  std::string GetLBText(int index) const;
  const std::vector<std::string>& Items() const { return m_items; }
  // In order when sorted (case-insensitive, after equal entries), else at the end. Returns the index.
  int AddString(const std::string& text);
  // At index, or at the end for -1; never sorts. Returns the index or kError.
  int InsertString(int index, const std::string& text);
  // Returns the remaining count, or kError for an index out of range.
  int DeleteString(int index);
  void ResetContent();
  int FindStringExact(int startAfter, const std::string& text) const;
  // -1 clears the selection; an index out of range clears it and returns kError.
  int SetCurSel(int index);
  int GetCurSel() const { return m_nSelection; }
  // The edit field's text of an editable box, or the selected entry of a list.
  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;
  void LimitText(size_t maxChars);
  size_t GetLimitText() const { return m_nLimit; }
  bool IsDroppedDown() const { return m_bDroppedDown; }

  // Opening the list: DropDown goes to the window first, then the list shows.
  void UserDropDown();
  // Choosing an entry: the selection changes, then SelChange.
  void UserSelect(int index);
  // Closing the list (with or without a choice): CloseUp.
  void UserCloseUp();
  // Typing into an editable box: EditChange.
  void UserSetEditText(const std::string& text);

 private:
  std::vector<std::string> m_items;
  int m_nSelection = -1;
  size_t m_nLimit = 0;
  bool m_bDroppedDown = false;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  static constexpr int kUnchecked = 0;
  static constexpr int kChecked = 1;
  static constexpr int kIndeterminate = 2;
  bool IsThreeState() const { return HasStyle(style::kThreeState); }
  void SetCheck(int state);
  int GetCheck() const { return m_nCheck; }
  // An automatic box cycles its state (unchecked, checked, and indeterminate when three-state); then Clicked.
  void UserClick();

 private:
  int m_nCheck = kUnchecked;
};

// The range is two unsigned 16-bit values; position and step are plain integers.
class ProgressBar : public Control {
 public:
  using Control::Control;
  void SetRange(uint16_t low, uint16_t high);
  // Low in the low half, high in the high half.
  void SetRangePacked(uint32_t lowHigh) { SetRange(lowHigh & 0xFFFF, lowHigh >> 16); }
  uint16_t GetLow() const { return m_nLow; }
  uint16_t GetHigh() const { return m_nHigh; }
  // Clamped to the range. Returns the previous position.
  int SetPos(int pos);
  int GetPos() const { return m_nPos; }
  // Returns the previous step.
  int SetStep(int step);
  int GetStep() const { return m_nStep; }
  // Adds the step; past the high end the position starts over from the low end. Returns the previous position.
  int StepIt();

 private:
  uint16_t m_nLow = 0;
  uint16_t m_nHigh = 100;
  int m_nPos = 0;
  int m_nStep = 10;
};

class Slider : public Control {
 public:
  using Control::Control;
  void SetRange(int min, int max);
  int GetRangeMin() const { return m_nMin; }
  int GetRangeMax() const { return m_nMax; }
  // Clamped to the range.
  void SetPos(int pos);
  int GetPos() const { return m_nPos; }
  // A tick every n positions (automatic ticks only); 0 shows none.
  void SetTicFreq(int n);
  int GetTicFreq() const { return m_nTicFreq; }
  // The thumb moved (clamped) or a key or page click: the window gets an HScroll (VScroll when vertical).
  void UserScroll(ScrollCode code, int pos);

 private:
  int m_nMin = 0;
  int m_nMax = 100;
  int m_nPos = 0;
  int m_nTicFreq = 1;
};

class UpDown : public Control {
 public:
  UpDown(Window& owner, const ControlTemplate& source);
  // Both ends are 16-bit values; lower may exceed upper (the arrows then count backwards).
  void SetRange(int lower, int upper);
  int GetLower() const { return m_nLower; }
  int GetUpper() const { return m_nUpper; }
  // 10 or 16; other values are refused and the base is kept. Returns the previous base, 0 when refused.
  int SetBase(int base);
  int GetBase() const { return m_nBase; }
  void SetBuddy(Control* buddy) { m_pBuddy = buddy; }
  Control* GetBuddy() const { return m_pBuddy; }
  // Writes the buddy's text when the control sets its buddy.
  void SetPos(int pos);
  // With a buddy that it sets: read from the buddy's text, position in the low 16
  // bits and a non-zero high half when the text is no number within the range.
  int32_t GetPos() const;
  bool Wraps() const { return HasStyle(style::kWrap); }

  // An arrow click (delta +1 up, -1 down, more when held): DeltaPos goes to the
  // window first and may refuse; then the position moves (wrapping or stopping at
  // the ends), the buddy's text follows, and the window gets VScroll
  // (ThumbPosition, then EndScroll).
  void UserSpin(int delta);

 private:
  int PositionFromBuddy(bool* ok) const;
  void WriteBuddy();

  int m_nLower = 100;  // the control's own default range counts down
  int m_nUpper = 0;
  int m_nPos = 0;
  int m_nBase = 10;
  Control* m_pBuddy = nullptr;
};

// The scroll bar never moves by itself: the window's handler sets the position.
class ScrollBar : public Control {
 public:
  using Control::Control;
  void SetScrollRange(int min, int max);
  int GetScrollMin() const { return m_nMin; }
  int GetScrollMax() const { return m_nMax; }
  // Clamped to the range. Returns the previous position.
  int SetScrollPos(int pos);
  int GetScrollPos() const { return m_nPos; }
  bool IsVertical() const { return HasStyle(style::kVertical); }
  void UserScroll(ScrollCode code, int trackPos);

 private:
  int m_nMin = 0;
  int m_nMax = 100;
  int m_nPos = 0;
};

}  // namespace platform
