// Template 130: the setting tab of the main window.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kConfigTab{
    130, "", 258, 155, WS_CHILD, "MS Shell Dlg", 8,
    {
        {1003, Kind::PushButton, "New setting", 52, 15, 157, 15, WS_VISIBLE | WS_TABSTOP},
        {1004, Kind::PushButton, "Read from device", 52, 32, 157, 15, WS_VISIBLE | WS_TABSTOP},
        {1005, Kind::PushButton, "Read from file", 52, 49, 157, 15, WS_VISIBLE | WS_TABSTOP},
        {1143, Kind::Static, "static", 59, 75, 140, 11, WS_VISIBLE | SS_CENTER},
    }};
KT_DIALOG_TEMPLATE(kConfigTab);
// clang-format on

}  // namespace
