#pragma once
// A view built from a child dialog template that fills its frame's client
// area. The application calls OnInitialUpdate after every New and every open.

#include "platform/window/window.h"

namespace platform {

class FrameWindow;

class FormView : public Window {
 public:
  using Window::Window;

  // The base: the controls take the members' values.
  virtual void OnInitialUpdate() { UpdateData(false); }

  void SetParentFrame(FrameWindow* frame) { m_pParentFrame = frame; }
  FrameWindow* GetParentFrame() const { return m_pParentFrame; }

 private:
  FrameWindow* m_pParentFrame = nullptr;
};

}  // namespace platform
