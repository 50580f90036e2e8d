// Template 151: the editor's "AI" page (analog input channels).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;
constexpr std::uint32_t kList = WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL;

// The channel list at the left; labels at 80, controls at 175; the zone
// rows below: name, delay, colour, lower and upper limit.
// clang-format off
const DialogTemplate kConfigAi{
    151, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1006, Kind::ListBox, "", 10, 13, 48, 60, kList},
        {-1, Kind::Static, "CH name", 80, 15, 90, 8, kLabel},
        {1009, Kind::Edit, "", 175, 13, 130, 12, kEdit},
        {-1, Kind::Static, "CH comment", 80, 31, 90, 8, kLabel},
        {1010, Kind::Edit, "", 175, 29, 130, 12, kEdit},

        {-1, Kind::Static, "Source", 80, 50, 90, 8, kLabel},
        {1062, Kind::ComboDropList, "", 175, 48, 60, 80, kCombo},
        {-1, Kind::Static, "Channel", 250, 50, 40, 8, kLabel},
        {1065, Kind::ComboDropList, "", 295, 48, 50, 80, kCombo},

        {-1, Kind::GroupBox, "Modbus/TCP", 66, 66, 380, 48, WS_VISIBLE},
        {-1, Kind::Static, "Unit identifier", 80, 80, 90, 8, kLabel},
        {1052, Kind::Edit, "", 175, 78, 50, 12, kEdit},
        {-1, Kind::Static, "Register address", 80, 96, 90, 8, kLabel},
        {1050, Kind::ComboDropList, "", 175, 94, 110, 80, kCombo},
        {1054, Kind::Edit, "", 290, 94, 50, 12, kEdit},

        {-1, Kind::GroupBox, "SLMP", 66, 118, 380, 48, WS_VISIBLE},
        {-1, Kind::Static, "Device type", 80, 132, 90, 8, kLabel},
        {1055, Kind::ComboDropList, "", 175, 130, 60, 120, kCombo},
        {-1, Kind::Static, "Device address", 80, 148, 90, 8, kLabel},
        {1056, Kind::Edit, "", 175, 146, 70, 12, kEdit},
        {1148, Kind::ComboDropList, "", 250, 146, 55, 60, kCombo},

        {-1, Kind::Static, "Type", 80, 176, 90, 8, kLabel},
        {1064, Kind::ComboDropList, "", 175, 174, 50, 60, kCombo},
        {-1, Kind::Static, "0%", 80, 192, 90, 8, kLabel},
        {1058, Kind::Edit, "", 175, 190, 70, 12, kEdit},
        {-1, Kind::Static, "100%", 255, 192, 25, 8, kLabel},
        {1059, Kind::Edit, "", 285, 190, 70, 12, kEdit},
        {-1, Kind::Static, "Int", 80, 208, 90, 8, kLabel},
        {1060, Kind::Edit, "", 175, 206, 70, 12, kEdit},
        {-1, Kind::Static, "Number of decimal places", 80, 224, 90, 8, kLabel},
        {1061, Kind::ComboDropList, "", 175, 222, 40, 60, kCombo},
        {-1, Kind::Static, "Engineering unit", 80, 240, 90, 8, kLabel},
        {1063, Kind::Edit, "", 175, 238, 70, 12, kEdit},

        {-1, Kind::Static, "Partitions", 80, 260, 90, 8, kLabel},
        {1011, Kind::ComboDropList, "", 175, 258, 50, 60, kCombo},
        {1045, Kind::PushButton, "Event setting", 235, 257, 70, 14, kButton},

        {-1, Kind::Static, "Name", 110, 280, 80, 8, kLabel},
        {-1, Kind::Static, "Delay time", 215, 280, 60, 8, kLabel},
        {-1, Kind::Static, "Lower limit", 325, 280, 60, 8, kLabel},
        {-1, Kind::Static, "Upper limit", 390, 280, 60, 8, kLabel},

        {-1, Kind::Static, "Zone 1", 70, 293, 38, 8, kLabel},
        {1012, Kind::Edit, "", 110, 291, 100, 12, kEdit},
        {1014, Kind::Edit, "", 215, 291, 28, 12, kEdit},
        {-1, Kind::Static, "* 0.1[s]", 246, 293, 32, 8, kLabel},
        {1035, Kind::Frame, "", 280, 291, 22, 12, WS_VISIBLE},
        {1023, Kind::PushButton, "...", 304, 291, 16, 12, kButton},
        {1015, Kind::Edit, "", 390, 291, 60, 12, kEdit},
        {-1, Kind::Static, "(Deadband)", 455, 301, 50, 8, kLabel},

        {-1, Kind::Static, "Zone 2", 70, 311, 38, 8, kLabel},
        {1013, Kind::Edit, "", 110, 309, 100, 12, kEdit},
        {1018, Kind::Edit, "", 215, 309, 28, 12, kEdit},
        {-1, Kind::Static, "* 0.1[s]", 246, 311, 32, 8, kLabel},
        {1037, Kind::Frame, "", 280, 309, 22, 12, WS_VISIBLE},
        {1036, Kind::PushButton, "...", 304, 309, 16, 12, kButton},
        {1020, Kind::Edit, "", 325, 309, 60, 12, kEdit},
        {1019, Kind::Edit, "", 390, 309, 60, 12, kEdit},
        {-1, Kind::Static, "(Deadband)", 455, 319, 50, 8, kLabel},

        {-1, Kind::Static, "Zone 3", 70, 329, 38, 8, kLabel},
        {1042, Kind::Edit, "", 110, 327, 100, 12, kEdit},
        {1025, Kind::Edit, "", 215, 327, 28, 12, kEdit},
        {-1, Kind::Static, "* 0.1[s]", 246, 329, 32, 8, kLabel},
        {1039, Kind::Frame, "", 280, 327, 22, 12, WS_VISIBLE},
        {1038, Kind::PushButton, "...", 304, 327, 16, 12, kButton},
        {1027, Kind::Edit, "", 325, 327, 60, 12, kEdit},
        {1026, Kind::Edit, "", 390, 327, 60, 12, kEdit},
        {-1, Kind::Static, "(Deadband)", 455, 337, 50, 8, kLabel},

        {-1, Kind::Static, "Zone 4", 70, 347, 38, 8, kLabel},
        {1043, Kind::Edit, "", 110, 345, 100, 12, kEdit},
        {1029, Kind::Edit, "", 215, 345, 28, 12, kEdit},
        {-1, Kind::Static, "* 0.1[s]", 246, 347, 32, 8, kLabel},
        {1041, Kind::Frame, "", 280, 345, 22, 12, WS_VISIBLE},
        {1040, Kind::PushButton, "...", 304, 345, 16, 12, kButton},
        {1031, Kind::Edit, "", 325, 345, 60, 12, kEdit},
        {1030, Kind::Edit, "", 390, 345, 60, 12, kEdit},
        {-1, Kind::Static, "(Deadband)", 455, 355, 50, 8, kLabel},

        {-1, Kind::Static, "Zone 5", 70, 365, 38, 8, kLabel},
        {1044, Kind::Edit, "", 110, 363, 100, 12, kEdit},
        {1033, Kind::Edit, "", 215, 363, 28, 12, kEdit},
        {-1, Kind::Static, "* 0.1[s]", 246, 365, 32, 8, kLabel},
        {1022, Kind::Frame, "", 280, 363, 22, 12, WS_VISIBLE},
        {1021, Kind::PushButton, "...", 304, 363, 16, 12, kButton},
        {1034, Kind::Edit, "", 325, 363, 60, 12, kEdit},
    }};
KT_DIALOG_TEMPLATE(kConfigAi);
// clang-format on

}  // namespace
