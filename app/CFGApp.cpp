#include "CFGApp.h"

#include "CFGDlg.h"
#include "ComPorts.h"
#include "DeviceHooks.h"
#include "DlgLogin.h"

#include <curl/curl.h>

#include <memory>
#include <vector>

CCFGApp::CCFGApp()
    : m_previousConnection(kt::SetActiveConnection(this)), m_previousPreferences(kt::SetActivePreferences(this)) {}

CCFGApp::~CCFGApp() {
  // Put back what stood in before, unless someone else has taken over since.
  if (&kt::ActiveConnection() == this) kt::SetActiveConnection(m_previousConnection);
  if (&kt::ActivePreferences() == this) kt::SetActivePreferences(m_previousPreferences);
}

CCFGApp* GetCFGApp() { return dynamic_cast<CCFGApp*>(AfxGetApp()); }

void CCFGApp::LoadPreferences() {
  const QString section = QString::fromLatin1(kt::kProfileSection);
  m_nCom = kt::ClampComPort(GetProfileInt(section, QString::fromLatin1(kt::kProfileCom), 1));
  m_bTagMessage = GetProfileInt(section, QString::fromLatin1(kt::kProfileTagMessage), 1);
}

void CCFGApp::InstallDeviceHooks() {
  kt::DeviceHooks& hooks = kt::DeviceLinkHooks();
  hooks.showMessage = [](const QString& text, kt::MessageIcon icon) {
    UINT type = MB_OK;
    switch (icon) {
      case kt::MessageIcon::Information: type |= MB_ICONINFORMATION; break;
      case kt::MessageIcon::Warning: type |= MB_ICONWARNING; break;
      case kt::MessageIcon::Error: type |= MB_ICONERROR; break;
    }
    AfxMessageBox(text, type);
  };
  // The client pairs every begin with an end; nested requests stack.
  auto cursors = std::make_shared<std::vector<std::unique_ptr<CWaitCursor>>>();
  hooks.beginWaitCursor = [cursors] { cursors->push_back(std::make_unique<CWaitCursor>()); };
  hooks.endWaitCursor = [cursors] {
    if (!cursors->empty()) cursors->pop_back();
  };
}

BOOL CCFGApp::InitInstance() {
  CWinApp::InitInstance();
  SetRegistryKey(QStringLiteral("Orvalis\\KT2057CFG"));
  // libcurl's process-wide state, set up before any request and released
  // when the window has closed.
  const bool curlReady = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;

  LoadPreferences();
  InstallDeviceHooks();
  kt::InstallLoginDialog();

  {
    CCFGDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
  }

  if (curlReady) curl_global_cleanup();
  return FALSE;
}
