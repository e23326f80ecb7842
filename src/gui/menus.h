#pragma once
// Menus from menu resources. Item states (enabled, checked, the text of a
// recent-file entry) are asked of the frame each time a menu opens; the item
// under the pointer puts its prompt into the frame's message pane.

#include <QMenu>
#include <span>

#include "platform/window/frame_window.h"
#include "platform/window/resources.h"

namespace gui {

QString MenuText(const char* text);
// The command of an item made by FillMenu; 0 for separators and sub-menus.
int MenuCommand(const QAction* action);
// Items of a pop-up; sub-menus nest. Their states follow the frame when the menu opens.
void FillMenu(QMenu& menu, std::span<const platform::MenuItem> items, platform::FrameWindow& frame);

}  // namespace gui
