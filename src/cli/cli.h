#pragma once
// The subcommands of the command-line program. Each takes its own arguments (its name
// first) and returns the process's exit status.

#include <QStringList>

namespace kt::cli {

enum ExitStatus {
    Success = 0,
    Failure = 1,     // a refused input or a failed read or write
    UsageError = 2,  // the command line itself is wrong
};

int runVerify(const QStringList& arguments);
int runSequence(const QStringList& arguments);
int runSvg(const QStringList& arguments);

}  // namespace kt::cli
