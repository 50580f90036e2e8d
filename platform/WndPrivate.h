// Plumbing between CWnd objects and their Qt widgets. Not for use outside
// platform/.
#pragma once

#include "Wnd.h"

#include <QColor>

class QMenu;
class QAbstractButton;

namespace kt::detail {

// Widget properties.
inline constexpr const char* kPropWnd = "kt_cwnd";                // permanent CWnd*
inline constexpr const char* kPropTemp = "kt_temp";               // temporary wrapper CWnd*
inline constexpr const char* kPropId = "kt_id";                   // control id
inline constexpr const char* kPropKind = "kt_kind";               // kt::res::Kind + 1
inline constexpr const char* kPropDialog = "kt_dialog";           // a dialog's own widget
inline constexpr const char* kPropQuiet = "kt_quiet";             // >0: changes made by code
inline constexpr const char* kPropColorOwner = "kt_color_owner";  // QWidget* asked for colours
inline constexpr const char* kPropInputOwner = "kt_input_owner";  // QWidget* that gets input hooks
inline constexpr const char* kPropHooked = "kt_hooked";
inline constexpr const char* kPropColored = "kt_colored";
inline constexpr const char* kPropDefault = "kt_default";  // the default push button

[[noreturn]] void Fatal(const QString& message);

int ControlId(const QWidget* w);
int ControlKind(const QWidget* w);  // -1 when the widget is not made from a template
void SetWidgetPointer(QWidget* w, const char* prop, QWidget* value);
QWidget* WidgetPointer(const QWidget* w, const char* prop);

// Installs the hook filter (input hooks, colours) once.
void HookWidget(QWidget* w);

// Changes made by code inside a QuietScope notify nobody.
class QuietScope {
 public:
  explicit QuietScope(QWidget* w);
  ~QuietScope();
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  QPointer<QWidget> m_w;
};
bool IsQuiet(const QWidget* w);

// A control's notification: reflected to its own object first, then sent to
// its parent as WM_COMMAND / WM_NOTIFY.
void NotifyCommand(QWidget* control, UINT code);
void NotifyNotify(QWidget* control, NMHDR* hdr);
// An edit's text changed (EN_UPDATE, then EN_CHANGE), also when set by code.
void NotifyTextChanged(QWidget* edit);

// Texts of any kind of widget.
void SetWidgetText(QWidget* w, const QString& text);
QString GetWidgetText(const QWidget* w);

// The wrapper class for a widget made from a template (defined in Controls.cpp).
CWnd* MakeWrapper(QWidget* w);

// Painting.
class PaintScope {
 public:
  PaintScope(QWidget* w, QPainter* p);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

 private:
  QWidget* m_w;
  QPainter* m_prev;
};
QPainter* CurrentPainter(const QWidget* w);

// Checks or clears a button by code, also the checked radio button of a group.
void SetButtonChecked(QAbstractButton* b, bool checked);

QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);

// Shows a widget's standard context menu through the modal seam (defined in
// Menu.cpp); Paste goes through the CWnd's paste hook.
void RunStandardContextMenu(QWidget* w, QMenu* menu, const QPoint& globalPos, CWnd* hookTarget);

// Makes every scroll bar of the application offer its menu ("Scroll Here",
// "Top", "Bottom"...) through the modal seam instead of a popup of its own
// (defined in Modal.cpp; kt::InitApplication calls it).
void RouteScrollBarMenusThroughSeam();

}  // namespace kt::detail

// Access to CWnd's private parts for the plumbing.
struct WndAccess {
  static void SetTemporary(CWnd& wnd, QWidget* w) {
    wnd.m_bTemporary = true;
    wnd.m_hWnd = w;
  }
};
