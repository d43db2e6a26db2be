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
const char* const model = "a model the page names, or symbols in place of substances";
const char* const unread = "states conditions not read yet: to be given rows";

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

TEST(ConditionsTable, FirstChapters)
{
    check_chapter(chapter(1, {}, {{26, permanent}, {29, permanent}, {39, permanent}}, 43, arithmetic));
    check_chapter(chapter(2, {}, {}, 40, naming));
    check_chapter(chapter(3, {}, {}, 33, masses));
}

TEST(ConditionsTable, StatesOfMatter)
{
    check_chapter(chapter(
        4,
        {
            {8, R::gas, "da NUM L contenente NUM g di (.+?) a NUM K", "VmsT"},
            {9, R::gas, "da NUM g di (.+?) a NUM K e " + pressure, "msTPu"},
            {10, R::gas,
             "massa di (.+?) presente in un recipiente da NUM L in cui la pressione è pari a " + pressure + " a NUM K",
             "sVPuT"},
            {12, R::gas, "densità d(?:el |ello |ell')(.+?) a " + pressure + " e NUM K", "sPuT"},
            {18, R::gas, "pressione parziale d(?:el |ello |ell'|ella )(.+?) e la pressione totale.* a NUM@uo@C$",
             "st|Pu", "^" + pressure},
            {20, R::gas, "contiene (\\S+) e (\\S+) a NUM K e alle pressioni parziali di NUM atm e NUM atm", "ssTPP"},
            {20, R::gas, "temperatura finale è NUM K", "T|sP", "; ((?!totale)[^:;]+): NUM atm"},
            {31, R::structure, crystallises, "sw"},
            {32, R::structure, crystallises, "sw"},
            {33, R::structure, crystallises, "sw"},
        },
        {{1, model},   {2, permanent},  {3, model},   {4, model},   {5, model},      {6, model},
         {7, unread},  {11, unread},    {13, model},  {14, model},  {15, unread},    {16, unread},
         {17, unread}, {19, model},     {21, unread}, {22, model},  {23, permanent}, {24, permanent},
         {25, unread}, {26, permanent}, {27, unread}, {28, unread}, {35, model},     {36, unread},
         {37, model},  {38, model},     {39, model},  {40, model},  {41, model}},
        41, naming));
}

TEST(ConditionsTable, SolutionsAndThermodynamics)
{
    const std::string solvent = "in NUM g di (.+?) \\(.*";
    check_chapter(chapter(
        5,
        {
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
        {{15, unread},
         {16, unread},
         {22, model},
         {23, model},
         {24, model},
         {25, model},
         {26, model},
         {28, model},
         {31, "a half-equation: no second couple"}},
        37, "concentrations of salts in water: no species out of its medium"));
    check_chapter(chapter(6,
                          {
                              {15, R::equation, "reazione a NUM@uo@C .*equazione " + equation, "te"},
                              {24, R::equation, "e NUM@uo@C .*reazione " + equation, "te"},
                              {25, R::equation, "a NUM@uo@C e " + pressure + " per la reazione " + equation, "tPue"},
                              {28, R::equation, "a NUM@uo@C per la reazione " + equation, "te"},
                              {29, R::equation, "reazione " + equation + " a NUM@uo@C", "et"},
                              {30, R::species, "satura di (\\S+) è", "s"},
                          },
                          {{4, permanent},
                           {5, unread},
                           {6, unread},
                           {7, model},
                           {8, model},
                           {9, model},
                           {10, unread},
                           {11, unread},
                           {12, unread},
                           {13, unread},
                           {14, unread},
                           {20, unread},
                           {21, unread},
                           {22, permanent},
                           {23, permanent},
                           {26, unread},
                           {27, unread},
                           {36, unread},
                           {38, unread}},
                          38, "energies, counts and rates: no substance at conditions"));
}

TEST(ConditionsTable, EquilibriaAndBeyond)
{
    const std::string at = " a NUM@uo@C";
    check_chapter(chapter(
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
        {{2, model}, {3, model}, {5, unread}, {10, unread}, {11, unread}, {14, unread}, {40, unread}, {43, unread}}, 43,
        "acids, bases and buffers at 25 °C: each species the one its medium holds"));
    check_chapter(chapter(8, {{13, R::species, "soluzione satura di (\\S+) è", "s"}}, {{4, unread}, {14, unread}}, 14,
                          "cells and electrolyses of true couples"));
    check_chapter(chapter(
        9,
        {
            {22, R::datum, "per (\\S+) e (\\S+)" + at + " sono pari a NUM e NUM kJ/mol", "sstHH"},
            {22, R::datum,
             at + ".*entropie standard di (\\S+), di (\\S+) e della (\\S+) alla stessa temperatura "
                  "sono pari a NUM, NUM e NUM",
             "tsssSSS"},
            {29, R::equation, at + ", ove .*reazione " + equation + " vale", "te"},
            {31, R::species, "M in (\\S+) senza", "s"},
            {43, R::datum,
             "tensioni di vapore" + at + " dell'(\\S+) e del(?:l'|lo | )(\\S+), .* pari a NUM e NUM (torr)", "tssvvu"},
        },
        {{2, unread},
         {4, unread},
         {6, unread},
         {10, unread},
         {14, unread},
         {17, unread},
         {19, unread},
         {20, unread},
         {25, unread},
         {28, unread},
         {32, unread},
         {37, unread},
         {38, unread},
         {41, unread},
         {44, model},
         {12, model}},
        48, "analyses, titrations and mixtures: no substance out of its state or medium"));
}

}  // namespace conditions
