#include <string>

#include "support/layout_check.h"

namespace testing_support {

// A justified line may widen its gaps by a letter or two; words farther
// apart read as parted, "Per      una      reazione".
std::vector<std::string> stretched_line(const std::vector<LineWord>& upper)
{
    constexpr std::int32_t letters = 3;
    std::vector<std::string> found;
    for (std::size_t k = 0; k + 1 < upper.size(); ++k) {
        const LineWord& word = upper[k];
        const std::int32_t gap = upper[k + 1].x1 - word.x2 - 1;
        if (gap > word.blank + letters * word.letter)
            found.push_back("riga stirata: " + std::to_string(gap) + " pixel tra \"" + word.text + "\" e \"" +
                            upper[k + 1].text + "\"");
    }
    return found;
}

}  // namespace testing_support
