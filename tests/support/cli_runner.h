// Runs zonewright-cli as a user runs it, capturing its exit status and both
// terminal streams. For the command-line test suites (ZW_CLI names the tool).
#pragma once

#include "support/model_samples.h"
#include "support/run_program.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zw::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// `cli` is the executable; the streams are captured in files of `scratch`.
// `environment`, when given, are the arguments of env(1) that run the tool
// (e.g. {"-u", "DISPLAY", "QT_QPA_PLATFORM=xcb"}); POSIX only.
inline CliRun runCli(const std::string& cli, const std::vector<std::string>& args,
                     const ScratchDir& scratch, const std::vector<std::string>& environment = {}) {
    std::vector<std::string> all = environment;
    std::string program = cli;
    if (!environment.empty()) {
        program = "/usr/bin/env";
        all.push_back(cli);
    }
    all.insert(all.end(), args.begin(), args.end());
    CliRun r;
    r.status = runProgram(program, all, scratch.file("stdout"), scratch.file("stderr"));
    r.out = slurp(scratch.file("stdout"));
    r.err = slurp(scratch.file("stderr"));
    return r;
}

// The test's current folder for its lifetime: the program started meanwhile
// inherits it (and on Windows its drive).
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& dir) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(fsPath(dir));
    }
    ~CurrentFolder() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::filesystem::path old_;
};

// The tool named by ZW_CLI, with a scratch folder of its own for the streams.
class CliRunner {
  public:
    CliRun run(const std::vector<std::string>& args) { return runCli(ZW_CLI, args, io_); }

  private:
    ScratchDir io_;
};

} // namespace zw::test
