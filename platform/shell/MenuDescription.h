#pragma once

#include <span>
#include <string_view>

namespace abacor {

// One line of a menu resource. Level 0 lines are the soft keys (left, then
// right) or, in a popup menu resource, its popups; each deeper level belongs
// to the nearest popup line above it. A popup has command id 0. Item texts
// are the label, a tab and an accelerator such as "(&1)".
struct MenuEntry {
    int level;
    std::u16string_view text;
    int commandId;
    bool checkable = false;  // an on/off item; its state comes from its owner
};

using MenuDescription = std::span<const MenuEntry>;

// The lines directly under the popup at index parent (or the top level for
// parent -1), as indexes into the description.
template <typename Visit>
void ForEachChild(MenuDescription menu, int parent, Visit visit)
{
    const int level = parent < 0 ? 0 : menu[static_cast<std::size_t>(parent)].level + 1;
    for (std::size_t i = static_cast<std::size_t>(parent + 1); i < menu.size(); ++i) {
        if (menu[i].level < level)
            break;
        if (menu[i].level == level)
            visit(static_cast<int>(i));
    }
}

}  // namespace abacor
