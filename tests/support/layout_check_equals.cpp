#include <string>

#include "support/layout_check.h"

namespace testing_support {

// "x =" at a line's end reads as finished; its value belongs on the line.
std::vector<std::string> equals_at_line_end(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower)
{
    if (upper.empty() || lower.empty() || !upper.back().text.ends_with('=')) return {};
    return {"\"" + upper.back().text + "\" a fine riga, il suo valore \"" + lower.front().text + "\" sotto"};
}

}  // namespace testing_support
