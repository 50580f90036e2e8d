// Template 199: the channel selection dialog (its caller gives the caption).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kConfigSelect{
    199, "", 252, 180, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {1407, Kind::ListView, "", 7, 7, 238, 142,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {1442, Kind::PushButton, "Select all", 7, 157, 55, 14, kButton},
        {1443, Kind::PushButton, "Clear", 66, 157, 55, 14, kButton},
        {1, Kind::DefPushButton, "OK", 136, 157, 50, 14, kButton | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 195, 157, 50, 14, kButton},
    }};
KT_DIALOG_TEMPLATE(kConfigSelect);
// clang-format on

}  // namespace
