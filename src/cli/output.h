#pragma once
// Where a subcommand's output goes: standard output, or a file that appears only once it is
// complete. Output is collected in a buffer and written in large chunks.

#include <QString>

#include <memory>

#include "core/text.h"

class QSaveFile;

namespace kt::cli {

class Output {
public:
    // Standard output.
    Output();
    // A file written beside path and put in its place by finish() alone; leaving without
    // finish() leaves an existing file as it was.
    explicit Output(const QString& path);
    ~Output();

    // False when the file cannot be created.
    bool isOpen() const { return open_; }

    // What is still to be written; append to it freely.
    Text& buffer() { return buffer_; }
    // Writes the buffer once it holds a large chunk; false when writing failed.
    bool flushWhenFull()
    {
        return buffer_.size() < ChunkSize || writeBuffer();
    }
    // Writes the rest and, for a file, puts it in place.
    bool finish();

    QString errorString() const { return error_; }

private:
    // Large enough to make writes rare, small enough to stay in the processor's cache.
    static constexpr std::size_t ChunkSize = std::size_t{1} << 18;

    bool writeBuffer();

    std::unique_ptr<QSaveFile> file_;
    Text buffer_;
    QString error_;
    bool open_ = true;
};

}  // namespace kt::cli
