#pragma once
// The program's images, drawn in code: the toolbar buttons (16 x 15) and the
// program icon.

#include <QIcon>

namespace gui {

// The toolbar image of a command; a plain square for a command without one.
QIcon ToolbarIcon(int command);
// An icon resource by id (the program icon for any id).
QIcon ProgramIcon(int id);

}  // namespace gui
