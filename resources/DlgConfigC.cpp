// Template 136: the editor's "C" page (communication peers C1, C2).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;

// Peer list at the left; labels at 80 (group members at 95), controls at 190.
// clang-format off
const DialogTemplate kConfigC{
    136, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1013, Kind::ListBox, "", 10, 13, 45, 40, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOINTEGRALHEIGHT},
        {-1, Kind::Static, "Mode", 80, 15, 100, 8, kLabel},
        {1015, Kind::RadioButton, "Disable", 190, 14, 50, 10, kFirstRadio},
        {1016, Kind::RadioButton, "Enable", 245, 14, 50, 10, kRadio},
        {-1, Kind::Static, "Protocol", 80, 32, 100, 8, kLabel},
        {1025, Kind::ComboDropList, "", 190, 30, 80, 60, kCombo},
        {-1, Kind::Static, "IP address", 80, 49, 100, 8, kLabel},
        {1018, Kind::IpAddress, "", 190, 47, 100, 12, WS_VISIBLE | WS_TABSTOP},
        {-1, Kind::Static, "Port address", 80, 66, 100, 8, kLabel},
        {1021, Kind::Edit, "", 190, 64, 50, 12, kEdit},
        {-1, Kind::Static, "Pause period", 80, 83, 100, 8, kLabel},
        {1023, Kind::Edit, "", 190, 81, 50, 12, kEdit},
        {-1, Kind::Static, "ms", 245, 83, 30, 8, kLabel},
        {-1, Kind::Static, "Time out", 80, 100, 100, 8, kLabel},
        {1027, Kind::Edit, "", 190, 98, 50, 12, kEdit},
        {-1, Kind::Static, "s", 245, 100, 30, 8, kLabel},

        {-1, Kind::GroupBox, "Modbus/TCP", 75, 118, 300, 48, WS_VISIBLE},
        {1031, Kind::RadioButton, "Fixed", 190, 131, 50, 10, kFirstRadio},
        {1032, Kind::RadioButton, "Variable", 245, 131, 60, 10, kRadio},
        {-1, Kind::Static, "Unit identifier", 90, 149, 95, 8, kLabel},
        {1033, Kind::Edit, "", 190, 147, 50, 12, kEdit},

        {-1, Kind::GroupBox, "SLMP", 75, 172, 300, 82, WS_VISIBLE},
        {-1, Kind::Static, "Network No.", 90, 186, 95, 8, kLabel},
        {1037, Kind::Edit, "", 190, 184, 50, 12, kEdit},
        {-1, Kind::Static, "Station No.", 90, 203, 95, 8, kLabel},
        {1038, Kind::Edit, "", 190, 201, 50, 12, kEdit},
        {-1, Kind::Static, "Processor No.", 90, 220, 95, 8, kLabel},
        {1039, Kind::Edit, "", 190, 218, 50, 12, kEdit},
        {-1, Kind::Static, "H", 245, 220, 20, 8, kLabel},
        {-1, Kind::Static, "Type", 90, 237, 95, 8, kLabel},
        {1026, Kind::ComboDropList, "", 190, 235, 80, 60, kCombo},

        {-1, Kind::Static, "Communication error output", 80, 265, 105, 8, kLabel},
        {1458, Kind::PushButton, "DO", 190, 262, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kConfigC);
// clang-format on

}  // namespace
