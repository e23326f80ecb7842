#pragma once
// The program's resources as constant data.

#include "platform/window/resources.h"
#include "res/resource_ids.h"

namespace res {

// Null when the program has no resource of that id.
const platform::DialogTemplate* FindDialog(int id);
const platform::MenuResource* FindMenu(int id);
const platform::AcceleratorTable* FindAccelerators(int id);
const platform::ToolbarResource* FindToolbar(int id);
const platform::StringTable& Strings();

}  // namespace res
