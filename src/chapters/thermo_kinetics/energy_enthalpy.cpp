// Section "Energia ed Entalpia": problems 1 to 9, the first law, heat
// capacities, calorimetry and changes of state.
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "chemistry/water_data.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/molar_energy_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace thermo_kinetics {

constexpr std::array<HeatCapacityRow, 5> heat_capacity_table{{
    {compounds::aluminium, 660.0f, 660, 20.67f, 12.38f, 0.0f},
    {compounds::copper, 1084.6f, 1083, 22.64f, 6.28f, 0.0f},
    {compounds::lead, 328.0f, 328, 22.13f, 11.72f, 0.96f},
    {compounds::iodine, 114.0f, 114, 40.12f, 49.79f, 0.0f},
    {compounds::sodium_chloride, 801.0f, 801, 45.94f, 16.32f, 0.0f},
}};

namespace {

constexpr std::string_view per_kelvin_mole = " J/(K•mol)";

// Heat taken up (slot 1) and work done (slot 2) or the two changes of
// energy of problems 1 to 3, in kJ: signed, 5 to 25 in magnitude, at least
// 1 kJ apart.
void draw_signed_pair()
{
    float a = 0.0f, b = 0.0f;
    draw_until_accepted([&] {
        a = random_real(5.0f, 25.0f);
        b = random_real(5.0f, 25.0f);
        if (random_int(1, 2) == 1) a = -a;
        if (random_int(1, 2) == 1) b = -b;
        return std::abs(a - b) >= 1.0f;
    });
    set_slot_digits(1, a, 3);
    set_slot_digits(2, b, 3);
}

// Slot `result` := first - second, their uncertainties added; "x kJ".
void answer_difference(std::int32_t result, float value, float uncertainty)
{
    set_slot_uncertainty(result, value, uncertainty);
    problem_texts.answer_text = "@T1@@C1@" + slot_text(result) + " kJ";
}

// The noble gases of problem 4 by atomic number.
constexpr std::array<std::int32_t, 5> noble_gas_numbers = {2, 10, 18, 36, 54};

float heat_capacity(const HeatCapacityRow& row, float kelvin)
{
    return row.a + row.b * 0.001f * kelvin + row.c / (kelvin * kelvin) * 100000.0f;
}

// A temperature in whole degrees: three digits, two below 100.
void set_whole_degrees(std::int32_t slot, float celsius)
{
    set_slot_digits(slot, celsius, 3);
    if (slot_value(slot) < 100.0f) convert_data_slot(slot, 2);
    show_whole_degrees(slot);
}

// Water from ice to steam (problem 7): the temperatures of each variant and
// the phase named for warming and for cooling.
struct WaterStretch {
    float t1_low, t1_high;
    bool t2_from_t1;  // t2 from t1 + 5 up to t2_high
    float t2_low, t2_high;
    std::string_view warmed;  // the phase at the start of warming
    std::string_view cooled;  // the phase at the start of cooling
};
constexpr std::array<WaterStretch, 6> water_stretches{{
    {-99.0f, -30.0f, true, 0.0f, -1.0f, " ghiaccio", " ghiaccio"},
    {1.0f, 70.0f, true, 0.0f, 99.0f, " acqua", " acqua"},
    {101.0f, 170.0f, true, 0.0f, 199.0f, " vapor d'acqua", " vapor d'acqua"},
    {-99.0f, -10.0f, false, 10.0f, 99.0f, " ghiaccio", " acqua"},
    {1.0f, 90.0f, false, 110.0f, 190.0f, " acqua", " vapor d'acqua"},
    {-99.0f, -10.0f, false, 110.0f, 199.0f, " ghiaccio", " vapor d'acqua"},
}};

// J/mol to warm water from t1 to t2 across the stretch of variant v, from
// water's heat capacities and heats of fusion and boiling; in double, as the
// digits the temperatures leave are summed.
double water_enthalpy(std::int32_t v, double t1, double t2)
{
    const double twice_ice = 2.0 * water_value(WaterFact::ice_heat_capacity);
    const double ice_slope = water_value(WaterFact::ice_heat_capacity_slope);
    const double liquid = water_value(WaterFact::liquid_heat_capacity);
    const double steam = water_value(WaterFact::steam_heat_capacity);
    const double fusion = water_value(WaterFact::fusion_enthalpy) * 1000.0;
    const double boiling = water_value(WaterFact::vaporisation_enthalpy) * 1000.0;
    switch (v) {
    case 1: return (t2 - t1) * (twice_ice + ice_slope * (t1 + t2)) * 0.5;
    case 2: return (t2 - t1) * liquid;
    case 3: return (t2 - t1) * steam;
    case 4: return -t1 * (twice_ice + ice_slope * t1) * 0.5 + liquid * t2 + fusion;
    case 5: return (100.0 - t1) * liquid + (t2 - 100.0) * steam + boiling;
    default:
        return -t1 * (twice_ice + ice_slope * t1) * 0.5 + (t2 - 100.0) * steam + (fusion + boiling + 100.0 * liquid);
    }
}

}  // namespace

void generate_problem_1()
{
    skip_random_draws(1);
    draw_signed_pair();
    set_slot_digits(4, std::abs(slot_value(1)), 3);
    set_slot_digits(5, std::abs(slot_value(2)), 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Calcolare la variazione di energia di un sistema che nel corso di una trasformazione";
    if (slot_value(1) > 0.0f) append_piece(text, " assorbe dall'ambiente");
    if (slot_value(1) < 0.0f) append_piece(text, " cede all'ambiente");
    append_piece(text, " calore pari a " + slot_text(4) + " kJ");
    if (slot_value(2) > 0.0f) append_piece(text, " e fa su di esso");
    if (slot_value(2) < 0.0f) append_piece(text, " mentre l'ambiente fa su di esso");
    append_piece(text, " lavoro pari a " + slot_text(5) + " kJ");
    answer_difference(3, slot_value(1) - slot_value(2), slot_uncertainty(1) + slot_uncertainty(2));
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(260, 160, 300);
}

void generate_problem_2()
{
    skip_random_draws(7);
    draw_signed_pair();
    problem_texts.problem_text =
        "@T1@@C1@Un sistema passa dallo stato A a quello B con @bD@@iE@@dAB@ = " + slot_text(1) +
        " kJ. Lo stesso sistema passa dallo stato A a quello C con @bD@@iE@@dAC@ = " + slot_text(2) +
        " kJ. Calcolare la variazione di energia nel passaggio del sistema dallo "
        "stato B allo stato C";
    answer_difference(3, slot_value(2) - slot_value(1), slot_uncertainty(1) + slot_uncertainty(2));
    draw_problem_text(170, 550, 50);
    show_chemistry_fact(180, 165, 300);
}

void generate_problem_3()
{
    skip_random_draws(11);
    // The work, drawn again where its uncertainty passes it; the data carry
    // two decimals at most, so that less is the residue of an exact zero,
    // which is an answer.
    draw_until_accepted([] {
        draw_signed_pair();
        const float h = apply_random_sign(random_real(5.0f, 50.0f));
        set_slot_digits(3, h, 3);
        set_slot_digits(4, std::abs(h), 3);
        float work = (slot_value(3) - slot_value(2)) - slot_value(1);
        if (std::abs(work) < 0.005f) work = 0.0f;
        answer_difference(5, work, slot_uncertainty(3) + slot_uncertainty(1) + slot_uncertainty(2));
        return work == 0.0f || !uncertainty_exceeds_value(5);
    });
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Due sistemi S@d1@ e S@d2@ interagiscono tra loro e con l'ambiente. Sapendo che "
           "@bD@@iE@@d1@ = " +
           slot_text(1) + " kJ e @bD@@iE@@d2@ = " + slot_text(2) + " kJ e che i due sistemi";
    append_piece(text, slot_value(3) >= 0.0f ? " assorbono in totale dall'ambiente" : " cedono in totale all'ambiente");
    append_piece(text, " calore pari a " + slot_text(4) +
                           " kJ, calcolare il lavoro complessivamente fatto "
                           "sull'ambiente");
    draw_problem_text(210, 570, 45);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_4()
{
    skip_random_draws(12);
    const std::int32_t v = pick_problem_variant(5, thermo_kinetics_state.last_draw[4], 0);
    float m = random_real(1.0f, 20.0f);
    if (random_int(1, 2) == 1) m *= 0.1f;
    const float ta = random_real(10.0f, 50.0f);
    const float tb = random_real(ta + 20.0f, 150.0f);
    const bool exchanged = random_int(1, 2) == 1;

    const std::int32_t z = noble_gas_numbers[v - 1];
    const float molar_mass = read_list_real(record_columns(element_record(z), 21, 30)).value_or(1.0f);
    const std::string name = element_name(z);
    set_slot_digits(1, m, 3);
    set_slot_digits(2, exchanged ? tb : ta, 3);
    set_slot_digits(3, exchanged ? ta : tb, 3);

    const bool warmed = slot_value(2) < slot_value(3);
    problem_texts.problem_text = std::string(warmed ? "@T1@@C1@Confrontare le quantità di calore assorbite da "
                                                    : "@T1@@C1@Confrontare le quantità di calore cedute da ") +
                                 slot_text(1) + " g di " + name +
                                 (warmed ? " che vengono riscaldati da " : " che si raffreddano da ") + slot_text(2) +
                                 "@uo@C a " + slot_text(3) + "@uo@C a volume costante e a pressione costante ";

    value_slots[4].value = std::abs(slot_value(3) - slot_value(2));
    value_slots[4].uncertainty = slot_uncertainty(3) + slot_uncertainty(2);
    const float relative = slot_uncertainty(4) / slot_value(4) + slot_uncertainty(1) / slot_value(1);
    // Molar heat capacities 3R/2 and 5R/2 of a monatomic gas.
    const float at_volume = slot_value(4) / molar_mass * slot_value(1) * 12.471f;
    value_slots[5].value = at_volume;
    value_slots[5].uncertainty = relative * at_volume;
    const float at_pressure = slot_value(4) / molar_mass * slot_value(1) * 20.785f;
    value_slots[6].value = at_pressure;
    value_slots[6].uncertainty = relative * at_pressure;
    convert_data_slot(5, slot_digits_from_uncertainty);
    convert_data_slot(6, slot_digits_from_uncertainty);
    problem_texts.answer_text = "@T1@@C1@" + slot_text(5) + " J; " + slot_text(6) + " J";
    draw_problem_text(180, 510, 50);
    show_chemistry_fact(280, 150, 300);
}

void generate_problem_5()
{
    skip_random_draws(12);
    const HeatCapacityRow& row =
        heat_capacity_table[pick_problem_variant(5, thermo_kinetics_state.last_draw[5], 0) - 1];
    const auto ceiling = static_cast<float>(row.ceiling);
    const double molar_mass = compound_molar_mass(row.compound);
    // Moles times the mean heat capacity times the rise in temperature
    // (warming, or cooling when negated), with the digits of every datum
    // shown: the temperatures, the two heat capacities and the mass.
    const auto heat = [molar_mass](bool joules, bool warming) {
        const double per_mole = joules ? 1.0 : calorie_joules;
        set_slot_from_data(7, {11, 12, joules ? 3 : 8, joules ? 4 : 9, 6}, {11, 12}, [=](const std::vector<double>& d) {
            const double q = (d[1] - d[0]) * (d[2] + d[3]) * 0.5 * per_mole * d[4] / molar_mass;
            return warming ? q : -q;
        });
    };
    bool joules = true;
    // Drawn again where the heat is lost in its uncertainty, as where both
    // temperatures show the same whole degree.
    draw_until_accepted([&] {
        float t1 = random_real(25.0f, 0.1f * ceiling);
        if (t1 <= 25.0f) t1 = random_real(25.0f, 50.0f);
        const float t2 = random_real(t1, 0.9f * ceiling);
        float m = random_real(1.0f, 9.0f);
        if (random_int(1, 2) == 1) m *= 10.0f;
        joules = random_int(1, 2) == 1;

        set_whole_degrees(11, t1);
        set_whole_degrees(12, t2);
        value_slots[1].value = kelvin(slot_value(11));
        value_slots[2].value = kelvin(slot_value(12));
        set_slot_digits(3, heat_capacity(row, slot_value(1)), 4);
        set_slot_digits(4, heat_capacity(row, slot_value(2)), 4);
        set_slot_uncertainty(8, slot_value(3) * calories_per_joule_f, slot_uncertainty(3) * calories_per_joule_f);
        set_slot_uncertainty(9, slot_value(4) * calories_per_joule_f, slot_uncertainty(4) * calories_per_joule_f);
        set_slot_digits(6, m, 3);
        heat(joules, true);
        return !uncertainty_exceeds_value(7);
    });
    // Four digits from 1000 °C on keep the melting point in fixed notation.
    set_slot_digits(5, row.melting_point, row.melting_point > 1000.0f ? 4 : 3);

    const std::string name = compound_name(row.compound);
    const auto capacity = [joules](std::int32_t j_slot, std::int32_t cal_slot) {
        return joules ? " " + slot_text(j_slot) + std::string(per_kelvin_mole)
                      : " " + slot_text(cal_slot) + " cal/(K•mol)";
    };
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Il valore di @iC@@dp@ d" + join_article_to_name(name) + ", che fonde a pressione atmosferica a " +
           slot_text(5) + "@uo@C, varia linearmente da ";
    append_piece(text, capacity(3, 8));
    append_piece(text, " per @it@ = " + slot_text(11) + "@uo@C a ");
    append_piece(text, capacity(4, 9));
    append_piece(text, " per @it@ = " + slot_text(12) + "@uo@C. Calcolare il valore di @bD@@iH@ per il");
    const bool warming = random_int(1, 2) == 1;
    if (warming)
        append_piece(text, " riscaldamento di " + slot_text(6) + " g di " + name + " da " + slot_text(11) + "@uo@C a " +
                               slot_text(12) + "@uo@C");
    else
        append_piece(text, " raffreddamento di " + slot_text(6) + " g di " + name + " da " + slot_text(12) +
                               "@uo@C a " + slot_text(11) + "@uo@C");

    heat(joules, warming);
    problem_texts.answer_text = slot_text(7) + " J";
    draw_problem_text(170, 560, 45);
    show_chemistry_fact(165, 160, 280);
}

void generate_problem_6()
{
    skip_random_draws(14);
    const ContactSamples samples = draw_contact_samples(6);
    problem_texts.problem_text = contact_statement_head(samples) +
                                 "Calcolare la temperatura finale e il calore scambiato, sapendo che i valori di "
                                 "@iC@@dp@ sono pari rispettivamente a " +
                                 slot_text(1) + " e " + slot_text(2) + std::string(per_kelvin_mole);
    set_slot_digits(7, contact_temperature(samples) - celsius_zero_f, 3);
    // The heat from the temperatures given (not from the final one rounded),
    // with the digits the data carry.
    const auto heat_in = [&samples](double unit) {
        return [&samples, unit](const std::vector<double>& d) { return contact_heat(samples, d) / unit; };
    };
    set_slot_from_data(8, {1, 2, 3, 4, 5, 6}, heat_in(1.0));
    const bool joules = slot_value(8) < 500.0f;
    if (!joules) set_slot_from_data(8, {1, 2, 3, 4, 5, 6}, heat_in(1000.0));
    std::string& answer = problem_texts.answer_text;
    answer = slot_text(7) + "@uo@C; ";
    append_piece(answer, " " + slot_text(8) + (joules ? " J" : " kJ"));
    draw_problem_text(170, 550, 50);
    show_chemistry_fact(280, 150, 300);
}

void generate_problem_7()
{
    skip_random_draws(13);
    const std::int32_t v = pick_problem_variant(6, thermo_kinetics_state.last_draw[7], 0);
    const WaterStretch& stretch = water_stretches[v - 1];
    // The digits those of the temperatures and mass shown, in kJ from 1000 J
    // on.
    const double moles_per_gram = 1.0 / water_molar_mass();
    const auto heat_in = [v, moles_per_gram](double unit, bool warming) {
        return [v, warming, unit, moles_per_gram](const std::vector<double>& d) {
            const double q = water_enthalpy(v, d[0], d[1]) * d[2] * moles_per_gram / unit;
            return warming ? q : -q;
        };
    };
    // Drawn again where the heat is lost in its uncertainty.
    draw_until_accepted([&] {
        const float t1 = random_real(stretch.t1_low, stretch.t1_high);
        const float t2 = random_real(stretch.t2_from_t1 ? t1 + 5.0f : stretch.t2_low, stretch.t2_high);
        float m = random_real(1.0f, 9.0f);
        if (random_int(1, 2) == 1) m *= 10.0f;
        set_slot_digits(1, t1, 3);
        set_slot_digits(2, t2, 3);
        set_slot_digits(3, m, 3);
        set_slot_from_data(7, {1, 2, 3}, {1, 2}, heat_in(1.0, true));
        return !uncertainty_exceeds_value(7);
    });

    std::string& text = problem_texts.problem_text;
    text = "L'entalpia di fusione del ghiaccio a 1 atm e 0@uo@C è pari a " +
           std::string(water_text(WaterFact::fusion_enthalpy)) +
           " kJ/mol, mentre l'entalpia di evaporazione dell'acqua a 1 atm e 100@uo@C è pari a " +
           std::string(water_text(WaterFact::vaporisation_enthalpy)) +
           " kJ/mol. Il valore di @iC@@dp@ per il ghiaccio è dato tra -100@uo@C e 0@uo@C da " +
           std::string(water_text(WaterFact::ice_heat_capacity)) + " + " +
           std::string(water_text(WaterFact::ice_heat_capacity_slope)) +
           "@it@ J/(K•mol), mentre i valori medi per l'acqua tra 0@uo@C e 100@uo@C e per il vapor d'acqua tra "
           "100@uo@C e 200@uo@C sono pari a " +
           std::string(water_text(WaterFact::liquid_heat_capacity)) + " e " +
           std::string(water_text(WaterFact::steam_heat_capacity)) +
           " J/(K•mol). Calcolare il valore di @bD@@iH@ per il";
    const bool warming = random_int(1, 2) == 1;
    append_piece(text, std::string(warming ? " riscaldamento" : " raffreddamento") + " a pressione atmosferica di " +
                           slot_text(3) + " g di");
    append_piece(text, warming ? stretch.warmed : stretch.cooled);
    if (warming)
        append_piece(text, " da " + slot_text(1) + "@uo@C a " + slot_text(2) + "@uo@C");
    else
        append_piece(text, " da " + slot_text(2) + "@uo@C a " + slot_text(1) + "@uo@C");

    set_slot_from_data(7, {1, 2, 3}, {1, 2}, heat_in(1.0, warming));
    if (std::abs(slot_value_as_shown(7)) < 1000.0f) {
        problem_texts.answer_text = slot_text(7) + " J";
    } else {
        set_slot_from_data(7, {1, 2, 3}, {1, 2}, heat_in(1000.0, warming));
        problem_texts.answer_text = slot_text(7) + " kJ";
    }
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(160, 175, 300);
}

void generate_problem_8()
{
    skip_random_draws(12);
    pick_problem_variant(4, thermo_kinetics_state.last_draw[8],
                         0);  // a choice the problem does not use, kept for its draws
    value_slots[1].value = random_real(20.0f, 140.0f);
    if (slot_value(1) < 100.0f) convert_data_slot(1, 2);
    if (slot_value(1) >= 100.0f) convert_data_slot(1, 3);
    problem_texts.problem_text = "I volumi molari del ghiaccio e dell'acqua a 0@uo@C e 1 atm sono pari a " +
                                 std::string(water_text(WaterFact::ice_molar_volume)) + " e " +
                                 std::string(water_text(WaterFact::liquid_molar_volume)) +
                                 " cm@u3@, e l'entalpia di fusione del ghiaccio è pari a " +
                                 std::string(water_text(WaterFact::fusion_enthalpy)) +
                                 " kJ/mol. Calcolare la temperatura di fusione del ghiaccio alla pressione di " +
                                 slot_text(1) + " atm";
    // Clapeyron: ln(T/T0) = dV dp / dH, per atm of pressure.
    const auto slope =
        static_cast<float>((water_value(WaterFact::liquid_molar_volume) - water_value(WaterFact::ice_molar_volume)) *
                           1e-6 * pascals_per_atmosphere / (water_value(WaterFact::fusion_enthalpy) * 1000.0));
    set_slot_digits(2, celsius_zero_f * std::exp((slot_value(1) - 1.0f) * slope) - celsius_zero_f, 2);
    problem_texts.answer_text = slot_text(2) + "@uo@C";
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_9()
{
    skip_random_draws(3);
    // B, fitted over a range of temperatures, is not the enthalpy of
    // vaporisation at the boiling point.
    const VapourPressureFit& row =
        vapour_pressure_fits[pick_problem_variant(8, thermo_kinetics_state.last_draw[9], 0) - 1];
    const std::int32_t digits = random_int(3, 5);
    const std::int32_t unit = random_int(1, 3);
    float p = random_real(0.3f, 0.9f);
    if (random_int(1, 2) == 1) p = random_real(1.1f, 5.0f);

    set_slot_digits(1, row.b * 0.001f, digits);
    set_slot_digits(9, slot_value(1), slot_digits(1));
    set_slot_text(2, row.boiling);
    const float per_kilojoule = molar_energy_units[unit - 1].per_kilojoule;
    // B itself in the other unit, not its rounding in kJ/mol: one constant
    // shows one value whatever its unit and digits. A student reads it as
    // printed, three units of its last digit uncertain.
    if (unit > 1) {
        set_slot_uncertainty(9, row.b * 0.001f * per_kilojoule, slot_uncertainty(9) * per_kilojoule);
        convert_data_slot(9, slot_digits(9));
    }
    set_slot_digits(3, p, 3);

    const std::string name(strip_trailing_blanks(compound_name(row.compound).substr(0, 30)));
    std::string& text = problem_texts.problem_text;
    text = "La temperatura di ebollizione d" + join_article_to_name(name) + " a pressione atmosferica è " +
           slot_text(2) +
           "@uo@C e il valore della sua costante @iB@ nell'equazione @iP@ = @iP@@d0@exp(-@iB/RT@) è pari a " +
           slot_text(9);
    append_piece(text, molar_energy_units[unit - 1].text);
    append_piece(text, ". Calcolarne la temperatura di ebollizione alla pressione di " + slot_text(3) + " atm");

    // Clausius-Clapeyron through 1 atm at the normal boiling point, R in
    // kJ/(K mol), from B as shown in its unit.
    const float b = slot_value_as_shown(9) / per_kilojoule;
    const float boiling = kelvin(slot_value(2));
    const float a = 1.0f / std::exp(-b / (gas_constant_kilojoule_f * boiling));
    const float kelvin = b * -per_gas_constant_kilojoule_f / std::log(slot_value(3) / a);
    // The digits those that B, the boiling point and the pressure leave the
    // kelvin value, at most the three the book gives the temperature.
    const double per_unit = per_kilojoule;
    set_slot_from_data(8, {9, 2, 3}, {2}, [per_unit](const std::vector<double>& d) {
        return d[0] / per_unit / (d[0] / per_unit / (d[1] + celsius_zero) - gas_constant_kilojoule * std::log(d[2]));
    });
    set_celsius_from_kelvin(8, kelvin, slot_uncertainty(8));
    if (slot_digits(8) > 3) set_slot_digits(8, kelvin - celsius_zero_f, 3);
    problem_texts.answer_text = slot_text(8) + "@uo@C";
    draw_problem_text(170, 570, 50);
    show_chemistry_fact(170, 150, 280);
}

}  // namespace thermo_kinetics
