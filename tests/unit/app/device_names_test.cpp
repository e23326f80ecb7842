#include <gtest/gtest.h>

#include "app/update_doc.h"

namespace {

TEST(DeviceDisplayName, Table) {
  const struct {
    const char* code;
    const char* name;
    int altUpload;
  } cases[] = {
      {"QRa", "Darvell QR(Type A)", 0}, {"QRb", "Darvell QR(Type B)", 0}, {"KQb", "Kessel QR(Type B)", 0},
      {"KQp", "Kessel QR(Type P)", 0},  {"J1 ", "Send To Talvex", 0},     {"VOV", "Send To Talvex", 0},
      {"VWT", "Send To Talvex", 1},     {"J2", "Send To Talvex", 1},      {"J2x", "Send To Talvex", 1},
      {"J1", "Send To Talvex", 0},      {"J1Q", "Send To Talvex", 0},     {"VJV", "VJT4870", 0},
      {"ZZZ", "Send To Talvex", 1},     {"?", "Talvex", 0},               {"qra", "Talvex", 0},
      {"", "Talvex", 0},                {"J", "Talvex", 0},               {"QR", "Talvex", 0},
  };
  for (const auto& c : cases) {
    COVUpdateDoc doc;
    EXPECT_EQ(doc.DeviceDisplayName(c.code), c.name) << '"' << c.code << '"';
    EXPECT_EQ(doc.m_bAltUpload, c.altUpload) << '"' << c.code << '"';
  }
}

TEST(DeviceDisplayName, OnlyALoadClearsTheAlternativeUploadFlag) {
  COVUpdateDoc doc;
  doc.DeviceDisplayName("VWT");
  EXPECT_EQ(doc.DeviceDisplayName("QRa"), "Darvell QR(Type A)");
  EXPECT_EQ(doc.m_bAltUpload, 1);
  EXPECT_EQ(doc.DeviceDisplayName(doc.m_szFileDeviceType), "Talvex");
}

}  // namespace
