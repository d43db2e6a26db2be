// The scans of src/ the registry rests on: every table of measured numbers
// registered, and every named constant taken by its name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "table_registry.h"

namespace table_checks {

namespace {

std::string text_of_file(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every table that a source of any folder of src/ defines and that holds
// measured numbers, as "file identifier".
std::set<std::string> tables_in_sources()
{
    const std::filesystem::path src = BRUNATEL_SOURCE_DIR;
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string file = entry.path().lexically_relative(src).generic_string();
        for (const std::string& name : tables_in(text_of_file(entry.path()))) found.insert(file + " " + name);
    }
    return found;
}

// The registry holds every table of the sources that holds measured
// numbers, and names no table the sources lack.
TEST(TableRegistry, HoldsEveryTableOfTheSources)
{
    std::set<std::string> registered;
    for (const RegisteredTable& t : registry()) {
        EXPECT_FALSE(t.columns.empty()) << t.file << " " << t.identifier << " declares no column";
        registered.insert(std::string(t.file) + " " + t.identifier);
    }
    const std::set<std::string> found = tables_in_sources();
    for (const std::string& table : found)
        EXPECT_TRUE(registered.contains(table))
            << table
            << ": a table of measured numbers outside the registry. Register it in "
               "tests/answers/table_registry.cpp (program_tables), or in tests/answers/table_checks.cpp "
               "(chemistry_tables) where its judgement sits with the element and compound tables'; judge it against a "
               "handbook column of tests/answers/handbook_*.cpp (its source named), by a law, or exactly with its "
               "reason";
    for (const std::string& table : registered)
        EXPECT_TRUE(found.contains(table)) << table << ": registered, but no such table in the sources";
}

// Figures that stay a named constant rounded where they stand, each with
// its reason: the versions draw with them, and a version must pose the same
// data. A figure written out elsewhere, or one of these gone, fails.
struct KeptRounded {
    const char* file;
    const char* figure;
    const char* why;
};
constexpr KeptRounded kept_rounded[] = {
    {"chapters/basic_notions/quantity_relations.cpp", "273.0", "a drawn Celsius temperature's floor"},
    {"chapters/basic_notions/unit_conversions.cpp", "273.0", "a drawn Celsius temperature's floor"},
    {"chapters/states_of_matter/ideal_gas_laws.cpp", "273.0", "drawn temperatures' floor, and their kelvin to °C"},
    {"chapters/thermo_kinetics/chemical_kinetics.cpp", "273.0", "the first drawn temperature's floor"},
    {"chapters/basic_notions/plotted_lines.cpp", "18.0", "a drawn slope's ceiling, which only reads as water's mass"},
};

// Each constant and unit that numbers/ names is written out there alone:
// any other folder of src/ takes it by its name, in code and in texts, to
// its own digits or rounded to fewer (three at least).
TEST(TableRegistry, ConstantsAreWrittenInNumbersAlone)
{
    const char* made = "const float p = 760.0f * x;  // 760 torr\nconst char* t = \"101325 Pa\";\n"
                       "static_assert(v == 22.4f);\ndouble r = 8.3145, c = 273.15, n = 6.022e23, m = 22.41;\n"
                       "const float d = 760.5f, q = 2.3f, w = 55.506214f;\n"
                       "const float r3 = 8.31f, l = 0.0821f, f = 96500.0f, pi = 3.14f, cal = 4.18f;\n"
                       "const float v = 24.45f, per_torr = 0.0013158f, k = random_real(273.0f, 300.0f);\n"
                       "const char* says = \"R = 8.31 J/(mol K), F = 96500 C\";\n"
                       "fill_box(c, 273, 298, 133, 62);  // whole numbers place\n"
                       "const float two = 22.0f, short_r = 8.3f, d = 1000.0f;\n"
                       "constexpr Row measured[] = {{\"rame\", 24.4f}, {\"ferro\", 25.1f}};\n"
                       "double cut = 0.08205 + 8.3144 + 6.023e23 + 0.0820, cal = 1.987, e = 0.4343, bar = 1.01325;\n"
                       "double apart = 0.0800 + 299.0 + 8.30 + 0.43429169;\n";
    EXPECT_EQ(constants_written_in(made),
              (std::vector<std::string>{"1: 760.0",   "2: 101325",    "4: 8.3145",   "4: 273.15",    "4: 6.022e23",
                                        "4: 22.41",   "5: 55.506214", "6: 8.31",     "6: 0.0821",    "6: 96500.0",
                                        "6: 3.14",    "6: 4.18",      "7: 24.45",    "7: 0.0013158", "7: 273.0",
                                        "8: 8.31",    "8: 96500",     "12: 0.08205", "12: 8.3144",   "12: 6.023e23",
                                        "12: 0.0820", "12: 1.987",    "12: 0.4343",  "12: 1.01325"}));
    const std::filesystem::path src = BRUNATEL_SOURCE_DIR;
    std::set<std::string> kept_found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string file = entry.path().lexically_relative(src).generic_string();
        const std::string ext = entry.path().extension().string();
        if (file.starts_with("numbers/") || (ext != ".cpp" && ext != ".h")) continue;
        for (const std::string& written : constants_written_in(text_of_file(entry.path()))) {
            const std::string figure = written.substr(written.find(' ') + 1);
            const auto kept = std::ranges::find_if(
                kept_rounded, [&](const KeptRounded& k) { return k.file == file && k.figure == figure; });
            if (kept != std::end(kept_rounded)) {
                kept_found.insert(file + " " + figure);
                continue;
            }
            ADD_FAILURE() << file << ":" << written << ": a constant written out; take it by its name from numbers/";
        }
    }
    for (const KeptRounded& k : kept_rounded)
        EXPECT_TRUE(kept_found.contains(std::string(k.file) + " " + k.figure))
            << k.file << " " << k.figure << ": kept rounded (" << k.why << "), but no longer written there";
}

// What the scan counts as a table of measured numbers, and what it leaves.
TEST(TableRegistry, ScanFindsTablesOfMeasuredNumbers)
{
    const char* source = R"(
constexpr std::array<Row, 3> boiling_points{{
    {"acqua", 100.0f}, {"etanolo", "78.4"}, {"benzene", 80.1f},
}};
const Row hand_typed[] = {{"HCl", {474, 980, 1492}}};  // three figures of a row
static constexpr float decimals_in_text[] = {1.5f};  // 3.5, 4.5 in a comment
inline constexpr std::array<Box, 2> buttons{{{10, 20, 300, 400}, {500, 20, 300, 400}}};
constexpr const char* codes[] = {"a", "b", "c"};
const auto per_atm = [] { return std::array{760.0, 101.325, 0.101325}; }();
)";
    EXPECT_EQ(tables_in(source), (std::vector<std::string>{"boiling_points", "hand_typed", "buttons", "per_atm"}));
}

// A table of measured numbers is found however it is written, and one made
// outside the registry fails it.
TEST(TableRegistry, ScanFindsATableInEveryStyle)
{
    const char* made[][2] = {
        {"to_array", "constexpr auto outside = std::to_array<Row>({{\"a\", 1.5f}, {\"b\", 2.5f}});"},
        {"east const", "Row const outside[] = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"without const", "static std::array<Row, 2> outside{{{\"a\", 1.5}, {\"b\", 2.5}}};"},
        {"constinit", "constinit Row outside[] = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"attribute", "[[maybe_unused]] constexpr Row outside[] = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"two rows", "constexpr Row outside[] = {\n    {\"acqua\", 100.0},\n    {\"etanolo\", 78.4},\n};"},
        {"names and whole numbers", "constexpr Row outside[] = {{\"acqua\", 373}, {\"etanolo\", 351}};"},
        {"units", "constexpr Row outside[] = {{\"acqua\", \"19.5 °C\"}, {\"etanolo\", \"78.4 °C\"}};"},
        {"markup", "constexpr Row outside[] = {{\"HF\", \"6.8•10@u-4@\"}, {\"HCN\", \"6.2•10@u-10@\"}};"},
        {"packed text", "constexpr std::string_view outside = \"301 -1.5l-3263.88   302 -2.0l-3905.34\";"},
        {"designated members", "constexpr Row outside[] = {{.name = \"acqua\", .kelvin = 373}, {.kelvin = 351}};"},
        {"lambda with parameters", "const auto outside = []() { return std::array{1.5, 2.5}; }();"},
        {"constexpr lambda", "const auto outside = []() constexpr { return std::array{1.5, 2.5}; }();"},
        {"alignas", "alignas(16) constexpr float outside[] = {1.5f, 2.5f};"},
        {"decltype", "constexpr decltype(rows) outside = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"whole numbers with a unit", "constexpr Row outside[] = {{\"ferro\", \"1538 °C\"}, {\"rame\", \"1085 K\"}};"},
        {"degrees in markup", "constexpr Row outside[] = {{\"ferro\", \"1538@uo@C\"}, {\"rame\", \"1085@uo@C\"}};"},
        {"a group of whole numbers",
         "constexpr std::array<Box, 2> outside{{{10, 20, 300, 400}, {500, 20, 300, 400}}};"},
    };
    for (const auto& [style, source] : made) EXPECT_EQ(tables_in(source), std::vector<std::string>{"outside"}) << style;
    EXPECT_TRUE(std::ranges::none_of(registry(),
                                     [](const RegisteredTable& t) { return t.identifier == std::string("outside"); }));
    // The convention the registry rests on: data live in an initialised
    // table. What no scan reaches is not found: figures in a switch, values
    // computed at run time, one figure alone, zeros and statements.
    const char* beyond[][2] = {
        {"switch", "switch (k) {\ncase 1: return 40.66;\ncase 2: return 44.0;\n}"},
        {"computed", "const float heat = (t - 25.0f) * 0.0608f - 571.6f;"},
        {"single", "constexpr float melting = 692.68f;"},
        {"zeros", "const Values c0 = {0.0f, 0.0f, x};"},
        {"statement", "return {1.5, 2.5, 3.5};"},
    };
    for (const auto& [style, source] : beyond) EXPECT_TRUE(tables_in(source).empty()) << style;
}

}  // namespace

}  // namespace table_checks
