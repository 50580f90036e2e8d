// The application object: start-up, the device connection settings and the
// tool's two preferences, for the life of the process.
#pragma once

#include "AppPreferences.h"
#include "ConnectionSettings.h"
#include "Platform.h"

// Besides the framework's application, CCFGApp is the live connection
// settings (m_strAddress, m_nPort, m_strLoginId, m_strPassword) and the live
// preferences (m_nCom, m_bTagMessage): the libraries below app/ reach them
// through kt::ActiveConnection() and kt::ActivePreferences(), which point here
// while the object exists.
class CCFGApp : public CWinApp, public kt::ConnectionSettings, public kt::AppPreferences {
 public:
  CCFGApp();
  ~CCFGApp() override;

  // Reads the preferences, runs the main window modally and returns FALSE
  // when it closes, whatever it returned: the process then ends.
  BOOL InitInstance() override;

  // Reads "KT2057CFG"/"COM" (bounded to 1..256) and "KT2057CFG"/"TAG_MESSAGE",
  // both 1 when missing.
  void LoadPreferences();

  // The device link's message boxes and wait cursor, through the framework.
  static void InstallDeviceHooks();

 private:
  kt::ConnectionSettings* m_previousConnection;
  kt::AppPreferences* m_previousPreferences;
};

// The application object, or nullptr when there is none.
CCFGApp* GetCFGApp();
