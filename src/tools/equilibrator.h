// "Equilibratore" (dialog 147): equilibrium concentrations of a reaction of
// up to three reactants and three products, from coefficients, initial
// concentrations and the constant typed by the user.
#pragma once

#include <cstdint>

#include "chemistry/equilibrium_extent.h"
#include "platform/dialogs.h"

// A coefficient holding anything but digits is refused: a whole number is
// what its field shows. A negative concentration, and a constant outside
// 1E-38 to 1E+38 (what the solver can take), are refused as typed rather
// than worked with as another value.
enum class EquilibratorStatus {
    valid = 0,
    cannot_equilibrate = 1,
    input_not_read = 2,
    coefficient_not_digits = 3,
    out_of_range = 4
};

// What the user typed and the last results, kept for the whole run.
struct EquilibratorRecord {
    bool loaded = false;
    SpeciesValues coefficients{};
    SpeciesValues initial{};
    SpeciesValues equilibrium{};
    double K = 0.0;
    EquilibratorStatus status = EquilibratorStatus::valid;
};
extern EquilibratorRecord equilibrator_record;

// Opens dialog 147 (the example A = B + C at the first opening) and returns
// when it is closed.
void run_equilibrator_dialog();
// "Equilibra": reads, checks, solves and rewrites the fields of the open dialog.
void equilibrator_dialog_callback(Dialog& dialog, std::int32_t control_id, std::int32_t callback_type);
