#include "export/rtf_export_document.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::string_view closing_brace = "}";
constexpr int max_document_names = 1000;

bool is_taken(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    // A name whose state cannot be read is offered; making the file will tell.
    return status.type() != std::filesystem::file_type::not_found && status.type() != std::filesystem::file_type::none;
}

// True when the last record of the file is the closing brace alone.
bool ends_with_closing_brace(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 3) return false;
    char tail[3] = {};
    in.seekg(size - 3);
    return static_cast<bool>(in.read(tail, 3)) && std::string_view(tail, 3) == "\n}\n";
}

}  // namespace

std::string first_free_document_name(std::string_view base)
{
    for (int k = 1; k <= max_document_names; ++k) {
        std::string name(base);
        if (k > 1) name += "_" + std::to_string(k);
        if (!is_taken(name + ".doc")) return name;
    }
    return {};
}

std::vector<std::string> rtf_prologue(std::string_view title_line)
{
    const std::string rule = std::string(21, ' ') + std::string(90, '-');
    return {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040",
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}}",
        "{\\*\\generator Msftedit 5.41.15.1507;}\\viewkind4\\uc1\\pard\\f0\\fs20",
        std::string(15, ' ') + "\\par" + rule,
        "\\par" + std::string(31, ' ') + std::string(title_line),
        std::string(5, ' ') + "\\par" + rule + " \\par \\par",
        std::string(closing_brace),
    };
}

RtfDocumentAppend::~RtfDocumentAppend()
{
    undo();
}

RtfFileResult RtfDocumentAppend::create(const std::string& path, std::string_view title_line)
{
    undo();
    // Exclusive creation: a document of another run or day is never overwritten.
    std::FILE* made = std::fopen(path.c_str(), "wx");
    if (made == nullptr) return RtfFileResult::open_failed;
    std::fclose(made);
    path_ = path;
    created_ = true;
    if (!file_.open(path, TextFile::Mode::append)) {
        undo();
        return RtfFileResult::open_failed;
    }
    for (const std::string& record : rtf_prologue(title_line)) {
        if (!file_.write_record(record)) {
            undo();
            return RtfFileResult::write_failed;
        }
    }
    return RtfFileResult::done;
}

RtfFileResult RtfDocumentAppend::open(const std::string& path)
{
    undo();
    if (!is_taken(path)) return RtfFileResult::open_failed;
    // Anything but our closing brace at the end means the file was changed
    // elsewhere: appending could damage it.
    if (!ends_with_closing_brace(path)) return RtfFileResult::write_failed;
    if (!file_.open(path, TextFile::Mode::append)) return RtfFileResult::open_failed;
    path_ = path;
    return RtfFileResult::done;
}

RtfFileResult RtfDocumentAppend::append(const std::vector<std::string>& records)
{
    if (!file_.is_open() || brace_at_ >= 0 || !file_.backspace()) return RtfFileResult::write_failed;
    brace_at_ = file_.position();
    for (const std::string& record : records) {
        if (!file_.write_record(record)) return RtfFileResult::write_failed;
    }
    return file_.write_record(closing_brace) ? RtfFileResult::done : RtfFileResult::write_failed;
}

RtfFileResult RtfDocumentAppend::commit()
{
    const bool closed = file_.close();
    path_.clear();
    created_ = false;
    brace_at_ = -1;
    return closed ? RtfFileResult::done : RtfFileResult::write_failed;
}

void RtfDocumentAppend::undo()
{
    // Closed first: after a failed write the stream may still hold bytes it
    // could not write, and they must not land after the repair.
    file_.close();
    if (created_) {
        std::remove(path_.c_str());
    } else if (brace_at_ >= 0 && file_.open(path_, TextFile::Mode::append) && file_.truncate_to(brace_at_)) {
        file_.write_record(closing_brace);
        file_.close();
    }
    path_.clear();
    created_ = false;
    brace_at_ = -1;
}
