#pragma once
// Where a subcommand's output goes: standard output, or a file that appears only once it is
// complete. Output is collected in a buffer and written in large chunks.

#include <QString>

#include <memory>
#include <string_view>

class QSaveFile;

namespace kt::cli {

class Output {
public:
    // Free bytes that room() offers at least, whenever flushWhenFull() has returned true.
    static constexpr std::size_t RoomAtEnd = std::size_t{1} << 14;

    // Standard output.
    Output();
    // A file written beside path and put in its place by finish() alone; leaving without
    // finish() leaves an existing file as it was.
    explicit Output(const QString& path);
    ~Output();

    // False when the file cannot be created.
    bool isOpen() const { return open_; }

    void append(std::string_view text);
    // Where the next bytes go, for writers that fill the buffer themselves; advance() by
    // the bytes written there.
    char* room() { return buffer_.get() + size_; }
    void advance(std::size_t written) { size_ += written; }

    // Writes the buffer once it holds a large chunk; false when writing failed.
    bool flushWhenFull() { return size_ < ChunkSize || writeBuffer(); }
    // Writes the rest and, for a file, puts it in place.
    bool finish();

    QString errorString() const { return error_; }

private:
    // Large enough to make writes rare, small enough to stay in the processor's cache.
    static constexpr std::size_t ChunkSize = std::size_t{1} << 18;
    static constexpr std::size_t Capacity = ChunkSize + RoomAtEnd;

    bool write(const char* data, std::size_t size);
    bool writeBuffer();

    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    QString error_;
    bool open_ = true;
};

}  // namespace kt::cli
