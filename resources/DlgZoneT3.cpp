// Template 167: the "Lower" tab of the event setting dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kControl = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kZoneLower{
    167, "", 330, 170, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1451, Kind::GroupBox, "Zone5", 6, 4, 318, 30, WS_VISIBLE},
        {1452, Kind::GroupBox, "Zone4", 6, 37, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 51, 32, 8, WS_VISIBLE},
        {1140, Kind::Edit, "", 50, 49, 130, 12, kControl | WS_BORDER},
        {1368, Kind::PushButton, "Mail template No.", 186, 48, 70, 14, kControl},
        {1466, Kind::CheckBox, "Trend record", 262, 50, 58, 10, kControl},
        {1453, Kind::GroupBox, "Zone3", 6, 70, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 84, 32, 8, WS_VISIBLE},
        {1141, Kind::Edit, "", 50, 82, 130, 12, kControl | WS_BORDER},
        {1367, Kind::PushButton, "Mail template No.", 186, 81, 70, 14, kControl},
        {1465, Kind::CheckBox, "Trend record", 262, 83, 58, 10, kControl},
        {1454, Kind::GroupBox, "Zone2", 6, 103, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 117, 32, 8, WS_VISIBLE},
        {1142, Kind::Edit, "", 50, 115, 130, 12, kControl | WS_BORDER},
        {1366, Kind::PushButton, "Mail template No.", 186, 114, 70, 14, kControl},
        {1464, Kind::CheckBox, "Trend record", 262, 116, 58, 10, kControl},
        {1455, Kind::GroupBox, "Zone1", 6, 136, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 150, 32, 8, WS_VISIBLE},
        {1143, Kind::Edit, "", 50, 148, 130, 12, kControl | WS_BORDER},
        {1365, Kind::PushButton, "Mail template No.", 186, 147, 70, 14, kControl},
        {1463, Kind::CheckBox, "Trend record", 262, 149, 58, 10, kControl},
    }};
KT_DIALOG_TEMPLATE(kZoneLower);
// clang-format on

}  // namespace
