#include "gui/control_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextCursor>
#include <algorithm>
#include <optional>
#include <string>

#include "gui/classic_widgets.h"
#include "gui/images.h"

namespace gui {

namespace st = platform::style;
using platform::Control;
using platform::ControlChange;
using platform::ControlKind;
using platform::ScrollCode;

namespace {

constexpr const char* kControlProperty = "talvexControl";

QString FromModel(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string ToModel(const QString& text) { return text.toUtf8().toStdString(); }

// The edit's lines end in "\r\n"; the widget's in "\n".
QString FromModelLines(const std::string& text) { return FromModel(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
std::string ToModelLines(const QString& text) {
  QString lines = text;
  return ToModel(lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

// Keeps the text it last took from the model, so that an append adds only the new part.
class MultiLineEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::string shown;
};

ScrollCode ScrollCodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return ScrollCode::LineDown;
    case QAbstractSlider::SliderSingleStepSub: return ScrollCode::LineUp;
    case QAbstractSlider::SliderPageStepAdd: return ScrollCode::PageDown;
    case QAbstractSlider::SliderPageStepSub: return ScrollCode::PageUp;
    case QAbstractSlider::SliderToMinimum: return ScrollCode::Top;
    case QAbstractSlider::SliderToMaximum: return ScrollCode::Bottom;
    default: return ScrollCode::ThumbTrack;
  }
}

QWidget* CreateButton(platform::PushButton& button, QWidget* parent) {
  auto* widget = new QPushButton(parent);
  widget->setDefault(button.IsDefault());
  QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.UserClick(); });
  return widget;
}

QWidget* CreateStatic(Control& control, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (control.HasStyle(st::kCenter)) horizontal = Qt::AlignHCenter;
  if (control.HasStyle(st::kRight)) horizontal = Qt::AlignRight;
  label->setAlignment(horizontal | Qt::AlignTop);
  label->setWordWrap(true);
  if (control.HasStyle(st::kSunken) || control.HasStyle(st::kBorder)) {
    label->setFrameStyle(QFrame::Panel | (control.HasStyle(st::kSunken) ? QFrame::Sunken : QFrame::Plain));
    label->setLineWidth(1);
    // A framed label is one line high: its text sits in the middle, clear of the frame.
    label->setAlignment(horizontal | Qt::AlignVCenter);
    label->setWordWrap(false);
    label->setIndent(2);
  }
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QWidget* CreateEdit(platform::Edit& edit, QWidget* parent) {
  if (edit.IsMultiline()) {
    auto* widget = new MultiLineEdit(parent);
    widget->setLineWrapMode(edit.HasStyle(st::kAutoHScroll) || edit.HasStyle(st::kHScroll) ? QPlainTextEdit::NoWrap
                                                                                            : QPlainTextEdit::WidgetWidth);
    widget->setVerticalScrollBarPolicy(edit.HasStyle(st::kVScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    widget->setHorizontalScrollBarPolicy(edit.HasStyle(st::kHScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (!edit.HasStyle(st::kBorder) && !edit.HasStyle(st::kSunken)) widget->setFrameShape(QFrame::NoFrame);
    // A read-only edit changes only at the program's hand, which keeps no undo record (the log would pile one up).
    if (edit.IsReadOnly()) widget->setUndoRedoEnabled(false);
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [&edit, widget] {
      std::string text = ToModelLines(widget->toPlainText());
      widget->shown = text;
      edit.UserSetText(text);
    });
    return widget;
  }
  auto* widget = new QLineEdit(parent);
  widget->setFrame(edit.HasStyle(st::kBorder) || edit.HasStyle(st::kSunken));
  if (edit.HasStyle(st::kNumber))
    widget->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), widget));
  const bool upper = edit.HasStyle(st::kUpperCase);
  QObject::connect(widget, &QLineEdit::textEdited, widget, [&edit, widget, upper](const QString& typed) {
    edit.UserSetText(ToModel(upper ? typed.toUpper() : typed));
    const QString shown = FromModel(edit.GetWindowText());
    if (shown != widget->text()) {
      const int cursor = widget->cursorPosition();
      const QSignalBlocker blocker(widget);
      widget->setText(shown);
      widget->setCursorPosition(std::min(cursor, static_cast<int>(shown.size())));
    }
  });
  return widget;
}

QWidget* CreateCombo(platform::ComboBox& combo, QWidget* parent) {
  auto* widget = new ClassicComboBox(parent);
  widget->setEditable(combo.IsEditable());
  widget->setInsertPolicy(QComboBox::NoInsert);
  widget->onDropDown = [&combo] { combo.UserDropDown(); };
  widget->onCloseUp = [&combo] { combo.UserCloseUp(); };
  QObject::connect(widget, &QComboBox::activated, widget, [&combo](int index) { combo.UserSelect(index); });
  if (QLineEdit* field = widget->lineEdit()) {
    QObject::connect(field, &QLineEdit::textEdited, widget,
                     [&combo](const QString& typed) { combo.UserSetEditText(ToModel(typed)); });
  }
  return widget;
}

QWidget* CreateCheck(platform::CheckBox& check, QWidget* parent) {
  auto* widget = new ClassicCheckBox(parent);
  widget->setTristate(check.IsThreeState());
  widget->onUserClick = [&check, widget] {
    check.UserClick();
    SyncControlWidget(check, widget, ControlChange::Check);
  };
  return widget;
}

QWidget* CreateProgress(QWidget* parent) {
  auto* widget = new QProgressBar(parent);
  widget->setTextVisible(false);
  return widget;
}

QWidget* CreateSlider(platform::Slider& slider, QWidget* parent) {
  auto* widget = new QSlider(slider.HasStyle(st::kVertical) ? Qt::Vertical : Qt::Horizontal, parent);
  if (slider.HasStyle(st::kAutoTicks))
    widget->setTickPosition(slider.HasStyle(st::kTicksTop) ? QSlider::TicksAbove : QSlider::TicksBelow);
  QObject::connect(widget, &QSlider::actionTriggered, widget, [&slider, widget](int action) {
    slider.UserScroll(ScrollCodeOf(action), widget->sliderPosition());
    widget->setSliderPosition(slider.GetPos());
  });
  QObject::connect(widget, &QSlider::sliderReleased, widget, [&slider, widget] {
    slider.UserScroll(ScrollCode::ThumbPosition, widget->sliderPosition());
    slider.UserScroll(ScrollCode::EndScroll, slider.GetPos());
  });
  return widget;
}

QWidget* CreateUpDown(platform::UpDown& upDown, QWidget* parent) {
  // The control's default is vertical arrows; a horizontal one would carry a style bit of its own.
  auto* widget = new ClassicUpDown(parent, true);
  widget->onSpin = [&upDown](int delta) { upDown.UserSpin(delta); };
  return widget;
}

QWidget* CreateScrollBar(platform::ScrollBar& bar, QWidget* parent) {
  auto* widget = new QScrollBar(bar.IsVertical() ? Qt::Vertical : Qt::Horizontal, parent);
  // The bar never moves by itself: the window's handler sets the position.
  QObject::connect(widget, &QScrollBar::actionTriggered, widget, [&bar, widget](int action) {
    bar.UserScroll(ScrollCodeOf(action), widget->sliderPosition());
    widget->setSliderPosition(bar.GetScrollPos());
  });
  QObject::connect(widget, &QScrollBar::sliderReleased, widget, [&bar, widget] {
    bar.UserScroll(ScrollCode::ThumbPosition, widget->sliderPosition());
    bar.UserScroll(ScrollCode::EndScroll, bar.GetScrollPos());
    widget->setSliderPosition(bar.GetScrollPos());
  });
  return widget;
}

QWidget* CreateIcon(platform::IconControl& icon, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(ProgramIcon(icon.Image()).pixmap(32, 32));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QWidget* Create(Control& control, QWidget* parent) {
  switch (control.Kind()) {
    case ControlKind::PushButton: return CreateButton(static_cast<platform::PushButton&>(control), parent);
    case ControlKind::StaticText: return CreateStatic(control, parent);
    case ControlKind::GroupBox: return new ClassicGroupBox(parent);
    case ControlKind::Edit: return CreateEdit(static_cast<platform::Edit&>(control), parent);
    case ControlKind::ComboBox: return CreateCombo(static_cast<platform::ComboBox&>(control), parent);
    case ControlKind::CheckBox: return CreateCheck(static_cast<platform::CheckBox&>(control), parent);
    case ControlKind::ProgressBar: return CreateProgress(parent);
    case ControlKind::Slider: return CreateSlider(static_cast<platform::Slider&>(control), parent);
    case ControlKind::UpDown: return CreateUpDown(static_cast<platform::UpDown&>(control), parent);
    case ControlKind::ScrollBar: return CreateScrollBar(static_cast<platform::ScrollBar&>(control), parent);
    case ControlKind::Icon: return CreateIcon(static_cast<platform::IconControl&>(control), parent);
  }
  return CreateStatic(control, parent);
}

// How many characters the text dropped at its front since it was shown, when
// all else it did was to add at its end (the log's way); none for any other change,
// or when the cut would fall inside a line break or a character of the widget's.
std::optional<size_t> DroppedFront(const std::string& shown, const std::string& text) {
  if (shown.empty() || text.empty()) return std::nullopt;
  const std::string probe = text.substr(0, std::min<size_t>(32, text.size()));
  for (size_t at = shown.find(probe); at != std::string::npos; at = shown.find(probe, at + 1)) {
    const size_t kept = shown.size() - at;
    if (kept > text.size() || text.compare(0, kept, shown, at, kept) != 0) continue;
    const auto byte = static_cast<unsigned char>(shown[at]);
    if ((byte & 0xC0) == 0x80 || (at > 0 && shown[at - 1] == '\r' && shown[at] == '\n')) return std::nullopt;
    if (kept < text.size() && shown.back() == '\r' && text[kept] == '\n') return std::nullopt;
    return at;
  }
  return std::nullopt;
}

void SyncMultiLineText(platform::Edit& edit, MultiLineEdit* multi) {
  const std::string& text = edit.GetWindowText();
  if (text == multi->shown) return;
  const QSignalBlocker blocker(multi);
  if (const auto dropped = DroppedFront(multi->shown, text)) {
    // Only the edges change: the lines in between keep their layout.
    QTextCursor cursor(multi->document());
    if (*dropped > 0) {
      cursor.setPosition(static_cast<int>(FromModelLines(multi->shown.substr(0, *dropped)).size()), QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(FromModelLines(text.substr(multi->shown.size() - *dropped)));
    multi->setTextCursor(cursor);
  } else {
    multi->setPlainText(FromModelLines(text));
    if (edit.IsReadOnly()) multi->moveCursor(QTextCursor::End);
  }
  multi->shown = text;
  multi->ensureCursorVisible();
}

void SyncEditText(platform::Edit& edit, QWidget* widget) {
  if (auto* multi = dynamic_cast<MultiLineEdit*>(widget)) {
    SyncMultiLineText(edit, multi);
    return;
  }
  auto* line = static_cast<QLineEdit*>(widget);
  const QString text = FromModel(edit.GetWindowText());
  if (line->text() == text) return;
  const QSignalBlocker blocker(line);
  line->setText(text);
}

void SyncEdit(platform::Edit& edit, QWidget* widget, ControlChange change) {
  switch (change) {
    case ControlChange::Text: SyncEditText(edit, widget); break;
    case ControlChange::ReadOnly:
      if (auto* multi = dynamic_cast<QPlainTextEdit*>(widget))
        multi->setReadOnly(edit.IsReadOnly());
      else
        static_cast<QLineEdit*>(widget)->setReadOnly(edit.IsReadOnly());
      break;
    case ControlChange::Limit:
      if (auto* line = dynamic_cast<QLineEdit*>(widget))
        line->setMaxLength(edit.GetLimitText() == 0 ? 32767 : static_cast<int>(edit.GetLimitText()));
      break;
    default: break;
  }
}

void SyncCombo(platform::ComboBox& combo, ClassicComboBox* widget, ControlChange change) {
  const QSignalBlocker blocker(widget);
  switch (change) {
    case ControlChange::Items: {
      QStringList items;
      for (const std::string& item : combo.Items()) items << FromModel(item);
      widget->clear();
      widget->addItems(items);
      widget->setCurrentIndex(combo.GetCurSel());
      if (combo.IsEditable()) widget->setEditText(FromModel(combo.GetWindowText()));
      break;
    }
    case ControlChange::Selection: widget->setCurrentIndex(combo.GetCurSel()); break;
    case ControlChange::Text:
      if (combo.IsEditable())
        widget->setEditText(FromModel(combo.GetWindowText()));
      else
        widget->setCurrentIndex(combo.GetCurSel());
      break;
    case ControlChange::Limit:
      if (QLineEdit* field = widget->lineEdit())
        field->setMaxLength(combo.GetLimitText() == 0 ? 32767 : static_cast<int>(combo.GetLimitText()));
      break;
    default: break;
  }
}

Qt::CheckState CheckStateOf(int check) {
  switch (check) {
    case platform::CheckBox::kChecked: return Qt::Checked;
    case platform::CheckBox::kIndeterminate: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
  }
}

void SyncText(Control& control, QWidget* widget) {
  const QString text = FromModel(control.GetWindowText());
  switch (control.Kind()) {
    case ControlKind::PushButton: static_cast<QPushButton*>(widget)->setText(text); break;
    case ControlKind::CheckBox: static_cast<QCheckBox*>(widget)->setText(text); break;
    case ControlKind::StaticText: static_cast<QLabel*>(widget)->setText(text); break;
    case ControlKind::GroupBox: static_cast<ClassicGroupBox*>(widget)->SetTitle(text); break;
    default: break;
  }
}

}  // namespace

platform::Control* ControlOfWidget(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant value = w->property(kControlProperty);
    if (value.isValid()) return static_cast<Control*>(value.value<void*>());
    if (w->isWindow()) break;
  }
  return nullptr;
}

QWidget* CreateControlWidget(Control& control, QWidget* parent) {
  QWidget* widget = Create(control, parent);
  widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
  if (!control.HasStyle(st::kTabStop) && control.Kind() != ControlKind::Edit && control.Kind() != ControlKind::ComboBox)
    widget->setFocusPolicy(control.Kind() == ControlKind::PushButton ? Qt::ClickFocus : Qt::NoFocus);
  return widget;
}

void SyncControlWidget(Control& control, QWidget* widget, ControlChange change) {
  switch (change) {
    case ControlChange::Enabled: widget->setEnabled(control.IsEnabled()); return;
    case ControlChange::Visible: widget->setVisible(control.IsVisible()); return;
    case ControlChange::Geometry: return;
    default: break;
  }
  switch (control.Kind()) {
    case ControlKind::Edit: SyncEdit(static_cast<platform::Edit&>(control), widget, change); return;
    case ControlKind::ComboBox:
      SyncCombo(static_cast<platform::ComboBox&>(control), static_cast<ClassicComboBox*>(widget), change);
      return;
    case ControlKind::CheckBox:
      if (change == ControlChange::Check) {
        auto* box = static_cast<QCheckBox*>(widget);
        const QSignalBlocker blocker(box);
        box->setCheckState(CheckStateOf(static_cast<platform::CheckBox&>(control).GetCheck()));
        return;
      }
      break;
    case ControlKind::ProgressBar: {
      auto& bar = static_cast<platform::ProgressBar&>(control);
      auto* widgetBar = static_cast<QProgressBar*>(widget);
      if (change == ControlChange::Range)
        widgetBar->setRange(std::min(bar.GetLow(), bar.GetHigh()), std::max(bar.GetLow(), bar.GetHigh()));
      if (change == ControlChange::Range || change == ControlChange::Position) widgetBar->setValue(bar.GetPos());
      return;
    }
    case ControlKind::Slider: {
      auto& slider = static_cast<platform::Slider&>(control);
      auto* widgetSlider = static_cast<QSlider*>(widget);
      const QSignalBlocker blocker(widgetSlider);
      if (change == ControlChange::Range)
        widgetSlider->setRange(slider.GetRangeMin(), std::max(slider.GetRangeMin(), slider.GetRangeMax()));
      if (change == ControlChange::Ticks) widgetSlider->setTickInterval(slider.GetTicFreq());
      widgetSlider->setValue(slider.GetPos());
      return;
    }
    case ControlKind::ScrollBar: {
      auto& bar = static_cast<platform::ScrollBar&>(control);
      auto* widgetBar = static_cast<QScrollBar*>(widget);
      const QSignalBlocker blocker(widgetBar);
      if (change == ControlChange::Range)
        widgetBar->setRange(bar.GetScrollMin(), std::max(bar.GetScrollMin(), bar.GetScrollMax()));
      widgetBar->setValue(bar.GetScrollPos());
      return;
    }
    default: break;
  }
  if (change == ControlChange::Text) SyncText(control, widget);
}

void SyncControlWidgetFully(Control& control, QWidget* widget) {
  using C = ControlChange;
  for (C change : {C::Items, C::Range, C::Ticks, C::Limit, C::ReadOnly, C::Text, C::Selection, C::Check, C::Position})
    SyncControlWidget(control, widget, change);
  widget->setEnabled(control.IsEnabled());
  widget->setVisible(control.IsVisible());
}

void DetachControlWidget(QWidget* widget) {
  widget->setProperty(kControlProperty, QVariant());
  QObject::disconnect(widget, nullptr, nullptr, nullptr);
  if (auto* combo = dynamic_cast<ClassicComboBox*>(widget)) {
    combo->onDropDown = nullptr;
    combo->onCloseUp = nullptr;
    if (QLineEdit* field = combo->lineEdit()) QObject::disconnect(field, nullptr, combo, nullptr);
  } else if (auto* check = dynamic_cast<ClassicCheckBox*>(widget)) {
    check->onUserClick = nullptr;
  } else if (auto* upDown = dynamic_cast<ClassicUpDown*>(widget)) {
    upDown->onSpin = nullptr;
  }
}

}  // namespace gui
