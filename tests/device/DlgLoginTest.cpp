// The login dialog driven like a user: what it offers, what it refuses, what
// it keeps (and where), and the HTTP client running it through the modal
// seam against a fake device on 127.0.0.1.
#include <QDirIterator>
#include <QFile>
#include <QSettings>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "ConnectionSettings.h"
#include "DeviceHooks.h"
#include "DlgLogin.h"
#include "FakeDevice.h"
#include "HttpClient.h"
#include "ModalScript.h"

using kt::test::FakeDevice;
using kt::test::FakeResponse;

namespace {

const QString kPortError = QStringLiteral("Setting error: Port address");
const QString kAddressError = QStringLiteral("Setting error: Domain name or IP address");

class DlgLoginTest : public kt::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
      ::unsetenv(name);
    previous = kt::SetActiveConnection(&connection);
  }
  void TearDown() override {
    kt::SetActiveConnection(previous);
    GuiTest::TearDown();
  }

  static QString Profile(const char* entry) {
    return kt::GetProfileString(QStringLiteral("Login"), QString::fromLatin1(entry), QStringLiteral("<none>"));
  }
  static void SetProfile(const char* entry, const QString& value) {
    kt::WriteProfileString(QStringLiteral("Login"), QString::fromLatin1(entry), value);
  }
  // Replaces the edit's whole text as a user does: select all, then type.
  static void Retype(CWnd& edit, const QString& text) {
    kt::test::PressKey(&edit, Qt::Key_A, Qt::ControlModifier);
    kt::test::PressKey(&edit, Qt::Key_Delete);
    kt::test::TypeText(&edit, text);
  }
  // Every byte the profile folder holds, for what must never reach the disk.
  QByteArray ProfileBytes() const {
    QByteArray all;
    QDirIterator it(profileDir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile f(it.next());
      if (f.open(QIODevice::ReadOnly)) all += f.readAll();
    }
    return all;
  }
  // Runs the dialog once; `act` fills it and ends it.
  int Run(std::function<void(CDlgLogin&)> act) {
    modal.ExpectDialog<CDlgLogin>(std::move(act));
    CDlgLogin dlg;
    const int result = static_cast<int>(dlg.DoModal());
    modal.VerifyDone();
    return result;
  }

  kt::ConnectionSettings connection;
  kt::ConnectionSettings* previous = nullptr;
};

TEST_F(DlgLoginTest, OffersTheStoredAddressAndPort) {
  const QString forty = QStringLiteral("abcdefghij.klmnopqrst.uvwxyz0123.4567890");
  ASSERT_EQ(40, forty.size());
  const struct Case {
    std::optional<QString> ip, port;
    QString shownIp, shownPort;
    BOOL portValid;
  } cases[] = {
      {std::nullopt, std::nullopt, "", "80", TRUE},
      {"192.168.0.10", "", "192.168.0.10", "80", TRUE},
      {"dev.example", "8080", "dev.example", "8080", TRUE},
      {forty, "65535", forty.left(32), "65535", TRUE},
      {"a", "abc", "a", "0", FALSE},
      {"a", "65536", "a", "65536", FALSE},
      {"a", " 81x", "a", "81", TRUE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port.value_or("<none>").toStdString());
    QSettings(QStringLiteral("Orvalis"), QStringLiteral("KT2057CFG")).remove(QStringLiteral("Login"));
    if (c.ip) SetProfile("IP", *c.ip);
    if (c.port) SetProfile("PORT", *c.port);
    Run([&](CDlgLogin& dlg) {
      EXPECT_EQ(QStringLiteral("Login"), dlg.GetSafeHwnd()->windowTitle());
      EXPECT_EQ(c.shownIp, dlg.m_editAddress.GetWindowText());
      EXPECT_EQ(c.shownPort, dlg.m_editPort.GetWindowText());
      EXPECT_EQ(c.portValid, dlg.m_editPort.m_bValid);
      kt::test::Click(dlg, IDCANCEL);
    });
  }
}

TEST_F(DlgLoginTest, OneMessagePerOkAddressFirstThenThePort) {
  SetProfile("PORT", QStringLiteral("abc"));
  modal.ExpectDialog<CDlgLogin>([&](CDlgLogin& dlg) {
    // Both wrong: only the address is reported.
    modal.ExpectMessageBox(kAddressError, MB_ICONERROR);
    kt::test::Click(dlg, IDOK);
    EXPECT_FALSE(dlg.IsEnded());

    Retype(dlg.m_editAddress, QStringLiteral("10.0.0.2"));
    modal.ExpectMessageBox(kPortError, MB_ICONERROR);
    kt::test::Click(dlg, IDOK);
    EXPECT_FALSE(dlg.IsEnded());

    // Emptied, the port is still refused; Enter tries OK as well.
    Retype(dlg.m_editPort, QString());
    modal.ExpectMessageBox(kPortError, MB_ICONERROR);
    kt::test::PressKey(&dlg.m_editPort, Qt::Key_Return);
    EXPECT_FALSE(dlg.IsEnded());

    Retype(dlg.m_editPort, QStringLiteral("8081"));
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, CDlgLogin().DoModal());
  EXPECT_EQ(3u, modal.MessageBoxes().size());
  EXPECT_EQ(QStringLiteral("10.0.0.2"), connection.m_strAddress);
  EXPECT_EQ(8081, connection.m_nPort);
  EXPECT_EQ(QStringLiteral("10.0.0.2"), Profile("IP"));
  EXPECT_EQ(QStringLiteral("8081"), Profile("PORT"));
}

TEST_F(DlgLoginTest, CredentialsStayInMemoryAndCancelStoresNothing) {
  EXPECT_EQ(IDOK, Run([](CDlgLogin& dlg) {
              EXPECT_TRUE(dlg.m_editLoginId.GetWindowText().isEmpty());
              EXPECT_TRUE(dlg.m_editPassword.GetWindowText().isEmpty());
              kt::test::TypeText(&dlg.m_editAddress, QStringLiteral("192.168.1.5"));
              kt::test::TypeText(&dlg.m_editLoginId, QStringLiteral("Admin_7"));
              kt::test::TypeText(&dlg.m_editPassword, QStringLiteral("Secret_Pw9"));
              kt::test::Click(dlg, IDOK);
            }));
  EXPECT_EQ(QStringLiteral("192.168.1.5"), connection.m_strAddress);
  EXPECT_EQ(80, connection.m_nPort);
  EXPECT_EQ(QStringLiteral("Admin_7"), connection.m_strLoginId);
  EXPECT_EQ(QStringLiteral("Secret_Pw9"), connection.m_strPassword);
  EXPECT_EQ(QStringLiteral("80"), Profile("PORT"));
  QSettings(QStringLiteral("Orvalis"), QStringLiteral("KT2057CFG")).sync();
  const QByteArray disk = ProfileBytes();
  EXPECT_TRUE(disk.contains("192.168.1.5"));  // the check below looks in the right place
  EXPECT_FALSE(disk.contains("Admin_7"));
  EXPECT_FALSE(disk.contains("Secret_Pw9"));

  // Offered again within the run; everything changed, then Cancel (the
  // button and Escape) keeps every stored value.
  for (bool escape : {false, true}) {
    EXPECT_EQ(IDCANCEL, Run([&](CDlgLogin& dlg) {
                EXPECT_EQ(QStringLiteral("Admin_7"), dlg.m_editLoginId.GetWindowText());
                EXPECT_EQ(QStringLiteral("Secret_Pw9"), dlg.m_editPassword.GetWindowText());
                Retype(dlg.m_editAddress, QStringLiteral("other.host"));
                Retype(dlg.m_editPort, QStringLiteral("8080"));
                Retype(dlg.m_editLoginId, QStringLiteral("x"));
                Retype(dlg.m_editPassword, QStringLiteral("y"));
                if (escape)
                  kt::test::PressKey(&dlg.m_editPassword, Qt::Key_Escape);
                else
                  kt::test::Click(dlg, IDCANCEL);
              }));
    EXPECT_EQ(QStringLiteral("192.168.1.5"), connection.m_strAddress);
    EXPECT_EQ(80, connection.m_nPort);
    EXPECT_EQ(QStringLiteral("Admin_7"), connection.m_strLoginId);
    EXPECT_EQ(QStringLiteral("Secret_Pw9"), connection.m_strPassword);
    EXPECT_EQ(QStringLiteral("192.168.1.5"), Profile("IP"));
    EXPECT_EQ(QStringLiteral("80"), Profile("PORT"));
  }

  // After a restart (fresh connection settings) only address and port return.
  kt::ConnectionSettings restarted;
  kt::SetActiveConnection(&restarted);
  Run([](CDlgLogin& dlg) {
    EXPECT_EQ(QStringLiteral("192.168.1.5"), dlg.m_editAddress.GetWindowText());
    EXPECT_EQ(QStringLiteral("80"), dlg.m_editPort.GetWindowText());
    EXPECT_TRUE(dlg.m_editLoginId.GetWindowText().isEmpty());
    EXPECT_TRUE(dlg.m_editPassword.GetWindowText().isEmpty());
    kt::test::Click(dlg, IDCANCEL);
  });
  kt::SetActiveConnection(&connection);
}

TEST_F(DlgLoginTest, CredentialsTakeOnlyLettersDigitsAndUnderscore) {
  Run([](CDlgLogin& dlg) {
    kt::test::TypeText(&dlg.m_editLoginId, QStringLiteral("a:b@c d_1"));
    kt::test::TypeText(&dlg.m_editPassword, QString(40, QLatin1Char('p')));
    EXPECT_EQ(QStringLiteral("abcd_1"), dlg.m_editLoginId.GetWindowText());
    EXPECT_EQ(QString(32, QLatin1Char('p')), dlg.m_editPassword.GetWindowText());
    kt::test::Click(dlg, IDCANCEL);
  });
}

TEST(ParsePortText, ReadsLikeTheCLibrary) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"80", 80},
               {"", 0},
               {"abc", 0},
               {" 443", 443},
               {"+8", 8},
               {"-1", -1},
               {"12ab", 12},
               {"0080", 80},
               {"99999999999", 2147483647},
               {"-99999999999", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(c.value, kt::ParsePortText(QString::fromLatin1(c.text))) << c.text;
}

// The HTTP client with the real dialog behind its prompt.
class LoginAndRequest : public DlgLoginTest {
 protected:
  void SetUp() override {
    DlgLoginTest::SetUp();
    kt::DeviceHooks hooks;
    hooks.showMessage = [](const QString& text, kt::MessageIcon icon) {
      AfxMessageBox(text, MB_OK | (icon == kt::MessageIcon::Information ? MB_ICONINFORMATION
                                   : icon == kt::MessageIcon::Error     ? MB_ICONERROR
                                                                        : MB_ICONWARNING));
    };
    hooks_.emplace(std::move(hooks));
    kt::InstallLoginDialog();
    device.SetDefault(FakeResponse::Ok("{}"));
  }
  void TearDown() override {
    hooks_.reset();
    DlgLoginTest::TearDown();
  }
  // The user types where the device is and who logs in, then presses OK.
  void ExpectLogin(const QString& id, const QString& password, int port) {
    modal.ExpectDialog<CDlgLogin>([=](CDlgLogin& dlg) {
      Retype(dlg.m_editAddress, QString::fromLatin1(FakeDevice::kAddress));
      Retype(dlg.m_editPort, QString::number(port));
      Retype(dlg.m_editLoginId, id);
      Retype(dlg.m_editPassword, password);
      EXPECT_EQ(QString::number(port), dlg.m_editPort.GetWindowText());
      EXPECT_EQ(password, dlg.m_editPassword.GetWindowText());
      kt::test::Click(dlg, IDOK);
    });
  }

  FakeDevice device;
  std::optional<kt::ScopedDeviceHooks> hooks_;
};

TEST_F(LoginAndRequest, EveryPromptIsOneDialogAndItsValuesAreSent) {
  QByteArray body;
  ExpectLogin(QStringLiteral("admin"), QStringLiteral("pass_1"), device.Port());
  EXPECT_EQ(kt::HTTP_RESULT_OK, kt::HttpGet(QStringLiteral("/info.json"), QString(), true, body));
  modal.VerifyDone();
  // Without the prompt the stored values go out again, without a dialog.
  EXPECT_EQ(kt::HTTP_RESULT_OK, kt::HttpGetCommand(QStringLiteral("/mail.json"), QStringLiteral("?form=0"), false));
  // A second user action asks again; what was typed now is what is sent.
  ExpectLogin(QStringLiteral("Op_2"), QString(), device.Port());
  EXPECT_EQ(kt::HTTP_RESULT_OK, kt::HttpPostConfig(QStringLiteral("?type=config"), "{}", 2, body));
  modal.VerifyDone();

  const auto requests = device.Requests();
  ASSERT_EQ(3u, requests.size());
  EXPECT_EQ("/info.json", requests[0].target);
  EXPECT_EQ("Basic YWRtaW46cGFzc18x", requests[0].Header("Authorization"));  // admin:pass_1
  EXPECT_EQ("Basic YWRtaW46cGFzc18x", requests[1].Header("Authorization"));
  EXPECT_EQ("POST", requests[2].method);
  EXPECT_EQ("Basic T3BfMjo=", requests[2].Header("Authorization"));  // Op_2:
  EXPECT_EQ(1u, requests[2].HeaderCount("Authorization"));
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

TEST_F(LoginAndRequest, CancelSendsNothingAndARefusedPortNeverLeaves) {
  QByteArray body("kept");
  modal.ExpectDialog<CDlgLogin>([](CDlgLogin& dlg) { kt::test::Click(dlg, IDCANCEL); });
  EXPECT_EQ(kt::HTTP_RESULT_LOGIN_CANCELLED,
            kt::HttpGet(QStringLiteral("/config.json"), QStringLiteral("?type=config"), true, body));
  EXPECT_EQ("kept", body);
  modal.ExpectDialog<CDlgLogin>([](CDlgLogin& dlg) { kt::test::PressKey(&dlg, Qt::Key_Escape); });
  EXPECT_EQ(kt::HTTP_RESULT_LOGIN_CANCELLED, kt::HttpPostConfig(QStringLiteral("?type=config"), "{}", 2, body));

  // A port out of range is refused in the dialog; giving up there sends nothing.
  modal.ExpectDialog<CDlgLogin>([&](CDlgLogin& dlg) {
    Retype(dlg.m_editAddress, QString::fromLatin1(FakeDevice::kAddress));
    Retype(dlg.m_editPort, QStringLiteral("65536"));
    modal.ExpectMessageBox(kPortError, MB_ICONERROR);
    kt::test::Click(dlg, IDOK);
    kt::test::Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(kt::HTTP_RESULT_LOGIN_CANCELLED,
            kt::HttpGetCommand(QStringLiteral("/trend_clear.json"), QStringLiteral("?clear=enable"), true));
  modal.VerifyDone();
  EXPECT_EQ(0u, device.RequestCount());
  EXPECT_EQ(1u, modal.MessageBoxes().size());
}

TEST_F(LoginAndRequest, AClosedPortIsOneWarningBox) {
  ExpectLogin(QStringLiteral("admin"), QStringLiteral("pass_1"), FakeDevice::ClosedPort());
  modal.ExpectMessageBox(IDOK);
  EXPECT_EQ(kt::HTTP_RESULT_CONNECTION_ERROR, kt::HttpGetCommand(QStringLiteral("/info.json"), QString(), true));
  modal.VerifyDone();
  ASSERT_EQ(1u, modal.MessageBoxes().size());
  EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), modal.MessageBoxes()[0].icon);
  EXPECT_EQ(static_cast<UINT>(MB_OK), modal.MessageBoxes()[0].buttons);
  EXPECT_FALSE(modal.MessageBoxes()[0].text.isEmpty());
  EXPECT_EQ(0u, device.RequestCount());
}

}  // namespace
