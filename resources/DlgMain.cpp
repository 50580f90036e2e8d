// Template 150: the main window.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kMain{
    150, "KT2057CFG", 248, 166, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_CENTER, "MS UI Gothic", 9,
    {
        {1012, Kind::Tab, "", 7, 7, 234, 128, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "Quit", 175, 142, 66, 16, WS_VISIBLE | WS_TABSTOP},
        // Both lie below the window's height and are not visible.
        {1011, Kind::PushButton, "COM", 9, 206, 26, 16, WS_TABSTOP},
        {1010, Kind::PushButton, "Network setting", 105, 206, 66, 16, WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kMain);
// clang-format on

}  // namespace
