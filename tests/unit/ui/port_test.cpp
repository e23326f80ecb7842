// The form's Activate Port / Disable Port button and port selector, on a
// pseudo-terminal that stands in for COM1.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/serial/serial_port.h"
#include "serial/line_settings.h"
#include "support/pty.h"
#include "ui_fixture.h"

using namespace res;

namespace {

constexpr const char* kMsgPortNotFound =
    "Access to the selected serial port was denied by Windows.  \n\nThe serial port driver does not have an entry for "
    "this port.  \nPlease check the system properties and ensure that this port exists.";
constexpr const char* kMsgPortInUse =
    "Access to the selected serial port was denied by Windows.  \n\nThe port may be in use by another device.";

constexpr int kUpdateButtons[] = {IDC_UPDATE_CONSOLE, IDC_UPDATE_DEVICE, IDC_UPDATE_MATRIX, IDC_SEND_UNFORMATTED};

// COM1 is a pseudo-terminal, COM2 a device that does not exist, COM3 a device
// that is no serial port; the user's own settings file is kept out.
class PortTest : public uitest::ProgramTest {
 protected:
  void SetUp() override {
    ASSERT_GE(pty.master(), 0);
    slavePath = pty.slavePath();
    const std::filesystem::path config = std::filesystem::path(::testing::TempDir()) / "port-test-config";
    std::filesystem::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("TALVEXUPDATE_COM1", slavePath.c_str(), 1);
    setenv("TALVEXUPDATE_COM2", (config / "no-such-tty").c_str(), 1);
    setenv("TALVEXUPDATE_COM3", "/dev/null", 1);
    ProgramTest::SetUp();
  }
  void TearDown() override {
    ProgramTest::TearDown();
    for (const char* name : {"XDG_CONFIG_HOME", "TALVEXUPDATE_COM1", "TALVEXUPDATE_COM2", "TALVEXUPDATE_COM3"})
      unsetenv(name);
  }

  // As the operator does: open the list, choose an entry, close the list.
  void ChoosePort(int index) const {
    view->m_cboPort->UserDropDown();
    view->m_cboPort->UserSelect(index);
    view->m_cboPort->UserCloseUp();
  }
  std::string PortPane() const {
    frame->OnIdle();
    return frame->StatusPanes().back().text;
  }
  void ExpectInactive() const {
    EXPECT_FALSE(view->m_bPortActive);
    EXPECT_EQ(Item(IDC_ACTIVATE_PORT).GetWindowText(), "Activate Port");
    EXPECT_TRUE(Enabled(IDC_PORT));
    EXPECT_FALSE(Enabled(IDC_ADVANCED));
    EXPECT_FALSE(Enabled(IDC_CHECK_DEVICE));
    for (int id : kUpdateButtons) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(PortPane(), "Port Inactive");
    EXPECT_FALSE(doc->m_hPort);
    EXPECT_FALSE(doc->m_pDCB);
  }
  void ExpectUnavailable() const {
    EXPECT_FALSE(view->m_bPortActive);
    EXPECT_FALSE(Enabled(IDC_ACTIVATE_PORT));
    EXPECT_EQ(view->m_cboPort->Items(),
              (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4", "Unavailable"}));
    EXPECT_EQ(view->m_cboPort->GetCurSel(), 4);
    EXPECT_EQ(PortPane(), "Port Inactive");
    EXPECT_FALSE(doc->m_hPort);
  }

  std::string slavePath;

 private:
  testsupport::Pty pty;
};

TEST_F(PortTest, ActivateOpensThePortAndSwitchesTheFormUpdateButtonsFollowingALoadedFile) {
  for (const bool withFile : {false, true}) {
    SCOPED_TRACE(withFile ? "with a file" : "without a file");
    if (withFile) {
      ASSERT_TRUE(Load("device.hex"));
    }

    Click(IDC_ACTIVATE_PORT);

    EXPECT_TRUE(host.Boxes().empty());
    EXPECT_TRUE(view->m_bPortActive);
    EXPECT_EQ(Item(IDC_ACTIVATE_PORT).GetWindowText(), "Disable Port");
    EXPECT_TRUE(Enabled(IDC_ACTIVATE_PORT));
    EXPECT_FALSE(Enabled(IDC_PORT));
    EXPECT_FALSE(Enabled(IDC_ADVANCED));
    EXPECT_TRUE(Enabled(IDC_CHECK_DEVICE));
    for (int id : kUpdateButtons) EXPECT_EQ(Enabled(id), withFile) << id;
    EXPECT_EQ(Item(IDC_UPDATE_DEVICE).GetWindowText(), withFile ? "Send To Talvex" : "Update Talvex Device");
    EXPECT_EQ(PortPane(), "Port ACTIVE");
    ASSERT_TRUE(doc->m_hPort);
    ASSERT_TRUE(doc->m_pDCB);
    EXPECT_EQ(doc->m_pDCB->baudRate, 9600u);
    EXPECT_EQ(doc->m_pDCB->byteSize, 8);

    Click(IDC_ACTIVATE_PORT);
    ExpectInactive();
  }
}

TEST_F(PortTest, DisableReleasesThePortSoThatItOpensAgainHereAndElsewhere) {
  Click(IDC_ACTIVATE_PORT);
  Click(IDC_ACTIVATE_PORT);
  ExpectInactive();

  platform::PortOpenResult other = platform::OpenSerialPort(slavePath);
  EXPECT_EQ(other.error, 0u);
  other.port.reset();

  Click(IDC_ACTIVATE_PORT);
  EXPECT_TRUE(host.Boxes().empty());
  EXPECT_TRUE(view->m_bPortActive);
  EXPECT_EQ(PortPane(), "Port ACTIVE");
  EXPECT_TRUE(doc->m_hPort);
}

TEST_F(PortTest, TheDocumentReleasesItsEarlierPortBeforeItOpensOne) {
  OVLineSettings line;
  ASSERT_EQ(doc->OpenPort(line, slavePath), 0u);
  line.m_nBaudRate = 7;
  ASSERT_EQ(doc->OpenPort(line, slavePath), 0u);
  ASSERT_TRUE(doc->m_pDCB);
  EXPECT_EQ(doc->m_pDCB->baudRate, 38400u);

  // A refused open keeps no port either.
  EXPECT_EQ(doc->OpenPort(line, "/dev/null"), 25u);
  EXPECT_FALSE(doc->m_hPort);
  EXPECT_FALSE(doc->m_pDCB);
  EXPECT_EQ(platform::OpenSerialPort(slavePath).error, 0u);
  EXPECT_TRUE(Log().empty());
}

TEST_F(PortTest, APortHeldByAnotherOpenerIsInUseUntilTheSelectorIsOpenedAndClosedAgain) {
  platform::PortOpenResult other = platform::OpenSerialPort(slavePath);
  ASSERT_EQ(other.error, 0u);

  host.ExpectMessageBox(kMsgPortInUse);
  Click(IDC_ACTIVATE_PORT);
  ExpectUnavailable();
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].request.buttons, platform::Buttons::Ok);
  EXPECT_EQ(host.Boxes()[0].request.icon, platform::Icon::Warning);
  EXPECT_EQ(Log(), "Access to " + slavePath +
                       " was denied: another program holds the port open for its exclusive use.\r\n");

  view->m_cboPort->UserDropDown();
  EXPECT_EQ(view->m_cboPort->Items(), (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
  EXPECT_EQ(view->m_cboPort->GetCurSel(), 0);
  EXPECT_FALSE(Enabled(IDC_ACTIVATE_PORT));
  view->m_cboPort->UserCloseUp();
  EXPECT_TRUE(Enabled(IDC_ACTIVATE_PORT));

  other.port.reset();
  Click(IDC_ACTIVATE_PORT);
  EXPECT_TRUE(view->m_bPortActive);
  EXPECT_EQ(PortPane(), "Port ACTIVE");
}

TEST_F(PortTest, AMissingDeviceHasNoEntryAndLeavesThePortUnavailable) {
  ChoosePort(1);
  host.ExpectMessageBox(kMsgPortNotFound);
  Click(IDC_ACTIVATE_PORT);
  ExpectUnavailable();
  EXPECT_TRUE(Log().empty());
}

TEST_F(PortTest, APortThatCannotBeSetUpIsToldInAnOkBoxAndStaysInactive) {
  struct Case {
    const char* what;
    int portIndex;
    int stopBits;
    const char* message;
  };
  const Case cases[] = {
      {"one and a half stop bits", 0, 1,
       "The selected serial port could not be set up.  \n\nThe serial ports of this system do not support 1.5 stop "
       "bits.  \nPlease choose 1 or 2 stop bits.\n\nError code: 22"},
      {"no serial port", 2, 0,
       "The selected serial port could not be set up.  \n\nThe selected device is not a serial port.\n\nError code: "
       "25"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.ClearBoxes();
    ChoosePort(c.portIndex);
    view->m_lineSettings.m_nStopBits = c.stopBits;
    host.ExpectMessageBox(c.message);

    Click(IDC_ACTIVATE_PORT);

    ASSERT_EQ(host.Boxes().size(), 1u);
    EXPECT_EQ(host.Boxes()[0].request.buttons, platform::Buttons::Ok);
    ExpectInactive();
    EXPECT_TRUE(Enabled(IDC_ACTIVATE_PORT));
    EXPECT_EQ(view->m_cboPort->Items().size(), 4u);
    EXPECT_EQ(view->m_cboPort->GetCurSel(), c.portIndex);
  }
  // The refused attempt kept nothing open: the same port with good settings opens.
  ChoosePort(0);
  view->m_lineSettings.m_nStopBits = 0;
  Click(IDC_ACTIVATE_PORT);
  EXPECT_TRUE(view->m_bPortActive);
}

TEST_F(PortTest, LoadingAFileWhileThePortIsActiveRefreshesTheUpdateButtons) {
  Click(IDC_ACTIVATE_PORT);
  for (int id : kUpdateButtons) EXPECT_FALSE(Enabled(id)) << id;

  struct Case {
    const char* sample;
    const char* deviceCaption;
  };
  for (const Case& c : {Case{"device.hex", "Send To Talvex"}, Case{"vjv.hex", "VJT4870"}}) {
    SCOPED_TRACE(c.sample);
    ASSERT_TRUE(Load(c.sample));
    for (int id : kUpdateButtons) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(Item(IDC_UPDATE_DEVICE).GetWindowText(), c.deviceCaption);
  }
}

}  // namespace
