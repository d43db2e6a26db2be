#include "support/page_faults.h"

#include <array>
#include <string_view>

#include "support/text_patterns.h"

namespace testing_support {

namespace {

// The text as a reader sees it: codes dropped, the arguments of subscripts,
// superscripts, italics and Greek letters kept in line, "@uo@" the degree
// sign. An at sign with no closing one is text.
std::string as_read(const std::string& text)
{
    std::string read;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t close = text[i] == '@' ? text.find('@', i + 1) : std::string::npos;
        if (close == std::string::npos) {
            read += text[i++];
            continue;
        }
        if (close > i + 1 && std::string_view("duib").find(text[i + 1]) != std::string_view::npos) {
            const std::string argument = text.substr(i + 2, close - i - 2);
            read += text[i + 1] == 'u' && argument == "o" ? "°" : argument;
        }
        i = close + 1;
    }
    return read;
}

std::string broken_number_fault(const ShownPage& page)
{
    for (const std::string* text : {&page.statement, &page.answer})
        if (shows_broken_number(*text)) return "a broken number in the texts";
    for (const std::string& line : page.drawn)
        if (shows_broken_number(line)) return "a broken number drawn: " + line;
    return "";
}

std::string page_wording_fault(const ShownPage& page)
{
    for (const std::string* text : {&page.statement, &page.answer})
        if (const std::string fault = wording_fault(*text); !fault.empty()) return fault;
    return "";
}

}  // namespace

bool shows_broken_number(const std::string& text)
{
    // Every page's every drawn text passes here: the pattern runs only on a
    // text holding one of the words or the asterisks it looks for.
    constexpr std::array<std::string_view, 7> words = {"nan", "NaN", "NAN", "inf", "Inf", "INF", "**"};
    bool may_show = false;
    for (const std::string_view word : words) may_show = may_show || text.find(word) != std::string::npos;
    return may_show && contains_match(text, R"((^|[^A-Za-z])(nan|NaN|NAN|inf|Inf|INF|Infinity)($|[^A-Za-z])|\*\*)");
}

namespace {

// Whether a character of first is followed by one of second somewhere in text.
bool has_pair(std::string_view text, std::string_view first, std::string_view second)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (first.find(text[i]) != std::string_view::npos && second.find(text[i + 1]) != std::string_view::npos)
            return true;
    return false;
}

bool has(std::string_view text, std::string_view piece)
{
    return text.find(piece) != std::string_view::npos;
}

// A wording fault: its pattern, its name, and what every match needs (a
// number's last character before a unit's first, say), which spares the
// pattern nearly every text: every page's texts pass here.
struct WordingRule {
    const char* pattern;
    const char* name;
    bool (*may_match)(std::string_view text);
};

}  // namespace

std::string wording_fault(const std::string& text)
{
    static const WordingRule faults[] = {
        {"  ", "spazio doppio", [](std::string_view t) { return has(t, "  "); }},
        {"^ ", "spazio in testa", [](std::string_view t) { return t.starts_with(' '); }},
        {"(?:^|[^A-Za-z0-9@.])(?![0-9]g)NUM(g|mg|kg|pg|ng|mL|L|M|mol|atm|torr|kJ|J|Pa|kPa|nm|pm|cm)(?![A-Za-z0-9@(])",
         "numero attaccato all'unità", [](std::string_view t) { return has_pair(t, "0123456789.@", "gmkpnLMatJPc"); }},
        {" =[^ ]|[^ ]= ", "uguale con uno spazio solo", [](std::string_view t) { return has(t, "="); }},
        {"• | •", "spazio accanto a •", [](std::string_view t) { return has(t, "• ") || has(t, " •"); }},
    };
    static const WordingRule read_faults[] = {
        {"  ", "spazio doppio nel testo letto", [](std::string_view t) { return has(t, "  "); }},
        {" [;,)%]| °", "spazio prima di un segno", [](std::string_view t) { return has_pair(t, " ", ";,)%\xC2"); }},
    };
    const auto fault = [](const std::string& checked, const WordingRule& rule) -> std::string {
        if (!rule.may_match(checked)) return "";
        const auto found = find_first(checked, rule.pattern);
        return found ? std::string(rule.name) + " in \"" + (*found)[0] + "\"" : "";
    };
    for (const WordingRule& rule : faults)
        if (std::string found = fault(text, rule); !found.empty()) return found;
    const std::string read = as_read(text);
    for (const WordingRule& rule : read_faults)
        if (std::string found = fault(read, rule); !found.empty()) return found;
    return "";
}

const std::vector<PageRule>& page_rules()
{
    static const std::vector<PageRule> rules = {{"broken number", broken_number_fault},
                                                {"wording", page_wording_fault}};
    return rules;
}

void PageRules::judge(std::int32_t problem, std::int32_t version, const ShownPage& page, Tally& tally)
{
    for (const PageRule& rule : page_rules())
        if (const std::string fault = rule.fault(page); !fault.empty())
            tally.fail(problem, rule.judgment, version, on_page(version, page, fault));
}

}  // namespace testing_support
