// Template 201: the login dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;

// clang-format off
const DialogTemplate kLogin{
    201, "Login", 250, 100, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        // Tab order as the dialog was designed: port, ID, password, buttons,
        // then the address at the end. The text edits are wide enough for
        // 32 characters of ordinary text.
        {1444, Kind::Edit, "", 104, 26, 50, 12, kEdit},
        {1445, Kind::Edit, "", 104, 42, 136, 12, kEdit},
        {1446, Kind::Edit, "", 104, 58, 136, 12, kEdit},
        {1, Kind::DefPushButton, "OK", 134, 79, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 190, 79, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {-1, Kind::Static, "Login ID", 10, 44, 85, 8, WS_VISIBLE},
        {-1, Kind::Static, "Port address", 10, 28, 85, 8, WS_VISIBLE},
        {-1, Kind::Static, "Password", 10, 60, 85, 8, WS_VISIBLE},
        {1158, Kind::Static, "Domain name or IP address", 10, 12, 88, 8, WS_VISIBLE},
        {1443, Kind::Edit, "", 104, 10, 136, 12, kEdit},
    }};
KT_DIALOG_TEMPLATE(kLogin);
// clang-format on

}  // namespace
