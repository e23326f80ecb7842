#pragma once
// Widgets that behave like the classic controls where Qt's differ: the group
// box draws its frame line through the middle of its title, the combo box
// reports opening and closing its list, the check box lets its model decide
// the next state, and the up-down control is a pair of arrows only.

#include <QCheckBox>
#include <QComboBox>
#include <QString>
#include <QWidget>
#include <functional>

class QToolButton;

namespace gui {

class ClassicGroupBox : public QWidget {
 public:
  explicit ClassicGroupBox(QWidget* parent);
  void SetTitle(const QString& title);
  const QString& Title() const { return m_title; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_title;
};

class ClassicComboBox : public QComboBox {
 public:
  explicit ClassicComboBox(QWidget* parent);
  // Before the list shows, and after it closed (once the choice has been reported).
  std::function<void()> onDropDown;
  std::function<void()> onCloseUp;

  void showPopup() override;
  void hidePopup() override;

 private:
  bool m_bShown = false;
};

class ClassicCheckBox : public QCheckBox {
 public:
  explicit ClassicCheckBox(QWidget* parent);
  // A click: the model takes it and decides the state the box then shows.
  std::function<void()> onUserClick;

 protected:
  void nextCheckState() override;
};

class ClassicUpDown : public QWidget {
 public:
  ClassicUpDown(QWidget* parent, bool vertical);
  // +1 for the up (or right) arrow, -1 for the other.
  std::function<void(int delta)> onSpin;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* m_up;
  QToolButton* m_down;
  bool m_bVertical;
};

}  // namespace gui
