// The string table.
#include "DialogTemplate.h"

namespace {

const kt::res::StringEntry kStrings[] = {
    {101, "Version KT2057CFG(&A)..."},
    {102, "Setting"},
    {103, "Maintenance"},
    {105, "Disable"},
    {106, "Enable"},
    {107, "Disable"},
};
KT_STRING_TABLE(kStrings);

}  // namespace
