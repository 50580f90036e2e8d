// Template 160: the mail account (SMTP) dialog, and the item texts of its
// two encryption choices.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;

// clang-format off
const DialogTemplate kConfigMailAccount{
    160, "SMTP", 300, 176, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {-1, Kind::Static, "Mode", 10, 12, 80, 8, kLabel},
        {1465, Kind::RadioButton, "Disable", 95, 11, 50, 10, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {1466, Kind::RadioButton, "Enable", 150, 11, 50, 10, WS_VISIBLE},
        {-1, Kind::Static, "Server address", 10, 30, 80, 8, kLabel},
        {1269, Kind::Edit, "", 95, 28, 195, 12, kEdit},
        {-1, Kind::Static, "Port address", 10, 48, 80, 8, kLabel},
        {1013, Kind::Edit, "", 95, 46, 50, 12, kEdit},
        {-1, Kind::Static, "ID", 10, 66, 80, 8, kLabel},
        {1011, Kind::Edit, "", 95, 64, 195, 12, kEdit},
        {-1, Kind::Static, "Password", 10, 84, 80, 8, kLabel},
        {1012, Kind::Edit, "", 95, 82, 195, 12, kEdit},
        {-1, Kind::Static, "SMTP over SSL", 10, 102, 80, 8, kLabel},
        {1270, Kind::ComboDropList, "", 95, 100, 60, 60, kCombo},
        {-1, Kind::Static, "STARTTLS", 10, 120, 80, 8, kLabel},
        {1150, Kind::ComboDropList, "", 95, 118, 60, 60, kCombo},
        {1434, Kind::PushButton, "Failure output setting", 95, 136, 100, 14, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "OK", 185, 156, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 240, 156, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kConfigMailAccount);
// clang-format on

}  // namespace
