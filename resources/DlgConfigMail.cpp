// Template 156: the editor's "Mail" page (account, addresses, templates and
// the schedule of the regular report).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;
constexpr std::uint32_t kCheck = WS_VISIBLE | WS_TABSTOP;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;

// Columns: row labels at 34, check boxes from 100 on a grid of 24.
// clang-format off
const DialogTemplate kConfigMail{
    156, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {-1, Kind::GroupBox, "Mail", 20, 13, 478, 36, WS_VISIBLE},
        {1004, Kind::PushButton, "Account setting", 34, 27, 80, 14, kButton},
        {1003, Kind::PushButton, "Address list", 124, 27, 80, 14, kButton},
        {-1, Kind::Static, "Template No.", 262, 30, 50, 8, kLabel},
        // The height is the dropped list's.
        {1080, Kind::ComboDropDown, "", 316, 28, 40, 60, kCombo},
        {1243, Kind::PushButton, "Template setting", 364, 27, 80, 14, kButton},
        {-1, Kind::GroupBox, "Regular report", 20, 57, 478, 160, WS_VISIBLE},
        {-1, Kind::Static, "Template", 34, 75, 60, 8, kLabel},
        {1174, Kind::PushButton, "Select template", 100, 72, 80, 14, kButton},
        {-1, Kind::Static, "Day", 34, 94, 60, 8, kLabel},
        {1175, Kind::CheckBox, "1", 100, 93, 22, 10, kCheck},
        {1176, Kind::CheckBox, "2", 124, 93, 22, 10, kCheck},
        {1177, Kind::CheckBox, "3", 148, 93, 22, 10, kCheck},
        {1178, Kind::CheckBox, "4", 172, 93, 22, 10, kCheck},
        {1179, Kind::CheckBox, "5", 196, 93, 22, 10, kCheck},
        {1180, Kind::CheckBox, "6", 220, 93, 22, 10, kCheck},
        {1181, Kind::CheckBox, "7", 244, 93, 22, 10, kCheck},
        {1182, Kind::CheckBox, "8", 268, 93, 22, 10, kCheck},
        {1183, Kind::CheckBox, "9", 292, 93, 22, 10, kCheck},
        {1184, Kind::CheckBox, "10", 316, 93, 22, 10, kCheck},
        {1185, Kind::CheckBox, "11", 340, 93, 22, 10, kCheck},
        {1186, Kind::CheckBox, "12", 364, 93, 22, 10, kCheck},
        {1187, Kind::CheckBox, "13", 388, 93, 22, 10, kCheck},
        {1188, Kind::CheckBox, "14", 412, 93, 22, 10, kCheck},
        {1189, Kind::CheckBox, "15", 436, 93, 22, 10, kCheck},
        {1190, Kind::CheckBox, "16", 460, 93, 22, 10, kCheck},
        {1191, Kind::CheckBox, "17", 100, 107, 22, 10, kCheck},
        {1192, Kind::CheckBox, "18", 124, 107, 22, 10, kCheck},
        {1193, Kind::CheckBox, "19", 148, 107, 22, 10, kCheck},
        {1194, Kind::CheckBox, "20", 172, 107, 22, 10, kCheck},
        {1195, Kind::CheckBox, "21", 196, 107, 22, 10, kCheck},
        {1196, Kind::CheckBox, "22", 220, 107, 22, 10, kCheck},
        {1197, Kind::CheckBox, "23", 244, 107, 22, 10, kCheck},
        {1198, Kind::CheckBox, "24", 268, 107, 22, 10, kCheck},
        {1199, Kind::CheckBox, "25", 292, 107, 22, 10, kCheck},
        {1200, Kind::CheckBox, "26", 316, 107, 22, 10, kCheck},
        {1201, Kind::CheckBox, "27", 340, 107, 22, 10, kCheck},
        {1202, Kind::CheckBox, "28", 364, 107, 22, 10, kCheck},
        {1203, Kind::CheckBox, "29", 388, 107, 22, 10, kCheck},
        {1204, Kind::CheckBox, "30", 412, 107, 22, 10, kCheck},
        {1205, Kind::CheckBox, "31", 436, 107, 22, 10, kCheck},
        {-1, Kind::Static, "Day of week", 34, 128, 60, 8, kLabel},
        {1206, Kind::CheckBox, "Sun", 100, 127, 30, 10, kCheck},
        {1207, Kind::CheckBox, "Mon", 134, 127, 30, 10, kCheck},
        {1208, Kind::CheckBox, "Tue", 168, 127, 30, 10, kCheck},
        {1209, Kind::CheckBox, "Wed", 202, 127, 30, 10, kCheck},
        {1210, Kind::CheckBox, "Thu", 236, 127, 30, 10, kCheck},
        {1211, Kind::CheckBox, "Fri", 270, 127, 30, 10, kCheck},
        {1212, Kind::CheckBox, "Sat", 304, 127, 30, 10, kCheck},
        {-1, Kind::Static, "Hour", 34, 148, 60, 8, kLabel},
        {1213, Kind::CheckBox, "0", 100, 147, 22, 10, kCheck},
        {1214, Kind::CheckBox, "1", 124, 147, 22, 10, kCheck},
        {1215, Kind::CheckBox, "2", 148, 147, 22, 10, kCheck},
        {1216, Kind::CheckBox, "3", 172, 147, 22, 10, kCheck},
        {1217, Kind::CheckBox, "4", 196, 147, 22, 10, kCheck},
        {1218, Kind::CheckBox, "5", 220, 147, 22, 10, kCheck},
        {1219, Kind::CheckBox, "6", 244, 147, 22, 10, kCheck},
        {1220, Kind::CheckBox, "7", 268, 147, 22, 10, kCheck},
        {1221, Kind::CheckBox, "8", 292, 147, 22, 10, kCheck},
        {1222, Kind::CheckBox, "9", 316, 147, 22, 10, kCheck},
        {1223, Kind::CheckBox, "10", 340, 147, 22, 10, kCheck},
        {1224, Kind::CheckBox, "11", 364, 147, 22, 10, kCheck},
        {1225, Kind::CheckBox, "12", 100, 161, 22, 10, kCheck},
        {1226, Kind::CheckBox, "13", 124, 161, 22, 10, kCheck},
        {1227, Kind::CheckBox, "14", 148, 161, 22, 10, kCheck},
        {1228, Kind::CheckBox, "15", 172, 161, 22, 10, kCheck},
        {1229, Kind::CheckBox, "16", 196, 161, 22, 10, kCheck},
        {1230, Kind::CheckBox, "17", 220, 161, 22, 10, kCheck},
        {1231, Kind::CheckBox, "18", 244, 161, 22, 10, kCheck},
        {1232, Kind::CheckBox, "19", 268, 161, 22, 10, kCheck},
        {1233, Kind::CheckBox, "20", 292, 161, 22, 10, kCheck},
        {1234, Kind::CheckBox, "21", 316, 161, 22, 10, kCheck},
        {1235, Kind::CheckBox, "22", 340, 161, 22, 10, kCheck},
        {1236, Kind::CheckBox, "23", 364, 161, 22, 10, kCheck},
        {-1, Kind::Static, "Minute", 34, 182, 40, 8, kLabel},
        {-1, Kind::Static, "10", 78, 182, 16, 8, kLabel},
        {1237, Kind::CheckBox, "0x", 100, 181, 26, 10, kCheck},
        {1238, Kind::CheckBox, "1x", 130, 181, 26, 10, kCheck},
        {1239, Kind::CheckBox, "2x", 160, 181, 26, 10, kCheck},
        {1240, Kind::CheckBox, "3x", 190, 181, 26, 10, kCheck},
        {1241, Kind::CheckBox, "4x", 220, 181, 26, 10, kCheck},
        {1242, Kind::CheckBox, "5x", 250, 181, 26, 10, kCheck},
        {-1, Kind::Static, "1", 78, 199, 16, 8, kLabel},
        {1079, Kind::ComboDropDown, "", 100, 197, 40, 80, kCombo},
    }};
KT_DIALOG_TEMPLATE(kConfigMail);
// clang-format on

}  // namespace
