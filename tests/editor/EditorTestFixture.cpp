#include "EditorTestFixture.h"

#include "ConfigPages.h"
#include "ConnectionSettings.h"
#include "JsonWriter.h"

#include <QFile>

#include <cstring>
#include <vector>

namespace kt::test {

int PageIndexOf(const char* label) {
  const auto pages = ConfigPageTable();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (std::strcmp(pages[i].label, label) == 0) return static_cast<int>(i);
  }
  return -1;
}

void Retype(CWnd* edit, const QString& text) {
  edit->SetFocus();
  static_cast<CEdit*>(edit)->SetSel(0, -1);
  TypeText(edit, text);
}

EditorTest::EditorTest() {
  DeviceHooks hooks;
  hooks.runLoginDialog = [this] {
    ++logins;
    if (!acceptLogin) return false;
    ConnectionSettings& c = ActiveConnection();
    c.m_strAddress = QString::fromLatin1(FakeDevice::kAddress);
    c.m_nPort = device.Port();
    c.m_strLoginId = QStringLiteral("admin");
    c.m_strPassword = QStringLiteral("secret");
    return true;
  };
  // As the application installs it: an OK box with the client's icon.
  hooks.showMessage = [](const QString& text, MessageIcon icon) {
    UINT type = MB_OK;
    switch (icon) {
      case MessageIcon::Information: type |= MB_ICONINFORMATION; break;
      case MessageIcon::Warning: type |= MB_ICONWARNING; break;
      case MessageIcon::Error: type |= MB_ICONERROR; break;
    }
    AfxMessageBox(text, type);
  };
  m_hooks = std::make_unique<ScopedDeviceHooks>(hooks);
}

EditorTest::~EditorTest() = default;

DeviceConfig EditorTestAccess::Defaults() {
  DeviceConfig cfg;
  InitDeviceConfig(&cfg);
  return cfg;
}

QByteArray EditorTest::Document(const DeviceConfig& cfg) {
  std::vector<char> buffer(kJsonConfigBufferSize);
  const int length = JsonWriteConfig(&cfg, buffer.data(), buffer.size());
  return QByteArray(buffer.data(), length);
}

bool EditorTest::SameBytes(const DeviceConfig& a, const DeviceConfig& b) {
  return std::memcmp(&a, &b, sizeof(DeviceConfig)) == 0;
}

void EditorTest::WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(bytes.size(), f.write(bytes));
}

QByteArray EditorTest::ReadFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void EditorTest::ExpectEditor(const std::function<void(CDlgConfigMain&)>& body) {
  modal.ExpectDialog<CDlgConfigMain>([body](CDlgConfigMain& dlg) {
    body(dlg);
    EXPECT_TRUE(dlg.IsEnded()) << "the editor was left open";
  });
}

INT_PTR EditorTest::RunEditor(const DeviceConfig& cfg, const std::function<void(CDlgConfigMain&)>& body,
                              const QString& filePath) {
  ExpectEditor(body);
  auto editor = std::make_unique<CDlgConfigMain>();
  editor->m_config = cfg;
  editor->m_strFilePath = filePath;
  return editor->DoModal();
}

}  // namespace kt::test
