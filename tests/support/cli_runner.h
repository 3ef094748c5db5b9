// Runs zonewright-cli as a user runs it, capturing its exit status and both
// terminal streams. For the command-line test suites (ZW_CLI names the tool).
#pragma once

#include "support/model_samples.h"
#include "support/run_program.h"

#include <string>
#include <vector>

namespace zw::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// `cli` is the executable; the streams are captured in files of `scratch`.
inline CliRun runCli(const std::string& cli, const std::vector<std::string>& args,
                     const ScratchDir& scratch) {
    CliRun r;
    r.status = runProgram(cli, args, scratch.file("stdout"), scratch.file("stderr"));
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
