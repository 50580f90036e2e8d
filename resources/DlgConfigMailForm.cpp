// Template 161: a mail template (subject, body, recipients, attachments).
#include "DialogTemplate.h"

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// clang-format off
const DialogTemplate kConfigMailForm{
    161, "Template", 400, 236, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, "MS Shell Dlg", 8,
    {
        {-1, Kind::Static, "Subject", 10, 12, 50, 8, kLabel},
        {1010, Kind::Edit, "", 65, 10, 325, 12, kEdit},
        {-1, Kind::Static, "Body text", 10, 28, 50, 8, kLabel},
        {1011, Kind::Edit, "", 65, 28, 325, 66,
         kEdit | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL},
        {-1, Kind::Static, "Mail to", 10, 102, 50, 8, kLabel},
        {1272, Kind::CheckListBox, "", 65, 102, 325, 74, kEdit | WS_VSCROLL | LBS_NOINTEGRALHEIGHT},
        {1429, Kind::CheckBox, "Add reporting factors", 65, 182, 120, 10, kButton},
        {-1, Kind::GroupBox, "Attached information", 190, 178, 200, 32, WS_VISIBLE},
        {1430, Kind::PushButton, "AI", 198, 190, 40, 12, kButton},
        {1431, Kind::PushButton, "DI", 246, 190, 40, 12, kButton},
        {1432, Kind::PushButton, "OI", 294, 190, 40, 12, kButton},
        {1433, Kind::PushButton, "DO", 342, 190, 40, 12, kButton},
        {1, Kind::DefPushButton, "OK", 285, 216, 50, 14, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {2, Kind::PushButton, "Cancel", 340, 216, 50, 14, kButton},
    }};
KT_DIALOG_TEMPLATE(kConfigMailForm);
// clang-format on

}  // namespace
