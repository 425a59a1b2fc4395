#pragma once
// The input named on a command line: a file, or standard input when the name is empty or "-".

#include <QString>

#include <cstdio>

namespace kt::cli {

class Input {
public:
    explicit Input(const QString& name);
    ~Input();
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // Nothing when the file cannot be opened; errorString() says why.
    std::FILE* file() const { return file_; }
    QString errorString() const { return error_; }

private:
    std::FILE* file_ = nullptr;
    bool owned_ = false;
    QString error_;
};

}  // namespace kt::cli
