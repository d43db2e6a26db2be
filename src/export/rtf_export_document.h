// The export documents on disk: RTF files of records (lines) that end with
// the closing-brace record after every export, so a word processor can open
// them at any time. Each export is one append that is undone as a whole
// when any of its steps fails.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime.h"

enum class RtfFileResult {
    done,
    open_failed,   // the file cannot be made or opened
    write_failed,  // a record could not be written, or the file is no export document
};

// The first of base, base + "_2", base + "_3", ... whose ".doc" file does not
// exist yet; empty when all of the first thousand do.
std::string first_free_document_name(std::string_view base);

// The seven records that start a document whose title block shows title_line.
std::vector<std::string> rtf_prologue(std::string_view title_line);

// One append to one document. Until commit() succeeds the document can be
// put back as it was: undo() (or the destructor) removes a file that create()
// made, or cuts an existing one back to its closing brace.
class RtfDocumentAppend {
public:
    RtfDocumentAppend() = default;
    RtfDocumentAppend(const RtfDocumentAppend&) = delete;
    RtfDocumentAppend& operator=(const RtfDocumentAppend&) = delete;
    ~RtfDocumentAppend();

    // Makes the file with the prologue; a file that exists is never touched.
    RtfFileResult create(const std::string& path, std::string_view title_line);
    // Opens a document made earlier; it must still end with the closing brace.
    RtfFileResult open(const std::string& path);
    // Replaces the closing brace by the records and a closing brace.
    RtfFileResult append(const std::vector<std::string>& records);
    // Closes the document as it now stands; undo() is no longer possible.
    RtfFileResult commit();
    void undo();

private:
    TextFile file_;
    std::string path_;
    bool created_ = false;
    std::int64_t brace_at_ = -1;  // start of the replaced closing brace
};
