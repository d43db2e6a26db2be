// The documents as a real RTF reader sees them: the text of every problem
// and result, with its subscripts, superscripts, accents and Greek letters,
// must come back as the page shows it. The reader is unrtf, asked for HTML
// so that subscripts and superscripts stay visible.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "chapters/basic_notions/basic_notions_chapter.h"
#include "chapters/elements_compounds/elements_compounds_chapter.h"
#include "chapters/thermo_kinetics/thermo_kinetics_chapter.h"
#include "export/rtf_export.h"
#include "frame/app_state.h"
#include "numbers/random_stream.h"
#include "platform/font_options.h"
#include "rtf_fixture.h"
#include "text/fonts_colours.h"

namespace rtf_test {
namespace {

void append_utf8(std::string& out, unsigned long c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The reader's HTML as text: tags dropped but sub and sup, entities decoded.
std::string visible_text(const std::string& html)
{
    static const std::map<std::string, std::string> entities = {
        {"amp", "&"},    {"lt", "<"},      {"gt", ">"},     {"quot", "\""},  {"nbsp", "\xC2\xA0"}, {"bull", "•"},
        {"egrave", "è"}, {"eacute", "é"},  {"agrave", "à"}, {"ograve", "ò"}, {"ugrave", "ù"},      {"igrave", "ì"},
        {"deg", "°"},    {"micro", "µ"},   {"times", "×"},  {"Aring", "Å"},  {"plusmn", "±"},      {"middot", "·"},
        {"Delta", "Δ"},  {"alpha", "α"},   {"beta", "β"},   {"gamma", "γ"},  {"pi", "π"},          {"sigma", "σ"},
        {"nu", "ν"},     {"epsilon", "ε"}, {"Pi", "Π"},     {"le", "≤"},     {"ge", "≥"},          {"lambda", "λ"},
        {"mu", "μ"},     {"rho", "ρ"},
    };
    const std::size_t body = html.find("<body>");
    std::string text;
    for (std::size_t at = body == std::string::npos ? 0 : body + 6; at < html.size();) {
        if (html[at] == '<') {
            const std::size_t end = html.find('>', at);
            const std::string tag = html.substr(at, end - at + 1);
            if (tag == "<sub>" || tag == "</sub>" || tag == "<sup>" || tag == "</sup>") text += tag;
            at = end + 1;
        } else if (html[at] == '&') {
            const std::size_t end = html.find(';', at);
            const std::string name = html.substr(at + 1, end - at - 1);
            if (name[0] == '#') {
                append_utf8(text, std::stoul(name.substr(1)));
            } else if (entities.count(name) != 0) {
                text += entities.at(name);
            } else {
                text += "&" + name + ";";
            }
            at = end + 1;
        } else {
            if (html[at] != '\n') text += html[at];
            ++at;
        }
    }
    return text;
}

// The reader writes a run of blanks as one.
std::string single_spaced(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

std::string read_with_unrtf(const std::string& path)
{
    std::string html;
    std::FILE* pipe = popen(("unrtf --html '" + path + "' 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return html;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) html.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << "unrtf failed on " << path << " (script/bootstrap installs it)";
    return single_spaced(visible_text(html));
}

// The markup as the page shows it, written the way the reader gives it back:
// subscripts and superscripts tagged, Symbol letters as Greek, every other
// code gone.
std::string as_read(const std::string& markup)
{
    std::string text;
    std::size_t at = 0;
    for (std::size_t p; (p = markup.find('@', at)) != std::string::npos;) {
        const std::size_t q = markup.find('@', p + 1);
        text += markup.substr(at, p - at);
        if (q == std::string::npos) return text + markup.substr(p);
        const std::string argument = markup.substr(p + 2, q - p - 2);
        switch (markup[p + 1]) {
        case 'd': text += "<sub>" + argument + "</sub>"; break;
        case 'u': text += "<sup>" + argument + "</sup>"; break;
        case 'b': text += platform::symbol_to_greek(argument); break;
        case 'i': text += argument; break;
        default: break;
        }
        at = q + 1;
    }
    text += markup.substr(at);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return single_spaced(text);
}

// Each Greek letter of the markup as the document must hold it: its Unicode
// escape, then the Symbol letter for readers that know no Unicode.
std::vector<std::string> greek_escapes(const std::string& markup)
{
    std::vector<std::string> escapes;
    for (std::size_t p = markup.find("@b"); p != std::string::npos; p = markup.find("@b", p + 1)) {
        const std::size_t q = markup.find('@', p + 2);
        if (q == std::string::npos) break;
        for (std::size_t i = p + 2; i < q; ++i) {
            const std::string letter = markup.substr(i, 1);
            const std::string greek = platform::symbol_to_greek(letter);
            if (greek == letter) continue;
            // Greek letters are two bytes of UTF-8.
            const auto code =
                ((static_cast<unsigned>(greek[0]) & 0x1F) << 6) | (static_cast<unsigned>(greek[1]) & 0x3F);
            escapes.push_back("\\u" + std::to_string(code) + " " + letter);
        }
        p = q;
    }
    return escapes;
}

class ReaderTest : public RtfExportTest {};

TEST_F(ReaderTest, ReadsBackFormulasAccentsAndSymbols)
{
    const std::vector<std::pair<std::string, std::string>> problems = {
        {"Calcolare la massa di 2.00 mol di H@d2@SO@d4@ e di NH@d4@@u+@.", "196 g e 36.1 g"},
        {"@T1@@C1@La velocità è 3.00•10@u8@ m/s; quanto vale @bD@@iH@@uo@ a 25 °C?", "@iE@ = 2.1•10@u-3@ J, Cl@u-@"},
        {"Insiemi {a, b} \\ c: µm, Å, α e ≤", "caffè"},
    };
    screen_settings.print_mode = PrintMode::results_in_separate_file;
    for (const auto& [statement, answer] : problems) {
        set_problem(statement, answer);
        export_with();
    }
    screen_settings.print_mode = PrintMode::results_after_problem;
    for (const auto& [statement, answer] : problems) {
        set_problem(statement, answer);
        export_with();
    }
    const std::string document = read_with_unrtf(directory + "/bt071435.doc");
    const std::string results = read_with_unrtf(directory + "/re071435.doc");
    EXPECT_NE(document.find("Tarvisel - Brunatel 1.0 - 07/03/2009 14:35"), std::string::npos) << document;
    EXPECT_NE(document.find("Calcolare la massa di 2.00 mol di H<sub>2</sub>SO<sub>4</sub> e di NH<sub>4</sub>"
                            "<sup>+</sup>."),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("La velocità è 3.00•10<sup>8</sup> m/s; quanto vale ΔH<sup>o</sup> a 25 °C?"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("Insiemi {a, b} \\ c: µm, Å, α e ≤"), std::string::npos) << document;
    EXPECT_NE(read_file(directory + "/bt071435.doc").find("\\i\\f1 \\u916 D\\i0\\f0 \\i H"), std::string::npos);
    EXPECT_NE(document.find("[Risultati: E = 2.1•10<sup>-3</sup> J, Cl<sup>-</sup>]"), std::string::npos) << document;
    EXPECT_NE(results.find("196 g e 36.1 g"), std::string::npos) << results;
    EXPECT_NE(results.find("caffè"), std::string::npos) << results;
    EXPECT_EQ(results.find("Calcolare"), std::string::npos) << results;
}

// Problems as the chapters make them, five to a document as a class would
// collect them; each must read back as its markup shows it.
TEST_F(ReaderTest, ReadsBackProblemsOfTheChapters)
{
    ASSERT_EQ(init_fonts_and_colours(), 0.0f);
    struct Pick {
        std::int32_t chapter;
        std::int32_t problem;
        ChapterGenerator generator;
    };
    const std::vector<Pick> picks = {{1, 1, run_basic_notions_chapter},       {1, 22, run_basic_notions_chapter},
                                     {2, 3, run_elements_compounds_chapter},  {2, 18, run_elements_compounds_chapter},
                                     {2, 21, run_elements_compounds_chapter}, {1, 29, run_basic_notions_chapter},
                                     {6, 2, run_thermo_kinetics_chapter}};
    std::vector<std::pair<std::string, std::string>> exported;
    for (const Pick& pick : picks) {
        app_state.current_chapter = pick.chapter;
        pick.generator(GeneratorMode::register_chapter);
        app_state.selected_problem = pick.problem;
        app_state.version_number = 1234;
        set_random_seed(1234);
        problem_texts.problem_printable = true;
        pick.generator(GeneratorMode::generate);
        pick.generator(GeneratorMode::answer);
        ASSERT_TRUE(problem_texts.problem_printable) << pick.chapter << "." << pick.problem;
        exported.emplace_back(problem_texts.problem_text, problem_texts.answer_text);
        export_with();
    }
    const std::string document = read_with_unrtf(directory + "/bt071435.doc");
    const std::string raw = read_file(directory + "/bt071435.doc");
    std::size_t greek_letters = 0;
    for (const auto& [statement, answer] : exported) {
        for (const std::string& escape : greek_escapes(statement + answer)) {
            ++greek_letters;
            EXPECT_NE(raw.find(escape), std::string::npos) << escape;
        }
        EXPECT_NE(document.find(as_read(statement)), std::string::npos) << as_read(statement) << "\n" << document;
        EXPECT_NE(document.find("[Risultati: " + as_read(answer) + "]"), std::string::npos) << as_read(answer) << "\n"
                                                                                            << document;
    }
    EXPECT_GE(greek_letters, 2u);  // at least the alpha of 1.29 and the Delta of 6.2
}

}  // namespace
}  // namespace rtf_test
