// Template 198: the editor's "Disp" page (the device's screen).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;
constexpr std::uint32_t kCheck = WS_VISIBLE | WS_TABSTOP;

// Labels at 80, controls from 160.
// clang-format off
const DialogTemplate kConfigDsp{
    198, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {-1, Kind::GroupBox, "Wake up", 66, 13, 380, 50, WS_VISIBLE},
        {-1, Kind::Static, "View", 80, 28, 75, 8, kLabel},
        {1369, Kind::ComboDropDown, "", 160, 26, 100, 120, kCombo},
        {-1, Kind::Static, "Page", 280, 28, 40, 8, kLabel},
        {1372, Kind::ComboDropDown, "", 325, 26, 50, 80, kCombo},
        {-1, Kind::Static, "Source", 80, 44, 75, 8, kLabel},
        {1370, Kind::ComboDropDown, "", 160, 42, 50, 80, kCombo},
        {-1, Kind::Static, "Channel", 280, 44, 40, 8, kLabel},
        {1371, Kind::ComboDropDown, "", 325, 42, 50, 80, kCombo},

        {-1, Kind::GroupBox, "Digital view", 66, 69, 380, 66, WS_VISIBLE},
        {-1, Kind::Static, "Flicker", 80, 84, 75, 8, kLabel},
        {1416, Kind::ComboDropDown, "", 160, 82, 180, 100, kCombo},
        {1406, Kind::PushButton, "AI", 345, 81, 40, 14, kButton},
        {1423, Kind::ComboDropDown, "", 160, 100, 180, 100, kCombo},
        {1409, Kind::PushButton, "DI", 345, 99, 40, 14, kButton},
        {1425, Kind::ComboDropDown, "", 160, 118, 180, 100, kCombo},
        {1410, Kind::PushButton, "OI", 345, 117, 40, 14, kButton},

        {-1, Kind::GroupBox, "Auto view switch", 66, 141, 380, 126, WS_VISIBLE},
        {1391, Kind::RadioButton, "Disable", 160, 155, 50, 10, kFirstRadio},
        {1392, Kind::RadioButton, "Enable", 215, 155, 50, 10, kRadio},
        {-1, Kind::Static, "Switch start time", 80, 172, 75, 8, kLabel},
        {1393, Kind::Edit, "", 160, 170, 40, 12, kEdit},
        {-1, Kind::Static, "sec.", 205, 172, 30, 8, kLabel},
        {-1, Kind::Static, "Switch interval", 80, 188, 75, 8, kLabel},
        {1394, Kind::Edit, "", 160, 186, 40, 12, kEdit},
        {-1, Kind::Static, "sec.", 205, 188, 30, 8, kLabel},
        {-1, Kind::Static, "Switch pages", 80, 205, 75, 8, kLabel},
        {1411, Kind::PushButton, "Trend", 160, 202, 90, 14, kButton},
        {1414, Kind::PushButton, "Overview", 255, 202, 90, 14, kButton},
        {1415, Kind::PushButton, "Digital view (AI)", 350, 202, 90, 14, kButton},
        {1417, Kind::PushButton, "Digital view (DI)", 160, 219, 90, 14, kButton},
        {1418, Kind::PushButton, "Digital view (OI)", 255, 219, 90, 14, kButton},
        {1419, Kind::PushButton, "Digital view (DO)", 350, 219, 90, 14, kButton},
        {1420, Kind::CheckBox, "Event", 160, 238, 60, 10, kCheck},
        {1429, Kind::CheckBox, "Comment", 225, 238, 60, 10, kCheck},
        {1430, Kind::CheckBox, "Event log", 290, 238, 60, 10, kCheck},
        {1431, Kind::CheckBox, "System log", 160, 251, 60, 10, kCheck},
        {1432, Kind::CheckBox, "Comm. log", 225, 251, 60, 10, kCheck},

        {-1, Kind::GroupBox, "Others", 66, 273, 380, 66, WS_VISIBLE},
        {-1, Kind::Static, "Screen saver", 80, 288, 75, 8, kLabel},
        {1390, Kind::ComboDropDown, "", 160, 286, 50, 120, kCombo},
        {-1, Kind::Static, "min.", 215, 288, 30, 8, kLabel},
        {-1, Kind::Static, "Language", 80, 304, 75, 8, kLabel},
        {1407, Kind::ComboDropDown, "", 160, 302, 80, 60, kCombo},
        {-1, Kind::Static, "Brightness", 80, 320, 75, 8, kLabel},
        {1408, Kind::ComboDropDown, "", 160, 318, 50, 80, kCombo},
    }};
KT_DIALOG_TEMPLATE(kConfigDsp);
// clang-format on

}  // namespace
