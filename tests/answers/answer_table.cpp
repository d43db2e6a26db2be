#include "answer_table.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "chemistry/data_tables.h"
#include "frame/app_state.h"
#include "frame/menus.h"
#include "frame/page_commands.h"
#include "frame/problem_page.h"
#include "numbers/fixed_width.h"
#include "platform/recording_backend.h"
#include "support/chapter_fixture.h"
#include "support/formula_reading.h"
#include "support/program_start.h"
#include "support/table_lookups.h"
#include "support/text_patterns.h"

namespace answer_table {

using testing_support::find_first;
using testing_support::Found;

namespace {

std::optional<Found> first(const std::string& text, const std::string& pattern)
{
    return find_first(text, pattern);
}

Shown group_of(const std::optional<Found>& found, const std::string& text, const std::string& pattern,
               std::size_t group, const char* where)
{
    if (!found || !found->matched(group)) {
        ADD_FAILURE() << "no " << where << " number for " << pattern << " in " << text;
        Shown none;
        none.value = std::nan("");
        return none;
    }
    return testing_support::shown((*found)[group]);
}

std::int32_t env_number(const char* name, std::int32_t otherwise)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : otherwise;
}

// What the row's value moves when each datum alone moves by three units of
// its last digit (towards zero and never past it; a signed difference both
// ways), summed over the data; a move that leaves no value adds the whole.
double uncertainty_of(const Page& page, const std::function<double(const Page&)>& formula, double value)
{
    const std::vector<Shown> data = page.reads();
    const std::vector<bool> signed_data = page.signed_reads();
    std::vector<double> values;
    for (const Shown& datum : data) values.push_back(datum.value);
    double sum = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::vector<double> moves;
        if (signed_data[i])
            moves = {values[i] + 3.0 * data[i].unit(), values[i] - 3.0 * data[i].unit()};
        else
            moves = {std::copysign(std::max(std::abs(values[i]) - 3.0 * data[i].unit(), 0.0), values[i])};
        double largest = 0.0;
        for (const double moved_value : moves) {
            std::vector<double> moved = values;
            moved[i] = moved_value;
            const double change = std::abs(page.run_with(formula, moved) - value);
            largest = std::max(largest, std::isfinite(change) ? change : std::abs(value));
        }
        sum += largest;
    }
    return sum;
}

// The digit rule of the row, judged on the answer shown; "" when it holds.
std::string digits_fault(const Row& row, const Page& page, const Shown& shown, double value)
{
    const std::vector<Shown>& data = page.reads();
    std::ostringstream fault;
    switch (row.digits) {
    case Digits::exact: return "";
    case Digits::from_data:
    case Digits::from_data_or_fewer:
    case Digits::celsius: {
        const double u = uncertainty_of(page, row.value, value);
        if (u == 0.0 || value == 0.0) return "";  // exact data, or nothing left: no count to judge
        // The program sums each datum's relative move to first order; the
        // moves made here differ from that by up to the largest of them, which
        // decides a count only where u lies that near a power of ten.
        double reach = 0.0;
        for (const Shown& datum : data)
            if (datum.value != 0.0) reach = std::max(reach, datum.uncertainty() / std::abs(datum.value));
        if (row.digits == Digits::celsius && std::abs(value) < u) {
            // A temperature near 0 °C, under its uncertainty: its last digit
            // stands at the uncertainty's first, where a plain 0 holds too.
            const auto place = static_cast<std::int32_t>(std::floor(std::log10(u * (1.0 - reach))));
            if (shown.value == 0.0 || shown.last_place >= place) return "";
            fault << "the answer's last digit at 10^" << shown.last_place << ", " << value << " uncertain by " << u
                  << " leaves 10^" << place;
            return fault.str();
        }
        const ::testing::AssertionResult held = testing_support::digits_for(shown, value, u, row.most);
        if (held) return "";
        for (const double scale : {1.0 - reach, 1.0 + reach})
            if (testing_support::digits_for(shown, value, u * scale, row.most)) return "";
        // Fewer digits than the data allow hold for such a row: a count that
        // shows one more does not.
        // Judged on the value as rounded too: a rounding that carries into a
        // new digit (95 to the tens shows 100) keeps its place.
        if (row.digits != Digits::from_data &&
            (testing_support::digits_for(shown, value, u, std::min(row.most, shown.digits)) ||
             testing_support::digits_for(shown, shown.value, u, std::min(row.most, shown.digits))))
            return "";
        return held.message();
    }
    case Digits::product: {
        std::int32_t fewest = 99;
        for (const Shown& datum : data) fewest = std::min(fewest, datum.digits);
        if (shown.digits <= fewest) return "";
        fault << shown.significand << " shows " << shown.digits << " digits, the data " << fewest;
        return fault.str();
    }
    case Digits::sum: {
        std::int32_t place = -99;
        for (const Shown& datum : data) place = std::max(place, datum.last_place);
        if (shown.last_place >= place) return "";
        fault << "the answer's last digit at 10^" << shown.last_place << ", the data's at 10^" << place;
        return fault.str();
    }
    case Digits::logarithm:
        if (data.empty() || -shown.last_place <= data.back().digits) return "";
        fault << -shown.last_place << " decimals from a datum of " << data.back().digits << " digits";
        return fault.str();
    case Digits::power_of_ph:
        if (data.empty() || shown.digits <= std::max(1, -data.back().last_place)) return "";
        fault << shown.digits << " digits from a pH of " << -data.back().last_place << " decimals";
        return fault.str();
    }
    return "";
}

// The row judged on one page; "" when it holds.
std::string row_fault(const Row& row, const Page& page)
{
    const std::optional<Found> found = first(page.answer(), row.answer);
    const double value = page.run(row.value);
    // A page with no number where the row finds no answer either (a
    // concentration out of reach) holds.
    if ((!found || !found->matched(1)) && !std::isfinite(value)) return "";
    if (!found || !found->matched(1)) return std::string("no answer for \"") + row.answer + "\"";
    const Shown shown = testing_support::shown((*found)[1]);
    const ::testing::AssertionResult near = testing_support::within_last_digit(shown, value, 1.0);
    // A plain 0 may stand at the place of the value's uncertainty (0 °C to
    // the tens): it holds for any value that uncertainty reaches.
    const bool zero_reached =
        shown.value == 0.0 && row.digits != Digits::exact && std::abs(value) <= uncertainty_of(page, row.value, value);
    if (!near && !zero_reached) return near.message();
    return digits_fault(row, page, shown, value);
}

// The numbers of a table drawn on the page, row by row: the texts drawn
// alone that read as a number, a power of ten joined with the exponent
// drawn after it, raised, in a smaller face.
std::vector<std::vector<Shown>> drawn_table(const std::vector<std::string>& texts)
{
    struct Item {
        std::int32_t x, y, font;
        std::string text;
    };
    // Read by hand, not by a regular expression: every page of the table
    // passes here.
    std::vector<Item> items;
    for (const std::string& line : texts) {
        Item item{};
        const std::size_t open = line.find('"');
        if (std::sscanf(line.c_str(), "text (%d,%d) font %d", &item.x, &item.y, &item.font) != 3 ||
            open == std::string::npos || line.back() != '"')
            continue;
        item.text = line.substr(open + 1, line.size() - open - 2);
        items.push_back(std::move(item));
    }
    std::map<std::int32_t, std::vector<std::pair<std::int32_t, Shown>>> rows;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        std::string number = item.text;
        if (number.ends_with("•10") && i + 1 < items.size() && items[i + 1].font != item.font &&
            items[i + 1].y < item.y)
            number += "@u" + items[++i].text + "@";
        const bool may_be_number =
            !number.empty() && number.find(' ') == std::string::npos &&
            (std::isdigit(static_cast<unsigned char>(number[0])) != 0 || number[0] == '-' || number[0] == '.');
        if (may_be_number && testing_support::match_whole(number, "NUM"))
            rows[item.y].push_back({item.x, testing_support::shown(number)});
    }
    std::vector<std::vector<Shown>> table;
    for (auto& [y, row] : rows) {
        if (row.size() < 2) continue;  // a number of the running text, not a table's row
        std::ranges::sort(row, {}, &std::pair<std::int32_t, Shown>::first);
        table.emplace_back();
        for (const auto& cell : row) table.back().push_back(cell.second);
    }
    return table;
}

struct Show {
    Show(std::int32_t chapter)
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts();
        on_menu_chapter(chapter);
    }
    ~Show() { platform::install_backend(nullptr); }

    Page page(std::int32_t problem, std::int32_t version)
    {
        backend.clear_log();
        app_state.selected_problem = problem;
        app_state.version_number = version;
        show_problem_page(PageMode::as_version);
        // The statement's page alone: the results are drawn over it.
        std::vector<std::vector<Shown>> table = drawn_table(backend.log_lines("text"));
        show_results();
        return Page(problem_texts.problem_text, problem_texts.answer_text, std::move(table));
    }

    platform::RecordingBackend backend;
};

}  // namespace

Page::Page(std::string statement, std::string answer, std::vector<std::vector<Shown>> table)
    : statement_(std::move(statement)), answer_(std::move(answer)),
      numbers_(testing_support::shown_numbers(statement_)), table_(std::move(table))
{}

double Page::cell(std::size_t row, std::size_t column) const
{
    if (row >= table_.size() || column >= table_[row].size()) {
        ADD_FAILURE() << "no cell " << row << ", " << column << " in the table drawn beside " << statement_;
        return std::nan("");
    }
    return read(table_[row][column], false);
}

double Page::exact_cell(std::size_t row, std::size_t column) const
{
    return row < table_.size() && column < table_[row].size() ? table_[row][column].value : std::nan("");
}

double Page::read(const Shown& datum, bool is_signed) const
{
    if (replay_ != nullptr) return next_ < replay_->size() ? (*replay_)[next_++] : std::nan("");
    reads_.push_back(datum);
    signed_.push_back(is_signed);
    return datum.value;
}

double Page::operator[](std::size_t i) const
{
    if (i >= numbers_.size()) {
        ADD_FAILURE() << "no number " << i << " in " << statement_;
        return std::nan("");
    }
    return read(numbers_[i], false);
}

const std::optional<Found>& Page::found(bool in_answer, const std::string& pattern) const
{
    // A formula runs again for each datum it reads: each pattern is matched once.
    const auto key = std::make_pair(in_answer, pattern);
    auto it = matches_.find(key);
    if (it == matches_.end()) it = matches_.emplace(key, first(in_answer ? answer_ : statement_, pattern)).first;
    return it->second;
}

Shown Page::statement_group(const std::string& pattern, std::size_t group) const
{
    return group_of(found(false, pattern), statement_, pattern, group, "statement");
}

double Page::datum(const std::string& pattern, std::size_t group) const
{
    return read(statement_group(pattern, group), false);
}

double Page::difference(const std::string& pattern, std::size_t group) const
{
    return read(statement_group(pattern, group), true);
}

double Page::exact(const std::string& pattern, std::size_t group) const
{
    return statement_group(pattern, group).value;
}

std::string Page::text(const std::string& pattern, std::size_t group) const
{
    const std::optional<Found>& match = found(false, pattern);
    return match && match->matched(group) ? (*match)[group] : "";
}

bool Page::has(const std::string& pattern) const
{
    return found(false, pattern).has_value();
}

double Page::table_datum(std::string_view written) const
{
    return read(testing_support::shown(written), false);
}

double Page::answer_datum(const std::string& pattern, std::size_t group) const
{
    return read(group_of(found(true, pattern), answer_, pattern, group, "answer"), false);
}

std::string Page::answer_text(const std::string& pattern, std::size_t group) const
{
    const std::optional<Found>& match = found(true, pattern);
    return match && match->matched(group) ? (*match)[group] : "";
}

double Page::run(const std::function<double(const Page&)>& formula) const
{
    reads_.clear();
    signed_.clear();
    replay_ = nullptr;
    return formula(*this);
}

double Page::run_with(const std::function<double(const Page&)>& formula, const std::vector<double>& values) const
{
    replay_ = &values;
    next_ = 0;
    const double result = formula(*this);
    replay_ = nullptr;
    return result;
}

double monotonic_root(const std::function<double(double)>& f, double lo, double hi)
{
    const bool rising = f(lo) < f(hi);
    for (int step = 0; step < 200; ++step) {
        const double mid = 0.5 * (lo + hi);
        ((f(mid) > 0.0) == rising ? hi : lo) = mid;
    }
    return 0.5 * (lo + hi);
}

double mass(const std::string& formula_markup)
{
    return testing_support::formula_mass(formula_markup);
}

double atomic_mass(const Page& page, const std::string& symbol)
{
    const std::int32_t z = testing_support::element_with_symbol(symbol);
    if (z == 0) {
        ADD_FAILURE() << "no element " << symbol;
        return std::nan("");
    }
    return page.table_datum(strip_blanks(record_columns(element_record(z), 21, 30)));
}

double molar_mass(const Page& page, const std::string& formula_markup)
{
    double sum = 0.0;
    for (const auto& [symbol, count] : testing_support::read_formula(formula_markup).atoms)
        sum += count * atomic_mass(page, symbol);
    return sum;
}

std::string literal(const std::string& text)
{
    return testing_support::replace_all(text, R"([.*+?^${}()|\[\]\\])", R"(\$&)");
}

double atmospheres(double value, const std::string& unit)
{
    static const std::map<std::string, double> per_atm = {
        {"atm", 1.0}, {"torr", 760.0}, {"mmHg", 760.0}, {"kPa", 101.325}, {"Pa", 101325.0}, {"bar", 1.01325},
    };
    const auto found = per_atm.find(unit);
    if (found == per_atm.end()) {
        ADD_FAILURE() << "no pressure unit " << unit;
        return std::nan("");
    }
    return value / found->second;
}

void check_chapter(const ChapterRows& table)
{
    const std::int32_t count = env_number("BRUNATEL_ANSWER_VERSIONS", 300);
    const bool report = std::getenv("BRUNATEL_ANSWER_REPORT") != nullptr;
    Show show(table.chapter);

    std::map<std::int32_t, std::vector<const Row*>> by_problem;
    for (const Row& row : table.rows) by_problem[row.problem].push_back(&row);
    std::set<std::int32_t> listed;
    for (const auto& [problem, why] : table.without_numbers) {
        listed.insert(problem);
        EXPECT_FALSE(by_problem.contains(problem)) << "problem " << problem << " has rows and is listed: " << why;
    }
    // BRUNATEL_ANSWER_FIRST and _LAST check those problems alone, while their
    // rows are being written: the whole chapter is not looked at then.
    const std::int32_t first_problem = env_number("BRUNATEL_ANSWER_FIRST", 0);
    const std::int32_t last_problem = env_number("BRUNATEL_ANSWER_LAST", 0);
    const bool part = first_problem > 0;
    if (part)
        std::erase_if(by_problem, [&](const auto& entry) {
            return entry.first < first_problem || (last_problem > 0 && entry.first > last_problem);
        });
    else
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem)
            EXPECT_TRUE(by_problem.contains(problem) || listed.contains(problem))
                << "problem " << table.chapter << "." << problem << " has no row and is not listed";

    std::vector<std::int32_t> versions = {text_version};
    for (const std::int32_t v : testing_support::spread_versions(count)) versions.push_back(v);
    for (const auto& [problem, rows] : by_problem) {
        std::vector<std::int32_t> failures(rows.size(), 0);
        for (const std::int32_t version : versions) {
            const Page page = show.page(problem, version);
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const Row& row = *rows[r];
                if ((failures[r] > 0 && !report) || (*row.when != '\0' && !page.has(row.when))) continue;
                const std::string fault = row_fault(row, page);
                if (fault.empty()) continue;
                if (failures[r]++ == 0)
                    ADD_FAILURE() << table.chapter << "." << problem << " \"" << row.answer << "\" versione " << version
                                  << ": " << fault << "\n  " << page.statement() << "\n  => " << page.answer();
            }
        }
        if (report)
            for (std::size_t r = 0; r < rows.size(); ++r)
                std::printf("%d.%d \"%s\": %d of %zu versions fail\n", table.chapter, problem, rows[r]->answer,
                            failures[r], versions.size());
    }
}

}  // namespace answer_table
