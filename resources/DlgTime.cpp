// Template 146: the date and time dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// The heights are the dropped lists'.
constexpr std::uint32_t kList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;

// clang-format off
const DialogTemplate kTime{
    146, "Date/Time", 262, 60, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {1140, Kind::ComboDropList, "", 10, 12, 40, 120, kList},
        {-1, Kind::Static, "/", 50, 14, 8, 8, WS_VISIBLE | SS_CENTER},
        {1141, Kind::ComboDropList, "", 58, 12, 30, 120, kList},
        {-1, Kind::Static, "/", 88, 14, 8, 8, WS_VISIBLE | SS_CENTER},
        {1142, Kind::ComboDropList, "", 96, 12, 30, 120, kList},
        {1143, Kind::ComboDropList, "", 142, 12, 30, 120, kList},
        {-1, Kind::Static, ":", 172, 14, 8, 8, WS_VISIBLE | SS_CENTER},
        {1144, Kind::ComboDropList, "", 180, 12, 30, 120, kList},
        {-1, Kind::Static, ":", 210, 14, 8, 8, WS_VISIBLE | SS_CENTER},
        {1145, Kind::ComboDropList, "", 218, 12, 30, 120, kList},
        {1001, Kind::PushButton, "Upload to device", 10, 38, 80, 14, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "Quit", 198, 38, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kTime);
// clang-format on

}  // namespace
