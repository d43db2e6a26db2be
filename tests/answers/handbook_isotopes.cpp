#include "handbook_isotopes.h"

#include <string>
#include <string_view>

#include "chapters/elements_compounds/isotope_pairs.h"

namespace table_checks {

namespace {

// An element of two natural isotopes: their mass numbers and masses (u,
// AME2020: Wang, Huang, Kondev, Audi and Naimi, 2021; tantalum 180's the
// ground state's, its natural isomer 0.00008 u heavier), and the range of
// its standard atomic weight (CIAAW, 2013-2021: the interval, or the value
// with its uncertainty). Potassium 40, 0.0117 % of potassium, weighs
// 39.963998 u.
struct TwoIsotopes {
    const char* symbol;
    const char *first, *second;
    double first_mass, second_mass, lowest_weight, highest_weight, third_share = 0.0, third_mass = 0.0;
};
constexpr TwoIsotopes isotope_elements[] = {
    {"H", "1", "2", 1.00782503, 2.01410178, 1.00784, 1.00811},
    {"Li", "6", "7", 6.01512289, 7.01600343, 6.938, 6.997},
    {"B", "10", "11", 10.01293686, 11.00930517, 10.806, 10.821},
    {"C", "12", "13", 12.0, 13.00335484, 12.0096, 12.0116},
    {"N", "14", "15", 14.00307400, 15.00010890, 14.00643, 14.00728},
    {"Cl", "35", "37", 34.96885269, 36.96590258, 35.446, 35.457},
    {"K", "39", "41", 38.96370649, 40.96182526, 39.0982, 39.0984, 0.000117, 39.96399817},
    {"V", "50", "51", 49.94715601, 50.94395704, 50.9414, 50.9416},
    {"Cu", "63", "65", 62.92959772, 64.92778970, 63.543, 63.549},
    {"Ga", "69", "71", 68.9255735, 70.92470258, 69.722, 69.724},
    {"Br", "79", "81", 78.9183376, 80.9162897, 79.901, 79.907},
    {"Rb", "85", "87", 84.91178974, 86.90918053, 85.4675, 85.4681},
    {"Ag", "107", "109", 106.9050916, 108.9047553, 107.8680, 107.8684},
    {"In", "113", "115", 112.9040618, 114.9038788, 114.817, 114.819},
    {"Sb", "121", "123", 120.9038120, 122.9042132, 121.759, 121.761},
    {"La", "138", "139", 137.9071149, 138.9063563, 138.90540, 138.90554},
    {"Eu", "151", "153", 150.9198578, 152.9212380, 151.963, 151.965},
    {"Ta", "180", "181", 179.9474648, 180.9479958, 180.94786, 180.94790},
    {"Re", "185", "187", 184.9529545, 186.9557501, 186.206, 186.208},
    {"Ir", "191", "193", 190.9605893, 192.9629216, 192.214, 192.220},
};

std::string isotope_key(std::string_view symbol, std::string_view mass_number)
{
    return std::string(symbol) + " " + std::string(mass_number);
}

Rows isotope_rows(std::string_view elements_compounds::NaturalIsotope::*field)
{
    Rows rows;
    for (const elements_compounds::IsotopePair& pair : elements_compounds::isotope_pairs)
        for (const elements_compounds::NaturalIsotope* i : {&pair.first, &pair.second})
            rows.emplace_back(isotope_key(pair.symbol, i->mass_number), std::string(i->*field));
    return rows;
}

}  // namespace

// Two isotopes' shares follow from the atomic weight: the range of the
// standard atomic weight is the range of natural variation, within which
// IUPAC's representative compositions lie. A third isotope's share (40K)
// goes to either of the pair, whose abundances the page makes add up to
// 100. No spread besides.
Column isotope_abundance_column()
{
    Column column{"isotope table", "abundance", 0.0, Spread::absolute, {}};
    for (const TwoIsotopes& e : isotope_elements) {
        const double gap = e.second_mass - e.first_mass, third = e.third_share * (e.third_mass - e.first_mass);
        const double second_low = (e.lowest_weight - e.first_mass - third) / gap;
        const double second_high = (e.highest_weight - e.first_mass - third) / gap;
        const double first_low = 1.0 - e.third_share - second_high, first_high = 1.0 - e.third_share - second_low;
        column.rows.push_back(
            {isotope_key(e.symbol, e.first), 100.0 * first_low, 100.0 * (first_high + e.third_share)});
        column.rows.push_back(
            {isotope_key(e.symbol, e.second), 100.0 * second_low, 100.0 * (second_high + e.third_share)});
    }
    return column;
}

Column isotope_mass_column()
{
    Column column{"isotope table", "mass", 0.0, Spread::absolute, {}};
    for (const TwoIsotopes& e : isotope_elements) {
        column.rows.push_back({isotope_key(e.symbol, e.first), e.first_mass});
        column.rows.push_back({isotope_key(e.symbol, e.second), e.second_mass});
    }
    return column;
}

Rows isotope_abundance_rows()
{
    return isotope_rows(&elements_compounds::NaturalIsotope::abundance);
}

Rows isotope_mass_rows()
{
    return isotope_rows(&elements_compounds::NaturalIsotope::mass);
}

}  // namespace table_checks
