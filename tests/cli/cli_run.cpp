#include "cli_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kt {

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& argument)
{
    std::string out = "'";
    for (char c : argument)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary).write(bytes.data(),
                                                 static_cast<std::streamsize>(bytes.size()));
}

CliRunner::CliRunner()
{
    std::string pattern = (fs::temp_directory_path() / "kt-cli-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no scratch folder");
    folder_ = pattern;
}

CliRunner::~CliRunner()
{
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

int CliRunner::shell(const std::string& command)
{
    const std::string line = "cd " + quoted(folder_.string()) + " && KT_CLI=" + quoted(KT_CLI)
                             + " && " + command;
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

CliRun CliRunner::run(const std::vector<std::string>& arguments, std::string_view input)
{
    writeFile(folder_ / "stdin", input);
    std::string command = "\"$KT_CLI\"";
    for (const std::string& argument : arguments)
        command += ' ' + quoted(argument);
    CliRun run;
    run.status = shell(command + " < stdin > stdout 2> stderr");
    run.out = readFile(folder_ / "stdout");
    run.err = readFile(folder_ / "stderr");
    return run;
}

}  // namespace kt
