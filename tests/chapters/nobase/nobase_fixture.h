// Chapter 1 on the recording backend: a problem generated as the page does
// (the stream seeded with the version, then request 1), its answer drawn
// with request 2, and the numbers of its texts read back as a student
// reads them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"

namespace nobase_test {

using testing_support::match;
using testing_support::Shown;
using testing_support::shown;
using testing_support::within_last_digit;
using testing_support::within_rounding;

class ChapterOne : public testing_support::ChapterTest {
protected:
    ChapterOne();

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version), on a fresh log.
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 12345);
    // Request 2 of the problem last generated.
    void answer();

    // Runs check for versions 1 to count, stopping at the first failure.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (std::int32_t v = 1; v <= count; ++v) {
            generate(k, v);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(v) + ": " + statement() +
                         " => " + answer_text());
            check(v);
            if (HasFailure()) return;
        }
    }
};

}  // namespace nobase_test
