// A fake device on 127.0.0.1 with the client pointed at it, the login dialog
// answered through the hook, and every message box and wait-cursor change
// recorded in order.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ConnectionSettings.h"
#include "DeviceHooks.h"
#include "FakeDevice.h"
#include "HttpClient.h"

namespace kt::test {

struct ShownMessage {
  QString text;
  MessageIcon icon;
};

class DeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
      ::unsetenv(name);
    m_savedTimeouts = HttpClientTimeouts();
    // Short enough that a hanging case fails quickly instead of stalling the run.
    HttpClientTimeouts() = {std::chrono::milliseconds(3000), std::chrono::seconds(5)};

    connection.m_strAddress = QString::fromLatin1(FakeDevice::kAddress);
    connection.m_nPort = device.Port();
    connection.m_strLoginId = QStringLiteral("admin");
    connection.m_strPassword = QStringLiteral("pass_1");
    m_savedConnection = SetActiveConnection(&connection);

    DeviceHooks hooks;
    hooks.runLoginDialog = [this] {
      ++logins;
      if (onLogin) onLogin();
      return loginAnswer;
    };
    hooks.showMessage = [this](const QString& text, MessageIcon icon) {
      messages.push_back({text, icon});
      events.push_back("message");
    };
    hooks.beginWaitCursor = [this] { events.push_back("begin"); };
    hooks.endWaitCursor = [this] { events.push_back("end"); };
    m_hooks.emplace(std::move(hooks));
  }

  void TearDown() override {
    // The wait cursor is ended on every path, whatever the test did.
    int depth = 0;
    for (const std::string& e : events) {
      if (e == "begin") ++depth;
      if (e == "end") --depth;
      EXPECT_GE(depth, 0);
      EXPECT_LE(depth, 1);
    }
    EXPECT_EQ(depth, 0);
    m_hooks.reset();
    SetActiveConnection(m_savedConnection);
    HttpClientTimeouts() = m_savedTimeouts;
  }

  static QString Q(const char* text) { return QString::fromUtf8(text); }
  static std::string S(const QByteArray& bytes) { return bytes.toStdString(); }

  FakeDevice device;
  ConnectionSettings connection;
  int logins = 0;
  bool loginAnswer = true;
  std::function<void()> onLogin;
  std::vector<ShownMessage> messages;
  std::vector<std::string> events;

 private:
  ConnectionSettings* m_savedConnection = nullptr;
  HttpTimeouts m_savedTimeouts;
  std::optional<ScopedDeviceHooks> m_hooks;
};

}  // namespace kt::test
