// Template 152: the editor's "Trend" page (trend recording, pens, comments).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kFirstRadio = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr std::uint32_t kRadio = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// Left column: recording settings (labels at 30, controls at 118); right
// column: the pens and the screen comments (labels at 346, controls at 410).
// clang-format off
const DialogTemplate kConfigTrd{
    152, "", 518, 432, WS_CHILD, "MS Shell Dlg", 8,
    {
        {-1, Kind::GroupBox, "Recording", 20, 8, 245, 86, WS_VISIBLE},
        {-1, Kind::Static, "Auto start", 30, 24, 85, 8, kLabel},
        {1108, Kind::ComboDropDown, "", 118, 22, 90, 80, kCombo},
        {-1, Kind::Static, "Auto delete", 30, 40, 85, 8, kLabel},
        {1332, Kind::RadioButton, "Disable", 118, 39, 50, 10, kFirstRadio},
        {1333, Kind::RadioButton, "Enable", 173, 39, 50, 10, kRadio},
        {-1, Kind::Static, "Storing rate", 30, 56, 85, 8, kLabel},
        {1109, Kind::ComboDropDown, "", 118, 54, 60, 150, kCombo},
        {-1, Kind::Static, "Encode", 30, 72, 85, 8, kLabel},
        {1118, Kind::ComboDropDown, "", 118, 70, 90, 80, kCombo},

        {-1, Kind::GroupBox, "Normal record", 20, 100, 245, 102, WS_VISIBLE},
        {-1, Kind::Static, "Storing mode", 30, 116, 85, 8, kLabel},
        {1110, Kind::ComboDropDown, "", 118, 114, 60, 60, kCombo},
        {-1, Kind::Static, "Storing mode : Samples", 30, 132, 85, 8, kLabel},
        {1111, Kind::Edit, "", 118, 130, 50, 12, kEdit},
        {-1, Kind::Static, "(1000-50000)", 173, 132, 60, 8, kLabel},
        {-1, Kind::Static, "Interval", 30, 148, 85, 8, kLabel},
        {1112, Kind::ComboDropDown, "", 118, 146, 60, 150, kCombo},
        {-1, Kind::Static, "Time", 30, 164, 85, 8, kLabel},
        {1113, Kind::ComboDropDown, "", 118, 162, 40, 150, kCombo},
        {-1, Kind::Static, "Day of week", 30, 180, 85, 8, kLabel},
        {1114, Kind::ComboDropDown, "", 118, 178, 50, 100, kCombo},

        {-1, Kind::GroupBox, "Trigger record", 20, 208, 245, 70, WS_VISIBLE},
        {-1, Kind::Static, "Mode", 30, 224, 85, 8, kLabel},
        {1117, Kind::ComboDropDown, "", 118, 222, 60, 60, kCombo},
        {-1, Kind::Static, "Pre trigger samples", 30, 240, 85, 8, kLabel},
        {1115, Kind::Edit, "", 118, 238, 40, 12, kEdit},
        {-1, Kind::Static, "(0-100)", 163, 240, 40, 8, kLabel},
        {-1, Kind::Static, "Post trigger samples", 30, 256, 85, 8, kLabel},
        {1116, Kind::Edit, "", 118, 254, 40, 12, kEdit},
        {-1, Kind::Static, "(1-100)", 163, 256, 40, 8, kLabel},

        {-1, Kind::GroupBox, "Pen", 275, 8, 225, 100, WS_VISIBLE},
        {1125, Kind::ListBox, "", 285, 22, 50, 48, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL},
        {-1, Kind::Static, "Source", 346, 24, 60, 8, kLabel},
        {1119, Kind::ComboDropDown, "", 410, 22, 50, 80, kCombo},
        {-1, Kind::Static, "Channel", 346, 40, 60, 8, kLabel},
        {1151, Kind::ComboDropDown, "", 410, 38, 82, 80, kCombo},
        {-1, Kind::Static, "Color", 346, 56, 60, 8, kLabel},
        {1441, Kind::Frame, "", 410, 54, 40, 12, WS_VISIBLE | WS_BORDER},
        {1043, Kind::PushButton, "...", 454, 54, 16, 12, kButton},
        {-1, Kind::Static, "Upper limit", 346, 72, 60, 8, kLabel},
        {1120, Kind::Edit, "", 410, 70, 70, 12, kEdit},
        {-1, Kind::Static, "Lower limit", 346, 88, 60, 8, kLabel},
        {1121, Kind::Edit, "", 410, 86, 70, 12, kEdit},

        {-1, Kind::GroupBox, "Comment", 275, 114, 225, 88, WS_VISIBLE},
        {-1, Kind::Static, "Comment No.1", 285, 128, 80, 8, kLabel},
        {1460, Kind::Edit, "", 285, 139, 150, 12, kEdit},
        {1461, Kind::Frame, "", 440, 139, 30, 12, WS_VISIBLE | WS_BORDER},
        {1122, Kind::PushButton, "...", 474, 139, 16, 12, kButton},
        {-1, Kind::Static, "Comment No.2", 285, 164, 80, 8, kLabel},
        {1462, Kind::Edit, "", 285, 175, 150, 12, kEdit},
        {1463, Kind::Frame, "", 440, 175, 30, 12, WS_VISIBLE | WS_BORDER},
        {1123, Kind::PushButton, "...", 474, 175, 16, 12, kButton},
    }};
KT_DIALOG_TEMPLATE(kConfigTrd);
// clang-format on

}  // namespace
