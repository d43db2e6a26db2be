#include "simulations/gas_laws/gas_exercises.h"

#include <cstdint>
#include <string>

#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "numbers/value_slots.h"
#include "simulations/gas_laws/gas_exercise_answers.h"
#include "simulations/gas_laws/gas_exercise_course.h"
#include "simulations/gas_laws/gas_exercise_draws.h"
#include "text/paint.h"

namespace {

struct Gas {
    std::string formula;  // markup
    float molar_mass = 0.0f;
};
Gas chosen_gas(std::int32_t record)
{
    return {compound_formula(record), compound_molar_mass(record)};
}

// The column of the flask's thermometer that the thermometer lens covered.
void uncover_thermometer(const GasState& gas)
{
    fill_box(gas.panel_colour, 218, 70, 298, 150);
    const std::int32_t x = gas.flask_x + gas.flask_radius;
    fill_box(thermometer_colour, x + 6, 100, x + 9, gas.flask_centre_y - 20);
    outline_box(highlight_colour, x + 6, 100, x + 9, gas.flask_centre_y - 20);
}

}  // namespace

void run_gas_exercise_temperature(GasState& gas)
{
    const float v = gas.volume, t = gas.temperature, p = gas.pressure;
    const TemperatureChoice choice = draw_temperature_choice(gas);
    clear_exercise_text(gas);
    // The lens stays away for the whole exercise: the final temperature
    // must not be read off the thermometer.
    uncover_thermometer(gas);
    ExerciseCourse course;
    course.final_pressure = choice.final_pressure;
    course.first_statement = choice.direction == PressureChange::raised
                                 ? "La temperatura del termostato viene aumentata "
                                 : "La temperatura del termostato viene diminuita";
    course.second_statement = "Il sistema è ora in equilibrio termico; comparando le condizioni iniziali e finali, "
                              "valutare la temperatura finale ";
    course.results = [v, t, p, pf = choice.final_pressure] {
        // Whole degrees: an uncertainty of one keeps the digits down to the units.
        return ExerciseResults{
            slot_text(1, final_temperature(v, t, p, pf), slot_digits_from_uncertainty, 1.0f) + " @uo@C", "", ""};
    };
    run_exercise_course(gas, course);
}

void run_gas_exercise_amount(GasState& gas)
{
    const float v = gas.volume, t = gas.temperature, p = gas.pressure;
    const AmountChoice choice = draw_amount_choice(gas);
    const Gas g = chosen_gas(choice.gas_record);
    const bool added = choice.direction == PressureChange::raised;
    clear_exercise_text(gas);
    ExerciseCourse course;
    course.final_pressure = choice.final_pressure;
    if (added) {
        course.first_statement = "Viene ora aggiunta una quantità prefissata di " + g.formula;
        course.second_statement = "L'aggiunta di " + g.formula +
                                  " è terminata; comparando le condizioni iniziali e finali, valutare la massa di " +
                                  g.formula + " aggiunta";
    } else {
        course.first_statement = "Il gas nel pallone è " + g.formula + "; una parte di esso viene ora sottratta";
        course.second_statement = "La sottrazione di " + g.formula +
                                  " è terminata; comparando le condizioni iniziali e finali, valutare la massa di " +
                                  g.formula + " sottratta";
    }
    course.results = [v, t, p, pf = choice.final_pressure, added, g] {
        const float moles = amount_change(v, t, p, pf);
        ExerciseResults results;
        results.answer = slot_text(1, moles * g.molar_mass, 2) + " g";
        results.third_line =
            std::string(added ? "@T1@Aggiunte : " : "@T1@Sottratte : ") + slot_text(1, moles, 3) + " mol";
        return results;
    };
    run_exercise_course(gas, course);
}

void run_gas_exercise_mixture(GasState& gas)
{
    const float v = gas.volume, t = gas.temperature, p = gas.pressure;
    const MixtureChoice choice = draw_mixture_choice(gas);
    const Gas first = chosen_gas(choice.first_record);
    const Gas second = chosen_gas(choice.second_record);
    const float pf = choice.final_pressure;
    clear_exercise_text(gas);
    const float mass =
        mixture_mass(amount_change(v, t, p, pf), first.molar_mass, second.molar_mass, choice.first_fraction);
    const std::string shown_mass = slot_text(2, mass, 3);

    ExerciseCourse course;
    course.final_pressure = pf;
    course.first_statement = "Il gas inizialmente nel pallone è " + (choice.first_in_flask ? first : second).formula +
                             "; vengono ora aggiunti " + shown_mass + " g di una miscela di " + first.formula + " e " +
                             second.formula;
    course.second_statement = "L'aggiunta di " + shown_mass + " g di miscela " + first.formula + "/" + second.formula +
                              " è terminata; comparando le condizioni iniziali e finali, valutare la pressione "
                              "parziale di " +
                              first.formula + " nel sistema finale";
    // From the exact mass, not from the three digits the statement shows.
    course.results = [=, in_flask = choice.first_in_flask] {
        const MixtureAnswer a =
            mixture_partial_pressure(v, t, p, pf, mass, first.molar_mass, second.molar_mass, in_flask);
        ExerciseResults results;
        results.answer = pressure_text(a.partial_pressure) + " atm";
        results.third_line = "@T1@Gas aggiunto : " + slot_text(1, a.added_moles, 3) + " mol";
        results.fourth_line = "@T1@" + first.formula + " aggiunto : " + slot_text(1, a.first_gas_moles, 3) + " mol";
        return results;
    };
    run_exercise_course(gas, course);
}
