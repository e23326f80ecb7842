#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/update_doc.h"
#include "doc_fixtures.h"
#include "firmware/hex_file.h"
#include "firmware/mem_map.h"

namespace {

using doctest::RecordingForm;
using doctest::RecordingViewer;
using doctest::Sample;
using doctest::WriteTemp;
using Strings = std::vector<std::string>;

std::string Code(const char* field, size_t n) { return std::string(field, ::strnlen(field, n)); }

// Loads path and returns what went to standard error (the message boxes without a host).
std::string Load(COVUpdateDoc& doc, const std::string& path, bool* result = nullptr) {
  testing::internal::CaptureStderr();
  const bool loaded = doc.OnOpenDocument(path);
  if (result != nullptr) *result = loaded;
  return testing::internal::GetCapturedStderr();
}

size_t FileSize(const std::string& path) { return static_cast<size_t>(std::ifstream(path, std::ios::ate | std::ios::binary).tellg()); }

TEST(Document, StartsWithTheInitialRunState) {
  COVUpdateDoc doc;
  EXPECT_FALSE(doc.HasHexFile());
  EXPECT_EQ(doc.GetRecordCount(), 0);
  EXPECT_EQ(doc.GetFileName(), "");
  EXPECT_EQ(doc.m_DeviceInfo[0], 0xFF);
  for (int i = 1; i < 16; ++i) EXPECT_EQ(doc.m_DeviceInfo[i], 0);
  EXPECT_EQ(doc.m_nDevAuxCount, 0);
  EXPECT_EQ(doc.m_bToolTips, 1);
  for (const char* field : {doc.m_szFileDeviceType, doc.m_szFileFirmware, doc.m_szDevFirmware, doc.m_szDevType})
    EXPECT_EQ(std::string(field, 4), std::string("?\0\0\0", 4));
  EXPECT_EQ(std::string(doc.m_szDevHardware, 3), std::string("?\0\0", 3));
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(std::string(doc.m_szDevAux[i], 4), std::string("?\0\0\0", 4));
    EXPECT_EQ(std::string(doc.m_szFileAux[i], 4), std::string("?\0\0\0", 4));
  }
  EXPECT_EQ(doc.m_pMemMap, nullptr);
  EXPECT_EQ(doc.m_pWorker.load(), nullptr);
}

TEST(DocumentLoad, ReadsTheDeviceSampleWithProgress) {
  COVUpdateDoc doc;
  RecordingForm form;
  doc.m_pView = &form;
  const std::string path = Sample("device.hex");
  bool loaded = false;
  EXPECT_EQ(Load(doc, path, &loaded), "");
  ASSERT_TRUE(loaded);

  EXPECT_EQ(doc.GetRecordCount(), 595);
  EXPECT_EQ(doc.GetHexFile()->FindRecord(595)->GetRecord()->GetType(), 1);
  EXPECT_EQ(doc.GetHexFile2(), nullptr);
  EXPECT_EQ(doc.GetFileName(), "device.hex");
  EXPECT_EQ(Code(doc.m_szFileDeviceType, 4), "VOV");
  EXPECT_EQ(Code(doc.m_szFileFirmware, 4), "2.1");
  EXPECT_EQ(doc.m_hwVersions, (Strings{"AA", "AB", "C1"}));
  EXPECT_EQ(Code(doc.m_szFileAux[0], 4), "1A0");
  EXPECT_EQ(Code(doc.m_szFileAux[1], 4), "3B2");
  EXPECT_EQ(doc.m_auxLabels, (Strings{"Boot Loader: ", "Video Engine: "}));
  EXPECT_EQ(doc.m_bInfoBlock, 1);

  const std::string begin = "Begin 0 " + std::to_string(FileSize(path) / 8) + " Loading Hex File... 1";
  EXPECT_EQ(form.calls, (Strings{"Refresh", begin, "End", "ShowFileName device.hex", "EnableFileButtons 1"}));
  // One position per record: the file position / 8, a buffer ahead of the
  // reader, which the header put back at the first ':'.
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(form.positions.size(), 595u);
  EXPECT_EQ(form.positions.front(), static_cast<int>((text.find(':') + 4096) / 8));
  EXPECT_EQ(form.positions.back(), static_cast<int>(FileSize(path) / 8));
}

TEST(DocumentLoad, RefreshesTheUpdateButtonsWhenThePortIsActive) {
  COVUpdateDoc doc;
  RecordingForm form;
  form.m_bPortActive = true;
  doc.m_pView = &form;
  Load(doc, Sample("console.hex"));
  EXPECT_EQ(form.calls.back(), "EnableUpdateButtons 1");
  EXPECT_EQ(Code(doc.m_szFileDeviceType, 4), "J1 ");
  EXPECT_EQ(doc.m_hwVersions, (Strings{"AA", "AB", "AC", "AD"}));
}

TEST(DocumentLoad, ResetsFlagsClosesViewersAndFreesMaps) {
  COVUpdateDoc doc;
  Load(doc, Sample("device.hex"));
  ASSERT_TRUE(doc.CreateMemMap(nullptr));
  int destroyed = 0;
  RecordingViewer first(&destroyed), second(&destroyed);
  first.LinkViewer(&second);
  doc.m_pViewers = &first;
  doc.m_b64kSystem = doc.m_bDeviceVOV = doc.m_bAltUpload = doc.m_bDeviceVJV = doc.m_bDeviceZZZ = 1;
  doc.m_bDeviceAccepted = 1;
  std::memcpy(doc.m_szDevType, "VOV", 4);

  Load(doc, Sample("vwt.hex"));
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(doc.m_pViewers, nullptr);
  EXPECT_EQ(doc.GetMemMap(), nullptr);
  for (int32_t flag : {doc.m_b64kSystem, doc.m_bDeviceVOV, doc.m_bAltUpload, doc.m_bDeviceVJV, doc.m_bDeviceZZZ})
    EXPECT_EQ(flag, 0);
  // The device side of the run is not the file's business.
  EXPECT_EQ(doc.m_bDeviceAccepted, 1);
  EXPECT_EQ(Code(doc.m_szDevType, 4), "VOV");
}

TEST(DocumentLoad, EmptyFileIsRefusedAndLeavesTheDocumentUntouched) {
  COVUpdateDoc doc;
  Load(doc, Sample("device.hex"));
  RecordingForm form;
  doc.m_pView = &form;
  doc.m_bDeviceVOV = 1;
  bool loaded = true;
  EXPECT_EQ(Load(doc, Sample("broken-empty.hex"), &loaded), "Unexpected file format.\n");
  EXPECT_FALSE(loaded);
  EXPECT_EQ(doc.GetFileName(), "device.hex");
  EXPECT_EQ(doc.GetRecordCount(), 595);
  EXPECT_EQ(doc.m_bDeviceVOV, 1);
  EXPECT_TRUE(form.calls.empty());
}

TEST(DocumentLoad, AFileThatCannotBeOpenedIsReported) {
  COVUpdateDoc doc;
  bool loaded = true;
  EXPECT_EQ(Load(doc, Sample("no-such-file.hex"), &loaded), "Failed to open document.\n");
  EXPECT_FALSE(loaded);
  EXPECT_FALSE(doc.HasHexFile());
}

TEST(DocumentLoad, NoLoadWhileAWorkerRuns) {
  COVUpdateDoc doc;
  int token = 0;
  doc.m_pWorker = reinterpret_cast<platform::WorkerThread*>(&token);
  RecordingForm form;
  doc.m_pView = &form;
  bool loaded = true;
  EXPECT_EQ(Load(doc, Sample("device.hex"), &loaded), "");
  EXPECT_FALSE(loaded);
  EXPECT_FALSE(doc.HasHexFile());
  EXPECT_TRUE(form.calls.empty());
  doc.m_pWorker = nullptr;
}

// Each broken file, loaded over a good one, must leave the good one in place.
TEST(DocumentLoad, AFailedLoadKeepsThePreviousFileWhole) {
  for (const char* broken : {"broken-no-eof.hex", "broken-no-records.hex", "broken-vjv-second.hex"}) {
    SCOPED_TRACE(broken);
    COVUpdateDoc doc;
    Load(doc, Sample("vjv.hex"));
    const OVHexFile* primary = doc.GetHexFile();
    const OVHexFile* second = doc.GetHexFile2();
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(doc.CreateMemMap(nullptr));
    RecordingForm form;
    form.m_bPortActive = true;
    doc.m_pView = &form;
    doc.m_bAltUpload = 1;

    EXPECT_EQ(Load(doc, Sample(broken)), "Unexpected file format.\n");
    EXPECT_EQ(doc.GetHexFile(), primary);
    EXPECT_EQ(doc.GetHexFile2(), second);
    EXPECT_EQ(doc.GetRecordCount(), 129);
    EXPECT_EQ(doc.GetFileName(), "vjv.hex");
    EXPECT_EQ(Code(doc.m_szFileDeviceType, 4), "VJV");
    EXPECT_EQ(Code(doc.m_szFileFirmware, 4), "3.0");
    EXPECT_EQ(doc.m_hwVersions.front(), "AC");
    // What a load does before it reads still happened.
    EXPECT_EQ(doc.GetMemMap(), nullptr);
    EXPECT_EQ(doc.m_bAltUpload, 0);
    ASSERT_GE(form.calls.size(), 3u);
    EXPECT_EQ(form.calls[form.calls.size() - 2], "End");
    EXPECT_EQ(form.calls.back(), "EnableUpdateButtons 1");
  }
}

TEST(DocumentLoad, SecondImageOfVjvFilesAndNoStaleSecondImage) {
  COVUpdateDoc doc;
  Load(doc, Sample("vjv.hex"));
  EXPECT_EQ(doc.GetRecordCount(), 129);
  ASSERT_NE(doc.GetHexFile2(), nullptr);
  EXPECT_EQ(doc.GetHexFile2()->FindRecord(34)->GetRecord()->GetType(), 1);
  EXPECT_EQ(doc.GetHexFile2()->GetRecord()->GetType(), 4);

  Load(doc, Sample("device.hex"));
  EXPECT_EQ(doc.GetHexFile2(), nullptr);
}

TEST(DocumentLoad, EachFileStartsFromUnknownInformation) {
  COVUpdateDoc doc;
  Load(doc, Sample("vjv.hex"));
  // No header: nothing of the previous file's header may survive, and without
  // a DeviceType of its own the file has no second image.
  Load(doc, WriteTemp("doc_two_images.hex", ":0100000011EE\n:00000001FF\n:0100000022DD\n:00000001FF\n"));
  EXPECT_EQ(doc.GetRecordCount(), 2);
  EXPECT_EQ(doc.GetHexFile2(), nullptr);
  EXPECT_EQ(doc.m_szFileDeviceType[0], '?');
  EXPECT_EQ(doc.m_szFileFirmware[0], '?');
  EXPECT_TRUE(doc.m_hwVersions.empty());
  EXPECT_TRUE(doc.m_auxLabels.empty());
  EXPECT_EQ(doc.m_bInfoBlock, 0);
  EXPECT_EQ(doc.GetFileName(), "doc_two_images.hex");
}

TEST(DocumentLoad, WithoutAFormTheLoadRunsSilently) {
  COVUpdateDoc doc;
  bool loaded = false;
  EXPECT_EQ(Load(doc, Sample("vwt.hex"), &loaded), "");
  EXPECT_TRUE(loaded);
  EXPECT_EQ(doc.GetRecordCount(), 308);
}

TEST(DocumentChecks, CompareTheFileWithTheDevice) {
  COVUpdateDoc doc;
  EXPECT_EQ(doc.CheckDeviceType(), 2);
  EXPECT_EQ(doc.CheckHardwareVersion(), 2);
  EXPECT_EQ(doc.CheckFirmwareVersion(), 2);
  Load(doc, Sample("device.hex"));
  std::memcpy(doc.m_szDevType, "VOV", 4);
  std::memcpy(doc.m_szDevHardware, "AB", 3);
  std::memcpy(doc.m_szDevFirmware, "2.0", 4);
  EXPECT_EQ(doc.CheckDeviceType(), 1);
  EXPECT_EQ(doc.CheckHardwareVersion(), 1);
  EXPECT_EQ(doc.CheckFirmwareVersion(), 1);
  std::memcpy(doc.m_szDevHardware, "ZZ", 3);
  std::memcpy(doc.m_szDevFirmware, "2.1", 4);
  EXPECT_EQ(doc.CheckHardwareVersion(), 0);
  EXPECT_EQ(doc.CheckFirmwareVersion(), 0);
}

}  // namespace
