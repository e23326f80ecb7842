#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/update_doc.h"
#include "doc_fixtures.h"
#include "firmware/mem_map.h"

namespace {

using doctest::RecordingForm;
using doctest::Sample;
using Strings = std::vector<std::string>;

const char kCancelled[] =
    "Testing loaded hex file: FAILED  \n\nThe testing was cancelled at your request.  The file should not be used "
    "until validated.\n";

class DocumentTest : public testing::Test {
 protected:
  void Open(const char* name) {
    testing::internal::CaptureStderr();
    ASSERT_TRUE(doc.OnOpenDocument(Sample(name)));
    testing::internal::GetCapturedStderr();
    doc.m_pView = &form;
  }
  bool Test(bool progress, std::string* boxes) {
    testing::internal::CaptureStderr();
    const bool passed = doc.TestHexFile(progress);
    *boxes = testing::internal::GetCapturedStderr();
    return passed;
  }
  COVUpdateDoc doc;
  RecordingForm form;
  std::string boxes;
};

TEST_F(DocumentTest, AGoodFilePassesWithOneStepPerRecord) {
  Open("device.hex");
  EXPECT_TRUE(Test(true, &boxes));
  EXPECT_EQ(boxes, "");
  EXPECT_EQ(form.calls, (Strings{"Begin 0 595 Testing Hex file... 1", "End"}));
  EXPECT_EQ(form.steps, 595);
}

TEST_F(DocumentTest, TheThirdRecordsBadChecksumStopsTheTest) {
  Open("broken-checksum.hex");
  EXPECT_FALSE(Test(true, &boxes));
  EXPECT_EQ(boxes, "");
  EXPECT_EQ(form.steps, 2);
  EXPECT_EQ(form.calls.back(), "End");
  EXPECT_FALSE(form.active);
}

TEST_F(DocumentTest, LineEndsTakenAsAChecksumFailTheTest) {
  Open("broken-short-eof.hex");
  EXPECT_EQ(doc.GetRecordCount(), 2);
  EXPECT_FALSE(Test(false, &boxes));
}

TEST_F(DocumentTest, CancelEndsTheRunWithItsMessage) {
  Open("device.hex");
  form.cancelAtStep = 10;
  EXPECT_FALSE(Test(true, &boxes));
  EXPECT_EQ(boxes, kCancelled);
  EXPECT_EQ(form.steps, 10);
  EXPECT_TRUE(form.m_bCancel);
}

TEST_F(DocumentTest, WithoutProgressOrWithARefusedRunNothingStepsOrCancels) {
  Open("device.hex");
  form.m_bCancel = true;
  EXPECT_TRUE(Test(false, &boxes));
  EXPECT_TRUE(form.calls.empty());
  form.refuseBegin = true;
  EXPECT_TRUE(Test(true, &boxes));
  EXPECT_EQ(boxes, "");
  EXPECT_EQ(form.steps, 0);
}

TEST_F(DocumentTest, MapsAreBuiltOnceAndTheSecondMapFromTheSecondList) {
  Open("vjv.hex");
  ASSERT_TRUE(doc.CreateMemMap(&form));
  EXPECT_EQ(form.steps, 129);
  OVMemMap* map = doc.GetMemMap();
  ASSERT_TRUE(doc.CreateMemMap(&form));
  EXPECT_EQ(doc.GetMemMap(), map);
  EXPECT_EQ(form.steps, 129);

  ASSERT_TRUE(doc.CreateMemMap2(nullptr));
  EXPECT_NE(doc.GetMemMap2()->GetPagePtr(0xFF, 0x40), nullptr);
  EXPECT_NE(doc.GetMemMap()->GetPagePtr(0xFF, 0x00)[0], doc.GetMemMap2()->GetPagePtr(0xFF, 0x40)[0]);
}

TEST_F(DocumentTest, WithoutASecondListTheSecondMapIsEmpty) {
  Open("device.hex");
  ASSERT_TRUE(doc.CreateMemMap2(nullptr));
  for (int seg = 0; seg < 256; ++seg) EXPECT_FALSE(doc.GetMemMap2()->HasSegment(static_cast<uint8_t>(seg)));
}

}  // namespace
