// Template 205: the disk usage dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kText = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_CENTER | ES_READONLY;

// clang-format off
const DialogTemplate kDiskUse{
    205, "Disk usage", 170, 72, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {-1, Kind::Static, "Free space", 10, 12, 55, 8, WS_VISIBLE},
        {1458, Kind::Edit, "", 70, 10, 90, 12, kText},
        {-1, Kind::Static, "Capacity", 10, 30, 55, 8, WS_VISIBLE},
        {1459, Kind::Edit, "", 70, 28, 90, 12, kText},
        {1, Kind::DefPushButton, "OK", 110, 50, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kDiskUse);
// clang-format on

}  // namespace
