#pragma once
// The main form as the document, the loader and the device code see it: the
// progress channel, its companions and the enables they switch. The form in
// src/ui implements it; the command line supplies a console implementation.
// Keeping it here lets the layers below the windows report progress without
// including any window code.

#include <atomic>
#include <string>

class MainFormLink {
 public:
  virtual ~MainFormLink() = default;

  virtual bool BeginProgress(int low, int high, std::string caption, int step) = 0;
  virtual bool StepProgress(std::string text) = 0;
  virtual bool SetProgressPos(int pos, std::string text) = 0;
  virtual bool EndProgress() = 0;

  virtual void ShowFileName(std::string name) = 0;
  virtual void EnableFileButtons(bool enable) = 0;
  virtual void EnableUpdateButtons(bool enable) = 0;
  virtual void EnableActivatePort(bool enable) = 0;
  virtual void EnableLoadHex(bool enable) = 0;
  // Repaints the form and its frame at once (long operations on the UI thread).
  virtual void Refresh() = 0;

  // Read by the worker thread between frames, written by both threads.
  std::atomic<bool> m_bCancel{false};
  // The port is treated as active (UI thread only).
  bool m_bPortActive = false;
};

// A form that only follows progress: the command line and test sinks, which
// have no buttons to switch.
class ProgressOnlyForm : public MainFormLink {
 public:
  void ShowFileName(std::string) override {}
  void EnableFileButtons(bool) override {}
  void EnableUpdateButtons(bool) override {}
  void EnableActivatePort(bool) override {}
  void EnableLoadHex(bool) override {}
  void Refresh() override {}
};
