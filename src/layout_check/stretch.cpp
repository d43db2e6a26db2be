#include <algorithm>
#include <string>

#include "layout_check/item_checks.h"

namespace layout_check {

// Justifying widens the gaps between a line's pieces alike and leaves a
// plain blank inside a piece that cannot break ("[K@da@ = 1.8•10@u-5@]"):
// the wide gaps of a justified line, two or more, are within a pixel of each
// other (a line set at tab stops has gaps of any widths). A student reads
// words more than four blanks apart, "Per      una      reazione", as
// parted, where ragged lines keep one blank between words.
std::vector<Fault> stretched_line(const std::vector<LineWord>& upper)
{
    std::vector<std::int32_t> wide;
    for (std::size_t k = 0; k + 1 < upper.size(); ++k) {
        const std::int32_t gap = upper[k + 1].x1 - upper[k].x2 - 1;
        if (gap > upper[k].blank + 1) wide.push_back(gap);
    }
    if (wide.size() < 2) return {};
    const auto [narrowest, widest] = std::minmax_element(wide.begin(), wide.end());
    const std::int32_t loose = 4 * upper.front().blank;
    if (*widest - *narrowest > 1 || *widest <= loose) return {};
    return {{FaultKind::stretched_line,
             covering(upper.front(), upper.back()),
             {},
             {upper.front().text, upper.back().text},
             *widest,
             upper.front().blank}};
}

}  // namespace layout_check
