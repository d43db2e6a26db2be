// Section "Mescolamento": problems 10 to 14, ion concentrations after a
// dilution or a mixing, and the volumes that give a wanted concentration.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace solutions {
namespace {

struct CommonIonPick {
    const CommonIonList* list;
    CommonIonSalt first;
    CommonIonSalt second;
};

// Two different salts of one list; the list never repeats the one that
// problem 12 or 14 took last under "Nessuna Versione".
CommonIonPick pick_common_ion_salts()
{
    std::int32_t& last = last_pick(12);
    std::int32_t n = 0, i1 = 0, i2 = 0;
    draw_until_accepted([&] {
        n = draw_unrepeated(last, [] {
            const std::int32_t t = random_int(1, 2);
            return t == 1 ? random_int(11, 13) : random_int(16, 18);
        });
        const auto count = static_cast<std::int32_t>(common_ion_list(n).salts.size());
        i1 = random_int(1, count);
        i2 = random_int(1, count);
        return i1 != i2;
    });
    last = n;
    const CommonIonList& list = common_ion_list(n);
    return {&list, list.salts[i1 - 1], list.salts[i2 - 1]};
}

void draw_volume(std::int32_t slot)
{
    set_slot_digits(slot, random_real(20.0f, 80.0f), 3);
}

// A stock of compound c, under its saturation.
void draw_stock(std::int32_t slot, std::int32_t c)
{
    set_slot_digits(slot, draw_stock_concentration(saturated_formality(c)), 3);
}

// The ion concentrations of the two stocks as shown: slot 3 with first_ions
// ions per unit, slot 5 with ions.
struct StockIons {
    double first, second;
};
StockIons stock_ions(std::int32_t first_ions, std::int32_t ions)
{
    return {first_ions * static_cast<double>(slot_value(3)), ions * static_cast<double>(slot_value(5))};
}

// Shown numbers of at most four digits that differ, differ by far more than this.
bool shown_below(double a, double b)
{
    return a < b - 1e-6 * std::abs(b);
}

// The second stock (slot 5), of compound c, drawn again until accepted() holds.
template <typename Accepted>
void draw_second_stock(std::int32_t c, Accepted accepted)
{
    draw_until_accepted([&] {
        draw_stock(5, c);
        return accepted();
    });
}

// Slot 6 := the two volumes' total, slot 7 := the ion concentration of their
// mixture, 3 digits each; the concentration is worked on the total before
// it is rounded, as every version has shown it.
void mix_stocks(const CommonIonPick& pick)
{
    const float total = slot_value(2) + slot_value(4);
    set_slot_digits(6, total, 3);
    set_slot_digits(
        7, (pick.first.ions * slot_value(2) * slot_value(3) + pick.second.ions * slot_value(4) * slot_value(5)) / total,
        3);
}

// Problems 12 and 14: two salts of one ion list, the volumes (slots 2, 4)
// and stocks (slots 3, 5) of their solutions. Problem 14 asks for a mixture
// (slots 6 and 7) whose concentration, as shown, lies strictly between the
// stocks', as shown: the second stock is drawn again until it does.
CommonIonPick draw_common_ion_mixture(std::int32_t discarded, bool mixture_between_stocks)
{
    const CommonIonPick pick = pick_common_ion_salts();
    skip_random_draws(discarded);
    draw_volume(2);
    draw_volume(4);
    draw_stock(3, pick.first.compound);
    if (mixture_between_stocks)
        draw_second_stock(pick.second.compound, [&] {
            mix_stocks(pick);
            const StockIons stocks = stock_ions(pick.first.ions, pick.second.ions);
            const double wanted = slot_value(7);
            return shown_below(std::min(stocks.first, stocks.second), wanted) &&
                   shown_below(wanted, std::max(stocks.first, stocks.second));
        });
    else
        draw_stock(5, pick.second.compound);
    random_int(1, 2);  // drawn and not used: the data of every version depend on it
    return pick;
}

// A stock of problem 14: the slots of its volume and its formality, and
// the ions of the wanted kind per formula unit.
struct Stock {
    std::int32_t volume_slot, formality_slot, ions;
    double concentration() const { return ions * static_cast<double>(slot_value_as_shown(formality_slot)); }
    double uncertainty() const { return ions * static_cast<double>(slot_uncertainty(formality_slot)); }
};

// Slot 6 := the volume of the mixture at the wanted concentration (slot 7)
// that uses the stock `used` up, `other` supplying the rest, worked on that
// branch alone: its uncertainty summed to first order over the printed data,
// three digits at most, the count the problem fixes. False where that
// uncertainty, or the one the generic sum over the data gives, exceeds it.
bool set_volume_using_up(const Stock& used, const Stock& other)
{
    const double n_used = used.ions, n_other = other.ions;
    set_slot_from_data(6, {used.volume_slot, used.formality_slot, other.formality_slot, 7},
                       [n_used, n_other](const std::vector<double>& d) {
                           return d[0] * (n_used * d[1] - n_other * d[2]) / (d[3] - n_other * d[2]);
                       });
    const bool data_hold = !uncertainty_exceeds_value(6);
    const double c = slot_value_as_shown(7), v = slot_value_as_shown(used.volume_slot);
    const double span = used.concentration() - other.concentration(), rest = c - other.concentration();
    // The logarithmic derivative of v span / rest in each datum: v, the used
    // stock, the other stock (in both differences) and the wanted concentration.
    const double relative = slot_uncertainty(used.volume_slot) / v + used.uncertainty() / std::abs(span) +
                            other.uncertainty() * std::abs(used.concentration() - c) / std::abs(span * rest) +
                            slot_uncertainty(7) / std::abs(rest);
    const double volume = slot_value(6);
    set_slot_uncertainty(6, static_cast<float>(volume), static_cast<float>(relative * volume));
    // Three digits at most, as the book gives the volume.
    if (slot_digits(6) > 3) set_slot_digits(6, slot_value(6), 3);
    return data_hold && !uncertainty_exceeds_value(6);
}

std::string question_head(std::int32_t k, std::int32_t v)
{
    return k == 1 ? "Calcolare la molarità degli ioni " + cation_phrase(v)
                  : "@T1@@C1@Calcolare la molarità degli ioni" + anion_phrase(v);
}

// Slots 6 and 7 := cations and anions of entry v at formality cf, with the
// summed relative uncertainty rel.
void set_ion_concentrations(std::int32_t v, float cf, float rel)
{
    const float cations = first_count(salt_ion(v).compound) * cf;
    set_slot_uncertainty(6, cations, rel * cations);
    const float anions = salt_ion(v).anions * cf;
    set_slot_uncertainty(7, anions, rel * anions);
}

std::string ion_answer(std::int32_t k)
{
    return slot_text(k == 1 ? 6 : 7) + " M";
}

// Slot := the ion concentration of the mixture of volumes (slots 2, 4) of two
// stocks (slots 3, 5). Every volume and formality printed counts, at three
// units of its last digit: a volume moves the sum and the total alike.
void set_mixture_ions(std::int32_t slot, double first_ions, double second_ions)
{
    set_slot_from_data(slot, {2, 3, 4, 5}, [first_ions, second_ions](const std::vector<double>& d) {
        return (first_ions * d[0] * d[1] + second_ions * d[2] * d[3]) / (d[0] + d[2]);
    });
}

float mixed_formality()
{
    return (slot_value(2) * slot_value(3) + slot_value(4) * slot_value(5)) / (slot_value(2) + slot_value(4));
}

float four_relative_uncertainties()
{
    return relative_uncertainty(3) + relative_uncertainty(4) + relative_uncertainty(2) + relative_uncertainty(5);
}

}  // namespace

void generate_problem_10()
{
    skip_random_draws(1);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(10), 0);
    const std::int32_t c = salt_ion(v).compound;
    draw_volume(2);
    draw_stock(3, c);
    set_slot_digits(4, 50.0f * random_int(6, 16), 3);
    const std::int32_t k = random_int(1, 2);
    problem_texts.problem_text = question_head(k, v) + " nella soluzione ottenuta diluendo con acqua " + slot_text(2) +
                                 " mL di " + compound_formula(c) + " " + slot_text(3) + " F fino al volume di " +
                                 slot_text(4) + " mL";
    set_ion_concentrations(v, slot_value(2) / slot_value(4) * slot_value(3),
                           relative_uncertainty(3) + relative_uncertainty(4) + relative_uncertainty(2));
    problem_texts.answer_text = ion_answer(k);
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(170, 170, 360);
}

void generate_problem_11()
{
    skip_random_draws(4);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(11), 0);
    const std::int32_t c = salt_ion(v).compound;
    const std::string formula = compound_formula(c);
    draw_volume(2);
    draw_volume(4);
    draw_stock(3, c);
    draw_stock(5, c);
    const std::int32_t k = random_int(1, 2);
    problem_texts.problem_text = question_head(k, v) + " nella soluzione ottenuta mescolando " + slot_text(2) +
                                 " mL di " + formula + " " + slot_text(3) + " F con " + slot_text(4) + " mL di " +
                                 formula + " " + slot_text(5) + " F";
    set_mixture_ions(6, first_count(c), first_count(c));
    set_mixture_ions(7, salt_ion(v).anions, salt_ion(v).anions);
    problem_texts.answer_text = ion_answer(k);
    draw_problem_text(260, 580, 45);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_12()
{
    skip_random_draws(1);
    const CommonIonPick pick = draw_common_ion_mixture(10, false);
    problem_texts.problem_text = "Calcolare la concentrazione di ioni" + std::string(pick.list->ion) +
                                 " nella soluzione ottenuta mescolando " + slot_text(2) + " mL di " +
                                 compound_formula(pick.first.compound) + " " + slot_text(3) + " F con " + slot_text(4) +
                                 " mL di " + compound_formula(pick.second.compound) + " " + slot_text(5) + " F";
    set_mixture_ions(7, pick.first.ions, pick.second.ions);
    problem_texts.answer_text = slot_text(7) + " M";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(240, 160, 300);
}

void generate_problem_13()
{
    skip_random_draws(5);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(13), 0);
    const SaltIon& salt = salt_ion(v);
    const std::string formula = compound_formula(salt.compound);
    std::int32_t k = 0, r = 0, wanted = 0;
    // Drawn again where the volume asked for is lost in its own uncertainty.
    draw_until_accepted([&] {
        draw_volume(2);
        draw_volume(4);
        draw_stock(3, salt.compound);
        // Equal stocks cannot make any other concentration.
        draw_second_stock(salt.compound, [] {
            const StockIons stocks = stock_ions(1, 1);
            return shown_below(stocks.first, stocks.second) || shown_below(stocks.second, stocks.first);
        });
        k = random_int(1, 2);
        set_ion_concentrations(v, mixed_formality(), four_relative_uncertainties());

        // The asked ion's concentrations in the two stocks.
        const float per_unit =
            k == 1 ? static_cast<float>(first_count(salt.compound)) : static_cast<float>(salt.anions);
        const float low = std::min(per_unit * slot_value(3), per_unit * slot_value(5));
        const float high = std::max(per_unit * slot_value(3), per_unit * slot_value(5));
        wanted = k == 1 ? 6 : 7;
        r = random_int(1, 8);
        if (r == 7) value_slots[wanted].value = random_real(0.8f * low, 0.95f * low);
        if (r == 8) value_slots[wanted].value = random_real(1.05f * high, 1.2f * high);
        // The wanted concentration is a datum like the stocks, of three digits;
        // where the stocks are nearly alike, of those that set it strictly
        // between them, as the volume asked for needs.
        const float exact = slot_value(wanted);
        set_slot_digits(wanted, exact, 3);
        const auto between_stocks = [&] {
            const double c = slot_value(wanted);
            return shown_below(low, c) && shown_below(c, high);
        };
        while (r < 7 && slot_digits(wanted) < 6 && !between_stocks())
            set_slot_digits(wanted, exact, slot_digits(wanted) + 1);
        // The volume from the concentration as shown, not the one drawn: V c1 +
        // V2 c2 = (V + V2) c.
        set_slot_from_data(2, {4, 5, 3, wanted}, [per_unit](const std::vector<double>& d) {
            return d[0] * (per_unit * d[1] - d[3]) / (d[3] - per_unit * d[2]);
        });
        // The school rule carried through the same formula: each difference
        // of concentrations takes the sum of their uncertainties, the
        // quotient the sum of the relative ones. An answer under either
        // uncertainty is drawn again.
        const double c = slot_value_as_shown(wanted), u = slot_uncertainty(wanted);
        const double start = per_unit * slot_value_as_shown(5), added = per_unit * slot_value_as_shown(3);
        const double relative = relative_uncertainty(4) + (per_unit * slot_uncertainty(5) + u) / std::abs(start - c) +
                                (u + per_unit * slot_uncertainty(3)) / std::abs(c - added);
        return r >= 7 || (!uncertainty_exceeds_value(2) && relative < 1.0);
    });
    problem_texts.problem_text = "Calcolare il volume di " + formula + " " + slot_text(3) + " F da aggiungere a " +
                                 slot_text(4) + " mL di " + formula + " " + slot_text(5) +
                                 " F perché la concentrazione di ioni" +
                                 (k == 1 ? " " + cation_phrase(v) : anion_phrase(v)) +
                                 " nella soluzione risultante sia pari a " + slot_text(wanted) + " M";
    if (r == 7)
        problem_texts.answer_text = "Impossibile; la concentrazione da ottenere è troppo bassa ";
    else if (r == 8)
        problem_texts.answer_text = "Impossibile; la concentrazione da ottenere è troppo alta ";
    else
        problem_texts.answer_text = slot_text(2) + " mL";
    draw_problem_text(240, 560, 45);
    show_chemistry_fact(190, 145, 280);
}

void generate_problem_14()
{
    skip_random_draws(1);
    // A wanted concentration that nearly meets a stock's can leave a volume
    // below its own uncertainty, a problem with no answer: such data are
    // drawn again.
    std::optional<CommonIonPick> pick;
    bool first_used_up = false;
    draw_until_accepted([&] {
        pick = draw_common_ion_mixture(15, true);
        const std::int32_t w = random_int(1, 2);
        const std::int32_t enlarged = w == 1 ? 2 : 4;
        set_slot_digits(enlarged, random_real(1.1f, 1.2f) * slot_value(enlarged), 3);
        // From the numbers as shown: the wanted concentration takes this much
        // of the second solution per volume of the first, and the one that
        // runs out first is used whole.
        const StockIons stocks = stock_ions(pick->first.ions, pick->second.ions);
        const double wanted = slot_value(7);
        const double second_per_first = (stocks.first - wanted) / (wanted - stocks.second);
        first_used_up = slot_value(2) * second_per_first <= slot_value(4);
        const Stock first{2, 3, pick->first.ions}, second{4, 5, pick->second.ions};
        const bool answerable = first_used_up ? set_volume_using_up(first, second) : set_volume_using_up(second, first);
        // Within the data's uncertainty the wanted concentration may equal a
        // stock's, where no volume or any volume answers.
        const auto apart = [wanted](double stock, const Stock& of) {
            return std::abs(wanted - stock) > slot_uncertainty(7) + of.uncertainty();
        };
        return apart(stocks.first, first) && apart(stocks.second, second) && answerable;
    });
    problem_texts.problem_text =
        "Calcolare il volume massimo di soluzione " + slot_text(7) + " M in ioni" + std::string(pick->list->ion) +
        " che si può preparare per mescolamento diretto avendo a disposizione unicamente " + slot_text(2) + " mL di " +
        compound_formula(pick->first.compound) + " " + slot_text(3) + " F e " + slot_text(4) + " mL di " +
        compound_formula(pick->second.compound) + " " + slot_text(5) + " F";
    problem_texts.answer_text =
        slot_text(6) + " mL, usando tutta" + (first_used_up ? " la prima soluzione" : " la seconda soluzione");
    draw_problem_text(170, 575, 45);
    show_chemistry_fact(240, 150, 300);
}

}  // namespace solutions
