// The application object, its preferences (profile), the string table, the
// wait cursor and start-up.
#pragma once

#include "WinTypes.h"

class CWnd;

class CWinApp {
 public:
  // The one application object; AfxGetApp returns it.
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up work of the program; its result is AfxWinMain's exit status
  // (FALSE: 0).
  virtual BOOL InitInstance();

  // Preferences: section = group, entry = key, in QSettings("Orvalis",
  // "KT2057CFG"). A missing or non-numeric value reads as the default.
  int GetProfileInt(const QString& section, const QString& entry, int nDefault);
  QString GetProfileString(const QString& section, const QString& entry, const QString& def = {});
  BOOL WriteProfileInt(const QString& section, const QString& entry, int nValue);
  BOOL WriteProfileString(const QString& section, const QString& entry, const QString& value);
  // Kept for the record; the profile's place is fixed (see above).
  void SetRegistryKey(const QString& key) { m_registryKey = key; }

  CWnd* m_pMainWnd = nullptr;

 private:
  QString m_registryKey;
};

CWinApp* AfxGetApp();
// The application's name: "KT2057CFG" (message-box titles, profile, user agent).
QString AfxGetAppName();

// The string of the string table with that id; empty when there is none.
QString LoadString(UINT nID);

// Shows the wait cursor while it lives.
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore();  // puts the wait cursor back after something reset it

 private:
  bool m_active = false;
};

// main() of a program with a CWinApp object: builds the QApplication, sets
// it up (kt::InitApplication) and runs the application object's InitInstance.
int AfxWinMain(int argc, char** argv);

namespace kt {

// One fixed style (Fusion) so that background colours show, scroll bar
// menus through the modal seam, and LC_NUMERIC back to "C", which
// QApplication's construction changed. Call once the QApplication exists.
void InitApplication();

// The profile functions without an application object.
int GetProfileInt(const QString& section, const QString& entry, int nDefault);
QString GetProfileString(const QString& section, const QString& entry, const QString& def = {});
bool WriteProfileInt(const QString& section, const QString& entry, int nValue);
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);
// Keeps the profile in this folder from now on (tests use a temporary one).
void SetProfileDirectory(const QString& dir);

}  // namespace kt
