// Seams between the HTTP client and the user interface.
//
// The HTTP client needs three things from the UI: the login dialog, an OK
// message box, and the wait cursor. The real ones live above this library
// (the login dialog in device/, boxes and cursor in platform/) and are not
// necessarily built into every program that links it, so the client reaches
// them only through these hooks. Start-up installs the real ones; a test
// installs its own and restores the previous set with ScopedDeviceHooks.
#pragma once

#include <functional>

#include <QString>

namespace kt {

enum class MessageIcon { Information, Warning, Error };

struct DeviceHooks {
  // Runs the login dialog modally. Returns true for OK, after the dialog has
  // stored the address, port, login ID and password in ActiveConnection().
  // Default: no dialog available, so every prompt counts as cancelled.
  std::function<bool()> runLoginDialog;

  // Shows `text` in a message box with only an OK button and the given icon,
  // and returns when the user has closed it. The HTTP client calls it
  // exactly once per transport failure (with MessageIcon::Warning) before it
  // returns HTTP_RESULT_CONNECTION_ERROR; ShowHttpResult uses it too.
  // Default: the text goes to standard error.
  std::function<void(const QString& text, MessageIcon icon)> showMessage;

  // Shows and ends the wait cursor. The client pairs them through
  // WaitCursor, so every begin has its end on every path. Default: nothing.
  std::function<void()> beginWaitCursor;
  std::function<void()> endWaitCursor;
};

// The hooks in force. Members left empty fall back to the defaults above.
DeviceHooks& DeviceLinkHooks();

// Replaces the hooks for its lifetime and puts the previous ones back.
class ScopedDeviceHooks {
 public:
  explicit ScopedDeviceHooks(DeviceHooks hooks);
  ~ScopedDeviceHooks();
  ScopedDeviceHooks(const ScopedDeviceHooks&) = delete;
  ScopedDeviceHooks& operator=(const ScopedDeviceHooks&) = delete;

 private:
  DeviceHooks m_saved;
};

// Calls the hooks with their defaults applied.
bool RunLoginDialog();
void ShowDeviceMessage(const QString& text, MessageIcon icon);

// The wait cursor for the life of the object.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace kt
