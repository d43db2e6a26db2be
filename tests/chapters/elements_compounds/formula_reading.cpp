#include "formula_reading.h"

#include <cmath>
#include <map>

double oxidation_number(const ReadFormula& formula, const std::string& element)
{
    static const std::map<std::string, std::int32_t> usual = {{"H", 1},  {"Li", 1}, {"Na", 1}, {"K", 1},
                                                              {"Rb", 1}, {"Cs", 1}, {"Mg", 2}, {"Ca", 2},
                                                              {"Sr", 2}, {"Ba", 2}, {"O", -2}};
    double rest = formula.charge;
    for (const auto& [symbol, count] : formula.atoms)
        if (symbol != element) rest -= usual.count(symbol) ? usual.at(symbol) * count : 1000.0;
    const auto asked = formula.atoms.find(element);
    return asked == formula.atoms.end() ? std::nan("") : rest / asked->second;
}
