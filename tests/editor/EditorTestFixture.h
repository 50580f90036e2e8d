// Fixture of the editor tests: the GUI fixture, a fake device on 127.0.0.1
// that the login hook points at, device messages through the real message
// box (so they reach the modal script), and a temporary folder for files.
#pragma once

#include "DeviceConfig.h"
#include "DeviceHooks.h"
#include "DlgConfigMain.h"
#include "FakeDevice.h"
#include "ModalScript.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace kt::test {

// Replaces the whole text of an edit as a user does: select all, type.
void Retype(CWnd* edit, const QString& text);

// The tab index of the page with this label in the editor's page table.
int PageIndexOf(const char* label);

// Record helpers, also for code outside the fixture.
struct EditorTestAccess {
  // The factory defaults.
  static DeviceConfig Defaults();
};

class EditorTest : public GuiTest {
 protected:
  EditorTest();
  ~EditorTest() override;

  static DeviceConfig Defaults() { return EditorTestAccess::Defaults(); }
  // The configuration document of a record.
  static QByteArray Document(const DeviceConfig& cfg);
  // Whole records compared byte for byte.
  static bool SameBytes(const DeviceConfig& a, const DeviceConfig& b);

  QString Path(const QString& name) const { return files.filePath(name); }
  static void WriteFile(const QString& path, const QByteArray& bytes);
  static QByteArray ReadFile(const QString& path);

  // Runs an editor window over cfg through the modal seam; body drives it and
  // must close it (Quit or Escape). Returns the modal result.
  INT_PTR RunEditor(const DeviceConfig& cfg, const std::function<void(CDlgConfigMain&)>& body,
                    const QString& filePath = {});
  // Expects the editor to open next; body drives it and must close it.
  void ExpectEditor(const std::function<void(CDlgConfigMain&)>& body);

  FakeDevice device;
  int logins = 0;
  bool acceptLogin = true;
  QTemporaryDir files;

 private:
  std::unique_ptr<ScopedDeviceHooks> m_hooks;
};

}  // namespace kt::test
