#pragma once
// A message box request as a Qt message box: caption, plain text, the icon and
// the buttons asked for, the default button, and the answer the operator gave.

#include <QMessageBox>

#include "platform/host.h"

namespace gui {

void SetUpMessageBox(QMessageBox& box, const platform::MessageBoxRequest& request);
// The answer of a box that has closed; closing a box with two buttons answers its second (Cancel, No).
platform::Answer AnswerOf(const QMessageBox& box, platform::Buttons buttons);

}  // namespace gui
