// Chapter 2 on the recording backend: a problem generated as the page does
// (the stream seeded with the version, then the generate request), its answer drawn
// with the answer request, and the chapter's element and compound names looked up
// as a student would look them up.
#pragma once

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace elements_compounds_test {

using testing_support::element_named;
using testing_support::match;
using testing_support::symbol_named;
using testing_support::symbol_of;

// Sweeps visit spread versions; the log is fresh for each answer and holds
// the problem's page before it.
class ChapterTwo : public testing_support::ChapterTest {
protected:
    ChapterTwo();
};

}  // namespace elements_compounds_test
