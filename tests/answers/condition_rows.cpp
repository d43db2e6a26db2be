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

ChapterStatements chapter(std::int32_t number, std::vector<Statement> rows,
                          std::vector<std::pair<std::int32_t, const char*>> listed, std::int32_t count,
                          const char* otherwise)
{
    ChapterStatements table{number, std::move(rows), std::move(listed)};
    std::set<std::int32_t> taken;
    for (const Statement& row : table.rows) taken.insert(row.problem);
    for (const auto& entry : table.without_conditions) taken.insert(entry.first);
    for (std::int32_t problem = 1; problem <= count; ++problem)
        if (!taken.contains(problem)) table.without_conditions.emplace_back(problem, otherwise);
    return table;
}

}  // namespace

ChapterStatements chapter_statements(std::int32_t number)
{
    std::vector<ChapterStatements> tables;
    tables.push_back(chapter(1, {}, {{26, permanent}, {29, permanent}, {39, permanent}}, 43, arithmetic));
    tables.push_back(chapter(2, {}, {}, 40, naming));
    tables.push_back(chapter(3, {}, {}, 33, masses));

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
            {20, R::gas, "contiene (\\S+) e (\\S+) a NUM K e alle pressioni parziali di NUM atm e NUM atm", "ssTPP"},
            {20, R::gas, "temperatura finale è NUM K", "T|sP", "; ((?!totale)[^:;]+): NUM atm"},
            {27, R::gas, "mole di (.+?) \\(.*\\) a NUM@uo@C e NUM atm", "stP"},
            {28, R::gas, "compressibilità d(?:el |ello |ell'|ella )(.+?) \\(.*\\) a NUM@uo@C e NUM atm", "stP"},
            {31, R::structure, crystallises, "sw"},
            {32, R::structure, crystallises, "sw"},
            {33, R::structure, crystallises, "sw"},
        },
        {{1, model},
         {2, permanent},
         {3, model},
         {4, model},
         {5, model},
         {6, model},
         {13, model},
         {14, model},
         {15, mixture},
         {16, mixture},
         {17, "a mixture at a total pressure with no temperature: no state to judge"},
         {19, model},
         {21, "every species taken as a gas at conditions left unstated, as the page says"},
         {22, model},
         {23, permanent},
         {24, permanent},
         {25, "a temperature with no pressure: any gas exists at a low enough pressure"},
         {26, permanent},
         {35, model},
         {36, model},
         {37, model},
         {38, model},
         {39, model},
         {40, model},
         {41, model}},
        41, naming));

    const std::string solvent = "in NUM g di (.+?) \\(.*";
    tables.push_back(chapter(
        5,
        {
            {15, R::datum, "satura di (NaCl) è NUM F a NUM@uo@C", "sFt"},
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
            {27, R::datum, "a NUM@uo@C della soluzione.* " + solvent + "solvente puro .* pari a NUM (torr)", "txsvu"},
            {29, R::equation, equation, "e"},
            {30, R::equation, equation, "e"},
            {32, R::equation, equation, "e"},
            {33, R::equation, equation, "e"},
            {34, R::equation, equation, "e"},
        },
        {{22, model},
         {23, model},
         {24, model},
         {25, model},
         {26, model},
         {28, model},
         {31, "a half-equation: no second couple"}},
        37, "concentrations of salts in water: no species out of its medium"));
    tables.push_back(chapter(
        6,
        {
            {5, R::datum, "@iC@@dp@ d(?:el |ello |ell'|ella )(.+?), che fonde a pressione atmosferica a NUM@uo@C",
             "sM"},
            {10, R::equation, "combustione d\\S+ [^(]*\\(([^)]+)\\) (liquido|gassoso|solido) a NUM@uo@C", "ezt"},
            {12, R::equation, "A NUM@uo@C e NUM atm, l'entalpia della reazione " + equation + " è", "tPe"},
            {12, R::equation, "per la reazione " + equation + " a NUM@uo@C", "et"},
            {13, R::equation, "a NUM atm e NUM@uo@C .*stesse condizioni per la reazione " + equation, "Pte"},
            {14, R::equation, "a NUM K nella reazione " + equation, "Te"},
            {15, R::equation, "reazione a NUM@uo@C .*equazione " + equation, "te"},
            {24, R::equation, "e NUM@uo@C .*reazione " + equation, "te"},
            {25, R::equation, "a NUM@uo@C e " + pressure + " per la reazione " + equation, "tPue"},
            {28, R::equation, "a NUM@uo@C per la reazione " + equation, "te"},
            {29, R::equation, "reazione " + equation + " a NUM@uo@C", "et"},
            {26, R::equation, "a NUM K per la reazione " + equation, "Te"},
            {27, R::equation, "la reazione " + equation, "e"},
            {30, R::species, "satura di (\\S+) è", "s"},
            {36, R::equation, "fase gas " + equation + " è pari a .* a NUM K", "eT"},
            {38, R::equation, "fase gas " + equation + " .* a NUM K", "eT"},
        },
        {{4, permanent},
         {6, metals},
         {7, model},
         {8, model},
         {9, model},
         {11, "an organic solid known by its formula alone: no handbook entry"},
         {20, metals},
         {21, metals},
         {22, permanent},
         {23, permanent}},
        38, "energies, counts and rates: no substance at conditions"));

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
            {9, R::gas,
             "contenenti" + at + " rispettivamente (\\S+) alla pressione di NUM atm e (\\S+) alla pressione di NUM atm",
             "tsPsP"},
            {9, R::equation, "reazione " + equation + " a que", "e"},
            {12, R::equation, "reazione " + equation + "\\.", "e"},
            {13, R::equation, "reazione " + equation + " contiene", "e"},
            {15, R::species, "reazione (\\S+) = ", "s"},
            {39, R::species, "solubilità di (\\S+) .*in una (soluzione .+)$", "sc"},
            {41, R::species, "solubilità di (\\S+) .*in una (soluzione .+)$", "sc"},
            {42, R::species, "solubilità di (\\S+) .*in una (soluzione .+)$", "sc"},
        },
        {{2, model},
         {3, model},
         {5, symbols},
         {10, symbols},
         {11, symbols},
         {14, symbols},
         {40, "a Ksp at 25 °C and a mixing: the free ion follows from the Ksp whatever complexes form"},
         {43, "a carbonate in pure water with its anion's hydrolysis: each species the one water holds"}},
        43, "acids, bases and buffers at 25 °C: each species the one its medium holds"));
    tables.push_back(
        chapter(8,
                {{4, R::gas, "NUM L di (\\S+) misurati a NUM@uo@C e (pressione atmosferica)", "Vstk"},
                 {13, R::species, "soluzione satura di (\\S+) è", "s"}},
                {{2, "resistivities at room temperature: the handbook's within the degrees that spans"}, {14, symbols}},
                14, "cells and electrolyses of true couples"));
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
            {29, R::equation, at + ", ove .*reazione " + equation + " vale", "te"},
            {31, R::species, "M in (\\S+) senza", "s"},
            {32, R::gas, "NUM L di (\\S+) misurati" + at + " e " + pressure, "VstPu"},
            {37, R::equation, "reazione bimolecolare " + equation + " sono", "e"},
            {38, R::gas, "NUM mL di (\\S+) gassosa, misurati" + at + " e (pressione atmosferica)", "xstk"},
            {41, R::gas, "NUM L di (\\S+) misurati" + at + " e " + pressure, "VstPu"},
            {43, R::datum,
             "tensioni di vapore" + at + " dell'(\\S+) e del(?:l'|lo | )(\\S+), .* pari a NUM e NUM (torr)", "tssvvu"},
        },
        {{2, "air and its carbon dioxide at 0 °C and 1 atm: permanent gases"},
         {10, "water's pressure kept at most at saturation by the page's own model; O2 and CO2 permanent there"},
         {44, model},
         {12, model}},
        48, "analyses, titrations and mixtures: no substance out of its state or medium"));
    for (ChapterStatements& table : tables)
        if (table.chapter == number) return std::move(table);
    ADD_FAILURE() << "no conditions table for chapter " << number;
    return {number, {}, {}};
}

}  // namespace conditions
