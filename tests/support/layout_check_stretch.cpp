#include <algorithm>
#include <cstdlib>
#include <string>

#include "support/layout_check.h"

namespace testing_support {

// A justified line may widen its gaps by a letter or two; words farther
// apart read as parted, "Per      una      reazione". Justifying widens
// every blank alike: a line whose wide gaps differ, or that keeps a plain
// blank, is a table's row or set at tab stops.
std::vector<std::string> stretched_line(const std::vector<LineWord>& upper)
{
    constexpr std::int32_t letters = 3;
    std::vector<std::int32_t> wide;
    for (std::size_t k = 0; k + 1 < upper.size(); ++k) {
        const std::int32_t gap = upper[k + 1].x1 - upper[k].x2 - 1;
        if (std::abs(gap - upper[k].blank) <= 1) return {};
        if (gap > upper[k].blank + letters * upper[k].letter) wide.push_back(gap);
    }
    if (wide.size() < 2) return {};
    const auto [narrowest, widest] = std::minmax_element(wide.begin(), wide.end());
    if (*widest - *narrowest > 1) return {};
    return {"riga stirata: " + std::to_string(*narrowest) + " pixel tra le parole di \"" + upper.front().text +
            " ... " + upper.back().text + "\""};
}

}  // namespace testing_support
