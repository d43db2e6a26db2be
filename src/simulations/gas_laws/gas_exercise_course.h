// What the three exercises share: the text area, the mercury's animation
// towards the final pressure, the question with its two buttons, and the
// results drawn on "Risultato".
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "simulations/gas_laws/gas_state.h"

struct ExerciseResults {
    std::string answer;  // the value shown with its unit
    // The lines after the two pressures; an empty one is not drawn.
    std::string third_line;
    std::string fourth_line;
};

struct ExerciseCourse {
    float final_pressure = 0.0f;
    std::string first_statement;
    std::string second_statement;
    // Converted through the value slots each time "Risultato" is pressed.
    std::function<ExerciseResults()> results;
};

// The statement area beside the apparatus, cleared.
void clear_exercise_text(const GasState& gas);

// Draws the first statement, moves the mercury one torr per 10 ms to the
// final pressure, asks the question and waits for "Risultato" and
// "Chiudi"; returns with the restart flag up after "Chiudi".
void run_exercise_course(GasState& gas, const ExerciseCourse& course);

// The display markup of a value converted through value slot `slot` in the
// mode given (n > 0: n significant digits; -1: digits down to the place of
// the uncertainty).
std::string slot_text(std::int32_t slot, float value, std::int32_t mode, float uncertainty = 0.0f);
// Pressures and partial pressures: 3 significant digits, 2 below 1.
std::string pressure_text(float value);
