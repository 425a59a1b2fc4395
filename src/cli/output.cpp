#include "cli/output.h"

#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kt::cli {

namespace {

// The longest piece appended between two flushes is one barcode group of a few kilobytes.
constexpr std::size_t Headroom = std::size_t{1} << 14;

}  // namespace

Output::Output()
{
    buffer_.reserve(ChunkSize + Headroom);
}

Output::Output(const QString& path)
    : file_(std::make_unique<QSaveFile>(path))
{
    buffer_.reserve(ChunkSize + Headroom);
    open_ = file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!open_)
        error_ = file_->errorString();
}

Output::~Output() = default;

bool Output::writeBuffer()
{
    const auto size = static_cast<qint64>(buffer_.size());
    if (file_) {
        if (file_->write(buffer_.data(), size) != size) {
            error_ = file_->errorString();
            return false;
        }
    } else if (std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size()) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    buffer_.clear();
    return true;
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
