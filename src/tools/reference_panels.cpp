#include "tools/reference_panels.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "chemistry/data_tables.h"
#include "chemistry/periodic_table_drawing.h"
#include "numbers/fixed_width.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"
#include "text/drawing_kit.h"
#include "text/markup_text.h"

namespace {

struct PlacedText {
    std::int32_t x;
    std::int32_t y;
    std::string_view text;
};

// A text without font or colour codes takes those of the one before.
constexpr std::array<PlacedText, 13> units_texts{{
    {320, 60, "@C4@@T4@Unità di misura"},
    {190, 80, "@C2@@T2@Sistema Internazionale: grandezze fondamentali e loro unità"},
    {190, 94, "@C1@@T2@Lunghezza:@X272@metro (m)@X378@Intensità di corrente:@X500@ampère (A)"},
    {190, 108, "Massa: @X272@chilogrammo (kg)@X378@Intensità luminosa:@X500@candela (cd)"},
    {190, 122, "Tempo:@X272@secondo (s)@X378@Quantità di sostanza:@X500@mole (mol)"},
    {190, 136, "Temperatura:@X272@kelvin (K)"},
    {190, 164, "@C2@@T2@Alcune grandezze derivate, unità SI e altre unità di uso corrente@C1@"},
    {190, 178, "Energia:@X272@joule (J)@X378@caloria (cal) = 4.184 J"},
    {190, 192, "Pressione:@X272@pascal (Pa)@X378@atmosfera (atm) = 101325 Pa"},
    {190, 219, "@C2@@T2@Multipli, sottomultipli e fattori di conversione@C1@"},
    // Each power ten pixels or more after the widest prefix of its column
    // ("mega (M)", "deca (da)"), each column as far from the power before.
    {190, 234,
     "pico (p) @X243@10@y-4@-12@y4@@T2@@X286@nano (n) @X347@10@y-4@-9@y4@@T2@@X383@micro (µ) "
     "@X444@10@y-4@-6@y4@@X480@milli (m) @X534@10@y-4@-3@y4@"},
    {190, 248,
     "centi (c) @X243@10@y-4@-2@y4@@T2@@X286@deci (d) @X347@10@y-4@-1@y4@@T2@@X383@deca (da) "
     "@X444@10@y-4@1@y4@@X480@etto (h) @X534@10@y-4@2@y4@"},
    {190, 262,
     "chilo (k) @X243@10@y-4@3@y4@@T2@@X286@mega (M) @X347@10@y-4@6@y4@@T2@@X383@giga (G) "
     "@X444@10@y-4@9@y4@@X480@tera (T) @X534@10@y-4@12@y4@"},
}};
// The panel prints the calorie the program computes with.
static_assert(units_texts[7].text.ends_with("caloria (cal) = 4.184 J") && calorie_joules == 4.184);

struct ConstantRow {
    std::string_view label;
    float PhysicalConstants::*constant;
    std::string_view unit;
};

constexpr std::array<ConstantRow, 9> constant_rows{{
    {"@T1@@C1@Massa del protone", &PhysicalConstants::proton_mass, " kg"},
    {"@T1@@C1@Massa del neutrone", &PhysicalConstants::neutron_mass, " kg"},
    {"@T1@@C1@Massa dell'elettrone", &PhysicalConstants::electron_mass, " kg"},
    {"@T1@@C1@Carica del protone", &PhysicalConstants::elementary_charge, " C"},
    {"@T1@@C1@Costante di Planck", &PhysicalConstants::planck_constant, " J•s"},
    {"@T1@@C1@Costante di Boltzmann", &PhysicalConstants::boltzmann_constant, " J/K"},
    {"@T1@@C1@Velocità della luce nel vuoto", &PhysicalConstants::speed_of_light, "   m/s"},
    {"@T1@@C1@Unità di massa atomica", &PhysicalConstants::atomic_mass_unit, " kg"},
    {"@T1@@C1@Numero di Avogadro", &PhysicalConstants::avogadro_number, ""},
}};

}  // namespace

void show_units_panel()
{
    draw_panel(170, 50, 580, 290);
    for (const PlacedText& t : units_texts) draw_markup_text(t.x, t.y, t.text);
}

void show_constants_panel()
{
    constexpr std::int32_t x0 = 200;
    constexpr std::int32_t y0 = 120;
    draw_panel(200, 115, 550, 290);
    draw_markup_text(x0 + 120, y0 + 2, "@T4@@C4@Costanti fisiche");
    std::int32_t y = y0 + 20;
    for (const ConstantRow& row : constant_rows) {
        draw_markup_text(x0 + 15, y, row.label);
        value_slots[1].value = physical_constants().*row.constant;
        convert_data_slot(1, 7);
        draw_markup_text(x0 + 200, y,
                         std::string(strip_trailing_blanks(value_slots[1].display_text)) + std::string(row.unit));
        y += 16;
    }
}

void show_periodic_table()
{
    draw_periodic_table(1, 0);
}
