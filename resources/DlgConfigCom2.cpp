// Template 200: the editor's "COM.2" page (FTP client).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;

// Labels at 80, controls at 190, one line every 14 units.
// clang-format off
const DialogTemplate kConfigCom2{
    200, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {-1, Kind::GroupBox, "FTP client", 66, 13, 380, 147, WS_VISIBLE},
        {1427, Kind::RadioButton, "Disable", 190, 27, 50, 10, kFirstRadio},
        {1428, Kind::RadioButton, "Enable", 245, 27, 50, 10, kRadio},
        {-1, Kind::Static, "FTPS (Explicit)", 80, 42, 105, 8, kLabel},
        {1128, Kind::RadioButton, "Disable", 190, 41, 50, 10, kFirstRadio},
        {1129, Kind::RadioButton, "Enable", 245, 41, 50, 10, kRadio},
        {-1, Kind::Static, "Server address", 80, 56, 105, 8, kLabel},
        {1130, Kind::Edit, "", 190, 54, 240, 12, kEdit},
        {-1, Kind::Static, "Port address", 80, 70, 105, 8, kLabel},
        {1422, Kind::Edit, "", 190, 68, 50, 12, kEdit},
        {-1, Kind::Static, "Login ID", 80, 84, 105, 8, kLabel},
        {1423, Kind::Edit, "", 190, 82, 130, 12, kEdit},
        {-1, Kind::Static, "Password", 80, 98, 105, 8, kLabel},
        {1424, Kind::Edit, "", 190, 96, 130, 12, kEdit},
        {-1, Kind::Static, "Ignore PASV address", 80, 112, 105, 8, kLabel},
        {1131, Kind::RadioButton, "Disable", 190, 111, 50, 10, kFirstRadio},
        {1132, Kind::RadioButton, "Enable", 245, 111, 50, 10, kRadio},
        {-1, Kind::Static, "Subfolder", 80, 126, 105, 8, kLabel},
        {1425, Kind::Edit, "", 190, 124, 240, 12, kEdit},
        {-1, Kind::Static, "Communication failure output", 80, 142, 105, 8, kLabel},
        {1426, Kind::PushButton, "Communication failure output setting", 190, 139, 160, 14,
         WS_VISIBLE | WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kConfigCom2);
// clang-format on

}  // namespace
