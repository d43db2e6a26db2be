#include "frame/menus.h"

#include <array>
#include <string>

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/launchers.h"
#include "frame/menu_dialogs.h"
#include "frame/menu_flags.h"
#include "frame/page_commands.h"
#include "frame/program_services.h"
#include "platform/runtime.h"
#include "platform/window.h"

namespace {

constexpr std::array<const char*, 9> chapter_items = {
    "&1: Nozioni di base",       "&2: Elementi e composti", "&3: Stechiometria",
    "&4: Stati di aggregazione", "&5: Soluzioni",           "&6: Termodinamica e Cinetica",
    "&7: Equilibri chimici",     "&8: Elettrochimica",      "&9: Problemi finali",
};

constexpr std::array<const char*, 5> level_items = {
    "&1: Introduttivo", "&2: Elementare", "&3: Medio", "&4: Buono", "&5: Eccellente",
};

constexpr std::array<const char*, 5> data_items = {
    "&Unità di misura", "&Costanti fisiche", "&Proprietà degli Elementi", "&Tavola Periodica", "&Dati Termodinamici",
};

constexpr std::array<const char*, 6> tool_items = {
    "&Calcolatrice", "&Grafici", "&Masse molari", "&Bilanciatore", "&Equilibratore", "&Visualizzatore",
};

constexpr std::array<const char*, 3> simulation_items = {
    "&Leggi dei gas",
    "&Sistemi in equilibrio",
    "&Titolazioni acido/base",
};

// The games' menu order; their routines in program_services follow it.
constexpr std::array<const char*, 3> game_items = {"Chem &Poker", "Chem &Slot", "Chem &Buster"};

std::int32_t enabled_if(bool present)
{
    return present ? kQwMenuEnabled : kQwMenuGreyed;
}

}  // namespace

void on_menu_chapter(std::int32_t chapter)
{
    if (app_state.current_chapter == chapter) return;
    app_state.current_chapter = chapter;
    select_chapter();
    set_version_menu_enabled(true);
    tick_only(index_menu, 9, chapter);
}

void on_menu_version(std::int32_t item, std::int32_t version)
{
    tick_only(version_menu, no_version_item, item);
    show_version(version);
}

void on_menu_level(std::int32_t level)
{
    set_level(level);
    tick_only(level_menu, static_cast<std::int32_t>(level_items.size()), level);
}

void build_menus()
{
    for (std::int32_t k = 1; k <= 8; ++k)
        qw_insert_menu_item(index_menu, k, enabled_if(chapter_available(k)), chapter_items[k - 1],
                            [k] { on_menu_chapter(k); });
    qw_modify_menu_flags(index_menu, 1, kQwMenuTicked);

    qw_append_menu_item(version_menu, kQwMenuEnabled, "Versione &Testo",
                        [] { on_menu_version(text_version_item, text_version); });
    for (std::int32_t v = 1; v <= 5; ++v)
        qw_append_menu_item(version_menu, kQwMenuEnabled, "Versione &" + std::to_string(v),
                            [v] { on_menu_version(v + 1, v); });
    qw_append_menu_item(version_menu, kQwMenuEnabled, "&Altra Versione", [] {
        if (const auto version = ask_other_version()) on_menu_version(other_version_item, *version);
    });
    qw_append_menu_item(version_menu, kQwMenuEnabled, "&Nessuna Versione",
                        [] { on_menu_version(no_version_item, no_version); });
    qw_modify_menu_flags(version_menu, text_version_item, kQwMenuTicked);

    for (std::int32_t level = 1; level <= 5; ++level)
        qw_append_menu_item(level_menu, kQwMenuEnabled, level_items[level - 1], [level] { on_menu_level(level); });
    qw_modify_menu_flags(level_menu, static_cast<std::int32_t>(level_items.size()), kQwMenuTicked);

    for (std::size_t i = 0; i < data_items.size(); ++i) {
        void (*viewer)() = program_services.data_viewers[i];
        qw_append_menu_item(data_menu, enabled_if(viewer != nullptr), data_items[i], [viewer] {
            if (viewer) viewer();
        });
    }
    for (std::size_t i = 0; i < tool_items.size(); ++i)
        qw_append_menu_item(tools_menu, enabled_if(program_services.tools[i] != nullptr), tool_items[i],
                            [i] { launch_tool(i); });
    for (std::size_t i = 0; i < simulation_items.size(); ++i)
        qw_append_menu_item(simulations_menu, enabled_if(program_services.simulations[i] != nullptr),
                            simulation_items[i], [i] { launch_simulation(i); });
    for (std::size_t i = 0; i < game_items.size(); ++i)
        qw_append_menu_item(games_menu, enabled_if(program_services.games[i] != nullptr), game_items[i],
                            [i] { launch_game(i); });
    qw_append_menu_item(options_menu, kQwMenuEnabled, "&Sfondo", choose_background);
    qw_append_menu_item(options_menu, kQwMenuEnabled, "&Stampa", choose_print_mode);
    qw_append_menu_item(about_menu, kQwMenuEnabled, "&?", show_about_box);
    qw_insert_menu_item(index_menu, 9, enabled_if(chapter_available(9)), chapter_items[8], [] { on_menu_chapter(9); });
}

void exit_program()
{
    rt_exit(0);
}
