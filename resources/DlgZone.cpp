// Template 144: the event setting dialog of a channel's zones.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kZone{
    144, "Event setting", 350, 220, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {1021, Kind::Tab, "", 7, 7, 336, 186, WS_VISIBLE | WS_TABSTOP},
        {1, Kind::DefPushButton, "OK", 232, 199, 50, 14, kButton | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 293, 199, 50, 14, kButton},
    }};
KT_DIALOG_TEMPLATE(kZone);
// clang-format on

}  // namespace
