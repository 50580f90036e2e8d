// Template 134: the editor window.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kConfigMain{
    134, "Dialog", 537, 440, WS_CAPTION | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {1013, Kind::Tab, "", 7, 5, 523, 410, WS_VISIBLE | WS_TABSTOP},
        {1012, Kind::PushButton, "Save file", 163, 419, 96, 15, WS_VISIBLE | WS_TABSTOP},
        {1014, Kind::PushButton, "Upload to device", 272, 419, 96, 15, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "Quit", 480, 420, 50, 14, WS_VISIBLE | WS_TABSTOP},
        // Below the window's height: never seen.
        {1011, Kind::PushButton, "COM", 11, 502, 31, 15, WS_VISIBLE | WS_TABSTOP},
        {1157, Kind::CheckBox, "Show message when invalid setting is detected.", 157, 507, 224, 10, WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kConfigMain);
// clang-format on

}  // namespace
