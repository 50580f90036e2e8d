// The one seam for modal UI. Every message box, modal dialog, popup menu,
// file dialog and colour dialog of the program passes through here. With no
// handler installed the real Qt UI runs; a test installs a handler that
// answers instead (see tests/platform/ModalScript.h for the convenient one).
#pragma once

#include "WinTypes.h"

#include <optional>
#include <vector>

class CDialog;
class CWnd;
class QWidget;

namespace kt {

struct MessageBoxRequest {
  QString text;          // as passed, line breaks and all
  QString caption;       // the application name
  UINT buttons = MB_OK;  // MB_OK or MB_OKCANCEL
  UINT icon = 0;         // MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONQUESTION
};

struct MenuItem {
  UINT id = 0;
  QString text;
  bool separator = false;
  bool grayed = false;  // greyed items are disabled too
};

struct MenuRequest {
  std::vector<MenuItem> items;
  CPoint point;           // screen coordinates
  CWnd* owner = nullptr;  // the window that gets the command
};

struct FileDialogRequest {
  bool open = true;    // FALSE: a save dialog
  QString defaultExt;  // without the dot
  QString fileName;    // initial name or path
  QString filter;      // "Name|*.ext|...||"
  DWORD flags = 0;     // OFN_...
};

struct ColorDialogRequest {
  COLORREF initial = 0;
  DWORD flags = 0;  // CC_RGBINIT when the initial colour is preset
};

class ModalHandler {
 public:
  virtual ~ModalHandler() = default;
  // Returns the button pressed (IDOK or IDCANCEL). Like the file and colour
  // dialogs, the box counts as a modal window while it is answered: input
  // held during a request and handed back meanwhile (events pumped here, as
  // the real box's own loop would) reaches no window behind it.
  virtual int OnMessageBox(const MessageBoxRequest& request) = 0;
  // Gets the dialog after OnInitDialog, shown; ends it through its controls
  // or EndDialog. A dialog left open is cancelled.
  virtual void OnDialog(CDialog& dialog) = 0;
  // Returns the chosen item's id, or 0 when the menu is dismissed. Greyed
  // items cannot be chosen.
  virtual UINT OnMenu(const MenuRequest& request) = 0;
  // Returns the chosen path, or nothing for Cancel.
  virtual std::optional<QString> OnFileDialog(const FileDialogRequest& request) = 0;
  // Returns the chosen colour, or nothing for Cancel.
  virtual std::optional<COLORREF> OnColorDialog(const ColorDialogRequest& request) = 0;
};

// Installs a handler (nullptr: the real UI); returns the previous one.
ModalHandler* SetModalHandler(ModalHandler* handler);
ModalHandler* GetModalHandler();

// The requests, each through the handler or the real UI.
int RunMessageBox(const MessageBoxRequest& request);
UINT RunMenu(const MenuRequest& request);
std::optional<QString> RunFileDialog(const FileDialogRequest& request);
std::optional<COLORREF> RunColorDialog(const ColorDialogRequest& request);

namespace detail {
// Stops the program when real modal UI would run where nobody can answer it
// (the offscreen platform of the tests): a test never hangs on a modal.
void RequireInteractive(const QString& what);
void ActivateWindow(QWidget* w);
// True while a handler answers a message box, file dialog or colour dialog,
// which then counts as an open modal window.
bool IsHandlerModalOpen();
}  // namespace detail

}  // namespace kt
