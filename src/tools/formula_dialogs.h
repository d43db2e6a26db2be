// "Bilanciatore" (dialog 140) and "Masse molari" (dialog 175): a typed
// equation or formula and the answer of analyse_formula_text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"

// The two texts each dialog keeps for the run.
struct FormulaDialogTexts {
    bool opened = false;
    std::string typed;
    std::string answer;
};
extern FormulaDialogTexts balancer_texts;
extern FormulaDialogTexts molar_mass_texts;

// At the first opening the balancer shows "Cl2 = ClO[-] b" balanced, the
// molar masses two blank fields.
void run_balancer_dialog();
void run_molar_mass_dialog();
// "Bilancia" and "ok": answer the typed text; the dialog stays open.
void balancer_dialog_callback(Dialog& dialog, std::int32_t control_id, std::int32_t callback_type);
void molar_mass_dialog_callback(Dialog& dialog, std::int32_t control_id, std::int32_t callback_type);
