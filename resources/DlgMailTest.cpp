// Template 157: the mail report test dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kMailTest{
    157, "Mail report test", 280, 150, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {-1, Kind::Static, "Template", 10, 8, 100, 8, WS_VISIBLE},
        {1456, Kind::ListView, "", 10, 20, 260, 100,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {1277, Kind::PushButton, "Perform report test", 10, 128, 90, 14, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "Quit", 220, 128, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kMailTest);
// clang-format on

}  // namespace
