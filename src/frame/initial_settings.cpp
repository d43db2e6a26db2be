#include "frame/initial_settings.h"

#include "frame/menu_flags.h"
#include "frame/menus.h"
#include "platform/window.h"

bool initial_settings()
{
    qw_set_window_size(kQwFrameUnit, 20, 20, 605, 388);
    qw_append_menu_item(index_menu, kQwMenuEnabled, "&Indice", qw_no_action);
    qw_append_menu_item(index_menu, kQwMenuEnabled, "E&sci", exit_program);
    qw_append_menu_item(version_menu, kQwMenuEnabled, "&Versione", qw_no_action);
    qw_append_menu_item(level_menu, kQwMenuEnabled, "&Livello", qw_no_action);
    qw_append_menu_item(data_menu, kQwMenuEnabled, "&Dati", qw_no_action);
    qw_append_menu_item(tools_menu, kQwMenuEnabled, "&Strumenti", qw_no_action);
    qw_append_menu_item(simulations_menu, kQwMenuEnabled, "&Simulazioni", qw_no_action);
    qw_append_menu_item(games_menu, kQwMenuEnabled, "&Giochi", qw_no_action);
    qw_append_menu_item(options_menu, kQwMenuEnabled, "&Opzioni", qw_no_action);
    return true;
}
