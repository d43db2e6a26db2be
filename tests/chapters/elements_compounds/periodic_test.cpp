// Problems 10 to 16, posed beside the periodic table: the element asked
// for is highlighted by the answer, and the compared values are the
// table's own.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "chemistry/data_tables.h"
#include "chemistry/periodic_table_drawing.h"
#include "elements_compounds_fixture.h"
#include "numbers/fixed_width.h"

namespace elements_compounds_test {
namespace {

std::string field(std::int32_t z, int first, int last)
{
    return std::string(strip_blanks(record_columns(element_record(z), first, last)));
}

// The yellow cell of element z, as the recording backend logs it.
std::string highlighted_cell(std::int32_t z)
{
    const PeriodicCell cell = periodic_table_cell(z);
    return "rect filled (" + std::to_string(cell.x) + "," + std::to_string(cell.y) + ")-(" +
           std::to_string(cell.x + 17) + "," + std::to_string(cell.y + 17) + ") 0x00FFFF";
}

std::size_t yellow_cells(const platform::RecordingBackend& backend)
{
    std::size_t cells = 0;
    for (const std::string& line : backend.log_lines("rect filled"))
        cells += line.ends_with("0x00FFFF") && line.find(")-(") != std::string::npos ? 1 : 0;
    return cells;
}

// The two names of "... d<A> sia maggiore di quella d<B>, che sia minore o che siano simili?".
const std::string compared_elements =
    R"( d(?:el |ell'|ello )(.+) sia maggiore di quella d(?:el |ell'|ello )(.+), che sia minore o che siano simili\?$)";

std::int32_t period(std::int32_t z)
{
    constexpr std::int32_t last_of_period[] = {2, 10, 18, 36, 54, 86, 118};
    std::int32_t p = 1;
    while (z > last_of_period[p - 1]) ++p;
    return p;
}

TEST_F(ChapterTwo, ThePositionOfEveryElementIsShownByItsAnswer)
{
    std::set<std::int32_t> posed;
    for_versions(10, 1500, [&](std::int32_t) {
        const auto asked = match(statement(), R"(numero atomico (\d+) \((.+)\)$)");
        const std::int32_t z = std::stoi(asked[0]);
        EXPECT_EQ(element_named(asked[1]), z);
        posed.insert(z);
        answer();
        EXPECT_EQ(backend.log_lines(highlighted_cell(z)).size(), 1u);
        EXPECT_EQ(yellow_cells(backend), 1u);
    });
    EXPECT_EQ(posed.size(), 103u);
}

TEST_F(ChapterTwo, TheTableToFillInHasNoSymbolsUntilTheAnswer)
{
    backend.clear_log();
    generate(10, 8);
    const auto symbols = [&] {
        std::size_t count = 0;
        for (const std::string& line : backend.log_lines("text")) count += line.ends_with("\"Fe\"") ? 1 : 0;
        return count;
    };
    EXPECT_EQ(symbols(), 0u);
    EXPECT_EQ(yellow_cells(backend), 0u);
    answer();
    EXPECT_EQ(symbols(), 1u);
}

TEST_F(ChapterTwo, ConfigurationReadFromTheHighlightedPlace)
{
    for_versions(11, 200, [&](std::int32_t) {
        const std::int32_t z = std::stoi(match(statement(), R"(\(Z = (\d+)\)$)")[0]);
        EXPECT_LE(z, 92);
        EXPECT_TRUE(answer_text().starts_with(field(z, 51, 54))) << answer_text();
    });
    backend.clear_log();
    generate(11, 5);
    EXPECT_EQ(yellow_cells(backend), 1u);
}

TEST_F(ChapterTwo, AtomicRadiiOfTwoElementsOfAPeriodOrAGroup)
{
    bool hydrogen_and_helium = false;
    for_versions(12, 600, [&](std::int32_t) {
        const auto names = match(
            statement(), R"(atomico d(?:el |ell'|ello )(.+) sia maggiore di quello d(?:el |ell'|ello )(.+), che)");
        const std::int32_t a = element_named(names[0]);
        const std::int32_t b = element_named(names[1]);
        ASSERT_NE(a, b);
        const bool same_period = period(a) == period(b);
        const bool same_group = periodic_table_cell(a).x == periodic_table_cell(b).x;
        EXPECT_TRUE(same_period || same_group);
        hydrogen_and_helium |= a + b == 3;
        EXPECT_EQ(answer_text(), field(a, 16, 17) + ": " + field(a, 74, 76) + " pm; " + field(b, 16, 17) + ": " +
                                     field(b, 74, 76) + " pm");
    });
    EXPECT_TRUE(hydrogen_and_helium);
}

TEST_F(ChapterTwo, IonisationEnergiesAreTheTables)
{
    for_versions(13, 200, [&](std::int32_t) {
        const auto names = match(statement(), "ionizzazione" + compared_elements);
        const std::int32_t a = element_named(names[0]);
        const std::int32_t b = element_named(names[1]);
        EXPECT_EQ(answer_text(), field(a, 16, 17) + ": " + field(a, 41, 45) + " kJ/mol; " + field(b, 16, 17) + ": " +
                                     field(b, 41, 45) + " kJ/mol");
    });
    // Lutetium's is the handbook's 523.5 kJ/mol in whole units, and so are
    // holmium's 581.0, iridium's 865.2 and platinum's 864.4.
    constexpr testing_support::VersionAnswer handbook[] = {
        {13, 2, "Ho: 581 kJ/mol; Lu: 524 kJ/mol", "Ho: 574; Lu: 513"},
        {13, 82, "Ir: 865 kJ/mol; Pt: 864 kJ/mol", "Ir: 868; Pt: 868"},
    };
    expect_answers(handbook);
}

// Every pair of both lists comes up, in both orders, with the table's values.
TEST_F(ChapterTwo, AffinitiesAndElectronegativitiesOfEveryListedPair)
{
    struct Case {
        std::int32_t problem;
        std::string property;
        int first, last;
        std::string unit;
    };
    for (const Case& c :
         {Case{14, "l'affinità elettronica", 46, 50, " kJ/mol"}, Case{15, "l'elettronegatività", 71, 73, ""}}) {
        std::set<std::pair<std::int32_t, std::int32_t>> pairs;
        for_versions(c.problem, 1500, [&](std::int32_t) {
            const auto names = match(statement(), "^Ci si attende che " + c.property + compared_elements);
            const std::int32_t a = element_named(names[0]);
            const std::int32_t b = element_named(names[1]);
            pairs.emplace(a, b);
            EXPECT_EQ(answer_text(), field(a, 16, 17) + ": " + field(a, c.first, c.last) + c.unit + "; " +
                                         field(b, 16, 17) + ": " + field(b, c.first, c.last) + c.unit);
        });
        EXPECT_EQ(pairs.size(), 100u) << "problem " << c.problem;
    }
}

// An element as the table writes it: electronegativity (none for a blank),
// electrons by subshell in the order written, and the electrons past the
// noble-gas core.
struct WrittenElement {
    std::optional<double> electronegativity;
    std::vector<std::pair<std::string, int>> subshells;  // "3d", 5
    int past_core = 0;
};

WrittenElement written_element(std::int32_t z)
{
    WrittenElement e;
    if (const std::string en = field(z, 71, 73); !en.empty()) e.electronegativity = std::stod(en);
    const std::string shells = field(z, 55, 70);
    for (std::size_t g = 0; g + 2 < shells.size(); g += 4) {
        e.subshells.emplace_back(shells.substr(g, 2), std::stoi(shells.substr(g + 2, 2)));
        e.past_core += e.subshells.back().second;
    }
    return e;
}

bool electronegativity_within(const WrittenElement& e, double low, double high)
{
    return e.electronegativity && *e.electronegativity >= low - 1e-9 && *e.electronegativity <= high + 1e-9;
}

// Whether a subshell of letter l holds from `least` to `most` electrons.
bool has_subshell(const WrittenElement& e, char l, int least, int most)
{
    for (const auto& [name, electrons] : e.subshells)
        if (name[1] == l && electrons >= least && electrons <= most) return true;
    return false;
}

TEST_F(ChapterTwo, OddOneOutAmongFourElementsOfFourGroups)
{
    // The groups as the question describes them, with the property as a
    // student reads it off the table; the odd element is one of the group
    // asked about, the others one each of three other groups among the
    // first six.
    struct Group {
        std::string property;
        std::set<std::int32_t> members;
        bool (*has)(const WrittenElement&);
    };
    const std::vector<Group> groups = {
        {" ha elettronegatività non superiore a 1:",
         {3, 11, 19, 37, 55},
         [](const WrittenElement& e) { return electronegativity_within(e, 0.0, 1.0); }},
        {" ha elettronegatività maggiore di 2.5:",
         {7, 8, 9, 17, 35},
         [](const WrittenElement& e) { return e.electronegativity && *e.electronegativity > 2.5; }},
        {" ha elettronegatività compresa tra 1.3 e 1.6 (estremi inclusi) e meno di sei elettroni in un sottolivello d "
         "parzialmente "
         "occupato:",
         {21, 22, 23, 24, 25},
         [](const WrittenElement& e) { return electronegativity_within(e, 1.3, 1.6) && has_subshell(e, 'd', 1, 5); }},
        {" è un gas nobile:",
         {2, 10, 18, 36, 54},
         [](const WrittenElement& e) {
             const auto& [last, electrons] = e.subshells.back();
             return electrons == (last == "1s" ? 2 : last[1] == 'p' ? 6 : -1);
         }},
        {" ha elettronegatività compresa tra 1.5 e 2.5 (estremi inclusi) e gli elettroni esterni in orbitali p:",
         {5, 13, 14, 15, 16},
         [](const WrittenElement& e) {
             return electronegativity_within(e, 1.5, 2.5) && e.subshells.back().first[1] == 'p';
         }},
        {" ha un sottolivello f parzialmente occupato:",
         {58, 62, 63, 65, 67},
         [](const WrittenElement& e) { return has_subshell(e, 'f', 1, 13); }},
        {" ha elettronegatività non superiore a 1.5 e due elettroni più del gas nobile precedente:",
         {4, 12, 20, 38, 56},
         [](const WrittenElement& e) { return electronegativity_within(e, 0.0, 1.5) && e.past_core == 2; }},
        {" ha elettronegatività compresa tra 1.8 e 2.2 (estremi inclusi) e più di cinque elettroni in un sottolivello "
         "d parzialmente "
         "occupato:",
         {26, 27, 28, 77, 78},
         [](const WrittenElement& e) { return electronegativity_within(e, 1.8, 2.2) && has_subshell(e, 'd', 6, 9); }},
    };
    // Every possible answer has its group's property and no element that
    // may stand beside it has it.
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (std::size_t other = 0; other < 6; ++other)
            for (std::int32_t z : groups[other].members)
                EXPECT_EQ(groups[g].has(written_element(z)), other == g) << groups[g].property << " " << z;

    const auto group_of = [&](std::int32_t z) {
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (groups[g].members.count(z)) return static_cast<std::int32_t>(g + 1);
        return 0;
    };
    std::set<std::int32_t> asked_groups;
    for_versions(16, 400, [&](std::int32_t) {
        const auto names = match(statement(), R"(: (.+), (.+), (.+), (.+)\?$)");
        std::int32_t asked = 0;
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (statement().starts_with("Quale dei seguenti elementi" + groups[g].property))
                asked = static_cast<std::int32_t>(g + 1);
        ASSERT_NE(asked, 0) << statement();
        asked_groups.insert(asked);
        std::set<std::int32_t> seen_groups;
        std::int32_t odd = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::int32_t z = element_named(names[i]);
            const std::int32_t g = group_of(z);
            EXPECT_TRUE(seen_groups.insert(g).second) << names[i];
            if (g == asked)
                odd = z;
            else
                EXPECT_LE(g, 6);
        }
        ASSERT_NE(odd, 0);
        answer();
        EXPECT_EQ(backend.log_lines(highlighted_cell(odd)).size(), 1u);
    });
    EXPECT_EQ(asked_groups.size(), 8u);
}

}  // namespace
}  // namespace elements_compounds_test
