// Template 159: the mail address list.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;

// One row per 16 units from y = 22: label, name, address.
constexpr int Row(int k) { return 22 + 16 * k; }

// clang-format off
const DialogTemplate kConfigMailAddrlist{
    159, "Address list", 420, 180, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {-1, Kind::Static, "A No.", 10, 8, 30, 8, kLabel},
        {1260, Kind::ListBox, "", 10, 20, 30, 128, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOINTEGRALHEIGHT},
        {-1, Kind::Static, "Name", 75, 8, 100, 8, kLabel},
        {-1, Kind::Static, "Address", 180, 8, 200, 8, kLabel},
        {1268, Kind::Static, "A1", 50, Row(0) + 2, 20, 8, kLabel},
        {1244, Kind::Edit, "", 75, Row(0), 100, 12, kEdit},
        {1245, Kind::Edit, "", 180, Row(0), 230, 12, kEdit},
        {1261, Kind::Static, "A2", 50, Row(1) + 2, 20, 8, kLabel},
        {1246, Kind::Edit, "", 75, Row(1), 100, 12, kEdit},
        {1247, Kind::Edit, "", 180, Row(1), 230, 12, kEdit},
        {1262, Kind::Static, "A3", 50, Row(2) + 2, 20, 8, kLabel},
        {1248, Kind::Edit, "", 75, Row(2), 100, 12, kEdit},
        {1249, Kind::Edit, "", 180, Row(2), 230, 12, kEdit},
        {1263, Kind::Static, "A4", 50, Row(3) + 2, 20, 8, kLabel},
        {1250, Kind::Edit, "", 75, Row(3), 100, 12, kEdit},
        {1251, Kind::Edit, "", 180, Row(3), 230, 12, kEdit},
        {1264, Kind::Static, "A5", 50, Row(4) + 2, 20, 8, kLabel},
        {1252, Kind::Edit, "", 75, Row(4), 100, 12, kEdit},
        {1253, Kind::Edit, "", 180, Row(4), 230, 12, kEdit},
        {1265, Kind::Static, "A6", 50, Row(5) + 2, 20, 8, kLabel},
        {1254, Kind::Edit, "", 75, Row(5), 100, 12, kEdit},
        {1255, Kind::Edit, "", 180, Row(5), 230, 12, kEdit},
        {1266, Kind::Static, "A7", 50, Row(6) + 2, 20, 8, kLabel},
        {1256, Kind::Edit, "", 75, Row(6), 100, 12, kEdit},
        {1257, Kind::Edit, "", 180, Row(6), 230, 12, kEdit},
        {1267, Kind::Static, "A8", 50, Row(7) + 2, 20, 8, kLabel},
        {1258, Kind::Edit, "", 75, Row(7), 100, 12, kEdit},
        {1259, Kind::Edit, "", 180, Row(7), 230, 12, kEdit},
        {1, Kind::DefPushButton, "OK", 305, 158, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 360, 158, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kConfigMailAddrlist);
// clang-format on

}  // namespace
