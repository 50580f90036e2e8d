// Template 142: the editor's "COM.1" page (network services).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;

// Columns: group labels at 80, field labels at 115, controls at 190.
// clang-format off
const DialogTemplate kConfigCom{
    142, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {-1, Kind::GroupBox, "HTTP", 66, 13, 380, 80, WS_VISIBLE},
        {1126, Kind::RadioButton, "Disable", 190, 27, 50, 10, kFirstRadio},
        {1127, Kind::RadioButton, "Enable", 245, 27, 50, 10, kRadio},
        {-1, Kind::Static, "Port address", 80, 44, 85, 8, kLabel},
        {1023, Kind::Edit, "", 190, 42, 50, 12, kEdit},
        {-1, Kind::Static, "Admin", 80, 60, 30, 8, kLabel},
        {-1, Kind::Static, "Login ID", 115, 60, 70, 8, kLabel},
        {1128, Kind::Edit, "", 190, 58, 130, 12, kEdit},
        {-1, Kind::Static, "Password", 115, 76, 70, 8, kLabel},
        {1129, Kind::Edit, "", 190, 74, 130, 12, kEdit},
        // The guest log-in lies below the tab control: never seen.
        {-1, Kind::Static, "Guest", 80, 465, 30, 8, kLabel},
        {-1, Kind::Static, "Login ID", 115, 465, 50, 8, kLabel},
        {1139, Kind::Edit, "", 190, 463, 130, 12, kEdit},
        {-1, Kind::Static, "Password", 115, 478, 50, 8, kLabel},
        {1140, Kind::Edit, "", 190, 476, 130, 12, kEdit},

        {-1, Kind::GroupBox, "Modbus/TCP", 66, 99, 380, 66, WS_VISIBLE},
        {1137, Kind::RadioButton, "Disable", 190, 113, 50, 10, kFirstRadio},
        {1138, Kind::RadioButton, "Enable", 245, 113, 50, 10, kRadio},
        {-1, Kind::Static, "Port address", 80, 130, 85, 8, kLabel},
        {1303, Kind::Edit, "", 190, 128, 50, 12, kEdit},
        {-1, Kind::Static, "Linger time", 80, 146, 85, 8, kLabel},
        {1022, Kind::Edit, "", 190, 144, 50, 12, kEdit},
        {-1, Kind::Static, "sec.", 245, 146, 30, 8, kLabel},

        {-1, Kind::GroupBox, "FTP server", 66, 180, 380, 80, WS_VISIBLE},
        {1141, Kind::RadioButton, "Disable", 190, 194, 50, 10, kFirstRadio},
        {1142, Kind::RadioButton, "Enable", 245, 194, 50, 10, kRadio},
        {-1, Kind::Static, "Port address", 80, 211, 85, 8, kLabel},
        {1024, Kind::Edit, "", 190, 209, 50, 12, kEdit},
        {-1, Kind::Static, "Login ID", 80, 227, 85, 8, kLabel},
        {1143, Kind::Edit, "", 190, 225, 130, 12, kEdit},
        {-1, Kind::Static, "Password", 80, 243, 85, 8, kLabel},
        {1144, Kind::Edit, "", 190, 241, 130, 12, kEdit},

        {-1, Kind::GroupBox, "SNTP", 66, 264, 380, 66, WS_VISIBLE},
        {1130, Kind::RadioButton, "Disable", 190, 278, 50, 10, kFirstRadio},
        {1131, Kind::RadioButton, "Enable", 245, 278, 50, 10, kRadio},
        {-1, Kind::Static, "Server address", 80, 295, 85, 8, kLabel},
        {1132, Kind::Edit, "", 190, 293, 240, 12, kEdit},
        {-1, Kind::Static, "Time adjustment executed at", 80, 311, 105, 8, kLabel},
        {1135, Kind::ComboDropDown, "", 190, 309, 40, 120, kCombo},
        {-1, Kind::Static, ":", 233, 311, 5, 8, kLabel},
        {1136, Kind::ComboDropDown, "", 240, 309, 40, 120, kCombo},
        // The time zone is not offered: hidden, and below the page.
        {-1, Kind::Static, "Time zone", 80, 496, 85, 8, 0},
        {1133, Kind::ComboDropDown, "", 190, 494, 40, 120, WS_TABSTOP | WS_VSCROLL},
        {1134, Kind::ComboDropDown, "", 240, 494, 40, 120, WS_TABSTOP | WS_VSCROLL},
    }};
KT_DIALOG_TEMPLATE(kConfigCom);
// clang-format on

}  // namespace
