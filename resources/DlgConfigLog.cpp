// Template 193: the editor's "Log" page.
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;

// clang-format off
const DialogTemplate kConfigLog{
    193, "", 518, 422, WS_CHILD, "MS Shell Dlg", 8,
    {
        {-1, Kind::GroupBox, "Log", 66, 13, 380, 84, WS_VISIBLE},
        {-1, Kind::Static, "Event log", 80, 29, 85, 8, kLabel},
        {1342, Kind::RadioButton, "Disable", 190, 28, 50, 10, kFirstRadio},
        {1343, Kind::RadioButton, "Enable", 245, 28, 50, 10, kRadio},
        {-1, Kind::Static, "System log", 80, 45, 85, 8, kLabel},
        {1340, Kind::RadioButton, "Disable", 190, 44, 50, 10, kFirstRadio},
        {1341, Kind::RadioButton, "Enable", 245, 44, 50, 10, kRadio},
        {-1, Kind::Static, "Comm. log", 80, 61, 85, 8, kLabel},
        {1344, Kind::RadioButton, "Disable", 190, 60, 50, 10, kFirstRadio},
        {1345, Kind::RadioButton, "Enable", 245, 60, 50, 10, kRadio},
        {1438, Kind::Static, "Character code", 80, 78, 85, 8, kLabel},
        // The height is the dropped list's.
        {1346, Kind::ComboDropDown, "", 190, 76, 80, 60, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL},
    }};
KT_DIALOG_TEMPLATE(kConfigLog);
// clang-format on

}  // namespace
