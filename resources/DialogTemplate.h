// Dialog templates and the string table, as data.
//
// A template describes one dialog: its id, caption, size in dialog units,
// window styles, font and controls. Each template lives in a file of its own
// under resources/ and registers itself with KT_DIALOG_TEMPLATE, so adding a
// dialog means adding a file and nothing else. platform/ turns a template into
// widgets (see platform/Dialog.h); this library only holds the data.
//
// Style bits carry the names of the window styles they stand for. Their values
// are our own and mean nothing outside this program.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace kt::res {

// Window styles (any control or dialog).
inline constexpr std::uint32_t WS_VISIBLE = 1u << 0;   // shown when its dialog is shown
inline constexpr std::uint32_t WS_DISABLED = 1u << 1;  // starts disabled
inline constexpr std::uint32_t WS_TABSTOP = 1u << 2;   // takes the focus with Tab
inline constexpr std::uint32_t WS_GROUP = 1u << 3;     // starts a new radio group
inline constexpr std::uint32_t WS_VSCROLL = 1u << 4;
inline constexpr std::uint32_t WS_HSCROLL = 1u << 5;
inline constexpr std::uint32_t WS_BORDER = 1u << 6;

// Dialog styles.
inline constexpr std::uint32_t WS_CHILD = 1u << 8;  // a page or sub-dialog inside another window
inline constexpr std::uint32_t WS_CAPTION = 1u << 9;
inline constexpr std::uint32_t WS_SYSMENU = 1u << 10;  // has a close box
inline constexpr std::uint32_t WS_MINIMIZEBOX = 1u << 11;
inline constexpr std::uint32_t DS_MODALFRAME = 1u << 12;
inline constexpr std::uint32_t DS_CENTER = 1u << 13;

// Control styles (meaning depends on the kind).
inline constexpr std::uint32_t ES_CENTER = 1u << 16;  // edit, static: centred text
inline constexpr std::uint32_t ES_RIGHT = 1u << 17;   // edit, static: right-aligned text
inline constexpr std::uint32_t ES_READONLY = 1u << 18;
inline constexpr std::uint32_t ES_MULTILINE = 1u << 19;
inline constexpr std::uint32_t ES_WANTRETURN = 1u << 20;   // multi-line: Enter makes a new line
inline constexpr std::uint32_t ES_AUTOHSCROLL = 1u << 21;  // multi-line: no word wrap
inline constexpr std::uint32_t ES_AUTOVSCROLL = 1u << 22;
inline constexpr std::uint32_t SS_CENTER = ES_CENTER;
inline constexpr std::uint32_t SS_RIGHT = ES_RIGHT;
inline constexpr std::uint32_t LVS_SINGLESEL = 1u << 23;      // list view
inline constexpr std::uint32_t LVS_SHOWSELALWAYS = 1u << 24;  // list view
inline constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 1u << 25;

// What widget a control becomes.
enum class Kind : std::uint8_t {
  PushButton,     // push button
  DefPushButton,  // the default push button (Enter presses it)
  CheckBox,       // automatic check box
  RadioButton,    // automatic radio button; consecutive ones form one exclusive group
  GroupBox,       // frame with a title; holds no controls
  Static,         // text label
  Frame,          // empty frame (a colour swatch that its dialog paints)
  Edit,           // edit (single-line unless ES_MULTILINE)
  ComboDropDown,  // combo box with an edit part
  ComboDropList,  // drop-down list combo box
  ListBox,        // single-selection list box
  CheckListBox,   // list box whose items have check boxes
  ListView,       // report-style list view with columns
  Tab,            // tab control
  IpAddress,      // IPv4 address control (four fields)
};

struct ControlTemplate {
  int id;  // -1 for labels that nobody looks up
  Kind kind;
  const char* caption;  // UTF-8
  int x, y, cx, cy;     // dialog units
  std::uint32_t style;
};

struct DialogTemplate {
  int id;
  const char* caption;  // UTF-8
  int cx, cy;           // client size, dialog units
  std::uint32_t style;
  const char* font;  // face name as written in the template ("MS Shell Dlg")
  int pointSize;
  std::vector<ControlTemplate> controls;  // in tab order
};

// Templates by id; nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);
// Adds a template (tests add their own). A later one with the same id wins.
void RegisterDialogTemplate(const DialogTemplate* tmpl);

struct StringEntry {
  int id;
  const char* text;  // UTF-8
};
// String table lookup; nullptr when the id has no string.
const char* FindString(int id);
void RegisterStrings(std::span<const StringEntry> entries);

struct TemplateRegistrar {
  explicit TemplateRegistrar(const DialogTemplate& t) { RegisterDialogTemplate(&t); }
};
struct StringRegistrar {
  explicit StringRegistrar(std::span<const StringEntry> e) { RegisterStrings(e); }
};

}  // namespace kt::res

#define KT_RES_CONCAT2(a, b) a##b
#define KT_RES_CONCAT(a, b) KT_RES_CONCAT2(a, b)
// Registers a template defined at namespace scope in a resources/ file.
#define KT_DIALOG_TEMPLATE(tmpl) \
  static const ::kt::res::TemplateRegistrar KT_RES_CONCAT(kt_template_registrar_, __LINE__)(tmpl)
// Registers a table of strings (a static array of StringEntry).
#define KT_STRING_TABLE(table) \
  static const ::kt::res::StringRegistrar KT_RES_CONCAT(kt_string_registrar_, __LINE__)(table)
