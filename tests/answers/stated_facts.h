// One value for each fact across the book: each substance's property a
// page states (normal boiling point, freezing point, ebullioscopic and
// cryoscopic constants, the vapour-pressure constant B, an element's
// density), read from the pages every chapter's sweep shows and compared
// over all the book's problems. Two values of one property part where
// they differ by more than half a unit of the coarser one's last digit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/page_sweep.h"

namespace stated_facts {

// A property a page states: the substance (its formula in the tests'
// handbook, else its name), the property, the value as printed in its
// unit, and where.
struct Stated {
    std::string substance, property, text;
    std::int32_t chapter = 0, problem = 0, version = 0;
};

// The properties one page states.
std::vector<Stated> stated_on(const testing_support::ShownPage& page);

// Each substance's property stated with two values beyond their digits:
// one line per pair of parting values, with their pages.
std::vector<std::string> disagreements(const std::vector<Stated>& stated);

// A judge of a chapter's sweep over every problem that keeps what its
// pages state, and on its end writes it where the book's check reads it.
std::unique_ptr<testing_support::Judge> collector(std::int32_t chapter, const testing_support::Sweep& sweep);

}  // namespace stated_facts
