// Template 178: the editor's "DO" page (digital output channels DO1, DO2).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kConfigDo{
    178, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1330, Kind::ListBox, "", 10, 13, 45, 30, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOINTEGRALHEIGHT},
        {-1, Kind::Static, "Name", 80, 15, 75, 8, kLabel},
        {1313, Kind::Edit, "", 160, 13, 120, 12, kEdit},
        {-1, Kind::Static, "Comment", 80, 31, 75, 8, kLabel},
        {1314, Kind::Edit, "", 160, 29, 120, 12, kEdit},
        {-1, Kind::Static, "Destination", 80, 47, 75, 8, kLabel},
        {1315, Kind::ComboDropList, "", 160, 45, 60, 80, kCombo},
        {-1, Kind::Static, "Channel", 80, 63, 75, 8, kLabel},
        {1316, Kind::ComboDropList, "", 160, 61, 60, 80, kCombo},

        {-1, Kind::GroupBox, "Modbus/TCP", 66, 79, 220, 48, WS_VISIBLE},
        {-1, Kind::Static, "Unit identifier", 74, 93, 70, 8, kLabel},
        {1317, Kind::Edit, "", 150, 91, 40, 12, kEdit},
        {-1, Kind::Static, "Register address", 74, 109, 70, 8, kLabel},
        {1318, Kind::ComboDropList, "", 150, 107, 62, 60, kCombo},
        {1319, Kind::Edit, "", 216, 107, 50, 12, kEdit},

        {-1, Kind::GroupBox, "SLMP", 292, 79, 220, 48, WS_VISIBLE},
        {-1, Kind::Static, "Device type", 300, 93, 65, 8, kLabel},
        {1320, Kind::ComboDropList, "", 370, 91, 60, 120, kCombo},
        {-1, Kind::Static, "Device address", 300, 109, 65, 8, kLabel},
        {1321, Kind::Edit, "", 370, 107, 70, 12, kEdit},
        {1322, Kind::ComboDropList, "", 444, 107, 60, 60, kCombo},

        {-1, Kind::Static, "Invert logic", 80, 137, 75, 8, kLabel},
        {1323, Kind::ComboDropList, "", 160, 135, 60, 60, kCombo},

        {-1, Kind::GroupBox, "ON", 66, 155, 220, 48, WS_VISIBLE},
        {-1, Kind::Static, "Display comment", 74, 169, 70, 8, kLabel},
        {1324, Kind::Edit, "", 150, 167, 70, 12, kEdit},
        {-1, Kind::Static, "Color", 74, 185, 70, 8, kLabel},
        {1325, Kind::Frame, "", 150, 183, 30, 12, WS_VISIBLE},
        {1326, Kind::PushButton, "...", 183, 183, 16, 12, kButton},

        {-1, Kind::GroupBox, "OFF", 292, 155, 220, 48, WS_VISIBLE},
        {-1, Kind::Static, "Display comment", 300, 169, 65, 8, kLabel},
        {1327, Kind::Edit, "", 370, 167, 70, 12, kEdit},
        {-1, Kind::Static, "Color", 300, 185, 65, 8, kLabel},
        {1328, Kind::Frame, "", 370, 183, 30, 12, WS_VISIBLE},
        {1329, Kind::PushButton, "...", 403, 183, 16, 12, kButton},
    }};
KT_DIALOG_TEMPLATE(kConfigDo);
// clang-format on

}  // namespace
