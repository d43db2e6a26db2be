// What each chapter's pages state, row by row, and the problems whose pages
// state nothing a rule judges.
#include "conditions_table.h"

#include <gtest/gtest.h>

namespace conditions {

namespace {

using R = Reads;
const std::string pressure = "NUM (atm|torr|kPa)";
const std::string crystallises =
    "(?:[Ll]'|[Ii]l |[Ll]o |del |dello |dell')([a-z ]+?),? (?:che )?cristallizza (?:in una "
    "cella|nel reticolo) (.+?)(?: con | e | di |$)";

const char* const arithmetic = "numbers, units and their digits: no substance at conditions";
const char* const naming = "names, formulas, structures of atoms and molecules: no conditions stated";
const char* const masses = "masses and moles of a reaction or a compound: no state, medium or temperature";
const char* const permanent = "gases above their critical temperature: no pressure condenses them";
const char* const metals = "metals and liquid water between 0 and 100 °C: each far from a change of state";
const char* const model = "a model the page names, or symbols in place of substances";
const char* const mixture = "a mixture's make-up by mass or moles: no temperature or pressure stated";
const char* const symbols = "symbols in place of substances: nothing a handbook holds";

const char* const graph = "a graph's points drawn, not written: read by none";
const char* const dilute = "reagents named by their ions, or dilute: far from any salt's saturation";

// The problems without conditions by number, each under its reason.
ChapterStatements chapter(std::int32_t number, std::vector<Statement> rows,
                          std::vector<std::pair<const char*, std::vector<std::int32_t>>> reasons,
                          std::vector<std::pair<const char*, std::vector<std::int32_t>>> beyond_ideal = {})
{
    ChapterStatements table{number, std::move(rows), {}};
    for (const auto& [why, problems] : reasons)
        for (const std::int32_t problem : problems) table.without_conditions.emplace_back(problem, why);
    for (const auto& [why, problems] : beyond_ideal)
        for (const std::int32_t problem : problems) table.beyond_ideal.emplace_back(problem, why);
    return table;
}

const std::string formula = "([A-Z(][^ ]*)";
const std::string volume = "(NUM (?:mL|L|cm@u3@|dm@u3@))";
// Constants printed beside their species: an acid's or a base's, as
// "HF [Ka = ...]", "[Kb(CN-) = ...]" or "[pKa(HCO3-) = ...]", the steps of
// a polyprotic acid, and a solubility product.
const std::string acid_constant = "(\\S+)(?: NUM [MF])? \\[@iK@@da@ = NUM";
const std::string base_constant = "(\\S+)(?: NUM [MF])? \\[@iK@@db@ = NUM";
const std::string species_constant(const char* kind)
{
    return std::string("(?:\\[|; )@iK@@d") + kind + "@\\((\\S+?)\\) = NUM";
}
const std::string acid_exponent = "\\[p@iK@@da@\\((\\S+?)\\) = NUM";
const std::string acid_steps = "I valori di @iK@@da@ per (\\S+) sono pari a NUM e NUM(?: e NUM)?";
const std::string product = "(\\S+?)(?: a 25@uo@C| precipitato)? \\[@iK@@dps@ = NUM";

// A solution named by its solute and formality or molarity.
const Statement stated(std::int32_t problem)
{
    return {problem, Reads::solution, formula + " NUM [FM]\\b", "*sC"};
}

}  // namespace

ChapterStatements chapter_statements(std::int32_t number)
{
    std::vector<ChapterStatements> tables;
    tables.push_back(chapter(
        1, {{35, R::gas, "volume pari a NUM L contenente NUM g di (.+?) a varie temperature", "Vms!"}},
        {{permanent, {26, 29}}, {graph, {39}}, {arithmetic, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                             14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 27,
                                                             28, 30, 31, 32, 33, 34, 36, 37, 38, 40, 41, 42, 43}}}));
    tables.push_back(chapter(2, {},
                             {{"ionisation energies printed as facts: no table of them kept", {13}},
                              {naming, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21,
                                        22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}}}));
    tables.push_back(chapter(3, {}, {{masses, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                                               18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33}}}));

    tables.push_back(chapter(
        4,
        {
            {7, R::gas, "densità d(?:el |ello |ell'|ella )(.+?) a NUM@uo@C e (pressione atmosferica)", "stk"},
            {8, R::gas, "da NUM L contenente NUM g di (.+?) a NUM K", "VmsT"},
            {9, R::gas, "da NUM g di (.+?) a NUM K e " + pressure, "msTPu"},
            {10, R::gas,
             "massa di (.+?) presente in un recipiente da NUM L in cui la pressione è pari a " + pressure + " a NUM K",
             "sVPuT"},
            {11, R::gas, "da NUM g di (.+?) in (condizioni standard)", "msk"},
            {12, R::gas, "densità d(?:el |ello |ell')(.+?) a " + pressure + " e NUM K", "sPuT"},
            {18, R::gas,
             "pressione parziale d(?:el |ello |ell'|ella )(.+?) e la pressione totale .*miscela di (?:\\1 ed? "
             "(.+?)|(.+?) "
             "ed? \\1) al.* a NUM@uo@C$",
             "ssst|Pup", "^" + pressure + "; NUM"},
            // The named gas's partial pressure from the answer, the other's the rest.
            {17, R::gas,
             "pressione parziale d(?:el |ello |ell'|ella )(.+?) in una miscela di (?:\\1 ed? (.+?)|(.+?) ed? \\1) "
             "al.* pressione totale di NUM atm$",
             "sssp|P", "; (NUM) atm$"},
            {20, R::gas, "contiene (\\S+) e (\\S+) a NUM K e alle pressioni parziali di NUM atm e NUM atm", "ssTPP"},
            {20, R::gas, "temperatura finale è NUM K", "T|sP", "; ((?!totale)[^:;]+): NUM atm"},
            {27, R::gas, "mole di (.+?) \\(.*\\) a NUM@uo@C e NUM atm", "stP"},
            {28, R::gas, "compressibilità d(?:el |ello |ell'|ella )(.+?) \\(.*\\) a NUM@uo@C e NUM atm", "stP"},
            {31, R::structure, crystallises, "sw"},
            {32, R::structure, crystallises, "sw"},
            {33, R::structure, crystallises, "sw"},
            {36, R::datum,
             "tensione di vapore del(?:l'|lo | )(.+?) è pari a NUM (torr) a NUM@uo@C e a NUM torr a NUM@uo@C",
             "svutvt"},
        },
        {{model, {1, 3, 4, 5, 6, 13, 14, 19, 22, 35, 37, 38, 39, 40, 41}},
         {"one gas and its pressures: the state law reads them, as on every page", {2, 26}},
         {mixture, {15, 16}},
         {"every species taken as a gas at conditions left unstated, as the page says", {21}},
         {"a temperature with no pressure: any gas exists at a low enough pressure", {23, 24, 25}},
         {naming, {29, 30, 34}}},
        {{"van der Waals' gas, set beside the ideal one", {26, 27, 28}}}));

    const std::string solvent = "in NUM g di (.+?) \\(.*";
    tables.push_back(chapter(
        5,
        {
            {1, R::solution, "contiene NUM g di " + formula + " in " + volume, "msLx"},
            {2, R::solution, "massa di " + formula + " contenuta in " + volume + " di soluzione NUM F", "sLxC"},
            {3, R::solution, "sciogliendo NUM g di " + formula + " in acqua e portando il volume a " + volume, "msLx"},
            {4, R::solution, "peso di " + formula + " nella soluzione ottenuta sciogliendo NUM g di composto in NUM g",
             "smW"},
            {5, R::solution, "quanto " + formula + " devono .* pari a NUM%", "sQ"},
            {6, R::solution, "soluzione al NUM% in peso di " + formula, "Qs"},
            {8, R::solution, "sciogliendo NUM g di " + formula + " in NUM g di acqua", "msW"},
            {9, R::solution, "sciogliendo NUM g di " + formula + " in NUM g di acqua", "msW"},
            stated(10),
            stated(11),
            stated(12),
            stated(13),
            stated(14),
            // SnI2 has no measured table: its page takes the curve through its two figures.
            {15, R::datum, "satura di ((?!SnI@d2@)\\S+) è NUM F a NUM@uo@C", "sFt"},
            {16, R::datum, "di (NaCl) a 25@uo@C.* satura a NUM@uo@C", "st|F", "^NUM F"},
            {17, R::datum,
             "a NUM@uo@C di una soluzione.*tensioni di vapore di (.+?) e (.+?) alla stessa "
             "temperatura sono pari a NUM e NUM (torr)",
             "tssvvu"},
            {18, R::datum,
             "a NUM@uo@C con una soluzione.*tensioni di vapore di (\\S+) e (\\S+) puri a questa "
             "temperatura sono pari a NUM e NUM (torr)",
             "tssvvu"},
            {19, R::datum, solvent + "soluzione a NUM@uo@C, sapendo che quella del solvente puro è pari a NUM (torr)",
             "xstvu"},
            {20, R::datum, solvent + "a NUM@uo@C, mentre quella del solvente puro è pari a NUM (torr)", "xstvu"},
            {21, R::datum, "tensione di vapore dell'(acqua) a NUM@uo@C è pari a NUM (torr)", "stvu"},
            {21, R::solution, "a NUM@uo@C .*sciogliendo NUM g di " + formula + " in NUM g di acqua", "tmsW"},
            {24, R::solution, "peso di " + formula + " in una soluzione acquosa che bolle a NUM@uo@C", "st|Q",
             "(NUM)%"},
            {25, R::solution, "aggiungere a NUM g di " + formula + " perché .* gelo pari a NUM@uo@C", "msG|W",
             "(NUM) g"},
            {27, R::datum, "a NUM@uo@C della soluzione.* " + solvent + "solvente puro .* pari a NUM (torr)", "txsvu"},
            {29, R::equation, equation, "e"},
            {30, R::equation, equation, "e"},
            {32, R::equation, equation, "e"},
            {33, R::equation, equation, "e"},
            {34, R::equation, equation, "e"},
        },
        {{model, {22, 23, 26, 28}},
         {"a half-equation: no second couple", {31}},
         {"solutes named in words at formalities their printed densities fix: not read", {7}},
         {masses, {35}},
         {symbols, {36}},
         {dilute, {37}}}));
    tables.push_back(chapter(
        6,
        {
            {5, R::datum, "@iC@@dp@ d(?:el |ello |ell'|ella )(.+?), che fonde a pressione atmosferica a NUM@uo@C",
             "sM"},
            {10, R::equation, "combustione d\\S+ [^(]*\\(([^)]+)\\) (liquido|gassoso|solido) a NUM@uo@C", "ezt"},
            {12, R::equation, "A NUM@uo@C e NUM atm, l'entalpia della reazione " + equation + " è", "tPe"},
            // An enthalpy at a temperature is the named state's, stable or
            // not (as water vapour's at 25 °C).
            {12, R::equation, "per la reazione " + equation + " a NUM@uo@C", "ex"},
            {13, R::equation, "a NUM atm e NUM@uo@C .*stesse condizioni per la reazione " + equation, "Pte"},
            {14, R::equation, "a NUM K nella reazione " + equation, "Te"},
            {15, R::equation, "reazione a NUM@uo@C .*equazione " + equation, "te"},
            {24, R::equation, "e NUM@uo@C .*reazione " + equation, "te"},
            {25, R::equation, "a NUM@uo@C e " + pressure + " per la reazione " + equation, "tPue"},
            {28, R::equation, "a NUM@uo@C per la reazione " + equation, "te"},
            {29, R::equation, "reazione " + equation + " a NUM@uo@C", "et"},
            {26, R::equation, "a NUM K per la reazione " + equation, "Te"},
            {11, R::datum, "di formula (\\S+) a 1 atm e NUM@uo@C è pari a NUM kJ/mol", "stq"},
            {13, R::datum, "combustione di (\\S+) e di (\\S+) a 1 atm e NUM@uo@C sono pari a NUM e NUM kJ/mol",
             "sstqq"},
            {27, R::equation, "la reazione " + equation, "e"},
            // The temperature the answer states.
            {27, R::equation, "la reazione " + equation, "e|T", "T [<>] (NUM) K"},
            {30, R::species, "satura di (\\S+) è", "s"},
            {30, R::datum, "satura di (\\S+) è NUM F a NUM@uo@C e NUM F a NUM@uo@C", "sFtFt", "",
             "di (?:PbCl|Ag@d2@SO)"},
            {36, R::equation, "fase gas " + equation + " è pari a .* a NUM K", "eT"},
            {38, R::equation, "fase gas " + equation + " .* a NUM K", "eT"},
        },
        {{permanent, {4, 22, 23}},
         {metals, {6, 20, 21}},
         {model, {7, 8, 9}},
         {"energies, counts and rates: no substance at conditions",
          {1, 2, 3, 16, 17, 18, 19, 31, 32, 33, 34, 35, 37}}}));

    const std::string at = " a NUM@uo@C";
    tables.push_back(chapter(
        7,
        {
            {1, R::equation, "reazione " + equation + at, "et"},
            {1, R::gas,
             at + " sapendo .* pressioni parziali di (\\S+), (\\S+) e (\\S+) sono risultate pari a NUM, NUM e NUM atm",
             "tsssPPP"},
            {4, R::equation, "reazione " + equation + at, "et"},
            {6, R::equation, "reazione " + equation + at, "et"},
            {6, R::gas, at + " è pari.* pressioni parziali di (\\S+), (\\S+) e (\\S+) sono pari a NUM, NUM e NUM atm",
             "tsssPPP"},
            {7, R::equation, "reazione " + equation + " è", "e"},
            {8, R::equation, "reazione " + equation + ",", "e"},
            // Each gas alone in its vessel.
            {9, R::gas, "contenenti" + at + " rispettivamente (\\S+) alla pressione di NUM atm", "tsP"},
            {9, R::gas,
             "contenenti" + at + " rispettivamente \\S+ alla pressione di NUM atm e (\\S+) alla pressione di NUM atm",
             "txsP"},
            {9, R::equation, "reazione " + equation + " a que", "e"},
            {8, R::gas, "dissociato a NUM@uo@C e NUM atm secondo la reazione " + equation + ",", "tPe|A", "^(NUM)%$"},
            {12, R::equation, "reazione " + equation + "\\.", "e"},
            {13, R::equation, "reazione " + equation + " contiene", "e"},
            {15, R::species, "reazione (\\S+) = ", "s"},
            {21, R::datum, acid_constant, "sxa"},
            {22, R::datum, acid_constant, "sxa"},
            {23, R::datum, acid_constant, "sxa"},
            {25, R::datum, base_constant, "sxb"},
            {26, R::datum, acid_steps, "saaa"},
            {27, R::datum, acid_steps, "saaa"},
            {29, R::datum, acid_exponent, "sy"},
            {30, R::datum, acid_exponent, "sy"},
            {35, R::datum, base_constant, "sxb"},
            {36, R::datum, acid_constant, "sxa"},
            {37, R::datum, acid_constant, "sxa", "", "@iK@@da@"},
            {37, R::datum, base_constant, "sxb", "", "@iK@@db@"},
            {39, R::datum, product, "sK"},
            {41, R::datum, product, "sK"},
            {42, R::datum, product, "sK"},
            {43, R::datum, "solubilità di (\\S+) in acqua.*\\[@iK@@dps@ = NUM", "sK"},
            {43, R::datum, species_constant("b"), "*sb"},
            stated(31),
            stated(32),
            stated(33),
            {33, R::solution, "soluzione di (\\S+) sapendo", "s|C", "(NUM) [FM]$"},
            {39, R::species, "solubilità di (\\S+) .*in una (soluzione .+)$", "sc"},
            {41, R::species, "solubilità di (\\S+) .*in una (soluzione .+)$", "sc"},
            {42, R::species, "solubilità di (\\S+) .*in una (soluzione .+)$", "sc"},
        },
        {{model, {2, 3}},
         {symbols, {5, 10, 11, 14}},
         {"a Ksp at 25 °C and a mixing: the free ion follows from the Ksp whatever complexes form", {40}},
         {"acids, bases and buffers at 25 °C: each species the one its medium holds",
          {16, 17, 18, 19, 20, 24, 28, 34, 38}}}));
    tables.push_back(chapter(8,
                             {{4, R::gas, "NUM L di (\\S+) misurati a NUM@uo@C e (pressione atmosferica)", "Vstk"},
                              {13, R::species, "soluzione satura di (\\S+) è", "s"}},
                             {{"resistivities at room temperature: the handbook's within the degrees that spans", {2}},
                              {symbols, {14}},
                              {"cells and electrolyses of true couples", {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}}}));
    tables.push_back(chapter(
        9,
        {
            {3, R::structure, "cristallizza in una (cella cubica .+?) con", "w|s", "^([a-z]+)$"},
            {4, R::datum,
             "(?:Il |L')(.+?)(?: \\([^)]*\\))? bolle a NUM@uo@C a pressione atmosferica e a NUM@uo@C alla "
             "pressione di NUM (torr)",
             "sxtvu"},
            // Each gas of the mixture at most at its total pressure.
            {5, R::gas, "miscela gassosa di (\\S+) ed? \\S+ .*misurati" + at + " e " + pressure, "stPu"},
            {5, R::gas, "miscela gassosa di \\S+ ed? (\\S+) .*misurati" + at + " e " + pressure, "stPu"},
            {6, R::equation, "reazione " + equation + at, "et"},
            {14, R::gas, "A NUM K la costante di dissociazione in atomi del(?:l'|lo | )(\\S+) .*pressione di NUM atm",
             "TsP"},
            {15, R::solution, "sciogliere fino a NUM g di (\\S+) .* in " + volume + " di soluzione", "msLx"},
            {15, R::species, "tampone in grado di sciogliere fino a NUM g di (\\S+)", "xs|h", "(NUM)$"},
            {15, R::datum, product, "sK"},
            {7, R::datum, acid_constant, "sxa"},
            {14, R::datum, "A NUM K la costante di dissociazione in atomi del(?:l'|lo | )(\\S+) è pari a NUM", "TsD"},
            {23, R::datum, species_constant("b"), "sb"},
            {30, R::datum, species_constant("a"), "sa"},
            {31, R::datum, product, "sK"},
            {38, R::datum, species_constant("b"), "sb"},
            {39, R::datum, product, "sK"},
            {46, R::datum, base_constant, "sxb"},
            {46, R::datum, acid_constant, "sxa"},
            {47, R::datum, product, "*sK"},
            {17, R::gas, "NUM L di (\\S+) misurati" + at + " e " + pressure, "VstPu"},
            {19, R::datum, "tensione di vapore del(?:l'|lo | )(.+?)(?: \\([^)]*\\))? è pari a NUM (torr)" + at, "svut"},
            {20, R::equation,
             at + " di NUM g di [^(]+\\(([^)]+)\\).*formazione a 25@uo@C [^,]*? (liquido|gassoso|solido),", "txez"},
            {22, R::datum, "per (\\S+) e (\\S+)" + at + " sono pari a NUM e NUM kJ/mol", "sstHH"},
            {22, R::datum,
             at + ".*entropie standard di (\\S+), di (\\S+) e della (\\S+) alla stessa temperatura "
                  "sono pari a NUM, NUM e NUM",
             "tsssSSS"},
            {25, R::gas, "miscela di (.+?) ed? (.+?) di densità NUM g/L" + at + " e " + pressure, "ssdtPu"},
            {26, R::equation, "basico \\(" + equation + "\\);", "e"},
            {28, R::equation, "a NUM atm e NUM@uo@C .*stesse condizioni per la reazione " + equation, "Pte"},
            {28, R::datum, "combustione di (\\S+) a 1 atm e NUM@uo@C è pari a NUM kJ/mol", "stq"},
            {29, R::equation, at + ", ove .*reazione " + equation + " vale", "te"},
            {29, R::gas, at + ", ove .*reazione " + equation + " vale .* pari a NUM%$", "teA|P", "^(NUM) atm$"},
            {31, R::species, "M in (\\S+) senza", "s"},
            {32, R::gas, "NUM L di (\\S+) misurati" + at + " e " + pressure, "VstPu"},
            {37, R::equation, "reazione bimolecolare " + equation + " sono", "e"},
            {38, R::gas, "NUM mL di (\\S+) gassosa, misurati" + at + " e (pressione atmosferica)", "xstk"},
            {41, R::gas, "NUM L di (\\S+) misurati" + at + " e " + pressure, "VstPu"},
            {43, R::datum,
             "tensioni di vapore" + at + " dell'(\\S+) e del(?:l'|lo | )(\\S+), .* pari a NUM e NUM (torr)", "tssvvu"},
        },
        {{"air and its carbon dioxide at 0 °C and 1 atm: permanent gases", {2}},
         {"water's pressure kept at most at saturation by the page's own model; O2 and CO2 permanent there", {10}},
         {model, {12, 44}},
         {"analyses, titrations and mixtures: no substance out of its state or medium",
          {1, 8, 9, 11, 13, 16, 18, 21, 24, 27, 33, 34, 35, 36, 40, 42, 45, 48}}}));
    for (ChapterStatements& table : tables)
        if (table.chapter == number) return std::move(table);
    ADD_FAILURE() << "no conditions table for chapter " << number;
    return {number, {}, {}};
}

}  // namespace conditions
