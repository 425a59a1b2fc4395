#pragma once
// Runs the command-line program as a user would, in a scratch folder of the test's own.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

struct CliRun {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

class CliRunner {
public:
    CliRunner();
    ~CliRunner();

    // The program with these arguments, input on its standard input.
    CliRun run(const std::vector<std::string>& arguments, std::string_view input = {});

    // A shell command line in which "$KT_CLI" names the program, run in the scratch folder.
    int shell(const std::string& command);

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kt
