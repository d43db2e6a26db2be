// What no page may show a reader, whatever its problem: a number gone wrong
// and wording a reader trips on; judged on every page the sweeps show.
#pragma once

#include <string>
#include <vector>

#include "support/page_sweep.h"

namespace testing_support {

// A number that went wrong: NaN or infinity as a C or Fortran write shows
// them, or a field of asterisks.
bool shows_broken_number(const std::string& text);

// What a reader trips on in a statement or an answer, named; "" when it
// reads cleanly: blanks doubled or leading, a number glued to its unit
// (the symbols that can also be elements, as K and F, are left out, and a
// lone digit before "g" is an orbital), "=" with a blank on one side only,
// "•" beside a blank; and in the text as read, where a blank can hide in a
// markup group, blanks doubled or before a punctuation mark, "%" or "°".
std::string wording_fault(const std::string& text);

// A rule every page is held to: the fault it finds on a page, "" where the
// page holds.
struct PageRule {
    const char* judgment;
    std::string (*fault)(const ShownPage& page);
};
const std::vector<PageRule>& page_rules();

// The page rules as a sweep's judge, each failing page tallied by rule.
class PageRules : public Judge {
public:
    void judge(std::int32_t problem, std::int32_t version, const ShownPage& page, Tally& tally) override;
};

}  // namespace testing_support
