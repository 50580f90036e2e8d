// Template 194: the "Upper" tab of the event setting dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kControl = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kZoneUpper{
    194, "", 330, 170, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1446, Kind::GroupBox, "Zone5", 6, 4, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 18, 32, 8, WS_VISIBLE},
        {1138, Kind::Edit, "", 50, 16, 130, 12, kControl | WS_BORDER},
        {1350, Kind::PushButton, "Mail template No.", 186, 15, 70, 14, kControl},
        {1465, Kind::CheckBox, "Trend record", 262, 17, 58, 10, kControl},
        {1447, Kind::GroupBox, "Zone4", 6, 37, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 51, 32, 8, WS_VISIBLE},
        {1137, Kind::Edit, "", 50, 49, 130, 12, kControl | WS_BORDER},
        {1349, Kind::PushButton, "Mail template No.", 186, 48, 70, 14, kControl},
        {1464, Kind::CheckBox, "Trend record", 262, 50, 58, 10, kControl},
        {1448, Kind::GroupBox, "Zone3", 6, 70, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 84, 32, 8, WS_VISIBLE},
        {1136, Kind::Edit, "", 50, 82, 130, 12, kControl | WS_BORDER},
        {1348, Kind::PushButton, "Mail template No.", 186, 81, 70, 14, kControl},
        {1463, Kind::CheckBox, "Trend record", 262, 83, 58, 10, kControl},
        {1449, Kind::GroupBox, "Zone2", 6, 103, 318, 30, WS_VISIBLE},
        {-1, Kind::Static, "Message", 16, 117, 32, 8, WS_VISIBLE},
        {1135, Kind::Edit, "", 50, 115, 130, 12, kControl | WS_BORDER},
        {1347, Kind::PushButton, "Mail template No.", 186, 114, 70, 14, kControl},
        {1462, Kind::CheckBox, "Trend record", 262, 116, 58, 10, kControl},
        {1450, Kind::GroupBox, "Zone1", 6, 136, 318, 30, WS_VISIBLE},
    }};
KT_DIALOG_TEMPLATE(kZoneUpper);
// clang-format on

}  // namespace
