// Template 202: the recording dialog (its opener is a hidden button).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kLogging{
    202, "Recording", 170, 60, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        // The height is the dropped list's.
        {1448, Kind::ComboDropList, "", 10, 12, 90, 60, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL},
        {1449, Kind::PushButton, "Set", 110, 11, 50, 14, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "Quit", 110, 38, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kLogging);
// clang-format on

}  // namespace
