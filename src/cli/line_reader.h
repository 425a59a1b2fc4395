#pragma once
// Reads a code list line by line in large chunks, so that a list of any length passes
// through a buffer of fixed size.

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace kt::cli {

class LineReader {
public:
    // Bytes asked of the input at once; the buffer grows only for a longer line.
    static constexpr std::size_t ChunkSize = std::size_t{1} << 16;

    explicit LineReader(std::FILE* file);

    // The next line without its line break, or nothing at the end of the input or on a read
    // error. A line ends at LF, CR LF or a lone CR, as every one of them breaks the line in
    // the window's list. A byte order mark before the first line is dropped. The view lasts
    // until the next call.
    std::optional<std::string_view> next();

    bool failed() const { return failed_; }

private:
    // Moves the unread bytes to the front and reads more behind them; false at the end.
    bool refill();

    std::FILE* file_;
    // Left uninitialised: touching memory that no read fills costs a program of a few
    // codes more than its work.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // past the last byte read
    bool atEnd_ = false;
    bool failed_ = false;
    bool firstLine_ = true;
};

}  // namespace kt::cli
