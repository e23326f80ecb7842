#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_fixture.h"

namespace {

using clitest::Cli;
using clitest::Sample;
using nlohmann::json;

TEST(CliInfo, ListsTheHeaderRecordsSegmentsAndExtent) {
  const auto result = Cli({"info", Sample("device.hex")});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "File:               device.hex\n"
            "Device type:        VOV (Send To Talvex)\n"
            "Firmware version:   2.1\n"
            "Hardware versions:  AA AB C1\n"
            "Auxiliary versions:\n"
            "   1  1A0  Boot Loader\n"
            "   2  3B2  Video Engine\n"
            "Records:            595\n"
            "Second image:       none\n"
            "Segments:           FE FF\n"
            "Top segment:        0x00\n"
            "Top offset:         0x0000\n"
            "Extent:             1 records of 16 bytes\n");
}

TEST(CliInfo, ShowsTheSecondImageAndUnknownValues) {
  const auto vjv = Cli({"info", Sample("vjv.hex")});
  EXPECT_NE(vjv.out.find("Records:            129\nSecond image:       34 records\n"), std::string::npos) << vjv.out;
  EXPECT_NE(vjv.out.find("Second segments:    FF\n"), std::string::npos) << vjv.out;

  const auto bare = Cli({"info", clitest::WriteTemp("cli-info-bare.hex", ":00000001FF\n")});
  EXPECT_EQ(bare.status, 0);
  EXPECT_EQ(bare.out,
            "File:               cli-info-bare.hex\n"
            "Device type:        <Unknown> (Talvex)\n"
            "Firmware version:   <Unknown>\n"
            "Hardware versions:  <Unknown>\n"
            "Auxiliary versions: <none>\n"
            "Records:            1\n"
            "Second image:       none\n"
            "Segments:           <none>\n"
            "Top segment:        0x00\n"
            "Top offset:         0x0000\n"
            "Extent:             1 records of 16 bytes\n");
}

struct JsonCase {
  const char* sample;
  json expected;  // the keys checked, with their values
};

class CliInfoJson : public ::testing::TestWithParam<JsonCase> {};

TEST_P(CliInfoJson, ReportsTheStoredValues) {
  const auto result = Cli({"info", Sample(GetParam().sample), "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const json report = json::parse(result.out);
  for (const auto& [key, value] : GetParam().expected.items()) EXPECT_EQ(report.at(key), value) << key;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, CliInfoJson,
    ::testing::Values(
        JsonCase{"device.hex",
                 {{"file", "device.hex"},
                  {"device_type", "VOV"},
                  {"device_type_name", "Send To Talvex"},
                  {"firmware_version", "2.1"},
                  {"hardware_versions", {"AA", "AB", "C1"}},
                  {"auxiliary_versions",
                   {{{"index", 1}, {"version", "1A0"}, {"label", "Boot Loader: "}},
                    {{"index", 2}, {"version", "3B2"}, {"label", "Video Engine: "}}}},
                  {"records", 595},
                  {"second_image_records", nullptr},
                  {"segments", {"FE", "FF"}},
                  {"top_segment", 0},
                  {"top_offset", 0},
                  {"extent_records", 1}}},
        JsonCase{"console.hex",
                 {{"device_type", "J1 "},
                  {"firmware_version", "1.0"},
                  {"hardware_versions", {"AA", "AB", "AC", "AD"}},
                  {"auxiliary_versions", json::array()},
                  {"records", 257},
                  {"segments", {"FF"}}}},
        JsonCase{"vjv.hex",
                 {{"device_type", "VJV"},
                  {"device_type_name", "VJT4870"},
                  {"records", 129},
                  {"second_image_records", 34},
                  {"segments", {"FF"}}}},
        JsonCase{"vwt.hex",
                 {{"device_type", "VWT"},
                  {"segments", {"00", "01", "02"}},
                  {"top_segment", 2},
                  {"top_offset", 0x3F0},
                  {"extent_records", 2 * 4096 + 0x3F0 / 16 + 1}}}),
    [](const auto& info) {
      std::string name = info.param.sample;
      return name.substr(0, name.find('.'));
    });

TEST(CliInfoJsonValues, UnknownValuesAreNullAndAMissingLabelToo) {
  const auto path = clitest::WriteTemp("cli-info-aux.hex", "{AuxiliaryVersion = 3 7Q1}\n:00000001FF\n");
  const json report = json::parse(Cli({"info", path, "--json"}).out);
  EXPECT_EQ(report.at("device_type"), nullptr);
  EXPECT_EQ(report.at("device_type_name"), "Talvex");
  EXPECT_EQ(report.at("firmware_version"), nullptr);
  EXPECT_EQ(report.at("hardware_versions"), json::array());
  EXPECT_EQ(report.at("auxiliary_versions"), json::parse(R"([{"index": 3, "version": "7Q1", "label": null}])"));
  EXPECT_EQ(report.at("second_image_records"), nullptr);
  EXPECT_EQ(report.at("segments"), json::array());
}

TEST(CliInfoJsonValues, CodesThatAreNotTextStillGiveAReport) {
  const auto path = clitest::WriteTemp("cli-info-bytes.hex", "{DeviceType = \xff\xfe\x80}\n:00000001FF\n");
  const auto result = Cli({"info", path, "--json"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(json::parse(result.out).at("device_type").is_string());
}

}  // namespace
