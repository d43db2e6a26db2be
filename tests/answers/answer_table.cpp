#include "answer_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <set>
#include <sstream>

#include "chemistry/data_tables.h"
#include "conditions_table.h"
#include "numbers/fixed_width.h"
#include "stated_facts.h"
#include "support/formula_reading.h"
#include "support/page_faults.h"
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

// One row's answer on a page, as shown and as worked from the data.
struct Answer {
    const Row* row;
    std::optional<Shown> shown;  // none where the page shows no number for the row
    double value, u;             // u summed to first order
    std::vector<Shown> data;     // the data the value read
    std::vector<double> parts;   // what each datum adds to u
};

// A digit rule, the row's own unless named, judged on the answer shown; ""
// when it holds. Strict, the count is decided by the sum itself, with no
// allowance for the program's own estimate of it: a mended page stands
// where the two agree.
std::string digits_fault(const Answer& a, std::optional<Digits> judged_by = std::nullopt, bool strict = false)
{
    const Digits rule = judged_by.value_or(a.row->digits.rule);
    const Row& row = *a.row;
    const Shown& shown = *a.shown;
    const double value = a.value;
    const std::vector<Shown>& data = a.data;
    const std::int32_t fixed = row.digits.count > 0 ? row.digits.count : row.most;
    std::ostringstream fault;
    switch (rule) {
    case Digits::exact: return "";
    case Digits::from_data:
    case Digits::from_data_or_fewer:
    case Digits::whole_relative:
    case Digits::celsius: {
        const double u = a.u;
        if (u == 0.0 || value == 0.0) return "";  // exact data, or nothing left: no count to judge
        // The program sums the same parts from the data as it holds them, in
        // single precision and by its own formula: the two agree to a
        // hundredth, and a count is decided only where u lies that near a
        // power of ten. A row of fewer digits, or of a temperature's place,
        // allows further where the answer curves within its uncertainty: by
        // each part's relative uncertainty.
        double reach = 0.0;
        for (std::size_t i = 0; i < data.size() && i < a.parts.size(); ++i)
            if (data[i].value != 0.0) reach += a.parts[i] * data[i].uncertainty() / std::abs(data[i].value) / u;
        const bool as_summed = rule == Digits::from_data || rule == Digits::whole_relative;
        const double slack = strict ? 0.0 : 0.01 + (as_summed ? 0.0 : reach);
        if (rule == Digits::celsius && std::abs(value) < u) {
            // A temperature near 0 °C, under its uncertainty: its last digit
            // stands at the uncertainty's first, where a plain 0 holds too.
            const auto place = static_cast<std::int32_t>(std::floor(std::log10(u * (1.0 - reach))));
            if (shown.value == 0.0 || shown.last_place >= place) return "";
            fault << "the answer's last digit at 10^" << shown.last_place << ", " << value << " uncertain by " << u
                  << " leaves 10^" << place;
            return fault.str();
        }
        const ::testing::AssertionResult held = testing_support::digits_for(shown, value, u, row.most);
        // Strict, its last digit stands at the uncertainty's first too: 0.964
        // uncertain by 0.099997 is "0.96", where "1.0" has two digits as well.
        const auto place = static_cast<std::int32_t>(std::floor(std::log10(u)));
        if (strict && held && u < std::abs(value) && shown.digits < row.most && shown.last_place != place) {
            fault << "the answer's last digit at 10^" << shown.last_place << ", " << value << " uncertain by " << u
                  << " leaves 10^" << place;
            return fault.str();
        }
        if (held) return "";
        for (const double scale : {1.0 - slack, 1.0 + slack})
            if (testing_support::digits_for(shown, value, u * scale, row.most)) return "";
        // Judged on the value as shown too: one a hair from a half at the
        // uncertainty's place (c/m exactly against its root) rounds either way.
        if (testing_support::digits_for(shown, shown.value, u, row.most)) return "";
        // Fewer digits than the data allow hold for such a row: a count that
        // shows one more does not.
        if (!as_summed && testing_support::digits_for(shown, value, u, std::min(row.most, shown.digits))) return "";
        return held.message();
    }
    case Digits::decimals:
        if (shown.last_place == -fixed) return "";
        fault << "the answer's last digit at 10^" << shown.last_place << ", the book's " << fixed << " decimals";
        return fault.str();
    case Digits::as_data: {
        std::int32_t fewest = 99;
        for (const Shown& datum : data) fewest = std::min(fewest, datum.digits);
        if (data.empty() || shown.digits == fewest) return "";
        fault << shown.significand << " shows " << shown.digits << " digits, the data " << fewest;
        return fault.str();
    }
    case Digits::ceiling:
        if (shown.digits <= fixed) return "";
        fault << shown.significand << " shows " << shown.digits << " digits, the book " << fixed;
        return fault.str();
    }
    return "";
}

// The row's value and digits judged on one page; "" when they hold.
std::string row_fault(const Answer& a, bool strict = false)
{
    if (!a.shown) return std::string("no answer for \"") + a.row->answer + "\"";
    const Shown& shown = *a.shown;
    const ::testing::AssertionResult near = testing_support::within_last_digit(shown, a.value, 1.0);
    // A plain 0 may stand at the place of the value's uncertainty (0 °C to
    // the tens): it holds for any value that uncertainty reaches.
    const bool zero_reached = shown.value == 0.0 && a.row->digits.rule != Digits::exact && std::abs(a.value) <= a.u;
    if (!near && !zero_reached) return near.message();
    return digits_fault(a, std::nullopt, strict);
}

// Mixtures at the equivalence, whose pH their salt sets: a last digit of a
// volume carries the sum to first order past the equivalence, and so past
// the pH, which the moves, each to one side, keep. They stand.
constexpr std::array<std::array<std::int32_t, 3>, 2> at_equivalence{{{7, 35, 668}, {7, 36, 1936}}};

// An answer its uncertainty, from the data's moves or summed to first
// order, exceeds; "" where none does, or for an exact zero shown "0".
std::string under_fault(const Answer& a)
{
    // The first-order sum is a slope's estimate, and the program's another:
    // one within the hundredth they part by holds (a datum uncertain by its
    // whole self, converted, sums to the value itself).
    const bool under = a.u > 1.01 * std::abs(a.value);
    if (!a.shown || a.row->digits.rule == Digits::exact || !under) return "";
    double scale = 1.0;
    for (const Shown& datum : a.data) scale = std::max(scale, std::abs(datum.value));
    if (a.shown->value == 0.0 && std::abs(a.value) <= 1e-9 * scale) return "";
    std::ostringstream fault;
    fault << "\"" << a.row->answer << "\" shows " << a.shown->value << ", worked " << a.value
          << " uncertain to first order by " << a.u;
    return fault.str();
}

// Each row's answer on the page, with the index of its row; a row whose
// statement does not hold, or whose number neither the page shows nor the
// row finds (a concentration out of reach), has none.
std::vector<Answer> answers_on(const Page& page, const std::vector<const Row*>& rows, std::vector<std::size_t>& row_of)
{
    std::vector<Answer> answers;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = *rows[r];
        if (*row.when != '\0' && !page.has(row.when)) continue;
        const std::optional<Found> found = first(page.answer(), row.answer);
        Answer a{&row, std::nullopt, page.run(row.value), 0.0, page.reads(), {}};
        const bool has_number = found && found->matched(1);
        if (!has_number && !std::isfinite(a.value)) continue;
        if (has_number) a.shown = testing_support::shown((*found)[1]);
        if (row.digits.rule != Digits::exact)
            a.parts = testing_support::first_order_parts(
                [&](const std::vector<double>& values) { return page.run_with(row.value, values); }, a.data,
                page.signed_reads());
        for (const double part : a.parts) a.u += part;
        if (row.digits.rule == Digits::whole_relative) a.u *= std::numbers::ln10;
        answers.push_back(std::move(a));
        row_of.push_back(r);
    }
    return answers;
}

// A row keeps a count other than the data's only with a reason.
bool needs_why(const Row& row)
{
    const Digits rule = row.digits.rule;
    return (rule != Digits::from_data || row.most < 12) && *row.digits.why == '\0';
}

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
    if (replay_ != nullptr) {
        const std::size_t i = next_++;
        return i < replay_->size() ? (*replay_)[i] : std::nan("");
    }
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
    // A replay reads its values, not the page: a formula runs again for each
    // datum it reads.
    return replay_ != nullptr ? read({}, false) : read(statement_group(pattern, group), false);
}

double Page::difference(const std::string& pattern, std::size_t group) const
{
    return replay_ != nullptr ? read({}, true) : read(statement_group(pattern, group), true);
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
    return replay_ != nullptr ? read({}, false) : read(testing_support::shown(written), false);
}

double Page::answer_datum(const std::string& pattern, std::size_t group) const
{
    return replay_ != nullptr ? read({}, false)
                              : read(group_of(found(true, pattern), answer_, pattern, group, "answer"), false);
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
    // A formula that reads other data once one is moved judges another answer.
    if (next_ != values.size()) {
        ADD_FAILURE() << "a replay read " << next_ << " values, the first run " << values.size() << ", in "
                      << statement_;
        return std::nan("");
    }
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

namespace {

// The table's rows judged on each page of their problem.
class AnswerJudge : public testing_support::Judge {
public:
    AnswerJudge(const ChapterRows& table, const testing_support::Sweep& sweep, std::int32_t problem_count)
        : chapter_(table.chapter), sweep_(sweep),
          by_problem_(
              testing_support::rows_by_problem(table.chapter, table.rows, table.without_numbers, sweep, problem_count))
    {}

    void begin(std::int32_t problem, testing_support::Tally& tally) override
    {
        const auto found = by_problem_.find(problem);
        rows_ = found == by_problem_.end() ? std::vector<const Row*>{} : found->second;
        // The report counts too where a row of fewer digits would fail as from_data.
        failures_.assign(rows_.size(), 0);
        strict_.assign(rows_.size(), 0);
        for (std::size_t r = 0; r < rows_.size(); ++r)
            if (needs_why(*rows_[r]))
                tally.fail(problem, "why", static_cast<std::int32_t>(r),
                           std::string("\"") + rows_[r]->answer + "\" keeps another count than its data's, and no why");
    }

    void judge(std::int32_t problem, std::int32_t version, const testing_support::ShownPage& shown_page,
               testing_support::Tally& tally) override
    {
        if (rows_.empty()) return;
        const Page page(shown_page.statement, shown_page.answer, shown_page.table);
        const auto at = [&](const std::string& fault) { return testing_support::on_page(version, shown_page, fault); };
        std::vector<std::size_t> row_of;
        const std::vector<Answer> answers = answers_on(page, rows_, row_of);
        for (std::size_t i = 0; i < answers.size(); ++i) {
            const bool decided =
                std::ranges::find(at_equivalence, std::array{chapter_, problem, version}) != at_equivalence.end();
            if (const std::string fault = under_fault(answers[i]); !fault.empty() && !decided)
                tally.fail(problem, "under", version, at(fault));
            const Digits rule = answers[i].row->digits.rule;
            if (sweep_.report && answers[i].shown && (rule == Digits::from_data_or_fewer || rule == Digits::celsius) &&
                !digits_fault(answers[i], Digits::from_data).empty())
                ++strict_[row_of[i]];
            const std::string fault = row_fault(answers[i]);
            if (fault.empty()) continue;
            tally.fail(problem, "value", version, at("\"" + std::string(answers[i].row->answer) + "\": " + fault));
            ++failures_[row_of[i]];
        }
    }

    void end(std::int32_t problem) override
    {
        if (sweep_.report)
            for (std::size_t r = 0; r < rows_.size(); ++r)
                std::printf("%d.%d \"%s\": %d of %zu versions fail, %d as from_data\n", chapter_, problem,
                            rows_[r]->answer, failures_[r], sweep_.versions.size(), strict_[r]);
    }

private:
    std::int32_t chapter_;
    const testing_support::Sweep& sweep_;
    std::map<std::int32_t, std::vector<const Row*>> by_problem_;
    std::vector<const Row*> rows_;
    std::vector<std::int32_t> failures_, strict_;
};

}  // namespace

void check_chapter(const ChapterRows& table)
{
    const testing_support::Sweep sweep("BRUNATEL_ANSWER");
    testing_support::PageShow show(table.chapter);
    AnswerJudge answers(table, sweep, show.problem_count());
    const std::unique_ptr<testing_support::Judge> conditions =
        conditions::judge_of(conditions::chapter_statements(table.chapter), sweep, show.problem_count());
    testing_support::PageRules page_rules;
    std::vector<testing_support::KnownFault> known = known_answer_faults();
    known.insert(known.end(), conditions::known_condition_faults().begin(), conditions::known_condition_faults().end());
    testing_support::Tally tally(table.chapter, sweep, known);
    const std::unique_ptr<testing_support::Judge> facts = stated_facts::collector(table.chapter, sweep);
    testing_support::sweep_pages(show, sweep, tally, {&answers, conditions.get(), &page_rules, facts.get()});
    for (const MendedPage& mended : table.mended) {
        const testing_support::ShownPage shown = show.page(mended.problem, mended.version);
        EXPECT_EQ(shown.answer, mended.after) << table.chapter << "." << mended.problem << " v" << mended.version;
        std::vector<const Row*> rows;
        for (const Row& row : table.rows)
            if (row.problem == mended.problem) rows.push_back(&row);
        for (const char* answer : {mended.before, mended.after}) {
            std::vector<std::size_t> row_of;
            std::string faults;
            for (const Answer& a : answers_on(Page(shown.statement, answer), rows, row_of))
                faults += row_fault(a, true);
            EXPECT_EQ(faults.empty(), answer == mended.after) << table.chapter << "." << mended.problem << " v"
                                                              << mended.version << " \"" << answer << "\" " << faults;
        }
    }
}

}  // namespace answer_table
