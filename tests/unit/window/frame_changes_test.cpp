#include <gtest/gtest.h>

#include <vector>

#include "platform/window/frame_window.h"
#include "res/resources.h"

using platform::FrameChange;

namespace {

struct Recorder : platform::FrameObserver {
  void OnFrameChanged(platform::FrameWindow&, FrameChange change) override { changes.push_back(change); }
  std::vector<FrameChange> changes;
};

// A backend resizes on Geometry and only raises on Activate: bringing the
// frame to the front for a context menu must not undo the operator's resizing.
TEST(FrameChanges, GrowingAndActivatingAreToldApart) {
  platform::FrameWindow frame;
  Recorder recorder;
  frame.SetObserver(&recorder);
  frame.GrowWindow(10, 30);
  frame.ActivateFrame();
  EXPECT_EQ(recorder.changes, (std::vector<FrameChange>{FrameChange::Geometry, FrameChange::Activate}));
  EXPECT_EQ(frame.GrowthX(), 10);
  EXPECT_EQ(frame.GrowthY(), 30);
}

}  // namespace
