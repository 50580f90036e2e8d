// The maintenance tab against the fake device: the login dialog answered
// through the device-link hook (counted; it points the connection at the
// fake device), the link's message boxes through the real AfxMessageBox so
// the modal script sees their text and icon, and the tab itself as a shown
// page.
#pragma once

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ConnectionSettings.h"
#include "DeviceHooks.h"
#include "DlgMainte.h"
#include "FakeDevice.h"
#include "HttpClient.h"
#include "ModalScript.h"

namespace kt::test {

// With KT_SCREENSHOT_DIR set, saves a picture of the window there.
inline void Screenshot(CWnd& wnd, const char* name) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;
  PumpEvents();
  wnd.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}

class MainteTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
      ::unsetenv(name);
    m_savedTimeouts = HttpClientTimeouts();
    HttpClientTimeouts() = {std::chrono::milliseconds(3000), std::chrono::seconds(5)};
    // Nothing reaches the device before the first login.
    m_savedConnection = SetActiveConnection(&connection);

    DeviceHooks hooks;
    hooks.runLoginDialog = [this] {
      ++logins;
      if (!loginAnswer) return false;
      ActiveConnection().m_strAddress = QString::fromLatin1(FakeDevice::kAddress);
      ActiveConnection().m_nPort = device.Port();
      ActiveConnection().m_strLoginId = QStringLiteral("admin");
      ActiveConnection().m_strPassword = QStringLiteral("pass_1");
      return true;
    };
    hooks.showMessage = [](const QString& text, MessageIcon icon) {
      UINT type = MB_OK;
      switch (icon) {
        case MessageIcon::Information: type |= MB_ICONINFORMATION; break;
        case MessageIcon::Warning: type |= MB_ICONWARNING; break;
        case MessageIcon::Error: type |= MB_ICONERROR; break;
      }
      AfxMessageBox(text, type);
    };
    m_hooks.emplace(std::move(hooks));

    page.Create(CDlgMainte::IDD, nullptr);
    page.ShowWindow(SW_SHOW);
  }

  void TearDown() override {
    GuiTest::TearDown();
    m_hooks.reset();
    SetActiveConnection(m_savedConnection);
    HttpClientTimeouts() = m_savedTimeouts;
  }

  // A fixture document of tests/data/device.
  static std::string Document(const char* name) {
    QFile file(QDir(QStringLiteral(KT_TEST_DATA_DIR "/device")).filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
  }

  // Path and query of every request, in order.
  std::vector<std::string> Sent() const {
    std::vector<std::string> targets;
    for (const RecordedRequest& r : device.Requests()) targets.push_back(r.method + " " + r.target);
    return targets;
  }

  FakeDevice device;
  ConnectionSettings connection;
  int logins = 0;
  bool loginAnswer = true;
  CDlgMainte page;

 private:
  ConnectionSettings* m_savedConnection = nullptr;
  HttpTimeouts m_savedTimeouts;
  std::optional<ScopedDeviceHooks> m_hooks;
};

}  // namespace kt::test
