#include "export/rtf_export.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "export/rtf_export_document.h"
#include "export/rtf_export_markup.h"
#include "frame/app_state.h"
#include "numbers/fixed_width.h"
#include "text/message_dialog.h"

RtfExportState rtf_export_state;

namespace {

constexpr std::string_view paragraph_record = " \\par";

std::string date_field(std::string_view text, int first, int last)
{
    return std::string(record_columns(text, first, last));
}

// Day, hour and minute: the six digits of the document names.
std::string name_digits(const DateAndTime& when)
{
    return date_field(when.date, 7, 8) + date_field(when.time, 1, 4);
}

// Blanks at the end of the text are dropped, but a closing control word
// keeps the blank that ends it: some readers take "\nosupersub]" for one
// word and lose the bracket of the results record.
std::string converted(std::string_view markup)
{
    return convert_markup_to_rtf(strip_trailing_blanks(markup));
}

void report(RtfFileResult result)
{
    if (result == RtfFileResult::open_failed) {
        show_message_dialog("Impossibile stampare!", "Il file non può essere aperto", "o il supporto non è scrivibile");
    } else {
        show_message_dialog("Impossibile stampare!", "Controllare il supporto o cancellare", "il file e riiniziare");
    }
}

// Makes the document on first use or opens it again. A document of this run
// that can no longer be opened as ours is left alone: the ready flag drops,
// so the next export starts a new one instead of failing for good.
RtfFileResult start_document(RtfDocumentAppend& document, const std::string& name, const DateAndTime& named_at,
                             std::int32_t& ready)
{
    if (name.empty()) return RtfFileResult::open_failed;
    if (ready == 0) return document.create(name + ".doc", rtf_title_line(named_at));
    const RtfFileResult result = document.open(name + ".doc");
    if (result != RtfFileResult::done) ready = 0;
    return result;
}

// The documents go to the current folder: the question names it in full,
// so that the student can find them again.
std::string folder_line()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? "Cartella non determinabile" : "Cartella: " + folder.string();
}

}  // namespace

std::string rtf_title_line(const DateAndTime& when)
{
    return "Tarvisel - Brunatel 1.0 - " + date_field(when.date, 7, 8) + "/" + date_field(when.date, 5, 6) + "/" +
           date_field(when.date, 1, 4) + " " + date_field(when.time, 1, 2) + ":" + date_field(when.time, 3, 4);
}

bool export_results_rtf(std::string_view problems_name, const DateAndTime& named_at, std::string_view converted_answer)
{
    RtfExportState& state = rtf_export_state;
    const std::string name = state.results_file_ready != 0
                                 ? state.results_file
                                 : first_free_document_name("re" + date_field(problems_name, 3, 8));
    RtfDocumentAppend document;
    RtfFileResult result = start_document(document, name, named_at, state.results_file_ready);
    if (result == RtfFileResult::done) {
        result = document.append(
            {std::string(paragraph_record), std::string(converted_answer), std::string(paragraph_record)});
    }
    if (result == RtfFileResult::done) result = document.commit();
    if (result != RtfFileResult::done) {
        report(result);
        return false;
    }
    state.results_file = name;
    state.results_file_ready = 1;
    return true;
}

void export_problem_rtf(std::int32_t /*unit*/)
{
    const ProblemTexts& texts = problem_texts;
    if (!texts.problem_printable) {
        show_message_dialog("Il problema e/o i risultati", "contengono parti grafiche o tabelle.",
                            "Il problema non è stampabile.");
        return;
    }
    RtfExportState& state = rtf_export_state;
    std::string name = state.problems_file;
    DateAndTime named_at = state.named_at;
    if (state.problems_file_ready == 0) {
        named_at = rt_date_and_time();
        name = first_free_document_name("bt" + name_digits(named_at));
        if (name.empty()) {
            report(RtfFileResult::open_failed);
            return;
        }
    }
    if (show_message_dialog("Aggiungere il problema corrente", "al file " + name + ".doc?", folder_line()) < 0) return;

    const bool results_apart = screen_settings.print_mode == PrintMode::results_in_separate_file;
    const std::string answer = converted(texts.answer_text);
    std::vector<std::string> records = {std::string(paragraph_record), converted(texts.problem_text)};
    if (!results_apart) records.push_back(std::string(5, ' ') + " [Risultati: " + answer + "]");
    records.emplace_back(paragraph_record);

    // Until commit the problems document is undone on every way out, so a
    // failed results document never leaves a problem without its results.
    RtfDocumentAppend document;
    RtfFileResult result = start_document(document, name, named_at, state.problems_file_ready);
    if (result == RtfFileResult::done) result = document.append(records);
    if (result != RtfFileResult::done) {
        report(result);
        return;
    }
    if (results_apart && !export_results_rtf(name, named_at, answer)) return;
    result = document.commit();
    if (result != RtfFileResult::done) {
        report(result);
        return;
    }
    state.problems_file = name;
    state.named_at = named_at;
    state.problems_file_ready = 1;
}
