#include "support/page_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/menus.h"
#include "frame/page_commands.h"
#include "frame/problem_page.h"
#include "platform/recording_backend.h"
#include "support/chapter_fixture.h"
#include "support/program_start.h"
#include "support/text_patterns.h"

namespace testing_support {

namespace {

std::int32_t env_number(const std::string& name, std::int32_t otherwise)
{
    const char* text = std::getenv(name.c_str());
    return text != nullptr && *text != '\0' ? std::atoi(text) : otherwise;
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
        if (may_be_number && match_whole(number, "NUM")) rows[item.y].push_back({item.x, shown(number)});
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

}  // namespace

struct PageShow::Backend {
    platform::RecordingBackend recording;
};

PageShow::PageShow(std::int32_t chapter) : backend_(std::make_unique<Backend>())
{
    platform::install_backend(&backend_->recording);
    start_program_with_its_parts();
    on_menu_chapter(chapter);
}

PageShow::~PageShow()
{
    platform::install_backend(nullptr);
}

ShownPage PageShow::page(std::int32_t problem, std::int32_t version)
{
    backend_->recording.clear_log();
    app_state.selected_problem = problem;
    app_state.version_number = version;
    const std::int32_t rejected_kept = redraw_record.rejected_kept;
    show_problem_page(PageMode::as_version);
    // The statement's page alone: the results are drawn over it.
    std::vector<std::vector<Shown>> table = drawn_table(backend_->recording.log_lines("text"));
    show_results();
    if (redraw_record.rejected_kept != rejected_kept)
        ADD_FAILURE() << "problem " << app_state.current_chapter << "." << problem << ", version " << version
                      << ": a redraw reached its cap and the page shows a draw it rejected";
    return {problem_texts.problem_text, problem_texts.answer_text, std::move(table),
            backend_->recording.log_lines("text")};
}

std::string on_page(std::int32_t version, const ShownPage& page, const std::string& fault)
{
    return "versione " + std::to_string(version) + ": " + fault + "\n  " + page.statement + "\n  => " + page.answer;
}

std::int32_t PageShow::problem_count() const
{
    return app_state.problem_count;
}

Sweep::Sweep(const std::string& prefix)
    : report(std::getenv((prefix + "_REPORT").c_str()) != nullptr), first(env_number(prefix + "_FIRST", 0)),
      last(env_number(prefix + "_LAST", 0))
{
    constexpr std::int32_t ci_count = 300;
    const std::int32_t count = env_number(prefix + "_VERSIONS", ci_count);
    const bool in_order = env_number(prefix + "_IN_ORDER", 0) != 0;
    versions = in_order ? counting_versions(count) : spread_versions(count);
    versions.insert(versions.begin(), text_version);
    whole = count == ci_count && !in_order && first == 0;
}

bool Sweep::covers(std::int32_t problem) const
{
    return first == 0 || (problem >= first && (last == 0 || problem <= last));
}

Tally::Tally(std::int32_t chapter, const Sweep& sweep, const std::vector<KnownFault>& known)
    : chapter_(chapter), sweep_(sweep)
{
    std::ranges::copy_if(known, std::back_inserter(known_), [&](const KnownFault& f) { return f.chapter == chapter; });
    seen_.assign(known_.size(), 0);
}

void Tally::fail(std::int32_t problem, const std::string& judgment, std::int32_t at, const std::string& detail)
{
    const std::string fault = detail.substr(0, detail.find('\n'));
    bool known = false;
    for (std::size_t k = 0; k < known_.size(); ++k)
        if (known_[k].problem == problem && known_[k].judgment == judgment &&
            fault.find(known_[k].text) != std::string::npos) {
            known = true;
            ++seen_[k];
        }
    Count& count = counts_[{problem, judgment}];
    if (!known && !count.reported) {
        count.reported = true;
        ADD_FAILURE() << chapter_ << "." << problem << " " << judgment << ": " << detail;
    }
    if (count.last_at == at) return;
    count.last_at = at;
    ++count.failing;
}

Tally::~Tally()
{
    if (sweep_.report) {
        for (const auto& [key, count] : counts_)
            std::printf("%d.%d %s: %d of %zu%s\n", chapter_, key.first, key.second.c_str(), count.failing,
                        sweep_.versions.size(), count.reported ? "" : " (known)");
        for (std::size_t k = 0; k < known_.size(); ++k)
            std::printf("%d.%d %s known \"%s\": %d faults\n", chapter_, known_[k].problem, known_[k].judgment,
                        known_[k].text, seen_[k]);
    }
    if (!sweep_.whole) return;
    for (std::size_t k = 0; k < known_.size(); ++k)
        EXPECT_NE(seen_[k], 0) << chapter_ << "." << known_[k].problem << " " << known_[k].judgment << " \""
                               << known_[k].text
                               << "\" is listed as a known fault and fails no page: take it off the list";
}

void sweep_pages(PageShow& show, const Sweep& sweep, Tally& tally, const std::vector<Judge*>& judges)
{
    for (std::int32_t problem = 1; problem <= show.problem_count(); ++problem) {
        if (!sweep.covers(problem)) continue;
        for (Judge* judge : judges) judge->begin(problem, tally);
        for (const std::int32_t version : sweep.versions) {
            const ShownPage page = show.page(problem, version);
            for (Judge* judge : judges) judge->judge(problem, version, page, tally);
        }
        for (Judge* judge : judges) judge->end(problem);
    }
}

}  // namespace testing_support
