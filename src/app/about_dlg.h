#pragma once
// The about box, dialog 100.

#include "platform/window/window.h"

class CAboutDlg : public platform::Window {
 public:
  CAboutDlg();
};
