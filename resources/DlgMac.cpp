// Template 145: the device information dialog.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kText = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_CENTER | ES_READONLY;
constexpr std::uint32_t kAddress = WS_VISIBLE | WS_DISABLED;

// clang-format off
const DialogTemplate kMac{
    145, "Information", 200, 158, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {-1, Kind::Static, "Version", 10, 12, 75, 8, kLabel},
        {1142, Kind::Edit, "", 90, 10, 100, 12, kText},
        {-1, Kind::Static, "MAC address", 10, 29, 75, 8, kLabel},
        {1141, Kind::Edit, "", 90, 27, 100, 12, kText},
        {-1, Kind::Static, "IP address", 10, 46, 75, 8, kLabel},
        {1447, Kind::IpAddress, "", 90, 44, 100, 12, kAddress},
        {-1, Kind::Static, "Subnet mask", 10, 63, 75, 8, kLabel},
        {1448, Kind::IpAddress, "", 90, 61, 100, 12, kAddress},
        {-1, Kind::Static, "Default gateway", 10, 80, 75, 8, kLabel},
        {1449, Kind::IpAddress, "", 90, 78, 100, 12, kAddress},
        {-1, Kind::Static, "Preferred DNS", 10, 97, 75, 8, kLabel},
        {1450, Kind::IpAddress, "", 90, 95, 100, 12, kAddress},
        {-1, Kind::Static, "Alternate DNS", 10, 114, 75, 8, kLabel},
        {1451, Kind::IpAddress, "", 90, 112, 100, 12, kAddress},
        {1, Kind::DefPushButton, "Quit", 140, 136, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
    }};
KT_DIALOG_TEMPLATE(kMac);
// clang-format on

}  // namespace
