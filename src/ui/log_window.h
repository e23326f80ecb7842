#pragma once
// The message log's window (template 145): the log model's text in a
// read-only edit that fills the client area. Closing hides it; the model
// keeps collecting lines all the same.

#include <cstdint>

#include "platform/window/window.h"

class OVLogView;

class OVLogWindow : public platform::Window {
 public:
  explicit OVLogWindow(OVLogView& log);

  // Brings the edit up to the model's text; cheap when nothing was appended.
  // Called at idle time, so the edit follows at the pace of the frame's idle updates.
  void Refresh();
  void Show();

  platform::Edit* m_editLog = nullptr;

 protected:
  void DoDataExchange(platform::DataExchange& dx) override;

 private:
  OVLogView& m_log;
  uint64_t m_nShownRevision = 0;
};
