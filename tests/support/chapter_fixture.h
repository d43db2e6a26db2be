// A chapter on the recording backend, run as the page runs it: the stream
// seeded with the version, then the generate request for the problem and the
// answer request for its answer, and sweeps of a problem over many versions.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "frame/generator_protocol.h"
#include "support/drawing_fixture.h"

namespace testing_support {

// Which requests start on a fresh log of drawing calls (a test that reads
// the log after a request without one sees the earlier pages too).
enum class FreshLog { for_problem, for_answer, for_both };

// A spread of versions: the n-th is (square n² + linear n) mod modulus + 1,
// so that neighbouring n, whose seeds would give neighbouring draws, land
// far apart over the whole range.
struct VersionSpread {
    std::int64_t square = 7919;
    std::int64_t linear = 31;
    std::int64_t modulus = 9999999;
};

// The versions a sweep of `count` visits, in order.
using SweepVersions = std::vector<std::int32_t> (*)(std::int32_t count);
// Versions 1 to count.
std::vector<std::int32_t> counting_versions(std::int32_t count);
// The first `count` of a spread (the default one unless named).
std::vector<std::int32_t> spread_versions(std::int32_t count, const VersionSpread& spread = {});

// The answer table works every numeric answer again from its page, with its
// digits, over its own sweep: a chapter's sweep of the same answers is a
// second reading of them, and more versions find nothing the table does not.
inline constexpr std::int32_t second_reading = 100;
// "Versione Testo", then the first `count` of a spread.
std::vector<std::int32_t> text_and_spread_versions(std::int32_t count, const VersionSpread& spread = {});

// A side-panel entry as the chapter's registration writes it.
struct RegisteredSection {
    const char* title;
    std::int32_t first_problem, top, bottom;
};

// What problem k answers under a version, and what it answered when it
// went wrong (shown on a failure).
struct VersionAnswer {
    std::int32_t problem, version;
    const char* answer;
    const char* was;
};

struct ChapterSetup {
    std::int32_t chapter = 0;
    void (*run_chapter)(GeneratorMode request) = nullptr;
    FreshLog fresh_log = FreshLog::for_both;
    // The seed of "Nessuna Versione" (version 0) where a test names none.
    std::int32_t seed_for_no_version = 12345;
    SweepVersions sweep_versions = [](std::int32_t count) { return spread_versions(count); };
};

class ChapterTest : public DrawingTest {
public:
    // The n-th version of a spread (the default one unless named).
    static std::int32_t spread_version(std::int32_t n, const VersionSpread& spread = {});

protected:
    explicit ChapterTest(const ChapterSetup& setup) : setup_(setup) {}

    void SetUp() override;

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version).
    void generate(std::int32_t k, std::int32_t version);
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version);
    // Request 2 of the selected problem.
    void answer();

    const std::string& statement() const;
    const std::string& answer_text() const;

    // The registration wrote these sections, blanked the entries after
    // them, and counted one problem per level, of these levels.
    void expect_registration(std::span<const RegisteredSection> sections, std::span<const std::int32_t> levels);
    // Problem k under the version poses a statement and an answer within
    // the page's lengths, shows no broken number (as `broken` judges the
    // statement and the answer), leaves every value slot finite, draws the
    // same answer text on the answer request and poses the same problem again.
    using BrokenNumbers = bool (*)(const std::string& text, bool statement);
    void expect_sound_problem(std::int32_t k, std::int32_t version, BrokenNumbers broken);
    // Each problem under its version gives exactly its answer text.
    void expect_answers(std::span<const VersionAnswer> cases);
    // The program runs this chapter for its chapter number.
    void expect_registered_generator();
    // Each problem outside the chapter draws nothing, on its page or its
    // answer, and leaves the statement alone; its request stores the
    // chapter's count of problems.
    void expect_nothing_drawn_outside(std::initializer_list<std::int32_t> problems);

    // Runs check on problem k for each version of the chapter's sweep of
    // `count`, stopping at the first failure. The check takes the version,
    // or the statement and the answer, or nothing.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (const std::int32_t version : setup_.sweep_versions(count)) {
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " + statement() +
                         " => " + answer_text());
            if constexpr (std::is_invocable_v<Check&, std::int32_t>)
                check(version);
            else if constexpr (std::is_invocable_v<Check&, const std::string&, const std::string&>)
                check(statement(), answer_text());
            else
                check();
            if (HasFailure()) return;
        }
    }

private:
    ChapterSetup setup_;
};

}  // namespace testing_support
