#include "frame/initial_settings.h"

#include "frame/menus.h"
#include "platform/window.h"

bool initial_settings()
{
    qw_set_window_size(kQwFrameUnit, 20, 20, 605, 388);
    qw_append_menu_item(1, kQwMenuEnabled, "&Indice", qw_no_action);
    qw_append_menu_item(1, kQwMenuEnabled, "E&sci", exit_program);
    qw_append_menu_item(2, kQwMenuEnabled, "&Versione", qw_no_action);
    qw_append_menu_item(3, kQwMenuEnabled, "&Livello", qw_no_action);
    qw_append_menu_item(4, kQwMenuEnabled, "&Dati", qw_no_action);
    qw_append_menu_item(5, kQwMenuEnabled, "&Strumenti", qw_no_action);
    qw_append_menu_item(6, kQwMenuEnabled, "&Simulazioni", qw_no_action);
    qw_append_menu_item(7, kQwMenuEnabled, "&Giochi", qw_no_action);
    qw_append_menu_item(8, kQwMenuEnabled, "&Opzioni", qw_no_action);
    return true;
}
