// Template 147: the system log viewer.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kSlog{
    147, "System log", 420, 240, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {1142, Kind::Edit, "", 10, 10, 400, 200,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
             ES_AUTOHSCROLL},
        {1145, Kind::PushButton, "Reset system log", 10, 218, 80, 14, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "Quit", 360, 218, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kSlog);
// clang-format on

}  // namespace
