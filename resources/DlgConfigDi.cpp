// Template 155: the editor's "DI" page (digital input channels DI1, DI2).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// The ids of one state group ("ON" or "OFF").
struct StateIds {
  int disp, swatch, color, delay, msg, trecOff, trecOn, rstoi, almdo, trigOff, trigOn, form;
};
constexpr StateIds kOn{1106, 1107, 1108, 1109, 1112, 1096, 1110, 1461, 1459, 1113, 1114, 1464};
constexpr StateIds kOff{1035, 1023, 1022, 1036, 1115, 1116, 1117, 1462, 1460, 1118, 1119, 1465};

// A state group at x (its left edge); labels at x+8, controls at x+95.
constexpr int kGroupTop = 155;
constexpr int Row(int n) { return kGroupTop + 14 + 16 * n; }

// clang-format off
#define KT_DI_STATE_GROUP(caption, x, ids)                                                         \
  {-1, Kind::GroupBox, caption, x, kGroupTop, 220, 166, WS_VISIBLE},                               \
  {-1, Kind::Static, "Display comment", x + 8, Row(0) + 2, 85, 8, kLabel},                         \
  {ids.disp, Kind::Edit, "", x + 95, Row(0), 70, 12, kEdit},                                       \
  {-1, Kind::Static, "Color", x + 8, Row(1) + 2, 85, 8, kLabel},                                   \
  {ids.swatch, Kind::Frame, "", x + 95, Row(1), 30, 12, WS_VISIBLE},                               \
  {ids.color, Kind::PushButton, "...", x + 128, Row(1), 16, 12, kButton},                          \
  {-1, Kind::Static, "Delay time", x + 8, Row(2) + 2, 85, 8, kLabel},                              \
  {ids.delay, Kind::Edit, "", x + 95, Row(2), 40, 12, kEdit},                                      \
  {-1, Kind::Static, "* 0.1[s]", x + 140, Row(2) + 2, 40, 8, kLabel},                              \
  {-1, Kind::Static, "Message", x + 8, Row(3) + 2, 85, 8, kLabel},                                 \
  {ids.msg, Kind::Edit, "", x + 95, Row(3), 118, 12, kEdit},                                       \
  {-1, Kind::Static, "Trend record", x + 8, Row(4) + 2, 85, 8, kLabel},                            \
  {ids.trecOff, Kind::RadioButton, "Disable", x + 95, Row(4) + 1, 45, 10, kFirstRadio},            \
  {ids.trecOn, Kind::RadioButton, "Enable", x + 145, Row(4) + 1, 45, 10, kRadio},                  \
  {-1, Kind::Static, "Reset function value", x + 8, Row(5) + 2, 85, 8, kLabel},                    \
  {ids.rstoi, Kind::PushButton, "OI", x + 95, Row(5), 40, 13, kButton},                            \
  {-1, Kind::Static, "Alarm output", x + 8, Row(6) + 2, 85, 8, kLabel},                            \
  {ids.almdo, Kind::PushButton, "DO", x + 95, Row(6), 40, 13, kButton},                            \
  {-1, Kind::Static, "Trigger", x + 8, Row(7) + 2, 85, 8, kLabel},                                 \
  {ids.trigOff, Kind::RadioButton, "Disable", x + 95, Row(7) + 1, 45, 10, kFirstRadio},            \
  {ids.trigOn, Kind::RadioButton, "Enable", x + 145, Row(7) + 1, 45, 10, kRadio},                  \
  {-1, Kind::Static, "Mail report", x + 8, Row(8) + 2, 85, 8, kLabel},                             \
  {ids.form, Kind::PushButton, "Mail template No.", x + 95, Row(8), 80, 13, kButton}

const DialogTemplate kConfigDi{
    155, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1111, Kind::ListBox, "", 10, 13, 45, 30, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOINTEGRALHEIGHT},
        {-1, Kind::Static, "CH name", 80, 15, 75, 8, kLabel},
        {1094, Kind::Edit, "", 160, 13, 120, 12, kEdit},
        {-1, Kind::Static, "CH comment", 80, 31, 75, 8, kLabel},
        {1095, Kind::Edit, "", 160, 29, 120, 12, kEdit},
        {-1, Kind::Static, "Source", 80, 47, 75, 8, kLabel},
        {1097, Kind::ComboDropList, "", 160, 45, 60, 80, kCombo},
        {-1, Kind::Static, "Channel", 80, 63, 75, 8, kLabel},
        {1309, Kind::ComboDropList, "", 160, 61, 60, 80, kCombo},

        {-1, Kind::GroupBox, "Modbus/TCP", 66, 79, 220, 48, WS_VISIBLE},
        {-1, Kind::Static, "Unit identifier", 74, 93, 70, 8, kLabel},
        {1098, Kind::Edit, "", 150, 91, 40, 12, kEdit},
        {-1, Kind::Static, "Register address", 74, 109, 70, 8, kLabel},
        {1099, Kind::ComboDropList, "", 150, 107, 62, 60, kCombo},
        {1100, Kind::Edit, "", 216, 107, 50, 12, kEdit},

        {-1, Kind::GroupBox, "SLMP", 292, 79, 220, 48, WS_VISIBLE},
        {-1, Kind::Static, "Device type", 300, 93, 65, 8, kLabel},
        {1101, Kind::ComboDropList, "", 370, 91, 60, 120, kCombo},
        {-1, Kind::Static, "Device address", 300, 109, 65, 8, kLabel},
        {1102, Kind::Edit, "", 370, 107, 70, 12, kEdit},
        {1103, Kind::ComboDropList, "", 444, 107, 60, 60, kCombo},

        {-1, Kind::Static, "Invert logic", 80, 137, 75, 8, kLabel},
        {1105, Kind::ComboDropList, "", 160, 135, 60, 60, kCombo},

        KT_DI_STATE_GROUP("ON", 66, kOn),
        KT_DI_STATE_GROUP("OFF", 292, kOff),
    }};
KT_DIALOG_TEMPLATE(kConfigDi);
// clang-format on

}  // namespace
