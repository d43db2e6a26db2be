#include <unistd.h>

#include <cstdio>

#include "platform/runtime.h"

TextFile::~TextFile()
{
    close();
}

bool TextFile::open(const std::string& path, Mode mode)
{
    close();
    file_ = std::fopen(path.c_str(), mode == Mode::create ? "w+b" : "a+b");
    if (file_ == nullptr) return false;
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        close();
        return false;
    }
    position_ = std::ftell(file_);
    return position_ >= 0 || (close(), false);
}

bool TextFile::write_record(std::string_view record)
{
    if (file_ == nullptr) return false;
    // After a step back the old record is cut off before writing anew.
    if (!truncate_to(position_)) return false;
    std::string line(record);
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fflush(file_) != 0) return false;
    position_ += static_cast<std::int64_t>(line.size());
    return true;
}

bool TextFile::backspace()
{
    if (file_ == nullptr || position_ <= 0) return false;
    // Look back for the newline that ends the record before the last one.
    std::int64_t start = position_ - 1;  // the last record's own newline
    while (start > 0) {
        if (std::fseek(file_, start - 1, SEEK_SET) != 0) return false;
        if (std::fgetc(file_) == '\n') break;
        --start;
    }
    position_ = start;
    return std::fseek(file_, 0, SEEK_END) == 0;
}

std::int64_t TextFile::position() const
{
    return position_;
}

bool TextFile::truncate_to(std::int64_t position)
{
    if (file_ == nullptr || position < 0) return false;
    if (std::fflush(file_) != 0) return false;
    std::fseek(file_, 0, SEEK_END);
    const std::int64_t end = std::ftell(file_);
    if (end < position) return false;
    if (end > position && ftruncate(fileno(file_), static_cast<off_t>(position)) != 0) return false;
    position_ = position;
    return std::fseek(file_, 0, SEEK_END) == 0;
}

bool TextFile::close()
{
    if (file_ == nullptr) return false;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    position_ = 0;
    return ok;
}
