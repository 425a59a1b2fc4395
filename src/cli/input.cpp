#include "cli/input.h"

#include <QFile>

#include <cerrno>
#include <cstring>

namespace kt::cli {

Input::Input(const QString& name)
{
    if (name.isEmpty() || name == u"-") {
        file_ = stdin;
        return;
    }
    file_ = std::fopen(QFile::encodeName(name).constData(), "rb");
    owned_ = file_ != nullptr;
    if (!file_)
        error_ = QStringLiteral("cannot read '%1': %2")
                     .arg(name, QString::fromLocal8Bit(std::strerror(errno)));
}

Input::~Input()
{
    if (owned_)
        std::fclose(file_);
}

}  // namespace kt::cli
