// Template 196: the "Basic" tab of the event setting dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kControl = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kZoneBasic{
    196, "", 330, 170, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1441, Kind::GroupBox, "Zone5", 6, 4, 318, 30, WS_VISIBLE},
        {1043, Kind::PushButton, "Alarm output", 18, 15, 80, 14, kControl},
        {1044, Kind::PushButton, "Reset function value", 108, 15, 90, 14, kControl},
        {1133, Kind::CheckBox, "Trigger", 212, 17, 60, 10, kControl},
        {1442, Kind::GroupBox, "Zone4", 6, 37, 318, 30, WS_VISIBLE},
        {1046, Kind::PushButton, "Alarm output", 18, 48, 80, 14, kControl},
        {1047, Kind::PushButton, "Reset function value", 108, 48, 90, 14, kControl},
        {1132, Kind::CheckBox, "Trigger", 212, 50, 60, 10, kControl},
        {1443, Kind::GroupBox, "Zone3", 6, 70, 318, 30, WS_VISIBLE},
        {1049, Kind::PushButton, "Alarm output", 18, 81, 80, 14, kControl},
        {1050, Kind::PushButton, "Reset function value", 108, 81, 90, 14, kControl},
        {1131, Kind::CheckBox, "Trigger", 212, 83, 60, 10, kControl},
        {1444, Kind::GroupBox, "Zone2", 6, 103, 318, 30, WS_VISIBLE},
        {1052, Kind::PushButton, "Alarm output", 18, 114, 80, 14, kControl},
        {1053, Kind::PushButton, "Reset function value", 108, 114, 90, 14, kControl},
        {1130, Kind::CheckBox, "Trigger", 212, 116, 60, 10, kControl},
        {1445, Kind::GroupBox, "Zone1", 6, 136, 318, 30, WS_VISIBLE},
        {1055, Kind::PushButton, "Alarm output", 18, 147, 80, 14, kControl},
        {1056, Kind::PushButton, "Reset function value", 108, 147, 90, 14, kControl},
        {1129, Kind::CheckBox, "Trigger", 212, 149, 60, 10, kControl},
    }};
KT_DIALOG_TEMPLATE(kZoneBasic);
// clang-format on

}  // namespace
