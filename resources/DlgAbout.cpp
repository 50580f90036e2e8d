// Template 100: the About box.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kAbout{
    100, "Version No, KT2057CFG", 198, 62, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        // The program's icon (icon 128); the dialog puts the picture in.
        {128, Kind::Static, "", 14, 14, 21, 20, WS_VISIBLE},
        {-1, Kind::Static, "KT2057CFG Version", 42, 14, 72, 8, WS_VISIBLE},
        {1163, Kind::Static, "", 116, 14, 71, 8, WS_VISIBLE},
        {1001, Kind::Static, "", 42, 26, 149, 8, WS_VISIBLE},
        {1, Kind::DefPushButton, "OK", 141, 41, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kAbout);
// clang-format on

}  // namespace
