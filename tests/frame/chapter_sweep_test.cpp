// Every problem of every chapter at the versions the tables' sweeps leave
// out: "Nessuna Versione", the last version and a version shown twice. It
// ends, its pages hold to the rules every page is held to (the tables'
// sweeps hold every page they show to them), and a version always gives the
// same texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "support/page_faults.h"
#include "support/page_sweep.h"

namespace {

TEST(WordingFaults, AreRecognisedInMarkup)
{
    const struct {
        const char* text;
        bool fault;
    } cases[] = {
        {"2.2806•10@u-22@g; 2.210•10@u9@", true},
        {"0.0331M", true},
        {"Quanto vale se @iV@ =21.8 L?", true},
        {"@bD@@iS@@dcompl@= 0.8 J/K", true},
        {"L/(mol• s)", true},
        {" Primo ordine", true},
        {"per la reazione  2NO", true},
        {"Sn@u4+@ + 2e = Sn@u2+ @ sapendo", true},
        {"La frequenza (@bn@ ) di una", true},
        {"@iy@ = 16.2@ix@@u2@ ; 0.0405", true},
        {"pari a 5.57 %", true},
        {"465 @uo@C", true},
        {"Sn@u4+@ + 2e = Sn@u2+@ sapendo", false},
        {"(@bn@) a 25@uo@C, il 5.57%; 0.0405", false},
        {"0.5 M e 3.2 g", false},
        {"un orbitale 5g?", false},
        {"2K + 2H@d2@O = 2KOH + H@d2@", false},
        {"@iy@=3.1@ix@-2", false},
        {"2.2806•10@u-22@ g", false},
        {"5.0@uo@C; 2 mL", false},
        {"2F@u-@ = F@d2@ + 2e@u-@", false},
    };
    for (const auto& c : cases) EXPECT_EQ(!testing_support::wording_fault(c.text).empty(), c.fault) << c.text;
}

TEST(BrokenNumbers, AreRecognisedInMarkup)
{
    using testing_support::shows_broken_number;
    EXPECT_TRUE(shows_broken_number("massa = NaN g"));
    EXPECT_TRUE(shows_broken_number("-Infinity"));
    EXPECT_TRUE(shows_broken_number("x = inf"));
    EXPECT_TRUE(shows_broken_number("p = ****** atm"));
    EXPECT_FALSE(shows_broken_number("Infine si calcoli la nanomole informata"));
    EXPECT_FALSE(shows_broken_number("4.308•10@u-3@ * 2"));
}

TEST(ChapterSweep, EveryProblemAtTheVersionsTheTablesLeaveOut)
{
    // Each but "Nessuna Versione" is shown twice, to see it repeat.
    const std::vector<std::int32_t> versions = {text_version, no_version, no_version, 10000000, 7919, 15838, 23757};
    std::int32_t chapters = 0;
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        testing_support::PageShow show(chapter);
        if (!chapter_available(chapter)) continue;
        ++chapters;
        ASSERT_GT(show.problem_count(), 0) << chapter;
        for (std::int32_t problem = 1; problem <= show.problem_count(); ++problem) {
            SCOPED_TRACE("capitolo " + std::to_string(chapter) + ", problema " + std::to_string(problem));
            const auto texts = [&](std::int32_t version) {
                const testing_support::ShownPage page = show.page(problem, version);
                for (const testing_support::PageRule& rule : testing_support::page_rules())
                    EXPECT_EQ(rule.fault(page), "") << rule.judgment << ", versione " << version;
                return page.statement + "\n" + page.answer;
            };
            for (const std::int32_t version : versions) {
                const std::string shown = texts(version);
                if (version != no_version) {
                    EXPECT_EQ(texts(version), shown) << "versione " << version;
                }
            }
        }
    }
    EXPECT_GE(chapters, 1);
}

}  // namespace
