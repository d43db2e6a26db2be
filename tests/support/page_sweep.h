// A table's sweep of the program's pages: the pages as shown, the versions
// its environment asks for, the judges that read each page, and its count
// of failing pages per problem and judgment, held against the table's list
// of faults known to stand.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/shown_numbers.h"

namespace testing_support {

struct ShownPage {
    std::string statement, answer;
    // The numbers of a table drawn on the page, row by row.
    std::vector<std::vector<Shown>> table;
    // Every text drawn, the statement's page and the results'.
    std::vector<std::string> drawn;
};

// A fault found on a page, with the page's version and texts.
std::string on_page(std::int32_t version, const ShownPage& page, const std::string& fault);

// The program started with one chapter's pages, shown one at a time as the
// user asks for them.
class PageShow {
public:
    explicit PageShow(std::int32_t chapter);
    ~PageShow();
    PageShow(const PageShow&) = delete;
    PageShow& operator=(const PageShow&) = delete;

    ShownPage page(std::int32_t problem, std::int32_t version);
    std::int32_t problem_count() const;

private:
    struct Backend;
    std::unique_ptr<Backend> backend_;
};

// What the environment asks of a table named `prefix` (BRUNATEL_ANSWER):
// _VERSIONS how many (300), _IN_ORDER versions 1 to that count rather than a
// spread, _REPORT every failing page counted and printed, _FIRST and _LAST
// those problems alone. "Versione Testo" comes first in any case.
struct Sweep {
    explicit Sweep(const std::string& prefix);
    bool covers(std::int32_t problem) const;

    std::vector<std::int32_t> versions;
    bool report = false;
    // The default versions over every problem: what CI runs, on which a
    // known fault must still be seen.
    bool whole = true;
    std::int32_t first = 0, last = 0;
};

// A fault known to stand until a mend clears it, with the reason it is a
// fault: the faults of its judgment whose text holds `text` ("" any).
struct KnownFault {
    std::int32_t chapter, problem;
    const char* judgment;
    const char* why;
    const char* text = "";
};

// Counts each problem's failing pages per judgment. The first fault of a
// pair that no known fault's text covers is a test failure, with its detail;
// at the end a known fault the whole sweep no longer sees is one too, so
// that the list is emptied as mends land.
class Tally {
public:
    Tally(std::int32_t chapter, const Sweep& sweep, const std::vector<KnownFault>& known);
    ~Tally();
    Tally(const Tally&) = delete;
    Tally& operator=(const Tally&) = delete;

    // `at` is the failing page's version, or for a judgment of the table's
    // own rows the row's index: each is counted once. The detail's first
    // line is the fault's text.
    void fail(std::int32_t problem, const std::string& judgment, std::int32_t at, const std::string& detail);

private:
    struct Count {
        std::int32_t failing = 0, last_at = -1;
        bool reported = false;
    };
    std::int32_t chapter_;
    const Sweep& sweep_;
    std::vector<KnownFault> known_;
    std::vector<std::int32_t> seen_;  // faults each known fault covered
    std::map<std::pair<std::int32_t, std::string>, Count> counts_;
};

// One judge of the pages a sweep shows: it begins each problem, reads each
// of its pages and ends it.
class Judge {
public:
    virtual ~Judge() = default;
    virtual void begin(std::int32_t /*problem*/, Tally& /*tally*/) {}
    virtual void judge(std::int32_t problem, std::int32_t version, const ShownPage& page, Tally& tally) = 0;
    virtual void end(std::int32_t /*problem*/) {}
};

// Shows each problem of the chapter that the sweep covers at each of its
// versions, once, and has every judge read the page.
void sweep_pages(PageShow& show, const Sweep& sweep, Tally& tally, const std::vector<Judge*>& judges);

// A table's rows by problem, for the problems the sweep covers; every
// problem of the chapter has rows or is listed with why, never both (with
// a _FIRST/_LAST range, only those problems are looked at).
template <class Row>
std::map<std::int32_t, std::vector<const Row*>>
rows_by_problem(std::int32_t chapter, const std::vector<Row>& rows,
                const std::vector<std::pair<std::int32_t, const char*>>& listed_problems, const Sweep& sweep,
                std::int32_t problem_count)
{
    std::map<std::int32_t, std::vector<const Row*>> by_problem;
    for (const Row& row : rows) by_problem[row.problem].push_back(&row);
    std::set<std::int32_t> listed;
    for (const auto& [problem, why] : listed_problems) {
        listed.insert(problem);
        EXPECT_FALSE(by_problem.contains(problem)) << "problem " << problem << " has rows and is listed: " << why;
    }
    std::erase_if(by_problem, [&](const auto& entry) { return !sweep.covers(entry.first); });
    for (std::int32_t problem = 1; sweep.first == 0 && problem <= problem_count; ++problem) {
        EXPECT_TRUE(by_problem.contains(problem) || listed.contains(problem))
            << "problem " << chapter << "." << problem << " has no row and is not listed";
    }
    return by_problem;
}

}  // namespace testing_support
