// The laws an isotope pair keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chapters/elements_compounds/isotope_pairs.h"
#include "chemistry/table_rows.h"
#include "handbook_isotopes.h"
#include "support/table_lookups.h"

namespace table_checks {
namespace {

// A pair's abundances add up to 100, as the page takes them, and its mean
// mass lies within 0.05 % of the element table's atomic weight: the table
// holds the weights of 1961, and lithium's composition sits 0.04 % above
// its weight; a swapped pair or a mass wrong by a unit moves the mean
// further.
std::string pair_law_fault(const elements_compounds::IsotopePair& pair)
{
    using testing_support::written_figure;
    const double first = written_figure(pair.first.abundance).value;
    const double second = written_figure(pair.second.abundance).value;
    const std::string symbol(pair.symbol);
    if (std::abs(first + second - 100.0) > 1e-9) return symbol + ": abundances add up to " + text_of(first + second);
    const double mean =
        (first * written_figure(pair.first.mass).value + second * written_figure(pair.second.mass).value) / 100.0;
    const auto row = std::ranges::find(element_rows(), pair.symbol, &ElementRow::symbol);
    const testing_support::WrittenFigure weight = written_figure(row->atomic_mass);
    if (std::abs(mean - weight.value) <= 5e-4 * weight.value + 0.5 * weight.unit) return "";
    return symbol + ": mean mass " + text_of(mean) + " u, element table " + std::string(row->atomic_mass);
}

TEST(IsotopeChecks, ThePairLawCatchesAPairShortOf100OrSwapped)
{
    // Potassium's pair short of 100 by potassium 40's share, and a pair
    // swapped.
    EXPECT_EQ(pair_law_fault({"K", {"39", "93.1", "38.96371"}, {"41", "6.88", "40.9618"}}),
              "K: abundances add up to 99.98");
    EXPECT_EQ(pair_law_fault({"Re", {"185", "62.60", "184.9530"}, {"187", "37.40", "186.9558"}}),
              "Re: mean mass 185.702 u, element table 186.2");
}

}  // namespace

Judgement isotope_pair_judgement()
{
    return by_law("abundances add up to 100, the mean mass near the atomic weight", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        for (const elements_compounds::IsotopePair& pair : elements_compounds::isotope_pairs)
            if (std::string f = pair_law_fault(pair); ++judged, !f.empty()) faults.push_back(std::move(f));
        return faults;
    });
}

}  // namespace table_checks
