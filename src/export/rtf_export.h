// The export layer: the current problem and its results written to RTF.
//
// Appending the current problem and its results to the run's RTF documents
// ("bt" + day + hour and minute + ".doc", and "re" + the same for results
// written apart). A document is never left half-written: an export that
// fails anywhere puts every document back as it was and says why.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime.h"

// Kept for the whole run; only the export reads it.
struct RtfExportState {
    std::int32_t problems_file_ready = 0;  // 1 once this run's problems document holds a problem
    std::int32_t results_file_ready = 0;   // the same for the results document
    std::string problems_file;             // name without ".doc", such as "bt071435" or "bt071435_2"
    std::string results_file;
    DateAndTime named_at;  // when the problems document was named
};
extern RtfExportState rtf_export_state;

// The export button of the page: asks, then appends problem_text and, by
// print_mode, answer_text after it or to the results document. The unit is
// the one the page passes; documents are opened by name.
void export_problem_rtf(std::int32_t unit);

// Appends an answer already converted to RTF to the results document, made
// on first use with the problems document's digits and date. False (after
// telling the user) when nothing was written.
bool export_results_rtf(std::string_view problems_name, const DateAndTime& named_at, std::string_view converted_answer);

// "Tarvisel - Brunatel 1.0 - DD/MM/CCYY hh:mm" for the title block.
std::string rtf_title_line(const DateAndTime& when);
