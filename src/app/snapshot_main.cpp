// brunatel-snapshot: draws one problem page headless, as the program shows
// it after choosing chapter, problem, version and level, and prints its
// statement and answer markup. With --versions A-B it prints those of every
// version from A to B instead, without a picture, for reviewers' sweeps, and
// with --spread N those of the first N versions of a fixed list spread over
// the whole range. With --problems A-B it does so for each problem from A
// to B in turn, each after a line "problem: P", in one run: the program
// starts once. With --check-layout it prints, instead of the texts, what
// the layout check finds wrong on each page, drawn with its results, one
// line a defect, then "layout: N defects". With --clock S the program's
// clock stands at S seconds since 1970, so that every run draws the same
// decoration and fact around the problem; the check stops it at a second of
// its own when none is given, and --png then saves the page checked.
// Scripts read the exit code: see ExitCode below.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/program_parts.h"
#include "frame/app_state.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "frame/page_choice.h"
#include "layout_check/page_check.h"
#include "platform/backend.h"
#include "platform/qt/qt_application.h"

namespace {

// One meaning each; anything else (a crash) is a failure too.
enum class ExitCode : int {
    done = 0,     // every page drawn (and with --check-layout, clean)
    defects = 1,  // the layout check found defects
    bad_arguments = 2,
    cannot_draw = platform::qt::cannot_draw_exit_code,  // not with its own fonts alone
    cannot_write = 4,                                   // the PNG or standard output
};

constexpr const char* usage =
    "uso: brunatel-snapshot --chapter C (--problem P | --problems A-B) (--version V | --versions A-B | --spread N) "
    "[--level L] [--scheme S] [--answer] [--png FILE] [--clock SECONDS] [--check-layout]";

std::optional<std::int32_t> whole_number(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string without_trailing_blanks(const std::string& text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

ExitCode refuse(const std::string& message)
{
    std::cerr << message << "\n" << usage << "\n";
    return ExitCode::bad_arguments;
}

// The versions the pages are drawn at, counted without a list of them.
struct Versions {
    std::int32_t first = 0, count = 0;
    bool spread = false;  // the first count of the spread list instead of first, first + 1, ...
    std::int32_t at(std::int32_t k) const { return spread ? layout_check::spread_version(k + 1) : first + k; }
};

// "A-B" of two whole numbers, A <= B; "what" names the things numbered in
// the message of a refusal.
std::optional<std::pair<std::int32_t, std::int32_t>> whole_range(std::string_view text, const char* what,
                                                                 std::string& error)
{
    const auto dash = text.find('-');
    const auto first = whole_number(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? std::nullopt : whole_number(text.substr(dash + 1));
    if (!first || !last) {
        error = "Intervallo di " + std::string(what) + " non leggibile: " + std::string(text) + " (scrivere A-B).";
        return std::nullopt;
    }
    if (*last < *first) {
        error = "Intervallo di " + std::string(what) + " vuoto: B è minore di A.";
        return std::nullopt;
    }
    return std::pair{*first, *last};
}

// "A-B" with 0 <= A <= B <= "Versione Testo": the versions from A to B.
std::optional<Versions> version_range(std::string_view text, std::string& error)
{
    const auto range = whole_range(text, "versioni", error);
    if (!range) return std::nullopt;
    const auto [first, last] = *range;
    if (first < no_version || last > text_version) {
        error = "Versioni fuori intervallo: scegliere da 0 a 10000001.";
        return std::nullopt;
    }
    return Versions{first, last - first + 1};
}

void print_texts()
{
    std::cout << "problem_text: " << without_trailing_blanks(problem_texts.problem_text) << "\n"
              << "answer_text: " << without_trailing_blanks(problem_texts.answer_text) << "\n";
}

// What the command line asks for.
struct Request {
    PageChoice choice;
    std::int32_t last_problem = 0;  // of --problems, from choice.problem on; 0 for --problem
    std::string png;
    Versions versions;  // of --versions or --spread; none for --version
    bool check = false;
    std::optional<std::int32_t> clock;
    bool help = false;  // the usage only
};

// The request of the command line, or none and the Italian message that
// refuses it.
std::optional<Request> read_request(int argc, char** argv, std::string& refusal)
{
    Request request;
    bool chapter = false;
    std::int32_t problem_choices = 0;  // of --problem and --problems
    std::int32_t version_choices = 0;  // of --version, --versions and --spread
    const auto refused = [&refusal](std::string message) {
        refusal = std::move(message);
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            request.help = true;
            return request;
        }
        if (option == "--answer") {
            request.choice.answer = true;
            continue;
        }
        if (option == "--check-layout") {
            request.check = true;
            continue;
        }
        if (i + 1 >= argc) return refused("Manca il valore di " + std::string(option) + ".");
        const std::string_view value = argv[++i];
        if (option == "--png") {
            request.png = value;
            continue;
        }
        if (option == "--versions") {
            std::string error;
            const auto range = version_range(value, error);
            if (!range) return refused(error);
            request.versions = *range;
            ++version_choices;
            continue;
        }
        if (option == "--problems") {
            std::string error;
            const auto range = whole_range(value, "problemi", error);
            if (!range) return refused(error);
            std::tie(request.choice.problem, request.last_problem) = *range;
            ++problem_choices;
            continue;
        }
        const auto number = whole_number(value);
        if (!number) return refused("Valore non intero per " + std::string(option) + ": " + std::string(value));
        if (option == "--chapter") {
            request.choice.chapter = *number;
            chapter = true;
        } else if (option == "--problem") {
            request.choice.problem = *number;
            ++problem_choices;
        } else if (option == "--version") {
            request.choice.version = *number;
            ++version_choices;
        } else if (option == "--spread") {
            if (*number < 1 || *number > layout_check::spread_version_count)
                return refused("Valore di --spread fuori intervallo: scegliere da 1 a 9999999.");
            request.versions = {0, *number, true};
            ++version_choices;
        } else if (option == "--level") {
            request.choice.level = *number;
        } else if (option == "--scheme") {
            request.choice.scheme = *number;
        } else if (option == "--clock") {
            request.clock = *number;
        } else {
            return refused("Opzione sconosciuta: " + std::string(option));
        }
    }
    if (!chapter || problem_choices != 1 || version_choices != 1)
        return refused("Servono --chapter, uno tra --problem e --problems e una tra --version, --versions e --spread.");
    if ((request.versions.count > 0 || request.last_problem > 0) && !request.png.empty())
        return refused("--png vale solo con --problem e --version.");
    // A version of each problem is printed as a range of one.
    if (request.last_problem > 0 && request.versions.count == 0) request.versions = {request.choice.version, 1};
    return request;
}

// Draws the pages asked for with the program started headless, and prints
// their texts or, with the check, their defects and their count.
ExitCode draw_pages(Request request, int argc, char** argv)
{
    platform::qt::silence_qt_notices();
    platform::qt::Application application(argc, argv);
    if (!application.font_failure().empty()) {
        std::cerr << application.font_failure() << "\n";
        return ExitCode::cannot_draw;
    }
    // Made before the session, the check outlives it: the session's end
    // still reaches it. Put in before the program starts, it learns every
    // font the program selects.
    std::optional<layout_check::LayoutRecorder> recorder;
    platform::qt::Session session;
    // One clock for the page drawn and the page checked.
    if (request.check && !request.clock) request.clock = layout_check::check_clock;
    if (request.clock) session.stop_clock(*request.clock);
    if (request.check) {
        recorder.emplace(session.backend());
        platform::install_backend(&*recorder);
    }
    plug_in_program_parts();
    initial_settings();
    main_program();
    PageChoice& choice = request.choice;
    const Versions& versions = request.versions;
    std::int32_t found = 0;
    const auto report = [&] {
        if (!request.check) return print_texts();
        for (const layout_check::PageFault& fault : layout_check::problem_page_faults(*recorder)) {
            std::cout << layout_check::sentence(fault) << "\n";
            ++found;
        }
    };
    if (versions.count > 0) {
        for (;; ++choice.problem) {
            if (request.last_problem > 0) std::cout << "problem: " << choice.problem << "\n";
            choice.version = versions.at(0);
            if (const std::string error = show_chosen_page(choice); !error.empty()) return refuse(error);
            for (std::int32_t k = 0; k < versions.count; ++k) {
                const std::int32_t v = versions.at(k);
                if (k > 0) {
                    if (const std::string error = show_chosen_version(v, choice.answer); !error.empty())
                        return refuse(error);
                }
                if (!request.check) std::cout << "version: " << v << "\n";
                report();
            }
            if (choice.problem >= request.last_problem) break;  // the last, or the only one
        }
    } else {
        if (const std::string error = show_chosen_page(choice); !error.empty()) return refuse(error);
        report();
        session.process_events();
        if (!request.png.empty() && !session.save_png(request.png, 605, 388)) {
            std::cerr << "Impossibile scrivere " << request.png << "\n";
            return ExitCode::cannot_write;
        }
    }
    if (request.check) std::cout << "layout: " << found << " defects\n";
    if (!std::cout.flush()) {
        std::cerr << "Impossibile scrivere sull'uscita standard.\n";
        return ExitCode::cannot_write;
    }
    return found > 0 ? ExitCode::defects : ExitCode::done;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string refusal;
    const std::optional<Request> request = read_request(argc, argv, refusal);
    if (!request) return static_cast<int>(refuse(refusal));
    if (request->help) {
        std::cout << usage << "\n";
        return static_cast<int>(ExitCode::done);
    }
    return static_cast<int>(draw_pages(*request, argc, argv));
}
