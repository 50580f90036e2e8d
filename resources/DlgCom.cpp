// Template 141: the serial-port dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kCom{
    141, "COM", 170, 62, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        // The height is the dropped list's.
        {1125, Kind::ComboDropDown, "", 10, 12, 150, 120, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL},
        {1, Kind::DefPushButton, "OK", 54, 38, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 110, 38, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kCom);
// clang-format on

}  // namespace
