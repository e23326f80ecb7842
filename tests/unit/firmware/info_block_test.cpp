#include "firmware/info_block.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

#include "firmware/version_checks.h"

namespace {

using Strings = std::vector<std::string>;

OVFileInfo Parse(const std::string& header) {
  OVFileInfo info;
  ParseInfoBlocks(header, info);
  return info;
}

std::string Code(const char (&field)[4]) { return std::string(field, 4); }

TEST(InfoHeader, ReadsUpToTheFirstColonAndPutsTheReaderBackThere) {
  const std::string text = "{DeviceType = VJV}\r\n{FirmwareVersion = 2.10}\n:00000001FF\n";
  OVMemorySource source(text);
  OVArchive ar(source);
  EXPECT_EQ(ReadInfoHeader(ar), "{DeviceType = VJV}\r\n{FirmwareVersion = 2.10}\n");
  EXPECT_EQ(ar.ReadChar(), ':');
}

TEST(InfoHeader, AFileWithoutAColonRaisesEndOfFile) {
  OVMemorySource source("{DeviceType = VJV}\n");
  OVArchive ar(source);
  EXPECT_THROW(ReadInfoHeader(ar), OVArchiveEndOfFile);
}

TEST(InfoBlocks, ThreeLineHeader) {
  const OVFileInfo info = Parse("{DeviceType = VJV}\n{FirmwareVersion = 2.10}\n{HardwareVersionRange = AA AC}\n");
  EXPECT_EQ(Code(info.m_szFileDeviceType), std::string("VJV\0", 4));
  EXPECT_EQ(Code(info.m_szFileFirmware), std::string("2.1\0", 4));
  EXPECT_EQ(info.m_hwVersions, (Strings{"AA", "AB", "AC"}));
  EXPECT_EQ(info.m_bInfoBlock, 1);
}

TEST(InfoBlocks, NoBlockLeavesTheInitialValues) {
  const OVFileInfo info = Parse("just a comment\n");
  EXPECT_EQ(info.m_bInfoBlock, 0);
  EXPECT_EQ(info.m_szFileDeviceType[0], '?');
  EXPECT_EQ(info.m_szFileFirmware[0], '?');
  for (const auto& aux : info.m_szFileAux) EXPECT_EQ(aux[0], '?');
  EXPECT_TRUE(info.m_hwVersions.empty());
}

TEST(InfoBlocks, LaterEntriesWinAndNestedBracesStartBlocks) {
  const OVFileInfo info = Parse("{DeviceType = QRa}{DeviceType = KQp}{HardwareVersionList = A1}{HardwareVersionRange = B1 B2}");
  EXPECT_EQ(Code(info.m_szFileDeviceType), std::string("KQp\0", 4));
  EXPECT_EQ(info.m_hwVersions, (Strings{"B1", "B2"}));
  // The outer block's text runs to the first '}', the inner '{' starts a block of its own.
  const OVFileInfo nested = Parse("{FirmwareVersion = 1.0 {DeviceType = VWT}");
  EXPECT_EQ(Code(nested.m_szFileFirmware), std::string("1.0\0", 4));
  EXPECT_EQ(Code(nested.m_szFileDeviceType), std::string("VWT\0", 4));
}

TEST(InfoBlocks, AnUnclosedBlockRunsToTheEndOfTheHeader) {
  const OVFileInfo info = Parse("{DeviceType = VOV\n");
  EXPECT_EQ(Code(info.m_szFileDeviceType), std::string("VOV\0", 4));
}

TEST(InfoEntry, KeysAndTheirResults) {
  const struct {
    const char* block;
    int index;
  } cases[] = {
      {"HardwareVersionRange = AA AB", 0}, {"HardwareVersionList = AA", 1}, {"FirmwareVersion = 1", 2},
      {"AuxiliaryVersion = 1 x", 3},       {"DeviceType = J1", 4},          {"Display = 1 x", 5},
      {"DeviceType=VJV", -1},              {"devicetype = VJV", -1},        {"", -1},
      {"   ", -1},                         {"Unknown = 1", -1},             {"DeviceType", 4},
      {"DeviceType =", 4},                 {"DeviceTypeLongerThanTwenty = x", -1},
  };
  for (const auto& c : cases) {
    OVFileInfo info;
    EXPECT_EQ(ParseInfoEntry(c.block, info), c.index) << c.block;
  }
}

TEST(InfoEntry, AKeyGluedToItsEqualsSignIsIgnored) {
  OVFileInfo info;
  ParseInfoEntry("DeviceType=VJV", info);
  EXPECT_EQ(info.m_szFileDeviceType[0], '?');
}

TEST(InfoEntry, EntriesWithoutTheirTokensStoreNothing) {
  OVFileInfo info;
  for (const char* block : {"DeviceType", "DeviceType = ", "FirmwareVersion =", "AuxiliaryVersion = 3", "Display = 2"})
    ParseInfoEntry(block, info);
  EXPECT_EQ(info.m_szFileDeviceType[0], '?');
  EXPECT_EQ(info.m_szFileFirmware[0], '?');
  EXPECT_EQ(info.m_szFileAux[2][0], '?');
  EXPECT_TRUE(info.m_auxLabels.empty());
}

TEST(InfoEntry, QuotedTokensKeepTheirBlanks) {
  OVFileInfo info;
  ParseInfoEntry("DeviceType = \"J1 \"", info);
  EXPECT_EQ(Code(info.m_szFileDeviceType), std::string("J1 \0", 4));
  ParseInfoEntry("HardwareVersionList = \"A B\" C1 \"unclosed quote", info);
  EXPECT_EQ(info.m_hwVersions, (Strings{"A B", "C1", "unclosed quote"}));
  // An empty pair of quotes ends the value's tokens.
  ParseInfoEntry("HardwareVersionList = A1 \"\" B1", info);
  EXPECT_EQ(info.m_hwVersions, (Strings{"A1"}));
  // A list entry with the key but no value empties the list.
  ParseInfoEntry("HardwareVersionList =", info);
  EXPECT_TRUE(info.m_hwVersions.empty());
}

TEST(InfoEntry, AuxiliaryVersionsAndDisplayLabels) {
  OVFileInfo info;
  ParseInfoEntry("AuxiliaryVersion = 1 1A05", info);
  ParseInfoEntry("AuxiliaryVersion = 20 Z", info);
  ParseInfoEntry("Display = 2 \"Boot Loader\"", info);
  EXPECT_EQ(Code(info.m_szFileAux[0]), std::string("1A0\0", 4));
  EXPECT_EQ(Code(info.m_szFileAux[19]), std::string("Z\0\0\0", 4));
  EXPECT_EQ(info.m_auxLabels, (Strings{"", "Boot Loader: "}));
}

TEST(InfoEntry, NumbersOutsideTheirRangeOrNotDecimalAreIgnored) {
  OVFileInfo info;
  for (const char* block : {"AuxiliaryVersion = 0 AAA", "AuxiliaryVersion = 21 AAA", "AuxiliaryVersion = -1 AAA",
                            "AuxiliaryVersion = 1x AAA", "AuxiliaryVersion = 0x1 AAA", "Display = 0 L",
                            "Display = 21 L", "Display = 2147483648 L", "Display = 99999999999999999999 L",
                            "Display = two L"})
    EXPECT_NE(ParseInfoEntry(block, info), -1) << block;
  for (const auto& aux : info.m_szFileAux) EXPECT_EQ(aux[0], '?');
  EXPECT_TRUE(info.m_auxLabels.empty());
}

TEST(InfoEntry, OverlongInputIsCutToItsLimits) {
  OVFileInfo info;
  ParseInfoEntry("HardwareVersionList = " + std::string(30, 'A') + " B1", info);
  EXPECT_EQ(info.m_hwVersions, (Strings{std::string(20, 'A'), "B1"}));
  // A block is read as its first 200 characters.
  const OVFileInfo cut = Parse("{HardwareVersionList = " + std::string(177, ' ') + "AB CD}");
  EXPECT_EQ(cut.m_hwVersions, (Strings{"A"}));
}

TEST(HardwareRange, Table) {
  const struct {
    Strings tokens;
    Strings expected;
  } cases[] = {
      {{"AA", "AC"}, {"AA", "AB", "AC"}},
      {{"AY", "BB"}, {"AY", "AZ", "BA", "BB"}},
      {{"BA", "AZ"}, {}},
      {{"AA"}, {"??"}},
      {{}, {"??"}},
      {{"AA", "AB", "AC"}, {"??", "AA", "AB"}},
      {{"A", "AB"}, {}},
      {{"AA", "B"}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(HardwareVersionRange(c.tokens), c.expected) << ::testing::PrintToString(c.tokens);
  // A1 to B2: every character from '1' to 'Z' after 'A', nothing for 'B'.
  const Strings a1b2 = HardwareVersionRange({"A1", "B2"});
  EXPECT_EQ(a1b2.size(), static_cast<size_t>('Z' - '1' + 1));
  EXPECT_EQ(a1b2.front(), "A1");
  EXPECT_EQ(a1b2.back(), "AZ");
}

TEST(HardwareRange, EndsAtOrAbovePrintableLimitTerminate) {
  const Strings high = HardwareVersionRange({"A}", "A\x7F"});
  EXPECT_EQ(high, (Strings{"A}", "A~"}));
  const Strings wide = HardwareVersionRange({"!!", "\xFF\xFF"});
  EXPECT_EQ(wide.back(), "~~");
  EXPECT_LT(wide.size(), 95u * 95u);
}

TEST(VersionChecks, DeviceType) {
  auto check = [](const char* dev, const char* file) {
    char d[4] = {}, f[4] = {};
    std::memcpy(d, dev, std::strlen(dev));
    std::memcpy(f, file, std::strlen(file));
    return CheckDeviceType(d, f);
  };
  EXPECT_EQ(check("?", "VJV"), 2);
  EXPECT_EQ(check("VJV", "?"), 2);
  EXPECT_EQ(check("VJV", "VJV"), 1);
  EXPECT_EQ(check("VJV", "VOV"), 0);
  EXPECT_EQ(check("J1 ", "J1"), 0);
  EXPECT_EQ(check("J1 ", "J1 "), 1);
}

TEST(VersionChecks, HardwareVersion) {
  const char unknown[3] = {'?', 0, 0};
  const char ab[3] = {'A', 'B', 0};
  EXPECT_EQ(CheckHardwareVersion(ab, {}), 2);
  EXPECT_EQ(CheckHardwareVersion(unknown, {}), 2);
  EXPECT_EQ(CheckHardwareVersion(unknown, {"??"}), 1);
  EXPECT_EQ(CheckHardwareVersion(unknown, {"AB"}), 2);
  EXPECT_EQ(CheckHardwareVersion(ab, {"??", "CD"}), 1);
  EXPECT_EQ(CheckHardwareVersion(ab, {"AA", "AB"}), 1);
  EXPECT_EQ(CheckHardwareVersion(ab, {"AA", "ABC"}), 0);
}

TEST(VersionChecks, FirmwareVersion) {
  auto check = [](const char* dev, const char* file) {
    char d[4] = {}, f[4] = {};
    std::memcpy(d, dev, std::strlen(dev));
    std::memcpy(f, file, std::strlen(file));
    return CheckFirmwareVersion(d, f);
  };
  EXPECT_EQ(check("?", "?"), 2);
  EXPECT_EQ(check("2.1", "?"), 2);
  EXPECT_EQ(check("2.0", "2.1"), 1);
  EXPECT_EQ(check("2.1", "2.1"), 0);
  EXPECT_EQ(check("2.2", "2.1"), 0);
  EXPECT_EQ(check("2", "2.1"), 1);
  EXPECT_EQ(check("2.1", "\xC0"), 1);  // compared as unsigned bytes
}

}  // namespace
