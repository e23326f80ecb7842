#include "gui/message_box.h"

#include <QAbstractButton>
#include <QIcon>

namespace gui {

namespace {

QMessageBox::Icon IconOf(platform::Icon icon) {
  switch (icon) {
    case platform::Icon::Information: return QMessageBox::Information;
    case platform::Icon::Question: return QMessageBox::Question;
    case platform::Icon::Stop: return QMessageBox::Critical;
    case platform::Icon::Default:
    case platform::Icon::Warning: return QMessageBox::Warning;
  }
  return QMessageBox::Warning;
}

struct ButtonPair {
  QMessageBox::StandardButton first;
  QMessageBox::StandardButton second;  // NoButton for a box with one button
};

ButtonPair ButtonsOf(platform::Buttons buttons) {
  switch (buttons) {
    case platform::Buttons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case platform::Buttons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case platform::Buttons::Ok: break;
  }
  return {QMessageBox::Ok, QMessageBox::NoButton};
}

// Words only, as on the classic box.
void PlainButtons(QMessageBox& box) {
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
}

}  // namespace

void SetUpMessageBox(QMessageBox& box, const platform::MessageBoxRequest& request) {
  box.setWindowTitle(QString::fromStdString(request.caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(request.text));
  box.setIcon(IconOf(request.icon));
  const ButtonPair pair = ButtonsOf(request.buttons);
  if (pair.second == QMessageBox::NoButton) {
    box.setStandardButtons(pair.first);
    PlainButtons(box);
    box.setDefaultButton(pair.first);
    box.setEscapeButton(pair.first);
    return;
  }
  box.setStandardButtons(pair.first | pair.second);
  PlainButtons(box);
  box.setDefaultButton(request.defaultButton == platform::DefaultButton::Second ? pair.second : pair.first);
  // Escape and the close box take the answer that changes nothing.
  box.setEscapeButton(pair.second);
}

platform::Answer AnswerOf(const QMessageBox& box, platform::Buttons buttons) {
  QAbstractButton* clicked = box.clickedButton();
  const auto standard = clicked != nullptr ? box.standardButton(clicked) : QMessageBox::NoButton;
  switch (standard) {
    case QMessageBox::Ok: return platform::Answer::Ok;
    case QMessageBox::Cancel: return platform::Answer::Cancel;
    case QMessageBox::Yes: return platform::Answer::Yes;
    case QMessageBox::No: return platform::Answer::No;
    default: break;
  }
  switch (buttons) {
    case platform::Buttons::Ok: return platform::Answer::Ok;
    case platform::Buttons::OkCancel: return platform::Answer::Cancel;
    case platform::Buttons::YesNo: return platform::Answer::No;
  }
  return platform::Answer::Ok;
}

}  // namespace gui
