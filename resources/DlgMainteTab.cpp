// Template 131: the maintenance tab of the main window.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

// clang-format off
const DialogTemplate kMainteTab{
    131, "", 264, 155, WS_CHILD, "MS Shell Dlg", 8,
    {
        // Left column.
        {1006, Kind::PushButton, "Date/Time", 24, 15, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1007, Kind::PushButton, "Information", 24, 35, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1009, Kind::PushButton, "System log", 24, 55, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1010, Kind::PushButton, "Comm. log", 24, 75, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1015, Kind::PushButton, "Event log", 24, 95, 95, 15, WS_VISIBLE | WS_TABSTOP},
        // Right column.
        {1016, Kind::PushButton, "Clear trend", 129, 15, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1011, Kind::PushButton, "Mail report test", 129, 35, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1017, Kind::PushButton, "FTP client test", 129, 55, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1018, Kind::PushButton, "Disk usage", 129, 75, 95, 15, WS_VISIBLE | WS_TABSTOP},
        // Right of the page's width: never seen. The recording button is not
        // even visible; its caption means "logging operation".
        {1012, Kind::PushButton, "Preset count", 280, 15, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1013, Kind::PushButton, "Graph operation", 280, 35, 95, 15, WS_VISIBLE | WS_TABSTOP},
        {1014, Kind::PushButton, "\u30ED\u30AE\u30F3\u30B0\u64CD\u4F5C", 280, 55, 95, 15, WS_TABSTOP},
    }};
KT_DIALOG_TEMPLATE(kMainteTab);
// clang-format on

}  // namespace
