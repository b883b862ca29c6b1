#include "Family.h"

#include <array>

namespace {

constexpr std::array<const char*, kFamilyCount> kTypeNames = {
    "button", "sp_button", "panel",    "parent_panel", "html",      "split",    "label",
    "track_bar", "tree",   "tree_ex",  "flash",        "media",     "list_box", "scroll_box",
    "image",  "pop_menu",  "gif",      "edit_box",     "check_box", "r_button", "progress_bar",
    "combo_box", "list_img", "pic",    "grid",         "html_grid", "spin_edit",
};

}  // namespace

QString FamilyTypeName(Family family)
{
    return QLatin1String(kTypeNames[size_t(family)]);
}

std::optional<Family> FamilyOfType(const QString& lowerCaseType)
{
    for (int i = 0; i < kFamilyCount; ++i) {
        if (lowerCaseType == QLatin1String(kTypeNames[i]))
            return Family(i);
    }
    return std::nullopt;
}
