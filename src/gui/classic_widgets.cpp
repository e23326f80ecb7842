#include "gui/classic_widgets.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace gui {

ClassicGroupBox::ClassicGroupBox(QWidget* parent) : QWidget(parent) {
  // Clicks on a frame reach the window beneath it, as on the classic control.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ClassicGroupBox::SetTitle(const QString& title) {
  if (title == m_title) return;
  m_title = title;
  update();
}

// The classic etched frame: a shadow line with a light line inside it, its top
// through the middle of the title. The style's own group box frame would add a
// title margin of its own and fill the inside.
void ClassicGroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect frame(0, top, width() - 2, height() - top - 2);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  if (m_title.isEmpty()) return;
  const int indent = metrics.averageCharWidth();
  const int width = std::min(metrics.horizontalAdvance(m_title), this->width() - 2 * indent);
  const QRect text(indent, 0, std::max(0, width), metrics.height());
  painter.fillRect(text.adjusted(-2, 0, 2, 0), palette().brush(QPalette::Window));
  style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, palette(), isEnabled(),
                        m_title, QPalette::WindowText);
}

ClassicComboBox::ClassicComboBox(QWidget* parent) : QComboBox(parent) {}

void ClassicComboBox::showPopup() {
  if (onDropDown) onDropDown();
  m_bShown = true;
  QComboBox::showPopup();
}

void ClassicComboBox::hidePopup() {
  QComboBox::hidePopup();
  if (!m_bShown) return;
  m_bShown = false;
  // Qt may report the chosen entry after closing its list; the close-up comes after it.
  QTimer::singleShot(0, this, [this] {
    if (onCloseUp) onCloseUp();
  });
}

ClassicCheckBox::ClassicCheckBox(QWidget* parent) : QCheckBox(parent) {}

void ClassicCheckBox::nextCheckState() {
  if (onUserClick) onUserClick();
}

ClassicUpDown::ClassicUpDown(QWidget* parent, bool vertical)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)), m_bVertical(vertical) {
  m_up->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
  m_down->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
  for (QToolButton* button : {m_up, m_down}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  QObject::connect(m_up, &QToolButton::clicked, this, [this] {
    if (onSpin) onSpin(1);
  });
  QObject::connect(m_down, &QToolButton::clicked, this, [this] {
    if (onSpin) onSpin(-1);
  });
}

void ClassicUpDown::resizeEvent(QResizeEvent*) {
  if (m_bVertical) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
  } else {
    const int half = width() / 2;
    m_down->setGeometry(0, 0, half, height());
    m_up->setGeometry(half, 0, width() - half, height());
  }
}

}  // namespace gui
