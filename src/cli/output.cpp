#include "cli/output.h"

#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kt::cli {

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
    } else if (std::fwrite(data, 1, size, stdout) != size) {
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
    if (file_) {
        if (!file_->commit()) {
            error_ = file_->errorString();
            return false;
        }
    } else if (std::fflush(stdout) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

}  // namespace kt::cli
