#include "tools/element_properties.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "platform/dialogs.h"
#include "platform/graphics.h"
#include "text/markup_text.h"

ElementViewerState element_viewer_state;

namespace {

constexpr std::int32_t name_field = 1075;
constexpr std::int32_t status_field = 1076;
constexpr std::int32_t previous_button = 1082;
constexpr std::int32_t next_button = 1083;
constexpr std::size_t field_length = 50;
// Wide enough for the longest density beside the energies.
constexpr std::int32_t card_left = 320;

// Enter searches and Esc closes: the two push buttons are not shown.
const DialogResource element_dialog{
    135,
    "Proprietà degli Elementi",
    280,
    112,
    {
        {0, DialogControlKind::static_text,
         "Digitare il simbolo, il numero atomico o parte del nome dell'elemento desiderato", 10, 8, 260, 34, true},
        {name_field, DialogControlKind::edit, "", 10, 48, 150, 22, true},
        {previous_button, DialogControlKind::button, "<", 170, 48, 30, 22, true},
        {next_button, DialogControlKind::button, ">", 206, 48, 30, 22, true},
        {status_field, DialogControlKind::static_text, "", 10, 80, 150, 20, true},
        {1, DialogControlKind::button, "OK", 0, 0, 70, 24, false},
        {2, DialogControlKind::button, "Chiudi", 0, 0, 70, 24, false},
    }};

std::string_view element_columns(std::int32_t z, int first, int last)
{
    return strip_trailing_blanks(record_columns(element_record(z), first, last));
}

// A field that is a whole number, blanks around it aside.
std::optional<std::int32_t> whole_number(std::string_view text)
{
    std::string_view digits = strip_blanks(text);
    if (digits.size() > 1 && digits.front() == '+') digits.remove_prefix(1);
    std::int32_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

// The first element whose record begins with the text as typed or with its
// first letter in lower case: "carb" and "Carb" find carbon, "CARB" nothing.
std::int32_t element_of_name_start(std::string_view typed)
{
    std::string lowered(typed);
    lowered[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowered[0])));
    for (std::int32_t z = 1; z <= element_count; ++z) {
        const std::string_view start = record_columns(element_record(z), 1, static_cast<int>(typed.size()));
        if (start == typed || start == lowered) return z;
    }
    return 0;
}

// The card, and the element's name with a capital in the field.
void show_element(Dialog& dialog, std::int32_t z)
{
    element_viewer_state.current_element = z;
    std::string name(element_columns(z, 1, 15));
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    dlg_set_char(dialog, name_field, name);
    draw_element_properties(z);
}

void element_dialog_callback(Dialog& dialog, std::int32_t control, std::int32_t)
{
    dlg_set_char(dialog, status_field, "");
    const std::int32_t current = element_viewer_state.current_element;
    // At either end of the table a step searches the name shown instead.
    if (control == next_button && current < element_count) return show_element(dialog, current + 1);
    if (control == previous_button && current > 1) return show_element(dialog, current - 1);
    const std::string field = dlg_get_char(dialog, name_field);
    const std::string_view typed = strip_trailing_blanks(first_characters(field, field_length));
    if (const auto n = whole_number(typed); n && *n >= 1 && *n <= element_count) return show_element(dialog, *n);
    if (typed.size() <= 2) {
        // A symbol exactly, case and all; the field keeps what was typed.
        if (const auto z = typed.empty() ? std::nullopt : find_element_by_symbol(typed)) {
            element_viewer_state.current_element = *z;
            draw_element_properties(*z);
            return;
        }
    } else if (const std::int32_t z = element_of_name_start(typed); z != 0) {
        return show_element(dialog, z);
    }
    dlg_set_char(dialog, status_field, "???");
}

}  // namespace

void show_element_properties()
{
    element_viewer_state.current_element = 1;
    Dialog dialog;
    dlg_init(element_dialog, dialog);
    for (const std::int32_t control : {1, next_button, previous_button})
        dlg_set_callback(dialog, control, element_dialog_callback);
    dlg_set_char(dialog, name_field, "Idrogeno");
    draw_element_properties(1);
    dlg_modal(dialog);
}

void draw_element_properties(std::int32_t k)
{
    qw_set_color_rgb(0xE9E9E9);
    qw_rectangle(QwControl::filled, card_left, 240, 580, 290);
    qw_set_color_rgb(0x808080);
    qw_rectangle(QwControl::outline, card_left + 5, 244, 575, 286);
    const std::string symbol(element_columns(k, 16, 17));
    const std::int32_t x = symbol.size() == 1 ? card_left + 15 : card_left + 10;
    draw_markup_text(x, 256, "@c808080@@T9@" + symbol);
    // Coloured by physical state: gas, solid, liquid; no state, no colour.
    const std::string_view state = record_columns(element_record(k), 31, 31);
    if (state == "g") draw_markup_text(x - 2, 254, "@C3@@T9@" + symbol);
    if (state == "s") draw_markup_text(x - 2, 254, "@C2@@T9@" + symbol);
    if (state == "l") draw_markup_text(x - 2, 254, "@c00AA00@@T9@" + symbol);
    draw_markup_text(card_left + 10, 245, "@C1@@T2@" + std::to_string(k));
    draw_markup_text(card_left + 40, 245, std::string(element_columns(k, 21, 30)) + " u.m.a.");
    // The widest symbols (Pm, Sm) end 48 pixels after their start.
    constexpr std::int32_t beside_symbol = card_left + 62;
    if (const std::string_view density = element_columns(k, 34, 40); !strip_blanks(density).empty())
        draw_markup_text(beside_symbol, 258, "@C1@@T2@d = " + std::string(density) + " g/cm@y-2@3");
    // The energies one under the other with their "=" in one column, the
    // longer ending at the right border: the ionisation energy's subscript
    // then hangs over the affinity's lowered one, clear of its capital. The
    // affinity's row is two pixels above the density's, so that its
    // subscript clears a long configuration's exponents.
    struct Energy {
        std::string_view head;
        std::string_view value;
        std::int32_t y;
    };
    const Energy energies[] = {{"@C1@@T2@E@di@", element_columns(k, 41, 45), 245},
                               {"@C1@@T2@A@de@", element_columns(k, 46, 50), 256}};
    const auto tail = [](const Energy& e) { return "@T2@ = " + std::string(e.value) + " kJ/mol"; };
    std::int32_t equals_x = 571;
    for (const Energy& e : energies)
        if (!strip_blanks(e.value).empty()) equals_x = std::min(equals_x, 571 - markup_line_width(tail(e)));
    for (const Energy& e : energies)
        if (!strip_blanks(e.value).empty())
            draw_markup_text(equals_x - markup_line_width(e.head), e.y, std::string(e.head) + tail(e));
    // Each subshell's electrons raised by 2 pixels after its label.
    std::string configuration = "@T2@" + std::string(element_columns(k, 51, 54));
    const std::string_view shells = element_columns(k, 55, 70);
    for (std::size_t g = 0; g + 4 <= shells.size(); g += 4)
        configuration +=
            std::string(shells.substr(g, 2)) + "@y-2@" + std::string(strip_blanks(shells.substr(g + 2, 2))) + "@y2@";
    draw_markup_text(beside_symbol + 3, 273, configuration);
    draw_markup_text(555, 273, "@C3@" + std::string(record_columns(element_record(k), 71, 73)));
}
