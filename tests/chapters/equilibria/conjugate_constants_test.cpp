// Each acid or base constant the pages show is one fact: wherever a page
// shows a species' constant, its conjugate's (Ka·Kb = Kw) or its pK, all
// agree within half a unit of their last digits, over chapters 7 and 9.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/page_sweep.h"
#include "support/shown_numbers.h"
#include "support/text_patterns.h"

namespace conjugate_constants_test {
namespace {

using testing_support::Shown;

constexpr double water_product = 1e-14;  // Kw at 25 °C

// The constant a page names, as the constant of one acid's step (or of
// ammonia as a base) that it is or whose conjugate it is.
struct Meaning {
    const char* shown;  // the species or salt as the page names it
    char kind;          // 'a' an acid constant shown, 'b' a base constant
    const char* acid;   // whose constant it is or is the conjugate of
    std::int32_t step;
    bool conjugate;
};
const Meaning meanings[] = {
    {"HClO@d2@", 'a', "HClO@d2@", 1, false},
    {"HF", 'a', "HF", 1, false},
    {"HCOOH", 'a', "HCOOH", 1, false},
    {"CH@d3@COOH", 'a', "CH@d3@COOH", 1, false},
    {"AcH/NaAc", 'a', "CH@d3@COOH", 1, false},
    {"HClO", 'a', "HClO", 1, false},
    {"HBrO", 'a', "HBrO", 1, false},
    {"HCN", 'a', "HCN", 1, false},
    {"H@d2@S", 'a', "H@d2@S", 1, false},
    {"HCO@d3@@u-@", 'a', "H@d2@CO@d3@", 2, false},
    {"NH@d3@", 'b', "NH@d3@", 1, false},
    {"NH@d4@Cl", 'a', "NH@d3@", 1, true},
    {"(NH@d4@)@d2@SO@d4@", 'a', "NH@d3@", 1, true},
    {"NH@d4@@u+@", 'a', "NH@d3@", 1, true},
    {"NH@d4@@u+@/NH@d3@", 'a', "NH@d3@", 1, true},
    {"CH@d3@COONa", 'b', "CH@d3@COOH", 1, true},
    {"KCN", 'b', "HCN", 1, true},
    {"CN@u-@", 'b', "HCN", 1, true},
    {"NaF", 'b', "HF", 1, true},
    {"NaClO", 'b', "HClO", 1, true},
    {"KClO@d2@", 'b', "HClO@d2@", 1, true},
    {"NaNO@d2@", 'b', "HNO@d2@", 1, true},
    {"NaHCO@d3@", 'b', "H@d2@CO@d3@", 1, true},
    {"HCO@d3@@u-@", 'b', "H@d2@CO@d3@", 1, true},
    {"CO@d3@@u2-@", 'b', "H@d2@CO@d3@", 2, true},
    {"NaHS", 'b', "H@d2@S", 1, true},
};

// The anions whose base constants a page lists, and their acids' steps.
struct Anion {
    const char* shown;
    const char* acid;
    std::int32_t steps;
};
const Anion anions[] = {
    {"SO@d3@@u2-@", "H@d2@SO@d3@", 2},
    {"S@u2-@", "H@d2@S", 2},
    {"CO@d3@@u2-@", "H@d2@CO@d3@", 2},
    {"PO@d4@@u3-@", "H@d3@PO@d4@", 3},
};

using Key = std::pair<std::string, std::int32_t>;

// One page's reading of a constant: the range of the key's constant it
// allows, and where it was read.
struct Reading {
    double low, high;
    std::string where;
};

class Readings {
public:
    // The constant shown (value within half a unit of its last digit),
    // of the key's or of its conjugate.
    void add(const Key& key, bool conjugate, double low, double high, const std::string& where)
    {
        if (conjugate) std::tie(low, high) = std::pair{water_product / high, water_product / low};
        by_key_[key].push_back({low, high, where});
    }
    void add(const Key& key, bool conjugate, const Shown& shown, const std::string& where)
    {
        add(key, conjugate, shown.value - shown.half_unit(), shown.value + shown.half_unit(), where);
    }
    // A shown name's constant, the name found in the table of meanings.
    void add_named(const std::string& name, char kind, double low, double high, const std::string& where)
    {
        const auto meaning =
            std::ranges::find_if(meanings, [&](const Meaning& m) { return m.shown == name && m.kind == kind; });
        if (meaning == std::end(meanings)) {
            ADD_FAILURE() << "no meaning for the K" << kind << " of " << name << ": " << where;
            return;
        }
        add({meaning->acid, meaning->step}, meaning->conjugate, low, high, where);
    }
    void add_named(const std::string& name, char kind, const Shown& shown, const std::string& where)
    {
        add_named(name, kind, shown.value - shown.half_unit(), shown.value + shown.half_unit(), where);
    }
    // Every key's readings share a value; the count of readings.
    std::int32_t expect_one_value_each() const
    {
        std::int32_t count = 0;
        for (const auto& [key, readings] : by_key_) {
            count += static_cast<std::int32_t>(readings.size());
            const auto low = std::ranges::max_element(readings, {}, &Reading::low);
            const auto high = std::ranges::min_element(readings, {}, &Reading::high);
            EXPECT_LE(low->low, high->high * (1.0 + 1e-9))
                << key.first << " step " << key.second << ": " << low->where << "\nagainst " << high->where;
        }
        return count;
    }
    std::size_t keys() const { return by_key_.size(); }

private:
    std::map<Key, std::vector<Reading>> by_key_;
};

const std::string num = testing_support::number_group;

// Every constant of a statement, in the forms pages write them.
void read_statement(const std::string& text, const std::string& where, Readings& readings)
{
    using testing_support::find_all;
    using testing_support::shown;
    // "HF [Ka = 6.3•10@u-4@]", "NaHCO@d3@ 0.0314 M [Kb = ...]"
    for (const auto& f : find_all(text, R"(([^ \[]+)(?: )" + num + R"( [MF])? \[@iK@@d([ab])@ = )" + num + R"(\])"))
        readings.add_named(f[1], f[3][0], shown(f[4]), where);
    // "Kb(CO@d3@@u2-@) = ...", and "pKa(CH@d3@COOH) = 4.76"
    for (const auto& f : find_all(text, R"((p?)@iK@@d([ab])@\(([^)]*)\) = )" + num)) {
        if (f[1].empty()) {
            readings.add_named(f[3], f[2][0], shown(f[4]), where);
            continue;
        }
        const Shown p = shown(f[4]);
        readings.add_named(f[3], f[2][0], std::pow(10.0, -p.value - p.half_unit()),
                           std::pow(10.0, -p.value + p.half_unit()), where);
    }
    // "I valori di Ka per H@d3@PO@d4@ sono pari a a, b e c"
    if (const auto f = testing_support::find_first(text, R"(I valori di @iK@@d([ab])@ per (\S+) sono pari a )" + num +
                                                             "(?:, " + num + ")? e " + num)) {
        std::vector<Shown> values = {shown((*f)[3])};
        if (f->matched(4)) values.push_back(shown((*f)[4]));
        values.push_back(shown((*f)[5]));
        const auto steps = static_cast<std::int32_t>(values.size());
        if ((*f)[1] == "a") {
            for (std::int32_t s = 1; s <= steps; ++s) readings.add({(*f)[2], s}, false, values[s - 1], where);
            return;
        }
        const auto anion = std::ranges::find_if(anions, [&](const Anion& a) { return a.shown == (*f)[2]; });
        ASSERT_NE(anion, std::end(anions)) << where;
        EXPECT_EQ(anion->steps, steps) << where;
        for (std::int32_t s = 1; s <= steps; ++s)
            readings.add({anion->acid, steps + 1 - s}, true, values[s - 1], where);
    }
}

struct Problems {
    std::int32_t chapter;
    std::vector<std::int32_t> problems;
};

TEST(ConjugateConstants, EachSpeciesShowsOneConstantAndItsConjugatesKwOverIt)
{
    const Problems shown_constants[] = {
        {7, {16, 18, 21, 22, 23, 25, 26, 27, 29, 30, 35, 36, 37, 43}},
        {9, {7, 23, 30, 38, 46}},
    };
    Readings readings;
    for (const Problems& chapter : shown_constants) {
        testing_support::PageShow show(chapter.chapter);
        for (const std::int32_t problem : chapter.problems)
            for (const std::int32_t version : testing_support::text_and_spread_versions(150)) {
                const testing_support::ShownPage page = show.page(problem, version);
                read_statement(page.statement,
                               std::to_string(chapter.chapter) + "." + std::to_string(problem) + " v" +
                                   std::to_string(version) + ": " + page.statement,
                               readings);
            }
    }
    EXPECT_GT(readings.expect_one_value_each(), 2000);
    // Every weak acid and base the tables hold, HNO2 through its salt.
    EXPECT_EQ(readings.keys(), 18u);
}

// The readings of a page that shows a conjugate pair two ways, and of
// pages that part by a slip of the last digit.
TEST(ConjugateConstants, TheReadingsPartWhereAPageSlips)
{
    Readings agree;
    read_statement("Calcolare il pH di una soluzione 0.0100 F di CH@d3@COOH [@iK@@da@ = 1.75•10@u-5@]", "a", agree);
    read_statement("0.0166 F di CH@d3@COONa [@iK@@db@ = 5.7•10@u-10@]", "b", agree);
    read_statement("tampone [p@iK@@da@(CH@d3@COOH) = 4.76]", "c", agree);
    read_statement("I valori di @iK@@db@ per CO@d3@@u2-@ sono pari a 2.13•10@u-4@ e 2.22•10@u-8@. Calcolare", "d",
                   agree);
    read_statement("0.01 M di NaHCO@d3@ 0.0314 M [@iK@@db@ = 2.2•10@u-8@]", "e", agree);
    EXPECT_EQ(agree.expect_one_value_each(), 6);
    EXPECT_EQ(agree.keys(), 3u);
    Readings slips;
    read_statement("F di CH@d3@COOH [@iK@@da@ = 1.75•10@u-5@]", "a", slips);
    read_statement("F di CH@d3@COONa [@iK@@db@ = 5.6•10@u-10@]", "b", slips);
    EXPECT_NONFATAL_FAILURE(slips.expect_one_value_each(), "CH@d3@COOH step 1");
}

}  // namespace
}  // namespace conjugate_constants_test
