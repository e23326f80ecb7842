#include "platform/serial/port_names.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/settings_path.h"

namespace {

namespace fs = std::filesystem;

// A settings folder of the test's own, and no port variables from the environment.
class PortNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_config = fs::temp_directory_path() / ("talvex-ports-" + std::to_string(getpid()));
    fs::create_directories(m_config);
    setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
    for (const char* name : kVariables) unsetenv(name);
  }
  void TearDown() override {
    for (const char* name : kVariables) unsetenv(name);
    unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(m_config);
  }
  void WriteSettings(const std::string& text) {
    fs::create_directories(m_config / "TalvexUpdate");
    std::ofstream(m_config / "TalvexUpdate" / "TalvexUpdate.ini") << text;
  }

  static constexpr const char* kVariables[] = {"TALVEXUPDATE_COM1", "TALVEXUPDATE_COM2", "TALVEXUPDATE_COM3",
                                               "TALVEXUPDATE_COM4"};
  fs::path m_config;
};

TEST_F(PortNamesTest, StandardNamesMapToTheFirstFourSerialDevices) {
  EXPECT_EQ(platform::StandardPortNames(), (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
  EXPECT_EQ(platform::ResolvePortName("COM1").path, "/dev/ttyS0");
  EXPECT_EQ(platform::ResolvePortName("COM4").path, "/dev/ttyS3");
  EXPECT_EQ(platform::ResolvePortName("com2").path, "/dev/ttyS1");
  EXPECT_EQ(platform::ResolvePortName("COM3").source, "default");
}

TEST_F(PortNamesTest, PathsStandForThemselvesAndOtherNamesForNothing) {
  EXPECT_EQ(platform::ResolvePortName("/dev/pts/7").path, "/dev/pts/7");
  for (const char* name : {"User Defined", "Unavailable", "COM0", "COM5", "COM10", "", "dev/ttyS0"}) {
    EXPECT_EQ(platform::ResolvePortName(name).path, "") << name;
  }
}

TEST_F(PortNamesTest, SettingsFileMapsPortsAndTheEnvironmentWins) {
  WriteSettings("[Recent File List]\nFile1=/tmp/a.hex\n\n[Ports]\nCOM1 = /dev/ttyUSB0\ncom3=/dev/serial/by-id/usb-x\n"
                "COM2=\n");
  setenv("TALVEXUPDATE_COM3", "/dev/ttyACM1", 1);

  EXPECT_EQ(platform::ResolvePortName("COM1").path, "/dev/ttyUSB0");
  EXPECT_EQ(platform::ResolvePortName("COM1").source, platform::UserSettingsPath().string() + " [Ports]");
  EXPECT_EQ(platform::ResolvePortName("COM2").path, "/dev/ttyS1");  // an empty value maps nothing
  EXPECT_EQ(platform::ResolvePortName("COM3").path, "/dev/ttyACM1");
  EXPECT_EQ(platform::ResolvePortName("COM3").source, "TALVEXUPDATE_COM3");
  EXPECT_EQ(platform::ResolvePortName("COM4").path, "/dev/ttyS3");
}

TEST_F(PortNamesTest, SettingsPathFollowsXdgConfigHomeAndFallsBackToHome) {
  EXPECT_EQ(platform::UserSettingsPath(), m_config / "TalvexUpdate" / "TalvexUpdate.ini");
  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  const char* home = getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    EXPECT_EQ(platform::UserSettingsPath(), fs::path(home) / ".config" / "TalvexUpdate" / "TalvexUpdate.ini");
  }
}

TEST_F(PortNamesTest, FoundDevicesAreSerialDeviceNodes) {
  for (const platform::SerialDevice& device : platform::FindSerialDevices()) {
    const std::string name = fs::path(device.path).filename().string();
    const bool known = device.path.rfind("/dev/serial/by-id/", 0) == 0 || name.rfind("ttyUSB", 0) == 0 ||
                       name.rfind("ttyACM", 0) == 0 || name.rfind("ttyS", 0) == 0;
    EXPECT_TRUE(known) << device.path;
  }
}

}  // namespace
