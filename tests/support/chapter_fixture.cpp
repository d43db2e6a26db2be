#include "support/chapter_fixture.h"

#include <cmath>

#include "chapters/chapter_registry.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "text/page_regions.h"

namespace testing_support {

std::vector<std::int32_t> counting_versions(std::int32_t count)
{
    std::vector<std::int32_t> versions;
    for (std::int32_t n = 1; n <= count; ++n) versions.push_back(n);
    return versions;
}

std::vector<std::int32_t> spread_versions(std::int32_t count, const VersionSpread& spread)
{
    std::vector<std::int32_t> versions;
    for (std::int32_t n = 1; n <= count; ++n) versions.push_back(ChapterTest::spread_version(n, spread));
    return versions;
}

std::vector<std::int32_t> text_and_spread_versions(std::int32_t count, const VersionSpread& spread)
{
    std::vector<std::int32_t> versions = spread_versions(count, spread);
    versions.insert(versions.begin(), text_version);
    return versions;
}

void ChapterTest::SetUp()
{
    DrawingTest::SetUp();
    if (HasFatalFailure()) return;
    app_state.current_chapter = setup_.chapter;
    setup_.run_chapter(GeneratorMode::register_chapter);
}

void ChapterTest::generate(std::int32_t k, std::int32_t version)
{
    generate(k, version, setup_.seed_for_no_version);
}

void ChapterTest::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    if (setup_.fresh_log != FreshLog::for_answer) backend.clear_log();
    app_state.selected_problem = k;
    app_state.version_number = version;
    set_random_seed(version == no_version ? seed_for_no_version : version);
    problem_texts.problem_printable = true;
    clear_page_regions();  // a new page, as the problem page starts one
    setup_.run_chapter(GeneratorMode::generate);
}

void ChapterTest::answer()
{
    if (setup_.fresh_log != FreshLog::for_problem) backend.clear_log();
    problem_texts.problem_printable = true;
    setup_.run_chapter(GeneratorMode::answer);
}

std::int32_t ChapterTest::spread_version(std::int32_t n, const VersionSpread& spread)
{
    const std::int64_t m = n;
    return static_cast<std::int32_t>((m * m * spread.square + m * spread.linear) % spread.modulus) + 1;
}

const std::string& ChapterTest::statement() const
{
    return problem_texts.problem_text;
}

const std::string& ChapterTest::answer_text() const
{
    return problem_texts.answer_text;
}

void ChapterTest::expect_registration(std::span<const RegisteredSection> sections, std::span<const std::int32_t> levels)
{
    const auto count = static_cast<std::int32_t>(sections.size());
    ASSERT_EQ(chapter_index.section_count, count);
    // The entries after the sections are the main screen's commands. An
    // unused section keeps the first problem an earlier chapter gave it.
    for (std::int32_t e = 1; e <= max_sections; ++e) {
        const SidePanelEntry& entry = chapter_index.side_panel[e];
        const RegisteredSection expected = e <= count ? sections[e - 1] : RegisteredSection{"", 0, 0, 0};
        EXPECT_EQ(entry.title, expected.title) << "entry " << e;
        if (e <= count) {
            EXPECT_EQ(entry.first_problem, expected.first_problem) << "entry " << e;
        }
        EXPECT_EQ(entry.top, expected.top) << "entry " << e;
        EXPECT_EQ(entry.bottom, expected.bottom) << "entry " << e;
    }
    EXPECT_EQ(app_state.problem_count, static_cast<std::int32_t>(levels.size()));
    for (std::size_t k = 1; k <= levels.size(); ++k) EXPECT_EQ(chapter_index.problem_level[k], levels[k - 1]) << k;
}

void ChapterTest::expect_sound_problem(std::int32_t k, std::int32_t version, BrokenNumbers broken)
{
    generate(k, version);
    SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version));
    const std::string statement_shown = statement();
    const std::string answer_shown = answer_text();
    EXPECT_FALSE(statement_shown.empty());
    EXPECT_FALSE(answer_shown.empty());
    EXPECT_LE(statement_shown.size(), 1000u);
    EXPECT_LE(answer_shown.size(), 500u);
    EXPECT_FALSE(broken(statement_shown, true)) << statement_shown;
    EXPECT_FALSE(broken(answer_shown, false)) << answer_shown;
    for (std::int32_t slot = 1; slot < 20; ++slot)
        EXPECT_TRUE(std::isfinite(value_slots[slot].value) && std::isfinite(value_slots[slot].uncertainty))
            << "slot " << slot;
    answer();
    EXPECT_EQ(answer_text(), answer_shown);
    generate(k, version);
    EXPECT_EQ(statement(), statement_shown);
    EXPECT_EQ(answer_text(), answer_shown);
}

void ChapterTest::expect_answers(std::span<const VersionAnswer> cases)
{
    for (const VersionAnswer& c : cases) {
        generate(c.problem, c.version);
        EXPECT_EQ(answer_text(), c.answer) << "problem " << c.problem << " version " << c.version << ", was " << c.was;
    }
}

void ChapterTest::expect_registered_generator()
{
    register_chapter_generators();
    EXPECT_TRUE(chapter_available(setup_.chapter));
    EXPECT_EQ(chapter_generators.by_chapter[setup_.chapter], setup_.run_chapter);
}

void ChapterTest::expect_nothing_drawn_outside(std::initializer_list<std::int32_t> problems)
{
    const std::int32_t count = app_state.problem_count;
    for (const std::int32_t k : problems) {
        app_state.problem_count = 3;
        backend.clear_log();
        problem_texts.problem_text = "prima";
        generate(k, 5);
        EXPECT_EQ(app_state.problem_count, count) << k;
        EXPECT_EQ(statement(), "prima") << k;
        EXPECT_TRUE(backend.log().empty()) << k << ": " << backend.log_text();
        answer();
        EXPECT_TRUE(backend.log().empty()) << k << ": " << backend.log_text();
    }
}

}  // namespace testing_support
