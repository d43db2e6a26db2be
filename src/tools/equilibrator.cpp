#include "tools/equilibrator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "numbers/formatted_conversions.h"
#include "numbers/typed_number.h"
#include "tools/character_classes.h"
#include "tools/tool_messages.h"

EquilibratorRecord equilibrator_record;

namespace {

struct SpeciesFields {
    std::int32_t coefficient;
    std::int32_t concentration;
    std::int32_t equilibrium;
};
// Reactants 1 to 3, then products 1 to 3.
constexpr std::array<SpeciesFields, 6> species_fields{{
    {1097, 1098, 1099},
    {1100, 1102, 1110},
    {1101, 1103, 1111},
    {1104, 1105, 1112},
    {1106, 1108, 1113},
    {1107, 1109, 1114},
}};
constexpr std::int32_t constant_field = 1115;
constexpr std::int32_t first_message_field = 1110;
constexpr std::int32_t second_message_field = 1111;
constexpr double smallest_constant = 1e-38;
constexpr double largest_constant = 1e38;

// A is 0.1 mol/L of A = B + C with K = 1, at equilibrium.
constexpr SpeciesValues example_coefficients{1, 0, 0, 1, 1, 0};
constexpr SpeciesValues example_initial{0.1f, 0, 0, 0, 0, 0};
constexpr SpeciesValues example_equilibrium{0.00839f, 0, 0, 0.0916f, 0.0916f, 0};

DialogControl label(std::int32_t id, const char* text, std::int32_t x, std::int32_t y, std::int32_t width)
{
    return {id, DialogControlKind::static_text, text, x, y, width, 18, true};
}

DialogControl group(std::int32_t id, const char* text, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height)
{
    return {id, DialogControlKind::group_box, text, x, y, width, height, true};
}

DialogControl edit(std::int32_t id, std::int32_t x, std::int32_t y, std::int32_t width)
{
    return {id, DialogControlKind::edit, "", x, y, width, 22, true};
}

DialogResource equilibrator_resource()
{
    // A group's frame runs from 14 pixels below its top, under its title, to 6
    // above its bottom: the fields stand inside it.
    DialogResource resource{147, "Equilibratore", 440, 290, {}};
    auto& c = resource.controls;
    c.push_back(label(3001, "Costante:", 268, 12, 70));
    c.push_back(edit(constant_field, 340, 8, 94));
    c.push_back(group(3002, "Coefficienti e concentrazioni iniziali", 6, 36, 222, 246));
    c.push_back(group(3003, "Reagenti", 14, 56, 206, 106));
    c.push_back(group(3004, "Prodotti", 14, 166, 206, 106));
    c.push_back(group(3005, "Concentrazioni all'equilibrio", 234, 36, 200, 246));
    for (std::size_t s = 0; s < species_fields.size(); ++s) {
        const auto y = static_cast<std::int32_t>(78 + 26 * (s % 3) + (s < 3 ? 0 : 110));
        c.push_back(edit(species_fields[s].coefficient, 24, y, 34));
        c.push_back(edit(species_fields[s].concentration, 66, y, 144));
        c.push_back(label(species_fields[s].equilibrium, "", 250, y + 2, 176));
    }
    c.push_back({1, DialogControlKind::button, "Equilibra", 0, 0, 80, 24, false});
    c.push_back({2, DialogControlKind::button, "Esci", 0, 0, 80, 24, false});
    return resource;
}

bool present(std::size_t s)
{
    return equilibrator_record.coefficients[s] > 0.0f;
}

std::string shown_coefficient(float coefficient)
{
    if (!(coefficient > 0.0f)) return "0";
    if (!(coefficient < 10.0f)) return "*";
    return format_i(static_cast<std::int32_t>(coefficient), 1);
}

// What is shown is what is stored: the value is read back from its text.
std::string shown_concentration(float& concentration)
{
    if (!(concentration >= 1e-25f)) {
        concentration = 0.0f;
        return " 0";
    }
    const std::string text = format_es(concentration, 10, 2);
    concentration = read_list_real(text).value_or(0.0f);
    return text;
}

std::optional<float> read_value(const std::string& text)
{
    const auto value = read_typed_real(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

bool digits_only(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), is_digit);
}

void write_fields(Dialog& dialog)
{
    EquilibratorRecord& r = equilibrator_record;
    for (std::size_t s = 0; s < species_fields.size(); ++s) {
        dlg_set_char(dialog, species_fields[s].coefficient, shown_coefficient(r.coefficients[s]));
        dlg_set_char(dialog, species_fields[s].concentration, shown_concentration(r.initial[s]));
    }
    dlg_set_char(dialog, constant_field, format_es(r.K, 10, 2));
}

void write_results(Dialog& dialog)
{
    for (std::size_t s = 0; s < species_fields.size(); ++s)
        if (present(s))
            dlg_set_char(dialog, species_fields[s].equilibrium, format_es(equilibrator_record.equilibrium[s], 10, 2));
}

// Stops at the first field that is refused or cannot be read, noting it in
// refused; the fields read before it are kept.
EquilibratorStatus read_species_fields(const Dialog& dialog, std::int32_t& refused)
{
    EquilibratorRecord& r = equilibrator_record;
    for (std::size_t s = 0; s < species_fields.size(); ++s) {
        refused = species_fields[s].coefficient;
        const std::string text = dlg_get_char(dialog, refused);
        if (!digits_only(text) || text.empty()) return EquilibratorStatus::coefficient_not_digits;
        const auto value = read_value(text);
        if (!value) return EquilibratorStatus::input_not_read;
        r.coefficients[s] = *value;
    }
    for (std::size_t s = 0; s < species_fields.size(); ++s) {
        refused = species_fields[s].concentration;
        const auto value = read_value(dlg_get_char(dialog, refused));
        if (!value) return EquilibratorStatus::input_not_read;
        if (*value < 0.0f) return EquilibratorStatus::out_of_range;
        r.initial[s] = *value;
    }
    return EquilibratorStatus::valid;
}

// The two message lines name the refused field, whose text stays as typed
// for the student to mend, like every other field.
void mark_refused_field(Dialog& dialog, std::int32_t field, EquilibratorStatus status)
{
    const bool out_of_range = status == EquilibratorStatus::out_of_range;
    for (std::size_t s = 0; s < species_fields.size(); ++s) {
        const bool coefficient = species_fields[s].coefficient == field;
        if (!coefficient && species_fields[s].concentration != field) continue;
        const std::string species = (s < 3 ? "reagente " : "prodotto ") + std::to_string(s % 3 + 1);
        dlg_set_char(dialog, first_message_field,
                     coefficient    ? "Coefficiente errato:"
                     : out_of_range ? "Concentrazione negativa:"
                                    : "Concentrazione errata:");
        dlg_set_char(dialog, second_message_field, coefficient ? species + ", solo cifre" : species);
        return;
    }
    dlg_set_char(dialog, first_message_field, "Costante errata:");
    dlg_set_char(dialog, second_message_field, out_of_range ? "tra 1E-38 e 1E+38" : "scrivere un numero");
}

float concentration_to_three_digits(float concentration)
{
    if (!(concentration >= 1e-25f)) return 0.0f;
    return read_list_real(format_g(concentration, 10, 3)).value_or(0.0f);
}

// Reads the constant and the rounded values; solves when one side is
// complete. The status says how far it got.
EquilibratorStatus equilibrate(const Dialog& dialog, std::int32_t& refused)
{
    EquilibratorRecord& r = equilibrator_record;
    if (const EquilibratorStatus read = read_species_fields(dialog, refused); read != EquilibratorStatus::valid)
        return read;
    refused = constant_field;
    const auto K = read_typed_double(dlg_get_char(dialog, constant_field));
    if (!K || std::isnan(*K)) return EquilibratorStatus::input_not_read;
    if (!(*K >= smallest_constant && *K <= largest_constant)) return EquilibratorStatus::out_of_range;
    r.K = *K;
    // Its one-digit field cannot show a coefficient of 10 or more.
    for (const float coefficient : r.coefficients)
        if (!(coefficient < 10.0f)) return EquilibratorStatus::cannot_equilibrate;
    for (float& concentration : r.initial) concentration = concentration_to_three_digits(concentration);

    bool any = false;
    bool reactants_complete = true;
    bool products_complete = true;
    for (std::size_t s = 0; s < 6; ++s) {
        if (!present(s)) continue;
        any = true;
        if (!(r.initial[s] > 0.0f)) (s < 3 ? reactants_complete : products_complete) = false;
    }
    if (!any || !(reactants_complete || products_complete)) return EquilibratorStatus::cannot_equilibrate;
    const ExtentOutcome outcome =
        solve_equilibrium_extent(r.coefficients, r.initial, r.equilibrium, static_cast<float>(r.K));
    if (outcome == ExtentOutcome::no_valid_extent) return EquilibratorStatus::cannot_equilibrate;
    for (std::size_t s = 0; s < 6; ++s) {
        // Written so that a NaN fails too.
        if (present(s) && !(r.equilibrium[s] >= 0.0f && r.equilibrium[s] <= 1e6f))
            return EquilibratorStatus::cannot_equilibrate;
    }
    return EquilibratorStatus::valid;
}

}  // namespace

void equilibrator_dialog_callback(Dialog& dialog, std::int32_t, std::int32_t)
{
    EquilibratorRecord& r = equilibrator_record;
    std::int32_t refused = 0;
    r.status = equilibrate(dialog, refused);
    for (const SpeciesFields& fields : species_fields) dlg_set_char(dialog, fields.equilibrium, "");
    switch (r.status) {
    case EquilibratorStatus::cannot_equilibrate:
        write_fields(dialog);
        dlg_set_char(dialog, second_message_field, cannot_equilibrate_text);
        break;
    case EquilibratorStatus::input_not_read:
    case EquilibratorStatus::coefficient_not_digits:
    case EquilibratorStatus::out_of_range: mark_refused_field(dialog, refused, r.status); break;
    case EquilibratorStatus::valid:
        write_fields(dialog);
        write_results(dialog);
        break;
    }
}

void run_equilibrator_dialog()
{
    EquilibratorRecord& r = equilibrator_record;
    if (!r.loaded) {
        r = {true, example_coefficients, example_initial, example_equilibrium, 1.0, EquilibratorStatus::valid};
    }
    r.status = EquilibratorStatus::valid;
    Dialog dialog;
    dlg_init(equilibrator_resource(), dialog);
    write_fields(dialog);
    write_results(dialog);
    dlg_set_callback(dialog, 1, equilibrator_dialog_callback);
    dlg_modal(dialog);
}
