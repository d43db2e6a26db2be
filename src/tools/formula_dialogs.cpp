#include "tools/formula_dialogs.h"

#include "numbers/fixed_width.h"
#include "tools/formula_engine.h"

FormulaDialogTexts balancer_texts;
FormulaDialogTexts molar_mass_texts;

namespace {

struct FormulaDialog {
    std::int32_t mode;
    std::int32_t typed_field;
    std::int32_t answer_field;
    FormulaDialogTexts& texts;
    DialogResource resource;
};

DialogResource formula_resource(std::int32_t id, const char* title, std::int32_t width, const char* typed_label,
                                std::int32_t typed_field, const char* answer_label, std::int32_t answer_field,
                                std::int32_t answer_height, const char* button_1)
{
    const std::int32_t inner = width - 24;
    return {id,
            title,
            width,
            104 + answer_height,
            {
                {3001, DialogControlKind::static_text, typed_label, 12, 10, inner, 18, true},
                {typed_field, DialogControlKind::edit, "", 12, 30, inner, 24, true},
                {3002, DialogControlKind::static_text, answer_label, 12, 66, inner, 18, true},
                {answer_field, DialogControlKind::static_text, "", 12, 88, inner, answer_height, true},
                {1, DialogControlKind::button, button_1, 0, 0, 80, 24, false},
                {2, DialogControlKind::button, "Esci", 0, 0, 80, 24, false},
            }};
}

FormulaDialog balancer()
{
    return {balance_mode, 1084, 1085, balancer_texts,
            formula_resource(140, "Bilanciatore", 470, "Equazione o semiequazione da bilanciare", 1084,
                             "Equazione o semiequazione bilanciata", 1085, 56, "Bilancia")};
}

FormulaDialog molar_masses()
{
    return {molar_mass_mode, 1090, 1091, molar_mass_texts,
            formula_resource(175, "Masse molari", 280, "Formula", 1090, "Massa molare", 1091, 22, "ok")};
}

void answer(const FormulaDialog& kind, Dialog& dialog)
{
    kind.texts.typed = dlg_get_char(dialog, kind.typed_field);
    kind.texts.answer = analyse_formula_text(kind.mode, strip_trailing_blanks(kind.texts.typed));
    dlg_set_char(dialog, kind.answer_field, strip_trailing_blanks(kind.texts.answer));
}

void run(const FormulaDialog& kind, void (*callback)(Dialog&, std::int32_t, std::int32_t))
{
    Dialog dialog;
    dlg_init(kind.resource, dialog);
    dlg_set_char(dialog, kind.typed_field, strip_blanks(kind.texts.typed));
    dlg_set_char(dialog, kind.answer_field, strip_blanks(kind.texts.answer));
    dlg_set_callback(dialog, 1, callback);
    dlg_modal(dialog);
}

}  // namespace

void balancer_dialog_callback(Dialog& dialog, std::int32_t, std::int32_t)
{
    answer(balancer(), dialog);
}

void molar_mass_dialog_callback(Dialog& dialog, std::int32_t, std::int32_t)
{
    answer(molar_masses(), dialog);
}

void run_balancer_dialog()
{
    if (!balancer_texts.opened) balancer_texts = {true, "Cl2 = ClO[-] b", "4OH[-]+Cl2=2ClO[-]+2H2O+2e"};
    run(balancer(), balancer_dialog_callback);
}

void run_molar_mass_dialog()
{
    if (!molar_mass_texts.opened) molar_mass_texts = {true, "", ""};
    run(molar_masses(), molar_mass_dialog_callback);
}
