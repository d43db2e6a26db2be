#include "games/chapter_notice.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "frame/app_state.h"
#include "platform/dialogs.h"

namespace {

// Every control needs an id of its own for its text to show.
constexpr std::int32_t first_line = 1023;
constexpr std::int32_t second_line = 1024;
constexpr std::int32_t chapter_field = 1025;

// The chapters as the games name them, which is not always as the menu does.
constexpr std::array<std::string_view, 8> chapter_names = {
    "",
    "1: Nozioni di base",
    "2: Elementi e Composti",
    "3: Stechiometria",
    "4: Stati di aggregazione",
    "5: Soluzioni",
    "6: Termodinamica e Cinetica",
    "7: Equilibri chimici",
};

const DialogResource chapter_notice_dialog{
    116,
    "Attenzione!",
    330,
    134,
    {
        {first_line, DialogControlKind::static_text, "I Giochi propongono quesiti sul capitolo corrente e", 12, 10, 306,
         18, true},
        {second_line, DialogControlKind::static_text, "su quelli che lo precedono. Il capitolo corrente è :", 12, 28,
         306, 18, true},
        {chapter_field, DialogControlKind::static_text, "", 12, 54, 306, 18, true},
        {kDialogOk, DialogControlKind::button, "Continua", 12, 92, 100, 26, true},
        {kDialogCancel, DialogControlKind::button, "Cambia il capitolo corrente", 124, 92, 194, 26, true},
    }};

}  // namespace

float confirm_games_chapter()
{
    const std::int32_t chapter = app_state.current_chapter;
    if (chapter >= 8) return 1.0f;
    Dialog dialog;
    if (!dlg_init(chapter_notice_dialog, dialog)) return -1.0f;
    if (chapter >= 1) dlg_set_char(dialog, chapter_field, chapter_names[static_cast<std::size_t>(chapter)]);
    return dlg_modal(dialog) == kDialogOk ? 1.0f : -1.0f;
}
