#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "chemistry/lewis_structures.h"
#include "content_fixture.h"

namespace {

// Atom counts by the first letter of the symbol and the charge of a formula in markup.
struct Formula {
    std::map<char, int> atoms;
    int charge = 0;
};

Formula parse_formula(std::string_view f)
{
    Formula result;
    char last = 0;
    for (std::size_t i = 0; i < f.size();) {
        if (f.substr(i, 2) == "@d") {
            const std::size_t end = f.find('@', i + 2);
            result.atoms[last] += std::stoi(std::string(f.substr(i + 2, end - i - 2))) - 1;
            i = end + 1;
        } else if (f.substr(i, 2) == "@u") {
            const std::size_t end = f.find('@', i + 2);
            const std::string code(f.substr(i + 2, end - i - 2));
            const int size = std::isdigit(static_cast<unsigned char>(code[0])) ? code[0] - '0' : 1;
            result.charge = code.back() == '-' ? -size : size;
            i = end + 1;
        } else {
            if (std::isupper(static_cast<unsigned char>(f[i]))) ++result.atoms[last = f[i]];
            ++i;
        }
    }
    return result;
}

int valence_electrons(char first_letter, const Formula& f)
{
    // Cl and Xe are the only two-letter symbols; no entry holds C with Cl.
    static const std::map<char, int> valence{{'H', 1}, {'B', 3}, {'C', 4}, {'N', 5}, {'O', 6},
                                             {'F', 7}, {'P', 5}, {'S', 6}, {'X', 8}};
    if (first_letter == 'C' && f.atoms.size() == 2 && f.atoms.count('F')) return 7;
    return valence.at(first_letter);
}

constexpr std::string_view negative_charge = "(@y-5@_@y5@)";

}  // namespace

// Every formula that chapter 2 asks a Lewis structure for, as its problems build the key.
TEST(LewisStructures, EveryKeyOfChapterTwoFindsItsOwnEntry)
{
    const char* formulas[] = {"N@d2@",      "O@d2@",       "HCN",        "CO@d2@",     "XeF@d2@",    "C@d2@H@d2@",
                              "NH@d3@",     "H@d2@S",      "OF@d2@",     "NF@d3@",     "PH@d3@",     "H@d2@O@d2@",
                              "SF@d2@",     "BF@d3@",      "CH@d2@O",    "C@d2@H@d4@", "CH@d4@",     "SF@d4@",
                              "SF@d6@",     "PF@d5@",      "XeF@d4@",    "ClF@d3@",    "CO",         "NO@u+@",
                              "NH@d4@@u+@", "HO@d2@@u-@",  "CN@u-@",     "OH@u-@",     "BF@d4@@u-@", "PF@d6@@u-@",
                              "NO@d2@@u-@", "CO@d3@@u2-@", "NO@d3@@u-@", "O@d3@",      "SO@d3@@u2-@"};
    for (const char* formula : formulas) {
        const std::string key = std::string(formula) + ";";
        const LewisEntry* entry = find_lewis_entry(key);
        ASSERT_NE(entry, nullptr) << key;
        EXPECT_EQ(entry->key, key);
    }
    EXPECT_EQ(lewis_entries().size(), 37u);
}

TEST(LewisStructures, KeysCompareOverTheirWholeLengthWithTheSemicolon)
{
    EXPECT_EQ(find_lewis_entry("CO;")->key, "CO;");
    EXPECT_EQ(find_lewis_entry("HCN;   ")->key, "HCN;");
    EXPECT_EQ(find_lewis_entry("NH@d3@"), nullptr);
    EXPECT_EQ(find_lewis_entry("CCl@d4@;"), nullptr);
    EXPECT_EQ(find_lewis_entry(""), nullptr);
}

// Per resonance form: the electrons drawn (two per bond line of each order,
// lone-pair bar and diagonal stroke) are the valence electrons less the
// charge, the atoms drawn are the formula's and the formal charges add up
// to the charge.
TEST(LewisStructures, EveryStructureAccountsForAtomsElectronsAndCharge)
{
    for (const LewisEntry& entry : lewis_entries()) {
        const Formula formula = parse_formula(entry.key.substr(0, entry.key.size() - 1));
        int forms = 1, electrons = 0, charges = 0;
        std::map<char, int> atoms;
        for (const LewisStep& step : entry.steps) {
            if (step.kind == LewisStep::Kind::markup) {
                if (step.text.find("<@y-7@") != std::string_view::npos) ++forms;
                if (step.text == "(+)") ++charges;
                if (step.text.find(negative_charge) != std::string_view::npos) --charges;
                for (std::size_t p = step.text.find("@L1"); p != std::string_view::npos;
                     p = step.text.find("@L1", p + 1))
                    electrons += 2;
                continue;
            }
            ASSERT_EQ(step.text.size(), lewis_code_length) << entry.key;
            for (std::size_t i = 0; i < step.text.size(); ++i) {
                const char c = step.text[i];
                if (i % 5 == 0) {
                    if (c != 'Z' && std::isupper(static_cast<unsigned char>(c))) ++atoms[c];
                } else if (c >= '1' && c <= '3') {
                    electrons += 2 * (c - '0');
                } else if (c == 'd') {
                    electrons += 2;
                }
            }
        }
        int valence = -formula.charge;
        for (const auto& [letter, count] : formula.atoms) {
            valence += count * valence_electrons(letter, formula);
            EXPECT_EQ(atoms[letter], count * forms) << entry.key << " " << letter;
        }
        EXPECT_EQ(electrons, valence * forms) << entry.key;
        EXPECT_EQ(charges, formula.charge * forms) << entry.key;
    }
}

class LewisDrawing : public ContentTest {};

TEST_F(LewisDrawing, BondsOfEachOrderAndLonePairsLieWhereTheCodeSays)
{
    // No centre atom, a double bond to the right and down, a triple bond up
    // to a nitrogen with a lone pair on its left.
    draw_lewis_code(100, 100, "Z2322ZaaaaNaadaZaaaaZaaaa");
    std::vector<Drawn> lines = drawn("line");
    std::vector<std::tuple<int, int, int, int>> got;
    for (const Drawn& d : lines) {
        EXPECT_EQ(d.colour, 0x0000DD);
        got.emplace_back(d.x1, d.y1, d.x2, d.y2);
    }
    const std::vector<std::tuple<int, int, int, int>> expected{
        {110, 106, 120, 106}, {110, 110, 120, 110},                       // right, order 2
        {107, 100, 107, 90},  {104, 100, 104, 90},  {101, 100, 101, 90},  // up, order 3
        {98, 106, 88, 106},   {98, 110, 88, 110},                         // left, order 2
        {102, 114, 102, 124}, {106, 114, 106, 124},                       // down, order 2
        {98, 81, 98, 91},                                                 // lone pair left of N
    };
    EXPECT_EQ(got, expected);
    std::vector<Drawn> texts = drawn("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "N");
    EXPECT_EQ(std::make_pair(texts[0].x1, texts[0].y1), std::make_pair(100, 78));
}

TEST_F(LewisDrawing, HydrogenPeroxideHasTwoOxygensApartWithAHydrogenBelowEach)
{
    draw_lewis_structure("H@d2@O@d2@;", 200, 150);
    std::map<std::string, std::vector<std::pair<int, int>>> atoms;
    for (const Drawn& d : drawn("text")) atoms[d.text].emplace_back(d.x1, d.y1);
    EXPECT_EQ(atoms["O"], (std::vector<std::pair<int, int>>{{200, 150}, {221, 150}}));
    EXPECT_EQ(atoms["H"], (std::vector<std::pair<int, int>>{{200, 172}, {221, 172}}));
    EXPECT_EQ(drawn("line").size(), 7u);  // O-O, two O-H and four lone pairs
}

// An ion whose formal charge is on its centre draws the charge at the
// centre's upper right, BF4-'s place: PF6- drew its "(−)" by a fluorine,
// and now draws it by the P (2.23, all its versions).
TEST_F(LewisDrawing, ChargesOnTheCentreAreDrawnByTheCentre)
{
    struct Case {
        const char* key;
        const char* centre;
        int fluorines;
    };
    std::vector<std::pair<int, int>> offsets;
    for (const Case& c : {Case{"BF@d4@@u-@;", "B", 4}, Case{"PF@d6@@u-@;", "P", 6}, Case{"NH@d4@@u+@;", "N", 0}}) {
        mark();
        draw_lewis_structure(c.key, 300, 100);
        std::pair<int, int> centre{}, charge{};
        int fluorines = 0;
        for (const Drawn& d : drawn("text")) {
            if (d.text.starts_with("(")) charge = {d.x1, d.y1};
            if (d.text == c.centre) centre = {d.x1, d.y1};
            fluorines += d.text == "F";
        }
        EXPECT_EQ(fluorines, c.fluorines) << c.key;
        offsets.emplace_back(charge.first - centre.first, charge.second - centre.second);
        EXPECT_EQ(offsets.back(), offsets.front()) << c.key;
    }
}

TEST_F(LewisDrawing, ResonanceFormsSpreadToTheRight)
{
    for (const auto& [key, span] : {std::pair{"CO@d3@@u2-@;", 242},
                                    {"NO@d3@@u-@;", 242},
                                    {"SO@d3@@u2-@;", 242},
                                    {"NO@d2@@u-@;", 150},
                                    {"O@d3@;", 150}}) {
        mark();
        draw_lewis_structure(key, 0, 200);
        int right = 0;
        for (const Drawn& d : drawn()) right = std::max({right, d.x1, d.x2});
        EXPECT_GE(right, span) << key;
    }
}

// Square-planar XeF4: its two lone pairs opposite, left and right of the
// xenon, the four fluorines two above and two below (they stood side by
// side below it, 2.22 and 2.25).
TEST_F(LewisDrawing, XenonTetrafluorideHasItsLonePairsOpposite)
{
    draw_lewis_structure("XeF@d4@;", 200, 150);
    std::map<std::string, std::vector<std::pair<int, int>>> atoms;
    for (const Drawn& d : drawn("text")) atoms[d.text].emplace_back(d.x1, d.y1);
    ASSERT_EQ(atoms["X"].size(), 1u);
    ASSERT_EQ(atoms["e"].size(), 1u);
    std::vector<int> bars;  // vertical strokes beside the xenon
    for (const Drawn& d : drawn("line"))
        if (d.x1 == d.x2 && d.y1 >= 150 && d.y2 >= 150 && d.y1 <= 170 && d.y2 <= 170) bars.push_back(d.x1);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_LT(std::min(bars[0], bars[1]), atoms["X"][0].first);
    EXPECT_GT(std::max(bars[0], bars[1]), atoms["e"][0].first);
    int above = 0, below = 0;
    for (const auto& [x, y] : atoms["F"]) (y < 150 ? above : below) += 1;
    EXPECT_EQ(above, 2);
    EXPECT_EQ(below, 2);
}

TEST_F(LewisDrawing, AnUnknownKeyDrawsNothingVisible)
{
    draw_lewis_structure("CCl@d4@;", 100, 100);
    draw_lewis_structure("NH@d3@", 100, 100);
    EXPECT_TRUE(drawn("text").empty());
    EXPECT_TRUE(drawn("line").empty());
}
