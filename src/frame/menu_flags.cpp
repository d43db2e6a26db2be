#include "frame/menu_flags.h"

#include "frame/app_state.h"
#include "platform/window.h"

std::int32_t version_menu_item(std::int32_t version)
{
    if (version == text_version) return text_version_item;
    if (version == no_version) return no_version_item;
    if (version <= 5) return version + 1;
    return other_version_item;
}

void tick_only(std::int32_t menu, std::int32_t items, std::int32_t chosen)
{
    for (std::int32_t item = 1; item <= items; ++item) qw_modify_menu_flags(menu, item, kQwMenuUnticked);
    qw_modify_menu_flags(menu, chosen, kQwMenuTicked);
}

void set_version_menu_enabled(bool enabled)
{
    for (std::int32_t item = text_version_item + 1; item <= no_version_item; ++item)
        qw_modify_menu_flags(version_menu, item, enabled ? kQwMenuEnabled : kQwMenuGreyed);
}

void set_top_menus_enabled(bool enabled)
{
    for (std::int32_t menu = index_menu; menu <= about_menu; ++menu)
        qw_modify_menu_flags(menu, 0, enabled ? kQwMenuEnabled : kQwMenuGreyed);
}
