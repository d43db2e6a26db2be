// Chapter 2 on the recording backend: a problem generated as the page does
// (the stream seeded with the version, then request 1), its answer drawn
// with request 2, and the chapter's element and compound names looked up
// as a student would look them up.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"

namespace elecomp_test {

// The atomic number of the element of that name (table columns 1-15), 0 if none.
std::int32_t element_named(std::string_view name);
// The symbol of element z (table columns 16-17), without its trailing blank.
std::string symbol_of(std::int32_t z);
// The symbol of the element of that name.
std::string symbol_named(std::string_view name);

// The groups of the first match of pattern in text; a failed match is a
// test failure and gives empty groups.
std::vector<std::string> match(const std::string& text, const std::string& pattern);

class ChapterTwo : public testing_support::ChapterTest {
protected:
    ChapterTwo();

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version).
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 12345);
    // Request 2 of the selected problem, after the log has been cleared.
    void answer();

    // Runs check for `count` spread versions, stopping at the first failure.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (std::int32_t n = 1; n <= count; ++n) {
            const std::int32_t version = spread_version(n);
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " +
                         statement() + " => " + answer_text());
            check(version);
            if (HasFailure()) return;
        }
    }

    // The distinct (statement, answer) pairs of problem k over `count` spread versions.
    std::set<std::pair<std::string, std::string>> distinct_texts(std::int32_t k, std::int32_t count);
};

}  // namespace elecomp_test
