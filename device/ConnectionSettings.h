// The device connection values of the running tool: where the device is and
// who logs in. The login dialog writes them on OK, the HTTP client reads them
// afresh for every request.
//
// The application object owns them for the life of the process. It lives in
// app/, above this library, so it derives from ConnectionSettings and
// registers itself with SetActiveConnection(); until something registers, a
// process-wide instance of this library stands in (the tests use it).
//
// Nothing here is ever written to disk: the login ID and the password exist
// only in memory. (The login dialog keeps the address and port in the user's
// profile itself.)
#pragma once

#include <QString>

namespace kt {

struct ConnectionSettings {
  QString m_strAddress;  // host name or IPv4 address, as typed
  int m_nPort = 0;       // 0 until the first confirmed login
  QString m_strLoginId;
  QString m_strPassword;
};

// The live instance. Never null.
ConnectionSettings& ActiveConnection();

// Makes `settings` the live instance (nullptr: back to the built-in one) and
// returns the one it replaces, so a caller can restore it.
ConnectionSettings* SetActiveConnection(ConnectionSettings* settings);

}  // namespace kt
