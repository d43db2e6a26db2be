#include "stated_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <utility>

#include "handbook.h"
#include "support/shown_numbers.h"

namespace stated_facts {

namespace {

using testing_support::number_group;

// A statement's pattern of one property: words every match holds (a page
// without them is passed over before the pattern runs, which keeps the
// sweeps' time), the groups of its substance (a name, then a formula where
// the page prints one), of its value and of its unit, 0 where it has none.
struct Pattern {
    const char* property;
    const char* words;
    std::regex regex;
    std::size_t name, formula, value, unit;
};

const std::string article = "(?:il |lo |la |l'|Il |Lo |La |L')?";
const std::string of_article = "d(?:el |ello |ella |ell'|ei |egli |elle )";

const std::vector<Pattern>& patterns()
{
    static const std::vector<Pattern> all = {
        {"normal boiling point", "ebollizione",
         std::regex("La temperatura di ebollizione " + of_article + "(.+?) a pressione atmosferica è " + number_group +
                    "@uo@C"),
         1, 0, 2, 0},
        {"vapour-pressure constant B", "costante @iB@",
         std::regex("La temperatura di ebollizione " + of_article +
                    "(.+?) a pressione atmosferica è .*?costante @iB@.*? è pari a " + number_group +
                    " (kJ|kcal|cal)/mol"),
         1, 0, 2, 3},
        {"normal boiling point", "bolle a",
         std::regex(article + "([^()@]+?) \\(([^)]+)\\) bolle a " + number_group + "@uo@C a pressione atmosferica"), 1,
         2, 3, 0},
        {"normal boiling point", "@iT@@db@", std::regex("g di ([a-z' ]+?) \\(@iT@@db@ = " + number_group + "@uo@C"), 1,
         0, 2, 0},
        {"freezing point", "@iT@@df@", std::regex("g di ([a-z' ]+?) \\(@iT@@df@ = " + number_group + "@uo@C"), 1, 0, 2,
         0},
        {"ebullioscopic constant", "@ik@@db@",
         std::regex("g di ([a-z' ]+?) \\(@iT@@db@ = [^;]+; @ik@@db@ = " + number_group), 1, 0, 2, 0},
        {"cryoscopic constant", "@ik@@df@",
         std::regex("g di ([a-z' ]+?) \\(@iT@@df@ = [^;]+; @ik@@df@ = " + number_group), 1, 0, 2, 0},
        {"ebullioscopic constant", "Per l'acqua", std::regex("Per l'(acqua), @ik@@db@ = " + number_group), 1, 0, 2, 0},
        {"cryoscopic constant", "Per l'acqua", std::regex("Per l'(acqua), @ik@@df@ = " + number_group), 1, 0, 2, 0},
        {"density", "la cui densità",
         std::regex("di ([a-z]+), la cui densità è pari a " + number_group +
                    " (g/cm@u3@|g/mL|kg/L|kg/dm@u3@|kg/m@u3@|g/L)"),
         1, 0, 2, 3},
        {"density", "la sua densità",
         std::regex(article + "([a-z ]+?) cristallizza [^.]*?la sua densità è pari a " + number_group + " (g/cm@u3@)"),
         1, 0, 2, 3},
    };
    return all;
}

// The value of one unit in the property's own unit: kJ/mol, g/cm3.
double unit_scale(const std::string& unit)
{
    if (unit == "kcal") return 4.184;
    if (unit == "cal") return 0.004184;
    if (unit == "kg/m@u3@" || unit == "g/L") return 0.001;
    return 1.0;
}

// The handbook's formula of a substance named on a page, else its name.
std::string substance_key(const std::string& name, const std::string& formula)
{
    for (const std::string& said : {name, formula})
        if (const conditions::Substance* s = said.empty() ? nullptr : conditions::substance(said); s != nullptr)
            return s->formula;
    return name;
}

std::filesystem::path facts_file(std::int32_t chapter)
{
    return std::filesystem::path(BRUNATEL_FACTS_DIR) / ("chapter_" + std::to_string(chapter) + ".txt");
}

class Collector : public testing_support::Judge {
public:
    Collector(std::int32_t chapter, const testing_support::Sweep& sweep) : chapter_(chapter), sweep_(sweep) {}
    ~Collector() override
    {
        // Only a sweep over every problem speaks for the chapter.
        if (sweep_.first != 0) return;
        std::filesystem::create_directories(facts_file(chapter_).parent_path());
        std::ofstream out(facts_file(chapter_));
        for (const auto& [key, s] : first_)
            out << s.substance << '\t' << s.property << '\t' << s.text << '\t' << s.problem << '\t' << s.version
                << '\n';
    }
    Collector(const Collector&) = delete;
    Collector& operator=(const Collector&) = delete;

    void judge(std::int32_t problem, std::int32_t version, const testing_support::ShownPage& page,
               testing_support::Tally& /*tally*/) override
    {
        for (Stated s : stated_on(page)) {
            s.chapter = chapter_;
            s.problem = problem;
            s.version = version;
            first_.try_emplace(s.substance + '\t' + s.property + '\t' + s.text + '\t' + std::to_string(problem), s);
        }
    }

private:
    std::int32_t chapter_;
    const testing_support::Sweep& sweep_;
    // Each value of each property once a problem, with its first page.
    std::map<std::string, Stated> first_;
};

std::vector<Stated> read_facts()
{
    std::vector<Stated> all;
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        std::ifstream in(facts_file(chapter));
        EXPECT_TRUE(in.good()) << facts_file(chapter) << ": the chapter's sweep has not run";
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            Stated s;
            std::string problem, version;
            std::getline(fields, s.substance, '\t');
            std::getline(fields, s.property, '\t');
            std::getline(fields, s.text, '\t');
            std::getline(fields, problem, '\t');
            std::getline(fields, version, '\t');
            s.chapter = chapter;
            s.problem = std::stoi(problem);
            s.version = std::stoi(version);
            all.push_back(s);
        }
    }
    return all;
}

std::string unit_of(const Stated& s)
{
    const std::size_t space = s.text.find(' ');
    return space == std::string::npos ? "" : s.text.substr(space + 1);
}

// A stated value in the property's unit, and half a unit of its last digit.
std::pair<double, double> value_of(const Stated& s)
{
    const std::size_t space = s.text.find(' ');
    const double scale = space == std::string::npos ? 1.0 : unit_scale(s.text.substr(space + 1));
    const testing_support::Shown shown = testing_support::shown(s.text.substr(0, space));
    return {shown.value * scale, shown.half_unit() * scale};
}

std::string where(const Stated& s)
{
    return s.text + " (" + std::to_string(s.chapter) + "." + std::to_string(s.problem) + ", version " +
           std::to_string(s.version) + ")";
}

}  // namespace

std::vector<Stated> stated_on(const testing_support::ShownPage& page)
{
    std::vector<Stated> stated;
    for (const Pattern& p : patterns()) {
        std::smatch m;
        if (page.statement.find(p.words) == std::string::npos || !std::regex_search(page.statement, m, p.regex))
            continue;
        const std::string formula = p.formula == 0 ? "" : m[p.formula].str();
        std::string text = m[p.value].str();
        if (p.unit != 0) text += " " + m[p.unit].str();
        stated.push_back({substance_key(m[p.name].str(), formula), p.property, text});
    }
    return stated;
}

std::vector<std::string> disagreements(const std::vector<Stated>& stated)
{
    std::map<std::pair<std::string, std::string>, std::vector<const Stated*>> by_fact;
    for (const Stated& s : stated) by_fact[{s.substance, s.property}].push_back(&s);
    std::vector<std::string> parting;
    for (const auto& [fact, values] : by_fact)
        for (std::size_t i = 0; i < values.size(); ++i)
            for (std::size_t j = i + 1; j < values.size(); ++j) {
                const auto [a, half_a] = value_of(*values[i]);
                const auto [b, half_b] = value_of(*values[j]);
                // In one unit the finer value lies within the coarser's
                // digits; across two units the roundings do not nest.
                const bool one_unit = unit_of(*values[i]) == unit_of(*values[j]);
                const double within = one_unit ? std::max(half_a, half_b) : half_a + half_b;
                if (std::abs(a - b) <= within * (1.0 + 1e-9)) continue;
                parting.push_back(fact.first + " " + fact.second + ": " + where(*values[i]) + " and " +
                                  where(*values[j]));
            }
    return parting;
}

std::unique_ptr<testing_support::Judge> collector(std::int32_t chapter, const testing_support::Sweep& sweep)
{
    return std::make_unique<Collector>(chapter, sweep);
}

namespace {

// Every substance's property the chapters' sweeps read has one value
// across the book. The sweeps run first (ctest's fixture), each writing
// what its pages state.
TEST(StatedFacts, OneValueEachAcrossTheBook)
{
    const std::vector<Stated> all = read_facts();
    std::printf("%zu values of stated properties read\n", all.size());
    for (const std::string& fault : disagreements(all)) ADD_FAILURE() << fault;
}

// One substance given two boiling points on two problems' pages, and the
// same one written with other digits within them.
TEST(StatedFacts, TwoBoilingPointsOfOneSubstanceFail)
{
    const auto page = [](std::string statement) {
        testing_support::ShownPage shown;
        shown.statement = std::move(statement);
        return shown;
    };
    std::vector<Stated> stated;
    for (const char* statement :
         {"La temperatura di ebollizione del benzene a pressione atmosferica è 80.1@uo@C e il valore della sua "
          "costante @iB@ nell'equazione @iP@ = @iP@@d0@exp(-@iB/RT@) è pari a 8.14 kcal/mol. Calcolarne",
          "Una soluzione di 9.6 g di un composto in 82.89 g di benzene (@iT@@db@ = 80.2@uo@C; @ik@@db@ = 2.53 "
          "kg•K/mol) bolle a 81.6@uo@C",
          "Il benzene (C@d6@H@d6@) bolle a 80.10@uo@C a pressione atmosferica e a 70.2@uo@C alla pressione di",
          "La temperatura di ebollizione del benzene a pressione atmosferica è 80.1@uo@C e il valore della sua "
          "costante @iB@ nell'equazione @iP@ = @iP@@d0@exp(-@iB/RT@) è pari a 34.077 kJ/mol. Calcolarne"})
        for (Stated s : stated_on(page(statement))) {
            s.problem = static_cast<std::int32_t>(stated.size());
            stated.push_back(s);
        }
    ASSERT_EQ(stated.size(), 7u);
    EXPECT_EQ(disagreements(stated),
              (std::vector<std::string>{"C@d6@H@d6@ normal boiling point: 80.1 (0.0, version 0) and 80.2 (0.2, "
                                        "version 0)",
                                        "C@d6@H@d6@ normal boiling point: 80.2 (0.2, version 0) and 80.10 (0.4, "
                                        "version 0)",
                                        "C@d6@H@d6@ normal boiling point: 80.2 (0.2, version 0) and 80.1 (0.5, "
                                        "version 0)"}));
}

}  // namespace

}  // namespace stated_facts
