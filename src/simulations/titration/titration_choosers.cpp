#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "chemistry/acid_base_constants.h"
#include "numbers/value_kit.h"
#include "platform/graphics.h"
#include "platform/mouse.h"
#include "simulations/click_zone.h"
#include "simulations/titration/titration_apparatus.h"
#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_screens.h"
#include "simulations/titration/titration_state.h"
#include "text/button_widgets.h"
#include "text/drawing_kit.h"
#include "text/justified_text.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t title_band_colour = 0xDD9988;
constexpr std::int32_t list_colour = 0xDDBBAA;
constexpr std::int32_t mark_colour = 0x0000D0;
constexpr std::string_view ok_button = "d2345678520200030020DD9988BB8888@T4@@cFFFFFF@@y-18@OK";

enum class Chooser { analyte, titrant, indicator };

struct ChooserLayout {
    std::string_view title;  // plain text, drawn white in font 4
    std::int32_t rows;
    std::int32_t list_bottom;  // clicks above it pick a row
};
constexpr std::array<ChooserLayout, 3> chooser_layouts{{
    {"Scegliere la sostanza da titolare", analyte_count, 210},
    {"Scegliere la concentrazione del titolante", titrant_count, 210},
    {"Scegliere un indicatore", indicator_count, 146},
}};
constexpr std::int32_t band_left = 306;
constexpr std::int32_t band_right = 574;

std::int32_t& current_choice(Chooser kind)
{
    TitrationState& s = titration_state;
    switch (kind) {
    case Chooser::analyte: return s.analyte_choice;
    case Chooser::titrant: return s.titrant_choice;
    case Chooser::indicator: break;
    }
    return s.indicator_choice;
}

// 0.05 + 0.01 k mol/L, the nominal concentration of titrant row k.
float nominal_titrant(std::int32_t k)
{
    return static_cast<float>(static_cast<double>(0.05f) + static_cast<double>(0.01f) * k);
}

std::string slot_digits_text(std::int32_t slot, float value, std::int32_t digits)
{
    set_slot_digits(slot, value, digits);
    return slot_text(slot);
}

// Analyte k's name, with a weak one's constant as "1.75 10@u-5@".
std::string analyte_name(std::int32_t k)
{
    const AnalyteRow& row = analyte_rows[k - 1];
    std::string name(row.name);
    if (row.weak.row == nullptr) return name;
    set_slot_constant(20, row.weak);
    std::string constant = slot_text(20);
    constant.replace(constant.find("•"), std::string_view("•").size(), " ");
    return name + (analyte_is_acid(k) ? " (@iK@@da@ = " : " (@iK@@db@ = ") + constant + ")";
}

std::string row_text(Chooser kind, std::int32_t k)
{
    switch (kind) {
    case Chooser::analyte: return "@T1@@c1@" + analyte_name(k);
    case Chooser::titrant: return "@T1@@c1@Circa " + slot_digits_text(20, nominal_titrant(k), 2) + " M";
    case Chooser::indicator: break;
    }
    return "@T1@@c1@" + std::string(indicator_rows[k - 1].name);
}

// Left of its row's text, with a clear gap of 4 pixels.
void draw_choice_mark(std::int32_t s)
{
    fill_ellipse(mark_colour, 307, 54 + 16 * s, 312, 59 + 16 * s);
}

void recompute_flask()
{
    titration_state.current_ph = compute_titration_ph();
    draw_ph_axes(ph_axes_liquid);
}

void empty_the_flask_of_titrant()
{
    titration_state.added_volume = 0.0f;
    recompute_flask();
}

void take_row(Chooser kind, std::int32_t k)
{
    switch (kind) {
    case Chooser::analyte:
        draw_titration_analyte(k);
        draw_titration_summary();
        empty_the_flask_of_titrant();
        return;
    case Chooser::titrant:
        draw_titrant_concentration(k);
        empty_the_flask_of_titrant();
        draw_titration_summary();
        return;
    case Chooser::indicator:
        titration_state.indicator_choice = k;
        draw_titration_summary();
        titration_state.current_ph = compute_titration_ph();
        draw_ph_axes(ph_axes_scale);
        draw_ph_axes(ph_axes_liquid);
        return;
    }
}

// Where each character of a text in the selected font starts, from 0, and
// last where the text ends. Tight, each is pulled one column nearer the one
// before unless its ink would come within one clear column of the ink
// before it: letters two columns apart stand one apart, words two nearer.
std::vector<std::int32_t> character_starts(std::string_view text, bool tight)
{
    const auto inked = [](const QwInkColumn& c) { return c.top <= c.bottom; };
    std::vector<std::int32_t> starts{0};
    std::int32_t last_ink = std::numeric_limits<std::int32_t>::min() / 2;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view c = first_characters(text.substr(at), 1);
        at += c.size();
        std::int32_t& start = starts.back();
        const std::vector<QwInkColumn> ink = qw_get_text_ink(c);
        const auto first = std::ranges::find_if(ink, inked);
        if (first == ink.end()) {
            start -= tight ? 1 : 0;
        } else {
            if (tight && start + static_cast<std::int32_t>(first - ink.begin()) - 1 >= last_ink + 2) --start;
            last_ink = start +
                       static_cast<std::int32_t>(ink.rend() - std::ranges::find_if(ink.rbegin(), ink.rend(), inked)) -
                       1;
        }
        starts.push_back(start + qw_get_text_extent(c));
    }
    return starts;
}

// Every title in the bold of font 4, centred on its band. One too wide for
// it (the titrant's) keeps that bold, its letters drawn a column closer: a
// smaller size of the face has one-pixel stems and reads as another style.
void draw_band_title(const ChooserLayout& layout)
{
    constexpr std::int32_t room = band_right - band_left + 1 - 2 * 4;
    constexpr std::string_view white_bold = "@T4@@cFFFFFF@";
    select_font(4);
    std::vector<std::int32_t> starts = character_starts(layout.title, false);
    const bool tight = starts.back() > room;
    if (tight) starts = character_starts(layout.title, true);
    const std::int32_t x = (band_left + band_right + 1 - starts.back()) / 2;
    if (!tight) {
        draw_markup_text(x, 45, std::string(white_bold) + std::string(layout.title));
        return;
    }
    std::size_t at = 0;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        const std::string_view c = first_characters(layout.title.substr(at), 1);
        at += c.size();
        draw_markup_text(x + starts[k], 45, std::string(white_bold) + std::string(c));
    }
}

// 1 after "OK", -1 after "Esci".
std::int32_t run_chooser(Chooser kind)
{
    const ChooserLayout& layout = chooser_layouts[static_cast<std::size_t>(kind)];
    const std::int32_t panel_colour = titration_state.panel_colour;
    if (kind == Chooser::indicator) empty_the_flask_of_titrant();
    draw_panel(300, 40, 580, 220);
    fill_box(title_band_colour, band_left, 45, band_right, 61);
    draw_band_title(layout);
    fill_box(list_colour, band_left, 62, band_right, 215);
    for (std::int32_t k = 1; k <= layout.rows; ++k) draw_justified_text(317, 500, 50 + 16 * k, row_text(kind, k));
    if (kind == Chooser::analyte) draw_titration_summary();
    handle_button_descriptor("C");
    handle_button_descriptor(ok_button);
    draw_choice_mark(current_choice(kind));

    for (;;) {
        const MouseEvent click = qw_wait_mouse_event(kMouseLeftDown);
        const std::int32_t x = click.x, y = click.y;
        if (hits_exit_button(x, y)) return -1;
        if (inside_zone(x, y, 305, 470, 66, layout.list_bottom)) {
            const std::int32_t k = (y - 66) / 16 + 1;
            fill_box(list_colour, 307, 61, 312, 215);
            draw_choice_mark(k);
            take_row(kind, k);
        } else if (inside_zone(x, y, 515, 555, 190, 210)) {
            fill_box(panel_colour, 300, 40, 580, 220);
            if (kind == Chooser::titrant) empty_the_flask_of_titrant();
            return 1;
        }
    }
}

}  // namespace

float choose_titration_analyte()
{
    return static_cast<float>(run_chooser(Chooser::analyte));
}

float choose_titrant_concentration()
{
    return static_cast<float>(run_chooser(Chooser::titrant));
}

std::int32_t choose_indicator()
{
    return run_chooser(Chooser::indicator);
}

void draw_titration_summary()
{
    const TitrationState& s = titration_state;
    const std::int32_t k = s.analyte_choice;
    // Everything a longer line drew before: the analyte's line may reach the
    // panel's edge above the "Esci" button, the others end short of it.
    fill_box(s.panel_colour, 240, 240, 580, 256);
    fill_box(s.panel_colour, 240, 256, 528, 290);
    std::string analyte = "@T1@@c1@Titolando: ";
    if (k == generic_acid || k == generic_base) {
        analyte += k == generic_acid ? "Acido HA (@iK@@da@ = " : "Base B (@iK@@db@ = ";
        analyte += slot_digits_text(20, s.dissociation_constants[k - 1], 3) + "), ";
        analyte += slot_digits_text(19, s.analyte_volume, 4) + " mL";
    } else {
        analyte += analyte_name(k) + ", " + slot_digits_text(20, s.analyte_volume, 4) + " mL";
    }
    draw_justified_text(240, 550, 240, analyte);
    const std::string titrant =
        std::string(analyte_is_acid(k) ? "@T1@@c1@Titolante:  NaOH, " : "@T1@@c1@Titolante:  HCl, ") +
        slot_digits_text(20, s.titrant_concentration, 4) + " M";
    draw_justified_text(240, 550, 256, titrant);
    draw_justified_text(240, 550, 272,
                        "@T1@@c1@Indicatore: " + std::string(indicator_rows[s.indicator_choice - 1].name));
}
