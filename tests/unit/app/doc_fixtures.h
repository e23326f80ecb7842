#pragma once
// Shared helpers of the document tests: a main form that records what the
// document asks of it, a viewer that records its destruction, sample paths.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/update_doc.h"
#include "core/main_form_link.h"
#include "core/viewer.h"

namespace doctest {

inline std::string Sample(const std::string& name) { return std::string(TALVEX_SOURCE_DIR) + "/samples/" + name; }

inline std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Behaves like an idle progress channel: one run at a time.
class RecordingForm : public MainFormLink {
 public:
  bool BeginProgress(int low, int high, std::string caption, int step) override {
    calls.push_back("Begin " + std::to_string(low) + " " + std::to_string(high) + " " + caption + " " + std::to_string(step));
    if (active || refuseBegin) return false;
    active = true;
    m_bCancel = false;
    return true;
  }
  bool StepProgress(std::string text) override {
    ++steps;
    if (cancelAtStep == steps) {
      EndProgress();
      m_bCancel = true;
    }
    return active && text.empty();
  }
  bool SetProgressPos(int pos, std::string text) override {
    positions.push_back(pos);
    return active && text.empty();
  }
  bool EndProgress() override {
    calls.push_back("End");
    if (!active) return false;
    active = false;
    m_bCancel = false;
    return true;
  }
  void ShowFileName(std::string name) override { calls.push_back("ShowFileName " + name); }
  void EnableFileButtons(bool enable) override { calls.push_back(std::string("EnableFileButtons ") + (enable ? "1" : "0")); }
  void EnableUpdateButtons(bool enable) override { calls.push_back(std::string("EnableUpdateButtons ") + (enable ? "1" : "0")); }
  void EnableActivatePort(bool) override {}
  void EnableLoadHex(bool) override {}
  void Refresh() override { calls.push_back("Refresh"); }

  std::vector<std::string> calls;
  std::vector<int> positions;
  int steps = 0;
  int cancelAtStep = -1;
  bool active = false;
  bool refuseBegin = false;
};

class RecordingViewer : public OVViewer {
 public:
  explicit RecordingViewer(int* destroyed) : m_destroyed(destroyed) {}
  void DestroyWindow() override {
    if (m_pNextViewer != nullptr) m_pNextViewer->DestroyWindow();
    ++*m_destroyed;
  }

 private:
  int* m_destroyed;
};

}  // namespace doctest
