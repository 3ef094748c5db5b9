// Runs zonewright-cli as a user runs it, capturing its exit status and both
// terminal streams. For the command-line test suites (ZW_CLI names the tool).
#pragma once

#include "support/model_samples.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zw::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// `cli` is the executable; the streams are captured in files of `scratch`.
// `environment`, when given, is put before the command as it is (`env ...`).
inline CliRun runCli(const std::string& cli, const std::vector<std::string>& args,
                     const ScratchDir& scratch, const std::string& environment = {}) {
    std::string cmd = environment.empty() ? shellQuoted(cli) : environment + " " + shellQuoted(cli);
    for (const auto& a : args)
        cmd += " " + shellQuoted(a);
    cmd += " >" + shellQuoted(scratch.file("stdout")) + " 2>" + shellQuoted(scratch.file("stderr"));
    const int raw = std::system(cmd.c_str());
    CliRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(scratch.file("stdout"));
    r.err = slurp(scratch.file("stderr"));
    return r;
}

// The tool named by ZW_CLI, with a scratch folder of its own for the streams.
class CliRunner {
  public:
    CliRun run(const std::vector<std::string>& args) { return runCli(ZW_CLI, args, io_); }

  private:
    ScratchDir io_;
};

} // namespace zw::test
