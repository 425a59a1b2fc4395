#include "cli/output.h"

#include <QSaveFile>

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kt::cli {

namespace {

// Straight to the descriptor: the standard library's stream would split every chunk in two
// system calls and copy a part of it.
bool writeToStandardOutput(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

Output::Output()
    : buffer_(std::make_unique_for_overwrite<char[]>(Capacity))
{
}

Output::Output(const QString& path)
    : file_(std::make_unique<QSaveFile>(path)),
      buffer_(std::make_unique_for_overwrite<char[]>(Capacity))
{
    open_ = file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!open_)
        error_ = file_->errorString();
}

Output::~Output() = default;

void Output::append(std::string_view text)
{
    // A failed write is remembered and reported by the next flush.
    if (size_ + text.size() > Capacity)
        writeBuffer();
    if (text.size() > Capacity) {
        write(text.data(), text.size());
    } else {
        std::memcpy(buffer_.get() + size_, text.data(), text.size());
        size_ += text.size();
    }
}

bool Output::write(const char* data, std::size_t size)
{
    if (!error_.isEmpty())
        return false;  // the output is broken already
    if (file_) {
        if (file_->write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
            error_ = file_->errorString();
            return false;
        }
    } else if (!writeToStandardOutput(data, size)) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

bool Output::writeBuffer()
{
    const bool written = write(buffer_.get(), size_);
    size_ = 0;
    return written;
}

bool Output::finish()
{
    if (!writeBuffer())
        return false;
    if (file_ && !file_->commit()) {
        error_ = file_->errorString();
        return false;
    }
    return true;
}

}  // namespace kt::cli
