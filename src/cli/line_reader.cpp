#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>

namespace kt::cli {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(std::FILE* file)
    : file_(file), buffer_(std::make_unique_for_overwrite<char[]>(ChunkSize)), capacity_(ChunkSize)
{
}

bool LineReader::refill()
{
    if (atEnd_)
        return false;
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (capacity_ - end_ < ChunkSize / 2) {  // a line longer than the buffer
        auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    const std::size_t read = std::fread(buffer_.get() + end_, 1, capacity_ - end_, file_);
    end_ += read;
    if (read == 0) {
        atEnd_ = true;
        failed_ = std::ferror(file_) != 0;
    }
    return read > 0;
}

std::optional<std::string_view> LineReader::next()
{
    const auto isBreak = [](char c) { return c == '\n' || c == '\r'; };
    std::size_t scanned = begin_;
    for (;;) {
        const char* const data = buffer_.get();
        const char* const found = std::find_if(data + scanned, data + end_, isBreak);
        const auto at = static_cast<std::size_t>(found - data);
        // A CR at the end of what was read may be the first half of a CR LF.
        const bool complete = at < end_ && (*found == '\n' || at + 1 < end_ || atEnd_);
        if (complete || (at == end_ && atEnd_)) {
            if (at == end_ && begin_ == end_)
                return std::nullopt;
            std::string_view line(data + begin_, at - begin_);
            begin_ = at;
            if (begin_ < end_)
                begin_ += (*found == '\r' && begin_ + 1 < end_ && data[begin_ + 1] == '\n') ? 2 : 1;
            if (firstLine_ && line.starts_with(ByteOrderMark))
                line.remove_prefix(ByteOrderMark.size());
            firstLine_ = false;
            return line;
        }
        scanned = at - begin_;
        refill();
        scanned += begin_;
    }
}

}  // namespace kt::cli
