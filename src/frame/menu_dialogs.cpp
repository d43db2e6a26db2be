#include "frame/menu_dialogs.h"

#include <cstdint>
#include <optional>
#include <string>

#include "frame/app_state.h"
#include "frame/page_commands.h"
#include "numbers/formatted_conversions.h"
#include "platform/dialogs.h"

namespace {

constexpr std::int32_t version_field = 1073;
constexpr std::int32_t version_hint = 1074;
constexpr std::int32_t first_scheme_box = 1118;  // to 1122, schemes 1 to 5
constexpr std::int32_t results_after_box = 1118;
constexpr std::int32_t results_apart_box = 1119;

DialogControl button(std::int32_t id, const char* text, std::int32_t x, std::int32_t y, bool visible = true)
{
    return {id, DialogControlKind::button, text, x, y, 70, 24, visible};
}

DialogControl check_box(std::int32_t id, const char* text, std::int32_t y, std::int32_t width)
{
    return {id, DialogControlKind::check_box, text, 16, y, width, 20, true};
}

const DialogResource other_version_dialog{
    144,
    "Altra Versione",
    230,
    130,
    {
        {0, DialogControlKind::static_text, "Digitare la Versione (6-10000000)", 12, 10, 206, 18, true},
        {version_field, DialogControlKind::edit, "", 12, 34, 110, 22, true},
        // Two lines: the refusal is wider than the dialog.
        {version_hint, DialogControlKind::static_text, "", 12, 92, 206, 36, true},
        button(1, "OK", 148, 34),
        button(2, "Cancel", 148, 66),
    }};

const DialogResource background_dialog{150,
                                       "Sfondo",
                                       150,
                                       150,
                                       {
                                           check_box(1118, "Default", 10, 110),
                                           check_box(1119, "Azzurro", 34, 110),
                                           check_box(1120, "Giallo", 58, 110),
                                           check_box(1121, "Verde", 82, 110),
                                           check_box(1122, "Blu", 106, 110),
                                           button(1, "OK", 0, 0, false),
                                           button(2, "Cancel", 0, 0, false),
                                       }};

const DialogResource print_dialog{153,
                                  "Stampa su file",
                                  290,
                                  76,
                                  {
                                      check_box(results_after_box, "Stampa i risultati dopo il problema", 10, 260),
                                      check_box(results_apart_box, "Stampa i risultati in un file separato", 38, 260),
                                      button(1, "OK", 0, 0, false),
                                      button(2, "Cancel", 0, 0, false),
                                  }};

const DialogResource about_dialog{182,
                                  "Brunatel 1.0 - Luglio 2008",
                                  240,
                                  96,
                                  {
                                      {0, DialogControlKind::static_text, "Brunatel 1.0", 20, 16, 200, 18, true},
                                      button(1, "OK", 85, 56),
                                  }};

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void apply_background(Dialog& dialog, std::int32_t control_id, std::int32_t)
{
    for (std::int32_t box = first_scheme_box; box < first_scheme_box + 5; ++box) dlg_set_logical(dialog, box, false);
    dlg_set_logical(dialog, control_id, true);
    apply_background_scheme(control_id - first_scheme_box + 1);
}

void apply_print_mode(Dialog& dialog, std::int32_t control_id, std::int32_t)
{
    dlg_set_logical(dialog, control_id, true);
    dlg_set_logical(dialog, control_id == results_after_box ? results_apart_box : results_after_box, false);
    screen_settings.print_mode =
        control_id == results_after_box ? PrintMode::results_after_problem : PrintMode::results_in_separate_file;
}

}  // namespace

std::optional<std::int32_t> ask_other_version()
{
    std::string text = trimmed(format_i(app_state.version_number, 8));
    if (text == "10000001") text.clear();
    std::string hint;
    for (;;) {
        Dialog dialog;
        dlg_init(other_version_dialog, dialog);
        dlg_set_char(dialog, version_field, text);
        dlg_set_char(dialog, version_hint, hint);
        if (dlg_modal(dialog) == kDialogCancel) return std::nullopt;
        text = trimmed(dlg_get_char(dialog, version_field));
        // Anything but a whole number in range asks again, showing what was
        // typed and what is accepted.
        const auto version = read_i(text);
        if (!version || *version < 6 || *version > 10000000) {
            hint = "Inserire un numero intero da 6 a 10000000";
            continue;
        }
        return *version;
    }
}

void choose_background()
{
    Dialog dialog;
    dlg_init(background_dialog, dialog);
    for (std::int32_t scheme = 1; scheme <= 5; ++scheme) {
        const std::int32_t box = first_scheme_box + scheme - 1;
        dlg_set_logical(dialog, box, scheme == screen_settings.background_scheme);
        dlg_set_callback(dialog, box, apply_background);
    }
    dlg_modal(dialog);
}

void choose_print_mode()
{
    Dialog dialog;
    dlg_init(print_dialog, dialog);
    dlg_set_logical(dialog, results_after_box, screen_settings.print_mode == PrintMode::results_after_problem);
    dlg_set_logical(dialog, results_apart_box, screen_settings.print_mode == PrintMode::results_in_separate_file);
    dlg_set_callback(dialog, results_after_box, apply_print_mode);
    dlg_set_callback(dialog, results_apart_box, apply_print_mode);
    dlg_modal(dialog);
}

void show_about_box()
{
    Dialog dialog;
    dlg_init(about_dialog, dialog);
    dlg_modal(dialog);
}
