#include "frame/page_choice.h"

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/menu_flags.h"
#include "frame/menus.h"
#include "frame/page_commands.h"

namespace {

bool valid_version(std::int32_t version)
{
    return version >= no_version && version <= text_version;
}

constexpr const char* version_refusal = "Versione non valida: scegliere da 0 a 10000001.";

}  // namespace

std::string show_chosen_page(const PageChoice& choice)
{
    if (choice.chapter < 1 || choice.chapter > 9) return "Capitolo inesistente: scegliere da 1 a 9.";
    if (!chapter_available(choice.chapter))
        return "Il capitolo " + std::to_string(choice.chapter) + " non è disponibile.";
    if (!valid_version(choice.version)) return version_refusal;
    if (choice.level < 1 || choice.level > 5) return "Livello non valido: scegliere da 1 a 5.";
    if (choice.scheme < 1 || choice.scheme > 5) return "Sfondo non valido: scegliere da 1 a 5.";

    if (choice.scheme != screen_settings.background_scheme) apply_background_scheme(choice.scheme);
    if (choice.level != app_state.current_level) on_menu_level(choice.level);
    on_menu_chapter(choice.chapter);
    if (choice.problem < 1 || choice.problem > app_state.problem_count)
        return "Problema inesistente: il capitolo " + std::to_string(choice.chapter) + " ha i problemi da 1 a " +
               std::to_string(app_state.problem_count) + ".";
    on_menu_version(version_menu_item(choice.version), choice.version);
    go_to_problem(choice.problem);
    if (choice.answer) show_results();
    return {};
}

std::string show_chosen_version(std::int32_t version, bool answer)
{
    if (!valid_version(version)) return version_refusal;
    on_menu_version(version_menu_item(version), version);
    if (answer) show_results();
    return {};
}
